// Schema creation and migration by DBClass::createDatabase on real files.

#include "storage/Schema.h"
#include "TempDir.h"
#include "platform/Log.h"
#include "storage/DBClass.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>

using storage::DBClass;
namespace schema = storage::schema;

namespace {

constexpr const char* kTables[] = {"aRegistration", "aFlightInfo", "aNation", "aCityInfo",
                                   "aExchange"};

std::string countRows(DBClass& db, const std::string& table) {
    const auto rows = db.SelectExcuteQuery("SELECT count(*) FROM " + table);
    return rows.size() == 1 ? rows[0].at("0") : "?";
}

// A file at the given version with one row in each of the five tables.
void makeDatabase(const std::string& path, int version) {
    DBClass db(path);
    db.ConnectDB();
    for (const char* sql :
         {schema::kCreateRegistration, schema::kCreateFlightInfo, schema::kCreateNation,
          schema::kCreateCityInfo, schema::kCreateExchange,
          "INSERT INTO aRegistration VALUES ('AA:BB', 'E2C56DB5', '1', '2', '가방')",
          "INSERT INTO aFlightInfo VALUES ('KE','KE901','20240315','20240315','1030','20240315',"
          "'1530','20240315','1030','20240315','1530','인천','인천','파리','ICN','CDG','251','',"
          "'','출발','D01-D10','1')",
          "INSERT INTO aNation VALUES (82, 'Korea', '대한민국', 'kr.png', '20240101')",
          "INSERT INTO aCityInfo VALUES ('SEL', 'Seoul', '서울', '1', '82', '20240101')",
          "INSERT INTO aExchange VALUES ('20240315','USD','미국 달러','1300','1330','1315',"
          "'20240315093000')"})
        ASSERT_EQ(db.InsertUpdateDeleteExcuteQuery(sql), "0") << sql;
    db.InsertUpdateDeleteExcuteQuery("PRAGMA USER_VERSION = " + std::to_string(version));
    db.DisConnectDB();
}

} // namespace

TEST(Schema, FreshFileIsCreatedAtVersion13WithTheFiveTablesAsWritten) {
    TempDir dir;
    const std::string path = DBClass::databasePath(dir.path);
    EXPECT_EQ(path, dir.path + "/tamberlinove_v2.sqlite3");
    DBClass db(path);
    EXPECT_EQ(db.ConnectDB(), 1);
    EXPECT_TRUE(std::filesystem::exists(path));
    EXPECT_EQ(db.queryUserVersion(), 0);
    db.createDatabase();
    EXPECT_EQ(db.queryUserVersion(), 13);

    // SQLite stores the text without "IF NOT EXISTS" and without trailing blanks.
    std::map<std::string, std::string> expected;
    for (std::string sql :
         {schema::kCreateRegistration, schema::kCreateFlightInfo, schema::kCreateNation,
          schema::kCreateCityInfo, schema::kCreateExchange}) {
        sql.replace(0, 27, "CREATE TABLE ");
        sql.erase(sql.find_last_not_of(' ') + 1);
        expected[sql.substr(13, sql.find_first_of(" (", 13) - 13)] = sql;
    }
    std::map<std::string, std::string> stored;
    for (const auto& row :
         db.SelectExcuteQuery("SELECT name, sql FROM sqlite_master WHERE type='table'"))
        stored[row.at("0")] = row.at("1");
    EXPECT_EQ(stored, expected);
    EXPECT_EQ(db.DisConnectDB(), 1);
}

TEST(Schema, OlderVersionKeepsRegistrationsAndEmptiesTheOtherTables) {
    TempDir dir;
    const std::string path = DBClass::databasePath(dir.path);
    makeDatabase(path, 12);
    DBClass db(path);
    db.ConnectDB();
    db.createDatabase();
    EXPECT_EQ(db.queryUserVersion(), 13);
    for (const char* table : kTables)
        EXPECT_EQ(countRows(db, table), table == kTables[0] ? "1" : "0") << table;
}

TEST(Schema, CurrentOrNewerVersionIsLeftUntouchedHoweverOften) {
    for (const int version : {13, 14}) {
        TempDir dir;
        const std::string path = DBClass::databasePath(dir.path);
        makeDatabase(path, version);
        DBClass db(path);
        for (int run = 0; run < 3; ++run) {
            db.ConnectDB();
            db.createDatabase();
            db.DisConnectDB();
        }
        db.ConnectDB();
        EXPECT_EQ(db.queryUserVersion(), version);
        for (const char* table : kTables)
            EXPECT_EQ(countRows(db, table), "1") << table << " at version " << version;
    }
}

TEST(Schema, UnreadableVersionIsLoggedAndDropsNothing) {
    platform::CapturedLog log;
    platform::setLog(&log);
    EXPECT_EQ(DBClass("/unused/never-opened.sqlite3").queryUserVersion(), -1);
    ASSERT_EQ(log.lines().size(), 1u);
    EXPECT_EQ(log.lines()[0], "queryUserVersion: ERROR Preparing: , database is not open");

    // A file that is not a database is neither migrated nor written to.
    TempDir dir;
    const std::string path = DBClass::databasePath(dir.path);
    std::FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fputs(std::string(4096, 'x').c_str(), f);
    std::fclose(f);
    DBClass db(path);
    db.ConnectDB();
    db.createDatabase();
    EXPECT_EQ(db.queryUserVersion(), -1);
    db.DisConnectDB();
    platform::setLog(nullptr);
    EXPECT_EQ(std::filesystem::file_size(path), 4096u);
}
