// Queries and statements through DBClass on real SQLite files.

#include "storage/DBClass.h"
#include "TempDir.h"
#include "storage/SqlFormat.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

using storage::DBClass;
using storage::Rows;
using storage::sqlFormat;

namespace {

using Map = std::map<std::string, std::string>;
using Maps = std::vector<Map>;

// Rows as plain maps, which gtest compares and prints entry by entry.
Maps maps(const Rows& rows) {
    Maps out;
    for (const auto& row : rows)
        out.push_back(row.toMap());
    return out;
}

class DBClassTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(db.ConnectDB(), 1);
        db.createDatabase();
        ASSERT_EQ(db.InsertUpdateDeleteExcuteQuery("CREATE TABLE t(a PRIMARY KEY, b, c)"), "0");
        ASSERT_EQ(db.InsertUpdateDeleteExcuteQuery("INSERT INTO t VALUES ('1', 'x', 'y')"), "0");
    }
    void TearDown() override { EXPECT_EQ(db.DisConnectDB(), 1); }

    testing_support::TempDir dir;
    DBClass db{DBClass::databasePath(dir.str())};
};

} // namespace

TEST_F(DBClassTest, SelectKeysRowsByColumnPositionInResultOrder) {
    ASSERT_EQ(db.InsertUpdateDeleteExcuteQuery("INSERT INTO t VALUES (2, '한글', NULL)"), "0");
    // Integers read as decimal text, NULL as "".
    const auto rows = db.SelectExcuteQuery("SELECT c, a, b FROM t ORDER BY b");
    EXPECT_EQ(maps(rows),
              (Maps{{{"0", "y"}, {"1", "1"}, {"2", "x"}}, {{"0", ""}, {"1", "2"}, {"2", "한글"}}}));
    // Keys past the ninth column (lookup and order of position keys: RowTest).
    const auto wide = db.SelectExcuteQuery("SELECT 0,1,2,3,4,5,6,7,8,9,10,11,12");
    ASSERT_EQ(wide.size(), 1u);
    EXPECT_EQ(wide[0].size(), 13u);
    EXPECT_EQ(wide[0].at("12"), "12");
}

TEST_F(DBClassTest, NameSelectUsesTheSevenExchangeNamesThenTheEmptyKey) {
    const auto named = db.SelectExcuteQuery_Name("SELECT 'a','b','c','d','e','f','g','h','i'");
    EXPECT_EQ(maps(named), (Maps{{{"sDATE", "a"},
                                  {"CUR_UNIT", "b"},
                                  {"CUR_NM", "c"},
                                  {"TTB", "d"},
                                  {"TTS", "e"},
                                  {"DEAL_BAS_R", "f"},
                                  {"LASTDATE", "g"},
                                  {"", "i"}}}));
    EXPECT_EQ(maps(db.SelectExcuteQuery_Name("SELECT 1 AS x, 2 AS y")),
              (Maps{{{"sDATE", "1"}, {"CUR_UNIT", "2"}}}));
}

TEST_F(DBClassTest, StatementResultsFollowTheStepOutcome) {
    EXPECT_TRUE(db.SelectExcuteQuery("SELECT nosuchcolumn FROM t").empty());
    EXPECT_TRUE(db.SelectExcuteQuery_Name("SELECT * FROM nosuchtable").empty());
    EXPECT_TRUE(db.SelectExcuteQuery("").empty());
    EXPECT_EQ(db.InsertUpdateDeleteExcuteQuery("INSERT INTO t VALUES ('1', 'z', 'z')"), "-1");
    EXPECT_EQ(db.InsertUpdateDeleteExcuteQuery("UPDATE t SET b = 'q' WHERE a = 'none'"), "0");
    EXPECT_EQ(db.InsertUpdateDeleteExcuteQuery("SELECT * FROM t"), "-1");
    EXPECT_EQ(db.InsertUpdateDeleteExcuteQuery("SELECT * FROM t WHERE a = 'none'"), "0");
    EXPECT_EQ(db.InsertUpdateDeleteExcuteQuery("INSERT INTO nosuchtable VALUES (1)"), "-1");
    EXPECT_EQ(db.InsertUpdateDeleteExcuteQuery("   -- only a comment"), "-1");
    // Only the first statement of a text runs.
    EXPECT_EQ(db.InsertUpdateDeleteExcuteQuery("DELETE FROM t WHERE a = 'none'; DROP TABLE t"),
              "0");
    EXPECT_EQ(db.SelectExcuteQuery("SELECT a FROM t").size(), 1u);
}

