#include "data/Database.h"

#include <sqlite3.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <mutex>
#include <random>
#include <vector>

#include "common/Text.h"
#include "data/Statement.h"
#include "data/Statements.h"

namespace quillora {

namespace {

std::mutex& DirMutex() {
    static std::mutex m;
    return m;
}

std::string& DirOverride() {
    static std::string dir;
    return dir;
}

std::string WithSlash(std::string dir) {
    if (dir.empty() || dir.back() != '/')
        dir += '/';
    return dir;
}

}  // namespace

std::string ExecutableDirectory() {
    static const std::string dir = [] {
        std::error_code ec;
        const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
        if (ec)
            return std::string("./");
        return WithSlash(exe.parent_path().string());
    }();
    return dir;
}

std::string DatabaseDirectory() {
    std::lock_guard<std::mutex> lock(DirMutex());
    return DirOverride().empty() ? ExecutableDirectory() : DirOverride();
}

void SetDatabaseDirectory(const std::string& dir) {
    std::lock_guard<std::mutex> lock(DirMutex());
    DirOverride() = dir.empty() ? std::string() : WithSlash(dir);
}

std::string DbConnectionString(const std::string& file) {
    const std::string path = DatabaseDirectory() + file;
    std::string uri = "file:";
    static const char* kHex = "0123456789ABCDEF";
    for (const char ch : path) {
        const auto c = static_cast<unsigned char>(ch);
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
            c == '/' || c == '-' || c == '_' || c == '.' || c == '~') {
            uri += static_cast<char>(c);
        } else {
            uri += '%';
            uri += kHex[c >> 4];
            uri += kHex[c & 15];
        }
    }
    return uri + "?mode=ro&immutable=1";
}

bool DatabaseFileIsSound(const std::string& file, std::initializer_list<const char*> tables) {
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(DbConnectionString(file).c_str(), &db,
                                   SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr);
    const std::unique_ptr<sqlite3, int (*)(sqlite3*)> connection(db, sqlite3_close_v2);
    if (rc != SQLITE_OK)
        return false;
    // The first column of the first row of a statement reads "ok".
    const auto answersOk = [&](const char* sql, std::vector<SqlParam> params) {
        Statement statement(db, sql);
        statement.Bind(params);
        return statement.Step() && statement.Value(0) == "ok";
    };
    try {
        if (!answersOk(sql::kQuickCheck, {}))
            return false;
        for (const char* table : tables) {
            if (!answersOk(sql::kTableExists, {std::string(table)}))
                return false;
        }
    } catch (const DbError&) {
        return false;
    }
    return true;
}

std::string DbFileNameOf(const std::string& connectionString) {
    std::string s = connectionString;
    const auto q = s.find('?');
    if (q != std::string::npos)
        s.resize(q);
    const auto slash = s.rfind('/');
    if (slash != std::string::npos)
        s = s.substr(slash + 1);
    if (s.rfind("file:", 0) == 0)
        s = s.substr(5);
    return s;
}

void RemoveLockFiles() {
    const std::string dir = ExecutableDirectory();
    for (const char* name : {"Parvello.ldb", "Somnette.ldb", "Gantrel.ldb", "Natelwyn.ldb"}) {
        std::error_code ec;
        std::filesystem::remove(dir + name, ec);
    }
}

namespace {

std::mutex& RandomMutex() {
    static std::mutex m;
    return m;
}

std::mt19937_64& Generator() {
    static std::mt19937_64 gen(
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
    return gen;
}

}  // namespace

void SeedRandom(std::uint64_t seed) {
    std::lock_guard<std::mutex> lock(RandomMutex());
    Generator().seed(seed);
}

double NextRandom() {
    std::lock_guard<std::mutex> lock(RandomMutex());
    return static_cast<double>(Generator()() >> 11) * (1.0 / 9007199254740992.0);
}

std::uint64_t NextRandomBelow(std::uint64_t bound) {
    if (bound == 0)
        return 0;
    std::lock_guard<std::mutex> lock(RandomMutex());
    // Rejection sampling keeps the draw uniform.
    const std::uint64_t limit = UINT64_MAX - UINT64_MAX % bound;
    std::uint64_t v = 0;
    do {
        v = Generator()();
    } while (v >= limit);
    return v % bound;
}

}  // namespace quillora
