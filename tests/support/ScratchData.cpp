#include "support/ScratchData.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include "data/Database.h"

namespace fs = std::filesystem;

namespace quillora::test {

ScratchFolder::ScratchFolder(const std::string& tag) {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = "quillora 测试 " + std::to_string(::getpid());
    if (test != nullptr)
        name += std::string(" ") + test->test_suite_name() + "." + test->name();
    if (!tag.empty())
        name += " " + tag;
    for (char& c : name) {
        if (c == '/')
            c = '_';  // parameterised tests name themselves with slashes
    }
    dir_ = fs::temp_directory_path() / name;
    fs::remove_all(dir_);
    fs::create_directories(dir_);
}

ScratchFolder::~ScratchFolder() {
    std::error_code ec;
    fs::remove_all(dir_, ec);
}

ScratchData::ScratchData() {
    SetDatabaseDirectory(Path().string());
}

ScratchData::~ScratchData() {
    SetDatabaseDirectory("");
}

void ScratchData::MakeDatabase(const std::string& file, const std::string& sql) const {
    const fs::path scratch = Path() / (file + ".new");
    fs::remove(scratch);
    sqlite3* db = nullptr;
    int rc = sqlite3_open(scratch.c_str(), &db);
    char* err = nullptr;
    if (rc == SQLITE_OK)
        rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &err);
    const std::string message = err != nullptr ? err : sqlite3_errstr(rc);
    sqlite3_free(err);
    sqlite3_close(db);
    if (rc != SQLITE_OK) {
        ADD_FAILURE() << file << ": " << message;
        return;
    }
    fs::rename(scratch, Path() / file);
}

}  // namespace quillora::test
