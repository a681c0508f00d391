// Queries and statements through DBClass on real SQLite files: what each outcome is called
// and what the original interface returns for it.

#include "storage/DBClass.h"
#include "TempDir.h"
#include "storage/Connection.h"
#include "storage/SqlFormat.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <fstream>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

using storage::DBClass;
using storage::Rows;
using storage::sqlFormat;
using storage::Status;

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

TEST_F(DBClassTest, StatementsAndQueriesSayWhatHappenedAndTheWrappersKeepTheirResults) {
    const struct {
        std::string sql;
        Status status;
        const char* text; // InsertUpdateDeleteExcuteQuery
        int code;         // lastResultCode
    } statements[] = {
        {"INSERT INTO t VALUES ('1', 'z', 'z')", Status::Refused, "-1", SQLITE_CONSTRAINT},
        {"UPDATE t SET b = 'q' WHERE a = 'none'", Status::Ok, "0", SQLITE_OK},
        {"SELECT * FROM t WHERE a = 'none'", Status::Ok, "0", SQLITE_OK},
        {"INSERT INTO nosuchtable VALUES (1)", Status::Invalid, "-1", SQLITE_ERROR},
        {"   -- only a comment", Status::Invalid, "-1", SQLITE_MISUSE},
        // Only the first statement of a text runs.
        {"DELETE FROM t WHERE a = 'none'; DROP TABLE t", Status::Ok, "0", SQLITE_OK},
        {"SELECT * FROM t", Status::RowReturned, "-1", SQLITE_OK},
    };
    for (const auto& s : statements) {
        EXPECT_EQ(db.execute(s.sql), s.status) << s.sql;
        EXPECT_EQ(db.InsertUpdateDeleteExcuteQuery(s.sql), s.text) << s.sql;
        EXPECT_EQ(db.lastResultCode(), s.code) << s.sql;
    }
    // The statement stopped at a row does not lock out another connection; reopened (twice),
    // the table and both rows are there.
    EXPECT_EQ(storage::Connection(db.databaseFile())->execute("INSERT INTO t VALUES (2, 'x', 'y')"),
              Status::Ok);
    db.ConnectDB();
    db.ConnectDB();
    EXPECT_EQ(db.SelectExcuteQuery("SELECT a FROM t").size(), 2u);
    // Nothing matched is no failure; the wrappers return an empty list for both.
    for (const auto& [sql, status] : {std::pair{"SELECT a FROM t WHERE a = 'none'", Status::Ok},
                                      {"SELECT nosuchcolumn FROM t", Status::Invalid},
                                      {"SELECT * FROM nosuchtable", Status::Invalid},
                                      {"", Status::Invalid}}) {
        EXPECT_EQ(db.query(sql).status(), status) << sql;
        EXPECT_TRUE(db.SelectExcuteQuery(sql).empty()) << sql;
        EXPECT_TRUE(db.SelectExcuteQuery_Name(sql).empty()) << sql;
    }
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

TEST(DBClassFile, LockedDamagedAndUnopenableFilesAreToldApartAndConnectionsEndOnEveryPath) {
    testing_support::TempDir dir;
    const std::string path = dir.file("db.sqlite3");
    DBClass db(path);
    try {
        const storage::Connection holder(path);
        ASSERT_EQ(holder->execute("CREATE TABLE t(a)"), Status::Ok);
        ASSERT_EQ(holder->execute("BEGIN EXCLUSIVE"), Status::Ok);
        const storage::Connection connection(db);
        EXPECT_EQ(db.query("SELECT * FROM t").status(), Status::Busy);
        EXPECT_EQ(db.execute("INSERT INTO t VALUES (1)"), Status::Busy);
        throw std::runtime_error("the work ends early");
    } catch (const std::runtime_error&) {
    }
    // Both connections ended with the work: db is closed and the lock is gone.
    EXPECT_EQ(db.execute("INSERT INTO t VALUES (1)"), Status::NotOpen);
    EXPECT_EQ(storage::Connection(path)->execute("INSERT INTO t VALUES (1)"), Status::Ok);

    std::ofstream(dir.file("x.sqlite3")) << std::string(4096, 'x');
    EXPECT_EQ(storage::Connection(dir.file("x.sqlite3"))->query("SELECT * FROM t").status(),
              Status::Damaged);

    for (const auto& unopenable : {dir.str(), dir.file("missing/db.sqlite3")}) {
        DBClass db(unopenable);
        EXPECT_EQ(db.ConnectDB(), 1) << unopenable;
        EXPECT_FALSE(db.isOpen()) << unopenable;
        db.createDatabase();
        EXPECT_EQ(db.queryUserVersion(), -1);
        EXPECT_EQ(db.execute("CREATE TABLE t(a)"), Status::NotOpen);
        EXPECT_EQ(db.InsertUpdateDeleteExcuteQuery("CREATE TABLE t(a)"), "-1");
        EXPECT_TRUE(db.SelectExcuteQuery("SELECT 1").empty());
        EXPECT_TRUE(db.SelectExcuteQuery_Name("SELECT 1").empty());
        EXPECT_EQ(db.DisConnectDB(), 1);
    }
    EXPECT_FALSE(std::filesystem::exists(dir.file("missing")));
}
