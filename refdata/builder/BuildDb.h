// A small writer over SQLite for the reference-data builder: executes
// statements and inserts rows through prepared statements, and reads the
// committed TSV sources.
#pragma once

#include <filesystem>
#include <string>
#include <variant>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace quillora::refdata {

using Value = std::variant<std::nullptr_t, long long, double, std::string>;

class BuildDb {
  public:
    explicit BuildDb(const std::filesystem::path& file);  // creates a new file
    ~BuildDb();
    BuildDb(const BuildDb&) = delete;
    BuildDb& operator=(const BuildDb&) = delete;

    void Exec(const std::string& sql);
    // Prepared insert reused for many rows: Insert(sql) then Row(values...)
    class Inserter {
      public:
        Inserter(BuildDb& db, const std::string& sql);
        ~Inserter();
        Inserter(const Inserter&) = delete;
        Inserter& operator=(const Inserter&) = delete;
        void Row(const std::vector<Value>& values);

      private:
        BuildDb& db_;
        sqlite3_stmt* stmt_ = nullptr;
    };
    // Runs a query and returns every row as texts (for the builder's checks).
    std::vector<std::vector<std::string>> Query(const std::string& sql);
    long long Count(const std::string& table);
    sqlite3* Handle() { return db_; }

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
