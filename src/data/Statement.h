// One prepared SQLite statement: compiled when it is constructed, finalised
// when it is destroyed, so no path through the program leaves a statement
// open. Its one binder takes the program's parameter values; its rows are
// read as texts. The query object, the soundness check of a database file
// and the reference-data builder all run their SQL through it.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "data/Database.h"

struct sqlite3;
struct sqlite3_stmt;

namespace quillora {

// A value bound to a "?" of a statement.
using SqlParam = std::variant<std::nullptr_t, long long, double, std::string>;

class Statement {
  public:
    // Compiles `sql` on the open connection `db`. The text holds exactly one
    // statement: a text that is empty or holds a second statement is refused,
    // never run in part. Throws DbError carrying the engine's message.
    Statement(sqlite3* db, std::string_view sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // Rewinds the statement and binds `params` to its placeholders in order
    // (the first to the first "?"); placeholders left over are NULL. More
    // values than placeholders throw DbError.
    void Bind(const std::vector<SqlParam>& params);

    // Runs the statement to its next row: true when a row is ready, false
    // when it has finished. A failure (an engine error, an interrupt) throws
    // DbError with the engine's message.
    bool Step();

    // Runs the statement to its end, passing over any rows.
    void Run();

    int ColumnCount() const;
    std::string ColumnName(int column) const;

    // A column of the current row as text (all its bytes); nullopt for NULL.
    std::optional<std::string> Value(int column) const;

  private:
    [[noreturn]] void Fail(int code) const;

    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
};

}  // namespace quillora
