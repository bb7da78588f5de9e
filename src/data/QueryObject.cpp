#include "data/QueryObject.h"

#include <sqlite3.h>

#include <chrono>
#include <cmath>
#include <cstdlib>

#include "common/Text.h"

namespace quillora {

namespace {

struct Deadline {
    std::chrono::steady_clock::time_point until;
    bool expired = false;
};

int ProgressHandler(void* arg) {
    auto* d = static_cast<Deadline*>(arg);
    if (std::chrono::steady_clock::now() >= d->until) {
        d->expired = true;
        return 1;
    }
    return 0;
}

void RndFunction(sqlite3_context* ctx, int, sqlite3_value**) {
    sqlite3_result_double(ctx, NextRandom());
}

// The scope whose connections query objects on this thread share, if any.
thread_local ConnectionScope* tScope = nullptr;

}  // namespace

struct SharedConnection {
    sqlite3* db = nullptr;
    explicit SharedConnection(sqlite3* d) : db(d) {}
    ~SharedConnection() { sqlite3_close_v2(db); }
    SharedConnection(const SharedConnection&) = delete;
    SharedConnection& operator=(const SharedConnection&) = delete;
};

ConnectionScope::ConnectionScope() {
    if (tScope == nullptr) {
        tScope = this;
        active_ = true;
    }
}

ConnectionScope::~ConnectionScope() {
    if (active_)
        tScope = nullptr;
}

QueryObject::QueryObject(int timeoutSeconds) : timeoutSeconds_(timeoutSeconds) {}

QueryObject::QueryObject(std::string connectionString, int timeoutSeconds)
    : connection_(std::move(connectionString)), timeoutSeconds_(timeoutSeconds) {}

QueryObject::~QueryObject() {
    Close();
}

void QueryObject::SetConnection(std::string connectionString) {
    Close();
    connection_ = std::move(connectionString);
}

void QueryObject::Close() {
    open_ = false;
    rows_.clear();
    columns_.clear();
    current_ = 0;
    if (shared_) {
        shared_.reset();
        db_ = nullptr;
    } else if (db_ != nullptr) {
        sqlite3_close_v2(db_);
        db_ = nullptr;
    }
}

void QueryObject::SetStatement(std::string sql, std::vector<SqlParam> params) {
    open_ = false;
    rows_.clear();
    columns_.clear();
    current_ = 0;
    sql_ = std::move(sql);
    params_ = std::move(params);
}

void QueryObject::Fail(const std::string& what) const {
    throw DbError("数据库文件 " + DbFileNameOf(connection_) + " 出错: " + what);
}

void QueryObject::Connect() {
    if (db_ != nullptr)
        return;
    if (connection_.empty())
        Fail("no connection string");
    if (tScope != nullptr) {
        for (const auto& [connection, shared] : tScope->connections_) {
            if (connection == connection_) {
                shared_ = shared;
                db_ = shared->db;
                return;
            }
        }
    }
    sqlite3* db = nullptr;
    const int rc =
        sqlite3_open_v2(connection_.c_str(), &db,
                        SQLITE_OPEN_READONLY | SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        const std::string msg = db != nullptr ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
        sqlite3_close_v2(db);
        Fail(msg);
    }
    sqlite3_create_function_v2(db, "rnd", -1, SQLITE_UTF8, nullptr, RndFunction, nullptr, nullptr,
                               nullptr);
    db_ = db;
    if (tScope != nullptr) {
        shared_ = std::make_shared<SharedConnection>(db);
        tScope->connections_.emplace_back(connection_, shared_);
    }
}

void QueryObject::Open() {
    open_ = false;
    rows_.clear();
    columns_.clear();
    current_ = 0;
    Connect();

    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db_, sql_.c_str(), static_cast<int>(sql_.size()), &stmt, nullptr) !=
        SQLITE_OK) {
        const std::string msg = sqlite3_errmsg(db_);
        sqlite3_finalize(stmt);
        Fail(msg);
    }
    if (stmt == nullptr)
        Fail("empty statement");
    for (std::size_t i = 0; i < params_.size(); ++i) {
        const int idx = static_cast<int>(i) + 1;
        std::visit(
            [&](const auto& v) {
                using T = std::decay_t<decltype(v)>;
                if constexpr (std::is_same_v<T, std::nullptr_t>) {
                    sqlite3_bind_null(stmt, idx);
                } else if constexpr (std::is_same_v<T, long long>) {
                    sqlite3_bind_int64(stmt, idx, v);
                } else if constexpr (std::is_same_v<T, double>) {
                    sqlite3_bind_double(stmt, idx, v);
                } else {
                    sqlite3_bind_text(stmt, idx, v.data(), static_cast<int>(v.size()),
                                      SQLITE_TRANSIENT);
                }
            },
            params_[i]);
    }

    const int n = sqlite3_column_count(stmt);
    for (int c = 0; c < n; ++c) {
        const char* name = sqlite3_column_name(stmt, c);
        columns_.emplace_back(name != nullptr ? name : "");
    }

    Deadline deadline{std::chrono::steady_clock::now() + std::chrono::seconds(timeoutSeconds_)};
    sqlite3_progress_handler(db_, 1000, ProgressHandler, &deadline);
    int rc = SQLITE_OK;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        std::vector<Cell> row(n);
        for (int c = 0; c < n; ++c) {
            if (sqlite3_column_type(stmt, c) != SQLITE_NULL) {
                const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, c));
                row[c].text = std::string(text, sqlite3_column_bytes(stmt, c));
            }
        }
        rows_.push_back(std::move(row));
    }
    sqlite3_progress_handler(db_, 0, nullptr, nullptr);
    if (rc != SQLITE_DONE) {
        const std::string msg = deadline.expired ? "statement ran past its time-out of " +
                                                       std::to_string(timeoutSeconds_) + " s"
                                                 : std::string(sqlite3_errmsg(db_));
        sqlite3_finalize(stmt);
        rows_.clear();
        Fail(msg);
    }
    sqlite3_finalize(stmt);
    open_ = true;
    current_ = rows_.empty() ? 0 : 1;
}

