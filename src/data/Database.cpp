#include "data/Database.h"

#include <sqlite3.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <mutex>
#include <random>

#include "common/Text.h"

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
    bool sound = sqlite3_open_v2(DbConnectionString(file).c_str(), &db,
                                 SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr) == SQLITE_OK;
    const auto firstText = [&](const char* sql, const char* key) {
        std::string text;
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) == SQLITE_OK) {
            if (key != nullptr)
                sqlite3_bind_text(stmt, 1, key, -1, SQLITE_STATIC);
            if (sqlite3_step(stmt) == SQLITE_ROW && sqlite3_column_text(stmt, 0) != nullptr)
                text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0));
        }
        sqlite3_finalize(stmt);
        return text;
    };
    static const char* const kTableSql =
        "select 'ok' from sqlite_master where type = 'table' and name = ? collate nocase";
    if (sound)
        sound = firstText("pragma quick_check(1)", nullptr) == "ok";
    for (const char* table : tables) {
        if (!sound)
            break;
        sound = firstText(kTableSql, table) == "ok";
    }
    sqlite3_close_v2(db);
    return sound;
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
