#include "data/Statement.h"

#include <sqlite3.h>

#include <type_traits>

namespace quillora {

namespace {

// Compiles the first statement of [text, end): the statement (nullptr when
// the text holds only blanks, semicolons or comments) and where the rest
// begins.
sqlite3_stmt* Prepare(sqlite3* db, const char* text, const char* end, const char** rest,
                      int& code) {
    sqlite3_stmt* stmt = nullptr;
    code = sqlite3_prepare_v2(db, text, static_cast<int>(end - text), &stmt, rest);
    return stmt;
}

}  // namespace

Statement::Statement(sqlite3* db, std::string_view sql) : db_(db) {
    if (db_ == nullptr)
        throw DbError("no connection");
    const char* end = sql.data() + sql.size();
    const char* rest = nullptr;
    int code = SQLITE_OK;
    stmt_ = Prepare(db_, sql.data(), end, &rest, code);
    if (code != SQLITE_OK)
        Fail(code);
    if (stmt_ == nullptr)
        throw DbError("empty statement");
    // Whatever follows must be blank: a second statement would otherwise be
    // dropped without a word.
    while (rest != nullptr && rest < end) {
        const char* from = rest;
        sqlite3_stmt* next = Prepare(db_, from, end, &rest, code);
        const bool another = next != nullptr || code != SQLITE_OK;
        sqlite3_finalize(next);
        if (another || rest == from) {
            sqlite3_finalize(stmt_);
            throw DbError("more than one statement in one text");
        }
    }
}

Statement::~Statement() {
    sqlite3_finalize(stmt_);
}

void Statement::Fail(int code) const {
    // The connection's message is the detailed one when it belongs to this
    // failure; otherwise the code's general text.
    throw DbError(sqlite3_errcode(db_) == code ? sqlite3_errmsg(db_) : sqlite3_errstr(code));
}

void Statement::Bind(const std::vector<SqlParam>& params) {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
    if (params.size() > static_cast<std::size_t>(sqlite3_bind_parameter_count(stmt_)))
        throw DbError("more values than the statement has places for");
    for (std::size_t i = 0; i < params.size(); ++i) {
        const int index = static_cast<int>(i) + 1;
        const int code = std::visit(
            [&](const auto& v) {
                using T = std::decay_t<decltype(v)>;
                if constexpr (std::is_same_v<T, std::nullptr_t>) {
                    return sqlite3_bind_null(stmt_, index);
                } else if constexpr (std::is_same_v<T, long long>) {
                    return sqlite3_bind_int64(stmt_, index, v);
                } else if constexpr (std::is_same_v<T, double>) {
                    return sqlite3_bind_double(stmt_, index, v);
                } else {
                    return sqlite3_bind_text(stmt_, index, v.data(), static_cast<int>(v.size()),
                                             SQLITE_TRANSIENT);
                }
            },
            params[i]);
        if (code != SQLITE_OK)
            Fail(code);
    }
}

bool Statement::Step() {
    const int code = sqlite3_step(stmt_);
    if (code == SQLITE_ROW)
        return true;
    if (code == SQLITE_DONE)
        return false;
    Fail(code);
}

void Statement::Run() {
    while (Step()) {
    }
}

int Statement::ColumnCount() const {
    return sqlite3_column_count(stmt_);
}

std::string Statement::ColumnName(int column) const {
    const char* name = sqlite3_column_name(stmt_, column);
    return name != nullptr ? name : "";
}

std::optional<std::string> Statement::Value(int column) const {
    if (sqlite3_column_type(stmt_, column) == SQLITE_NULL)
        return std::nullopt;
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
    return std::string(text != nullptr ? text : "",
                       static_cast<std::size_t>(sqlite3_column_bytes(stmt_, column)));
}

}  // namespace quillora