void QueryObject::MoveTo(int row) {
    if (row < 0)
        row = 0;
    if (row > RecordCount() + 1)
        row = RecordCount() + 1;
    current_ = row;
}

int QueryObject::IndexOf(std::string_view name) const {
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        if (sqlite3_stricmp(columns_[i].c_str(), std::string(name).c_str()) == 0) {
            return static_cast<int>(i);
        }
    }
    Fail("field '" + std::string(name) + "' not found");
}

const QueryObject::Cell& QueryObject::CellAt(int index) const {
    static const Cell kEmpty;
    if (index < 0 || index >= FieldCount())
        Fail("field index out of range");
    if (current_ < 1 || current_ > RecordCount())
        return kEmpty;
    return rows_[current_ - 1][index];
}

std::string QueryObject::FieldText(int index) const {
    const Cell& c = CellAt(index);
    return c.text ? *c.text : std::string();
}
std::string QueryObject::FieldText(std::string_view name) const {
    return FieldText(IndexOf(name));
}
long long QueryObject::FieldInt(int index) const {
    const std::string t = FieldText(index);
    return t.empty() ? 0 : std::llround(std::strtod(t.c_str(), nullptr));
}
long long QueryObject::FieldInt(std::string_view name) const {
    return FieldInt(IndexOf(name));
}
double QueryObject::FieldDouble(int index) const {
    const std::string t = FieldText(index);
    return t.empty() ? 0.0 : std::strtod(t.c_str(), nullptr);
}
double QueryObject::FieldDouble(std::string_view name) const {
    return FieldDouble(IndexOf(name));
}
bool QueryObject::FieldIsNull(std::string_view name) const {
    return !CellAt(IndexOf(name)).text.has_value();
}

std::optional<std::string> QueryFirstText(const std::string& file, const std::string& sql,
                                          std::vector<SqlParam> params, int timeoutSeconds) {
    QueryObject q(DbConnectionString(file), timeoutSeconds);
    q.SetStatement(sql, std::move(params));
    q.Open();
    if (q.RecordCount() == 0 || q.FieldCount() == 0)
        return std::nullopt;
    return q.FieldText(0);
}

}  // namespace quillora
