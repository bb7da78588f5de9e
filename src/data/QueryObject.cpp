#include "data/QueryObject.h"

#include <sqlite3.h>

#include <chrono>
#include <cmath>
#include <cstdlib>

#include "common/Text.h"
#include "data/Statement.h"

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

// Installs ProgressHandler with a deadline on a connection while it lives.
class ProgressHandlerScope {
  public:
    ProgressHandlerScope(sqlite3* db, Deadline* deadline) : db_(db) {
        sqlite3_progress_handler(db_, 1000, ProgressHandler, deadline);
    }
    ~ProgressHandlerScope() { sqlite3_progress_handler(db_, 0, nullptr, nullptr); }
    ProgressHandlerScope(const ProgressHandlerScope&) = delete;
    ProgressHandlerScope& operator=(const ProgressHandlerScope&) = delete;

  private:
    sqlite3* db_;
};

// rnd(x): a uniform key in [0, 1). rnd(x, w): the key -ln(u) / w of a
// weighted draw, so that ordering by it and taking the first N rows draws
// each row with a chance in proportion to its weight w > 0 (a row of weight
// 2 is as likely as two rows of weight 1); without a weight, uniform.
void RndFunction(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    const double u = NextRandom();
    if (argc < 2) {
        sqlite3_result_double(ctx, u);
        return;
    }
    const double w = sqlite3_value_double(argv[1]);
    sqlite3_result_double(ctx, w > 0 ? -std::log1p(-u) / w : HUGE_VAL);
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

void QueryObject::FailOnFile(const std::string& engine) {
    // The next Open connects afresh: a file put back after this failure is
    // read as it now is, not through a connection to the damaged one.
    DropConnection();
    const std::string fault = DatabaseFileFault(DbFilePathOf(connection_));
    if (fault.empty())
        Fail(engine);
    // A fault the engine found carries its text; the statement's own text is
    // added when it names something else (a missing file, an empty one, a
    // journal beside it say all there is).
    const bool fromEngine = fault.find("（") != std::string::npos;
    Fail(!fromEngine || fault.find(engine) != std::string::npos ? fault
                                                                : fault + "（" + engine + "）");
}

void QueryObject::DropConnection() {
    if (shared_ && tScope != nullptr) {
        auto& connections = tScope->connections_;
        for (auto it = connections.begin(); it != connections.end(); ++it) {
            if (it->second == shared_) {
                connections.erase(it);
                break;
            }
        }
    }
    Close();
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
    // Opened immutable, the file would be read without a journal's changes.
    const std::string journal = UnfinishedJournalOf(DbFilePathOf(connection_));
    if (!journal.empty())
        Fail(DatabaseFileFault(DbFilePathOf(connection_)));
    sqlite3* db = nullptr;
    const int rc =
        sqlite3_open_v2(connection_.c_str(), &db,
                        SQLITE_OPEN_READONLY | SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        const std::string msg = db != nullptr ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
        sqlite3_close_v2(db);
        FailOnFile(msg);
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

    // The time-out interrupts the statement through SQLite's progress
    // handler, installed while this statement runs and removed however it
    // ends (before a failure drops the connection).
    std::optional<std::string> failure;
    bool timedOut = false;
    {
        Deadline deadline{std::chrono::steady_clock::now() + std::chrono::seconds(timeoutSeconds_)};
        const ProgressHandlerScope progress(db_, &deadline);
        try {
            quillora::Statement statement(db_, sql_);
            statement.Bind(params_);
            const int n = statement.ColumnCount();
            for (int c = 0; c < n; ++c)
                columns_.push_back(statement.ColumnName(c));
            while (statement.Step()) {
                std::vector<Cell> row(n);
                for (int c = 0; c < n; ++c)
                    row[c].text = statement.Value(c);
                rows_.push_back(std::move(row));
            }
        } catch (const DbError& e) {
            failure = e.what();
            timedOut = deadline.expired;
        }
    }
    if (failure) {
        rows_.clear();
        columns_.clear();
        if (timedOut) {
            DropConnection();
            Fail("statement ran past its time-out of " + std::to_string(timeoutSeconds_) + " s");
        }
        FailOnFile(*failure);
    }
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
