// Connections shared by the query objects of one report: shared inside a
// scope, gone with it, never kept after a failed open.
#include <gtest/gtest.h>

#include <string>

#include "data/Database.h"
#include "data/QueryObject.h"
#include "support/ScratchData.h"

using namespace quillora;

namespace {

class ConnectionScopeTest : public ::testing::Test {
  protected:
    void SetUp() override { WriteDb("Gantrel.dll", "甲"); }
    // Writes a database whose table jiazi holds one row; a file already there
    // is replaced whole, as a replaced file arrives.
    void WriteDb(const std::string& file, const std::string& value) {
        dir_.MakeDatabase(
            file, "create table jiazi (v text); insert into jiazi values ('" + value + "');");
    }
    static std::string Value() {
        QueryObject q(DbConnectionString("Gantrel.dll"), kDefaultTimeout);
        q.SetStatement("select v from jiazi");
        q.Open();
        return q.FieldText(0);
    }
    // Runs one statement on a fresh query object of Gantrel.dll.
    static void Run(const std::string& sql) {
        QueryObject q(DbConnectionString("Gantrel.dll"), kDefaultTimeout);
        q.SetStatement(sql);
        q.Open();
    }
    const test::ScratchData dir_;
};

}  // namespace

// A temporary table lives on its connection: the second query object sees
// the first one's table only when both ran on one connection.
TEST_F(ConnectionScopeTest, QueryObjectsShareOneConnectionOnlyInsideTheScope) {
    {
        const ConnectionScope scope;
        Run("create temp table seen (x integer)");
        EXPECT_NO_THROW(Run("select count(*) from temp.seen"));
        {
            const ConnectionScope inner;  // defers to the outer scope
            EXPECT_NO_THROW(Run("select count(*) from temp.seen"));
        }
        EXPECT_NO_THROW(Run("select count(*) from temp.seen"));
    }
    EXPECT_THROW(Run("select count(*) from temp.seen"), DbError);

    Run("create temp table seen (x integer)");
    EXPECT_THROW(Run("select count(*) from temp.seen"), DbError);
}

// The next report reads a file replaced since the last one.
TEST_F(ConnectionScopeTest, NothingOutlivesTheScope) {
    {
        const ConnectionScope scope;
        EXPECT_EQ(Value(), "甲");
    }
    WriteDb("Gantrel.dll", "乙");
    {
        const ConnectionScope scope;
        EXPECT_EQ(Value(), "乙");
    }
}

// A query object that connected inside a scope and lives on keeps a working
// connection until it closes.
TEST_F(ConnectionScopeTest, AQueryObjectOutlivingItsScopeKeepsItsConnection) {
    QueryObject q(DbConnectionString("Gantrel.dll"), kDefaultTimeout);
    {
        const ConnectionScope scope;
        q.SetStatement("create temp table kept (x integer)");
        q.Open();
    }
    q.SetStatement("select v, (select count(*) from temp.kept) from jiazi");
    q.Open();
    EXPECT_EQ(q.FieldText(0), "甲");
    q.Close();
    q.SetStatement("select count(*) from temp.kept");
    EXPECT_THROW(q.Open(), DbError);
}

// A file missing at the first lookup and present at the second: the scope
// keeps no failed connection, and the error names the file.
TEST_F(ConnectionScopeTest, AFailedOpenIsNotKept) {
    const ConnectionScope scope;
    QueryObject q(DbConnectionString("Somnette.dll"), kDefaultTimeout);
    q.SetStatement("select v from jiazi");
    try {
        q.Open();
        FAIL() << "a missing file opened";
    } catch (const DbError& e) {
        EXPECT_NE(std::string(e.what()).find("Somnette.dll"), std::string::npos) << e.what();
    }
    WriteDb("Somnette.dll", "丙");
    QueryObject again(DbConnectionString("Somnette.dll"), kDefaultTimeout);
    again.SetStatement("select v from jiazi");
    again.Open();
    EXPECT_EQ(again.FieldText(0), "丙");
}
