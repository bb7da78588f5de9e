#include <gtest/gtest.h>
#include <sqlite3.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>

#include "data/Database.h"
#include "data/QueryObject.h"
#include "data/Statement.h"
#include "support/ScratchData.h"

using namespace quillora;
namespace fs = std::filesystem;

namespace {

// A scratch folder (its path holds a blank and Chinese characters) with a
// small database in it; the data directory points there for the test.
class QueryObjectTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_.MakeDatabase("Parvello.dll",
                          "create table word (zi text, bh integer, ft text, wuhang text);"
                          "insert into word values ('九', 9, '九', '木'), ('万', 15, '萬', '水'),"
                          "('''', 1, '''', '金'), ('%', 2, '%', '火');"
                          "create table big (n integer);"
                          "with recursive c(x) as (select 1 union all select x + 1 from c "
                          "where x < 3000) insert into big select x from c;");
    }
    const test::ScratchData dir_;
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

// A text with a second statement is refused whole: running only its first
// part would answer a question nobody asked.
TEST_F(QueryObjectTest, OneStatementPerText) {
    QueryObject q(DbConnectionString("Parvello.dll"), kDefaultTimeout);
    for (const char* sql :
         {"select bh from word; select 1", "select bh from word; garbage", "", " ; -- nothing"}) {
        q.SetStatement(sql);
        try {
            q.Open();
            ADD_FAILURE() << "ran: " << sql;
        } catch (const DbError& e) {
            EXPECT_NE(std::string(e.what()).find("Parvello.dll"), std::string::npos) << sql;
        }
    }
    // Blanks, a semicolon and a comment after the one statement are fine.
    q.SetStatement("select bh from word where zi = ?; -- the key\n", {std::string("九")});
    q.Open();
    EXPECT_EQ(q.FieldInt(0), 9);
}

namespace {

// A database in memory, open for writing, closed with the object.
struct MemoryDb {
    MemoryDb() {
        sqlite3_open(":memory:", &db);
        Statement(db, "create table t (k text not null, v)").Run();
    }
    ~MemoryDb() { sqlite3_close_v2(db); }
    sqlite3* db = nullptr;
};

}  // namespace

// The one binder: values go to the places in order, places left over are
// NULL, a value without a place is refused; binding again rewinds, so one
// prepared insert serves many rows.
TEST(Statement, BindsInOrderAndRewindsForTheNextRow) {
    const MemoryDb m;
    Statement insert(m.db, "insert into t (k, v) values (?, ?)");
    const std::vector<std::vector<SqlParam>> rows = {{std::string("a"), 1LL},
                                                     {std::string("b"), 2.5},
                                                     {std::string("c")},
                                                     {std::string("d\0e", 3), nullptr}};
    for (const auto& row : rows) {
        insert.Bind(row);
        insert.Run();
    }
    EXPECT_THROW(insert.Bind({std::string("x"), 1LL, 2LL}), DbError);

    Statement read(m.db, "select k, v from t where k >= ? order by k");
    read.Bind({std::string("b")});
    EXPECT_EQ(read.ColumnCount(), 2);
    EXPECT_EQ(read.ColumnName(1), "v");
    ASSERT_TRUE(read.Step());
    EXPECT_EQ(read.Value(1), "2.5");
    ASSERT_TRUE(read.Step());
    EXPECT_EQ(read.Value(0), "c");
    EXPECT_EQ(read.Value(1), std::nullopt);  // no value bound: NULL
    ASSERT_TRUE(read.Step());
    EXPECT_EQ(read.Value(0), std::string("d\0e", 3));  // every byte
    EXPECT_EQ(read.Value(1), std::nullopt);
    EXPECT_FALSE(read.Step());
    read.Bind({std::string("a")});  // from the first row again
    ASSERT_TRUE(read.Step());
    EXPECT_EQ(read.Value(1), "1");
}

// Failures throw DbError with the engine's message, whether the text does not
// compile or a row breaks a rule of the table.
TEST(Statement, FailuresCarryTheEnginesMessage) {
    const MemoryDb m;
    const auto messageOf = [&](const char* sql, std::vector<SqlParam> params) -> std::string {
        try {
            Statement s(m.db, sql);
            s.Bind(params);
            s.Run();
        } catch (const DbError& e) {
            return e.what();
        }
        return "no error";
    };
    EXPECT_NE(messageOf("selec 1", {}).find("syntax error"), std::string::npos);
    EXPECT_NE(messageOf("select * from missing", {}).find("no such table: missing"),
              std::string::npos);
    EXPECT_NE(messageOf("insert into t (k) values (?)", {nullptr}).find("NOT NULL"),
              std::string::npos);
    EXPECT_EQ(messageOf("insert into t (k) values (?)", {std::string("ok")}), "no error");
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

// rnd(x, w) orders rows so that the first is each row with a chance in
// proportion to its weight (here the strokes: 9, 15, 1, 2 of 27).
TEST_F(QueryObjectTest, WeightedDrawsComeInProportionToTheirWeights) {
    SeedRandom(7);
    QueryObject q(DbConnectionString("Parvello.dll"), kDefaultTimeout);
    std::map<std::string, int> first;
    constexpr int kDraws = 3000;
    for (int i = 0; i < kDraws; ++i) {
        q.SetStatement("select zi from word order by rnd(rowid, bh) limit 1");
        q.Open();
        ++first[q.FieldText(0)];
    }
    EXPECT_NEAR(first["万"] / double(kDraws), 15.0 / 27, 0.04);
    EXPECT_NEAR(first["九"] / double(kDraws), 9.0 / 27, 0.04);
    EXPECT_NEAR(first["%"] / double(kDraws), 2.0 / 27, 0.02);
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