TEST_F(DBClassTest, StatementStoppedAtARowDoesNotLockOutOtherConnections) {
    ASSERT_EQ(db.InsertUpdateDeleteExcuteQuery("SELECT * FROM t"), "-1");
    DBClass other(db.databaseFile());
    other.ConnectDB();
    EXPECT_EQ(other.InsertUpdateDeleteExcuteQuery("INSERT INTO t VALUES ('2', 'x', 'y')"), "0");
    other.DisConnectDB();

    // Closed, statements fail; opened again (twice), the data is there.
    db.DisConnectDB();
    EXPECT_EQ(db.InsertUpdateDeleteExcuteQuery("DELETE FROM t"), "-1");
    db.ConnectDB();
    db.ConnectDB();
    EXPECT_EQ(db.SelectExcuteQuery("SELECT a FROM t").size(), 2u);
}

TEST_F(DBClassTest, QuotesAndInjectionAttemptsAreStoredVerbatim) {
    int minor = 0;
    for (const std::string value :
         {"x'); DROP TABLE aRegistration; --", "O'Brien's \"bag\"", "'", "1 OR 1=1", ""}) {
        // Quoted and unquoted placeholders alike.
        const auto insert = sqlFormat("INSERT INTO aRegistration (sMac, sUUID, sMajor, sMinor, "
                                      "sName) VALUES ('%@', %@, '1', %@, %@)",
                                      {value, value, std::to_string(++minor), value});
        ASSERT_EQ(db.InsertUpdateDeleteExcuteQuery(insert), "0") << insert;
        const auto rows = db.SelectExcuteQuery(
            sqlFormat("SELECT sMac, sUUID, sName FROM aRegistration WHERE sUUID = '%@' AND "
                      "sMinor = %@",
                      {value, std::to_string(minor)}));
        EXPECT_EQ(maps(rows), (Maps{{{"0", value}, {"1", value}, {"2", value}}})) << value;
    }
    EXPECT_EQ(db.SelectExcuteQuery("SELECT count(*) FROM aRegistration")[0].at("0"), "5");
    EXPECT_TRUE(db.SelectExcuteQuery(
                      sqlFormat("SELECT * FROM aRegistration WHERE sMinor = %@", {"1 OR 1=1"}))
                    .empty());
}

TEST(DBClassUnopenable, StatementsFailWithoutCrashing) {
    testing_support::TempDir dir;
    for (const auto& path : {dir.str(), dir.file("missing/db.sqlite3")}) {
        DBClass db(path);
        EXPECT_EQ(db.ConnectDB(), 1) << path;
        EXPECT_FALSE(db.isOpen()) << path;
        db.createDatabase();
        EXPECT_EQ(db.queryUserVersion(), -1);
        EXPECT_EQ(db.InsertUpdateDeleteExcuteQuery("CREATE TABLE t(a)"), "-1");
        EXPECT_TRUE(db.SelectExcuteQuery("SELECT 1").empty());
        EXPECT_TRUE(db.SelectExcuteQuery_Name("SELECT 1").empty());
        EXPECT_EQ(db.DisConnectDB(), 1);
    }
    EXPECT_FALSE(std::filesystem::exists(dir.file("missing")));
}
