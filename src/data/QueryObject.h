// A query object: one statement on one database file, holding its whole
// result. Mirrors the operations the windows rely on: close, set statement,
// open, record count, move to row n, field by name or position.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/Database.h"
#include "data/Statement.h"

struct sqlite3;

namespace quillora {

struct SharedConnection;

class QueryObject {
  public:
    explicit QueryObject(int timeoutSeconds = kDefaultTimeout);
    QueryObject(std::string connectionString, int timeoutSeconds);
    ~QueryObject();
    QueryObject(const QueryObject&) = delete;
    QueryObject& operator=(const QueryObject&) = delete;

    // Gives the query object its connection string. No connection is opened
    // here; the first Open connects.
    void SetConnection(std::string connectionString);
    const std::string& Connection() const { return connection_; }
    void SetTimeout(int seconds) { timeoutSeconds_ = seconds; }
    int Timeout() const { return timeoutSeconds_; }

    // Closes the result (and the connection); safe to call at any time.
    void Close();
    bool IsOpen() const { return open_; }

    // Replaces the statement and its bound parameters (closes any result).
    void SetStatement(std::string sql, std::vector<SqlParam> params = {});
    const std::string& Statement() const { return sql_; }

    // Runs the statement, holds every row, positions on the first row.
    // Throws DbError (naming the file) on any failure.
    void Open();

    int RecordCount() const { return static_cast<int>(rows_.size()); }
    int FieldCount() const { return static_cast<int>(columns_.size()); }
    const std::vector<std::string>& FieldNames() const { return columns_; }

    // Positions on row n, counted from 1. A position past either end leaves
    // the object at BOF/EOF and fields then read as empty.
    void MoveTo(int row);
    void Next() { MoveTo(current_ + 1); }
    int RecNo() const { return current_; }
    bool Eof() const { return rows_.empty() || current_ > RecordCount(); }

    // Field values of the current row. A name that the result lacks throws
    // DbError; a NULL reads as "" / 0.
    std::string FieldText(std::string_view name) const;
    std::string FieldText(int index) const;
    long long FieldInt(std::string_view name) const;
    long long FieldInt(int index) const;
    double FieldDouble(std::string_view name) const;
    double FieldDouble(int index) const;

  private:
    struct Cell {
        std::optional<std::string> text;
    };
    int IndexOf(std::string_view name) const;
    const Cell& CellAt(int index) const;
    void Connect();
    [[noreturn]] void Fail(const std::string& what) const;

    std::string connection_;
    int timeoutSeconds_;
    sqlite3* db_ = nullptr;
    // Set while db_ is a connection of a ConnectionScope, not this object's.
    std::shared_ptr<SharedConnection> shared_;
    std::string sql_;
    std::vector<SqlParam> params_;
    bool open_ = false;
    std::vector<std::string> columns_;
    std::vector<std::vector<Cell>> rows_;
    int current_ = 0;
};

// Lets the query objects of one report share one connection per database
// file. A report runs dozens of one-row lookups, each on its own query
// object; opening a connection and reading the file's schema costs far more
// than the lookup itself. While a ConnectionScope lives on this thread, a
// query object that connects takes the scope's connection for its connection
// string (opening it on first use), and Close gives it back instead of
// closing it. The scope closes its connections when it ends (a query object
// still holding one keeps it until that object closes), so nothing stays
// open after the report and a file replaced between two reports is read
// afresh. A connection that fails to open is not kept: the next query object
// tries again and fails the same way. An inner scope defers to the outer one.
class ConnectionScope {
  public:
    ConnectionScope();
    ~ConnectionScope();
    ConnectionScope(const ConnectionScope&) = delete;
    ConnectionScope& operator=(const ConnectionScope&) = delete;

  private:
    friend class QueryObject;
    bool active_ = false;
    std::vector<std::pair<std::string, std::shared_ptr<SharedConnection>>> connections_;
};

// The first column of the first row of a one-shot statement on a file, or
// nullopt when there is no row. Opens a transient query object for the call.
std::optional<std::string> QueryFirstText(const std::string& file, const std::string& sql,
                                          std::vector<SqlParam> params = {},
                                          int timeoutSeconds = kDefaultTimeout);

}  // namespace quillora
