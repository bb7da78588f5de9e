#include "data/Database.h"

#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <iterator>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
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

namespace {

// The read-only, immutable SQLite URI of a file path.
std::string UriOf(const std::string& path) {
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

// The statements that name every table and column the program reads from a
// file, by the file's name; none for a file the program does not know.
std::vector<const char*> ReadsOf(const std::string& name) {
    const auto list = [](const auto& reads) {
        return std::vector<const char*>(std::begin(reads), std::end(reads));
    };
    if (name == kParvelloFile)
        return list(sql::kParvelloReads);
    if (name == kSomnetteFile)
        return list(sql::kSomnetteReads);
    if (name == kGantrelFile)
        return list(sql::kGantrelReads);
    return {};
}

// What an engine error on the open file says about the file itself.
std::string EngineFault(sqlite3* db, const std::string& engine) {
    switch (sqlite3_errcode(db) & 0xff) {
        case SQLITE_NOTADB:
            return "这不是数据库文件（" + engine + "）";
        case SQLITE_CORRUPT:
            return "文件已损坏（" + engine + "）";
        default:
            return engine;
    }
}

// The checks that read the file: SQLite's quick check, then every table and
// column the program reads.
std::string ContentFault(const std::string& path) {
    sqlite3* db = nullptr;
    const int rc =
        sqlite3_open_v2(UriOf(path).c_str(), &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr);
    const std::unique_ptr<sqlite3, int (*)(sqlite3*)> connection(db, sqlite3_close_v2);
    if (rc != SQLITE_OK)
        return db != nullptr ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
    try {
        Statement check(db, sql::kQuickCheck);
        const std::optional<std::string> answer = check.Step() ? check.Value(0) : std::nullopt;
        if (answer != "ok")
            return "文件已损坏（" + answer.value_or("") + "）";
    } catch (const DbError& e) {
        return EngineFault(db, e.what());
    }
    for (const char* reads : ReadsOf(std::filesystem::path(path).filename().string())) {
        try {
            const Statement probe(db, reads);
        } catch (const DbError& e) {
            const std::string fault = EngineFault(db, e.what());
            return fault != e.what() ? fault : "缺少程序要读取的表或列（" + fault + "）";
        }
    }
    return "";
}

// A file as it lies on disk: a replaced or rewritten file differs.
struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    long long modified = 0;  // nanoseconds
    bool operator==(const FileIdentity&) const = default;
};

struct CheckedFile {
    FileIdentity identity;
    std::string fault;
};

std::mutex& CheckMutex() {
    static std::mutex m;
    return m;
}

std::map<std::string, CheckedFile>& CheckedFiles() {
    static std::map<std::string, CheckedFile> files;
    return files;
}

}  // namespace

std::string DbConnectionString(const std::string& file) {
    return UriOf(DatabaseDirectory() + file);
}

std::string DbFilePathOf(const std::string& connectionString) {
    std::string s = connectionString;
    const auto q = s.find('?');
    if (q != std::string::npos)
        s.resize(q);
    if (s.rfind("file:", 0) == 0)
        s = s.substr(5);
    std::string path;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '%' && i + 2 < s.size() &&
            std::isxdigit(static_cast<unsigned char>(s[i + 1])) &&
            std::isxdigit(static_cast<unsigned char>(s[i + 2]))) {
            path += static_cast<char>(std::stoi(s.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            path += s[i];
        }
    }
    return path;
}

std::string UnfinishedJournalOf(const std::string& path) {
    for (const char* tail : {"-journal", "-wal"}) {
        struct stat st {};
        if (::stat((path + tail).c_str(), &st) == 0 && st.st_size > 0)
            return path + tail;
    }
    return "";
}

std::string DatabaseFileFault(const std::string& path) {
    const std::string journal = UnfinishedJournalOf(path);
    if (!journal.empty()) {
        return "旁边有写入未完成时留下的日志文件 " +
               std::filesystem::path(journal).filename().string() + "，文件的内容不可靠";
    }
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return "文件不存在";
    if (!S_ISREG(st.st_mode))
        return "这不是数据库文件";
    if (st.st_size == 0)
        return "文件是空的（0 字节）";
    const FileIdentity identity{st.st_dev, st.st_ino, st.st_size,
                                st.st_mtim.tv_sec * 1000000000LL + st.st_mtim.tv_nsec};
    std::lock_guard<std::mutex> lock(CheckMutex());
    const auto known = CheckedFiles().find(path);
    if (known != CheckedFiles().end() && known->second.identity == identity)
        return known->second.fault;
    const std::string fault = ContentFault(path);
    CheckedFiles()[path] = CheckedFile{identity, fault};
    return fault;
}

bool DatabaseFileIsSound(const std::string& file) {
    return DatabaseFileFault(DatabaseDirectory() + file).empty();
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
