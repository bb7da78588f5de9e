#include "BuildDb.h"

#include <sqlite3.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace quillora::refdata {

void BuildFailure(const std::string& message) {
    throw std::runtime_error(message);
}

BuildDb::BuildDb(const std::filesystem::path& file) {
    std::filesystem::remove(file);
    if (sqlite3_open_v2(file.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
        SQLITE_OK) {
        BuildFailure("cannot create " + file.string());
    }
    Exec("pragma journal_mode = off");
    Exec("pragma synchronous = off");
    Exec("pragma page_size = 4096");
}

BuildDb::~BuildDb() {
    sqlite3_close_v2(db_);
}

void BuildDb::Exec(const std::string& sql) {
    char* err = nullptr;
    if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &err) != SQLITE_OK) {
        const std::string msg = err != nullptr ? err : "unknown error";
        sqlite3_free(err);
        BuildFailure(msg + " in: " + sql);
    }
}

BuildDb::Inserter::Inserter(BuildDb& db, const std::string& sql) : db_(db) {
    if (sqlite3_prepare_v2(db.db_, sql.c_str(), -1, &stmt_, nullptr) != SQLITE_OK) {
        BuildFailure(std::string(sqlite3_errmsg(db.db_)) + " in: " + sql);
    }
}

BuildDb::Inserter::~Inserter() {
    sqlite3_finalize(stmt_);
}

void BuildDb::Inserter::Row(const std::vector<Value>& values) {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
    for (std::size_t i = 0; i < values.size(); ++i) {
        const int idx = static_cast<int>(i) + 1;
        const Value& v = values[i];
        if (std::holds_alternative<long long>(v)) {
            sqlite3_bind_int64(stmt_, idx, std::get<long long>(v));
        } else if (std::holds_alternative<double>(v)) {
            sqlite3_bind_double(stmt_, idx, std::get<double>(v));
        } else if (std::holds_alternative<std::string>(v)) {
            const auto& s = std::get<std::string>(v);
            sqlite3_bind_text(stmt_, idx, s.data(), static_cast<int>(s.size()), SQLITE_TRANSIENT);
        } else {
            sqlite3_bind_null(stmt_, idx);
        }
    }
    if (sqlite3_step(stmt_) != SQLITE_DONE) {
        BuildFailure(std::string("insert failed: ") + sqlite3_errmsg(db_.db_));
    }
}

std::vector<std::vector<std::string>> BuildDb::Query(const std::string& sql) {
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK) {
        BuildFailure(std::string(sqlite3_errmsg(db_)) + " in: " + sql);
    }
    std::vector<std::vector<std::string>> rows;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        std::vector<std::string> row;
        for (int c = 0; c < sqlite3_column_count(stmt); ++c) {
            const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(stmt, c));
            row.emplace_back(t != nullptr ? t : "");
        }
        rows.push_back(std::move(row));
    }
    sqlite3_finalize(stmt);
    return rows;
}

long long BuildDb::Count(const std::string& table) {
    return std::stoll(Query("select count(*) from " + table).at(0).at(0));
}

int Tsv::Column(const std::string& name) const {
    for (std::size_t i = 0; i < header.size(); ++i) {
        if (header[i] == name)
            return static_cast<int>(i);
    }
    BuildFailure("TSV column '" + name + "' missing");
}

Tsv ReadTsv(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        BuildFailure("cannot read " + file.string());
    Tsv tsv;
    std::string line;
    bool first = true;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == '#')
            continue;
        std::vector<std::string> cells;
        std::size_t start = 0;
        while (true) {
            const auto tab = line.find('\t', start);
            cells.push_back(line.substr(start, tab - start));
            if (tab == std::string::npos)
                break;
            start = tab + 1;
        }
        if (first) {
            tsv.header = std::move(cells);
            first = false;
        } else {
            tsv.rows.push_back(std::move(cells));
        }
    }
    return tsv;
}

}  // namespace quillora::refdata
