#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "data/Database.h"
#include "data/QueryObject.h"

using namespace quillora;
namespace fs = std::filesystem;

namespace {

// A scratch folder whose path holds a blank and Chinese characters, with a
// small database in it; the data directory points there for the test.
class QueryObjectTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("quillora 测试 " + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open((dir_ / "Parvello.dll").c_str(), &db), SQLITE_OK);
        sqlite3_exec(db,
                     "create table word (zi text, bh integer, ft text, wuhang text);"
                     "insert into word values ('九', 9, '九', '木'), ('万', 15, '萬', '水'),"
                     "('''', 1, '''', '金'), ('%', 2, '%', '火');"
                     "create table big (n integer);"
                     "with recursive c(x) as (select 1 union all select x + 1 from c "
                     "where x < 3000) insert into big select x from c;",
                     nullptr, nullptr, nullptr);
        sqlite3_close(db);
        SetDatabaseDirectory(dir_.string());
    }
    void TearDown() override {
        SetDatabaseDirectory("");
        fs::remove_all(dir_);
    }
    fs::path dir_;
};

}  // namespace

TEST_F(QueryObjectTest, BoundKeysFindTheirRowsWhateverTheyHold) {
    QueryObject q(DbConnectionString("Parvello.dll"), kCharLookupTimeout);
    for (const auto& [key, bh] :
         std::vector<std::pair<std::string, int>>{{"九", 9}, {"万", 15}, {"'", 1}, {"%", 2}}) {
        q.Close();
        q.SetStatement("select bh from word where zi = ?", {key});
        q.Open();
        ASSERT_EQ(q.RecordCount(), 1) << key;
        EXPECT_EQ(q.FieldInt("bh"), bh);
        EXPECT_EQ(q.FieldInt(0), bh);
    }
    q.SetStatement("select bh from word where zi = ?", {std::string("不在")});
    q.Open();
    EXPECT_EQ(q.RecordCount(), 0);
    EXPECT_TRUE(q.Eof());
    EXPECT_EQ(q.FieldText("bh"), "");
    EXPECT_THROW(q.FieldText("nope"), DbError);
}

TEST_F(QueryObjectTest, RecordCountAndPositioning) {
    QueryObject q(DbConnectionString("Parvello.dll"), kDefaultTimeout);
    q.SetStatement("select zi, bh, ft from word order by bh");
    q.Open();
    ASSERT_EQ(q.RecordCount(), 4);
    EXPECT_EQ(q.RecNo(), 1);
    EXPECT_EQ(q.FieldText("zi"), "'");
    q.MoveTo(4);
    EXPECT_EQ(q.FieldText("ft"), "萬");
    EXPECT_DOUBLE_EQ(q.FieldDouble("bh"), 15.0);
    q.Next();
    EXPECT_TRUE(q.Eof());
    EXPECT_EQ(q.FieldNames(), (std::vector<std::string>{"zi", "bh", "ft"}));
}

TEST_F(QueryObjectTest, TimeOutInterruptsALongStatement) {
    QueryObject q(DbConnectionString("Parvello.dll"), 1);
    q.SetStatement("select count(*) from big a, big b, big c");
    const auto start = std::chrono::steady_clock::now();
    try {
        q.Open();
        FAIL() << "no time-out";
    } catch (const DbError& e) {
        EXPECT_NE(std::string(e.what()).find("Parvello.dll"), std::string::npos);
        EXPECT_NE(std::string(e.what()).find("time-out"), std::string::npos);
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

TEST_F(QueryObjectTest, BadFilesFailWithTheFileNamed) {
    const auto expectNamed = [](const std::string& file) {
        QueryObject q(DbConnectionString(file), kDefaultTimeout);
        q.SetStatement("select bh from word where zi = ?", {std::string("九")});
        try {
            q.Open();
            ADD_FAILURE() << file << " opened";
        } catch (const DbError& e) {
            EXPECT_NE(std::string(e.what()).find(file), std::string::npos) << e.what();
        }
    };
    expectNamed("Somnette.dll");                  // missing
    std::ofstream(dir_ / "Gantrel.dll").close();  // 0 bytes
    expectNamed("Gantrel.dll");
    std::ofstream(dir_ / "Garbage.dll") << std::string(8192, 'x');
    expectNamed("Garbage.dll");
}

TEST_F(QueryObjectTest, TheProgramNeverWritesTheFiles) {
    const auto before = fs::last_write_time(dir_ / "Parvello.dll");
    QueryObject q(DbConnectionString("Parvello.dll"), kDefaultTimeout);
    q.SetStatement("delete from word");
    EXPECT_THROW(q.Open(), DbError);
    EXPECT_EQ(fs::last_write_time(dir_ / "Parvello.dll"), before);
}

TEST(Database, ConnectionStringsAndLockFiles) {
    const std::string cs = DbConnectionString("Parvello.dll");
    EXPECT_EQ(cs.rfind("file:", 0), 0u);
    EXPECT_NE(cs.find("Parvello.dll?mode=ro"), std::string::npos);
    EXPECT_EQ(DbFileNameOf(cs), "Parvello.dll");
    EXPECT_NE(DbConnectionString("Somnette.dll"), cs);

    const std::string dir = ExecutableDirectory();
    for (const char* n : {"Parvello.ldb", "Gantrel.ldb"})
        std::ofstream(dir + n) << "lock";
    RemoveLockFiles();  // two present, two absent: no error either way
    EXPECT_FALSE(fs::exists(dir + "Parvello.ldb"));
    EXPECT_FALSE(fs::exists(dir + "Gantrel.ldb"));
    RemoveLockFiles();
}

TEST(Database, SeededDrawsRepeat) {
    SeedRandom(42);
    const double a = NextRandom();
    const auto b = NextRandomBelow(1000);
    SeedRandom(42);
    EXPECT_EQ(NextRandom(), a);
    EXPECT_EQ(NextRandomBelow(1000), b);
    for (int i = 0; i < 1000; ++i) {
        const double r = NextRandom();
        ASSERT_TRUE(r >= 0.0 && r < 1.0);
    }
}
