// A small writer over SQLite for the reference-data builder: runs the
// catalogue's statements (data/Statements.h, namespace sql::build) on a new
// file, inserts rows through one prepared statement each, and reads the
// committed TSV sources. A failing statement fails the build with the
// engine's message and the statement's text.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "data/Statement.h"

struct sqlite3;

namespace quillora::refdata {

class BuildDb {
  public:
    explicit BuildDb(const std::filesystem::path& file);  // creates a new file
    ~BuildDb();
    BuildDb(const BuildDb&) = delete;
    BuildDb& operator=(const BuildDb&) = delete;

    // Runs one statement that returns no rows worth reading.
    void Exec(const char* sql);
    // Prepared insert reused for many rows: construct with the statement,
    // then Row(values) for each row.
    class Inserter {
      public:
        Inserter(BuildDb& db, const char* sql);
        void Row(const std::vector<SqlParam>& values);

      private:
        Statement statement_;
        const char* sql_;
    };
    // The first column of a one-row statement as a number (for the builder's
    // counts and checks).
    long long Number(const char* sql, const std::vector<SqlParam>& params = {});
    long long Count(const std::string& table);

  private:
    sqlite3* db_ = nullptr;
};

// A TSV source: the header row names the columns; every later non-empty line
// is one row. Lines starting with "#" are comments.
struct Tsv {
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;
    int Column(const std::string& name) const;  // throws when absent
};
Tsv ReadTsv(const std::filesystem::path& file);

// Fails the build with a message.
[[noreturn]] void BuildFailure(const std::string& message);

}  // namespace quillora::refdata
