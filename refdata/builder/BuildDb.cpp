#include "BuildDb.h"

#include <sqlite3.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "data/Statements.h"

namespace quillora::refdata {

void BuildFailure(const std::string& message) {
    throw std::runtime_error(message);
}

namespace {

// Runs `work`; a statement error in it fails the build naming the statement.
template <typename Work>
auto Checked(const char* sql, Work work) {
    try {
        return work();
    } catch (const DbError& e) {
        BuildFailure(std::string(e.what()) + " in: " + sql);
    }
}

}  // namespace

BuildDb::BuildDb(const std::filesystem::path& file) {
    std::filesystem::remove(file);
    if (sqlite3_open_v2(file.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
        SQLITE_OK) {
        sqlite3_close_v2(db_);
        BuildFailure("cannot create " + file.string());
    }
    Exec(sql::build::kJournalOff);
    Exec(sql::build::kSynchronousOff);
    Exec(sql::build::kPageSize);
}

BuildDb::~BuildDb() {
    sqlite3_close_v2(db_);
}

void BuildDb::Exec(const char* sql) {
    Checked(sql, [&] { Statement(db_, sql).Run(); });
}

BuildDb::Inserter::Inserter(BuildDb& db, const char* sql)
    : statement_(Checked(sql, [&] { return Statement(db.db_, sql); })), sql_(sql) {}

void BuildDb::Inserter::Row(const std::vector<SqlParam>& values) {
    Checked(sql_, [&] {
        statement_.Bind(values);
        statement_.Run();
    });
}

long long BuildDb::Number(const char* sql, const std::vector<SqlParam>& params) {
    return Checked(sql, [&] {
        Statement statement(db_, sql);
        statement.Bind(params);
        if (!statement.Step())
            BuildFailure(std::string("no row in: ") + sql);
        return std::stoll(statement.Value(0).value_or("0"));
    });
}

long long BuildDb::Count(const std::string& table) {
    return Number((sql::build::kCountRowsOf + table).c_str());
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
