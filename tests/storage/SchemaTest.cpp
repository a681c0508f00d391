// Schema creation and migration by DBClass::createDatabase on real files.

#include "storage/Schema.h"
#include "GoldenFiles.h"
#include "TempDir.h"
#include "platform/Log.h"
#include "storage/Connection.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sqlite3.h>
#include <string>
#include <vector>

using storage::DBClass;
namespace schema = storage::schema;

namespace {

constexpr const char* kTables[] = {"aRegistration", "aFlightInfo", "aNation",
                                   "aCityInfo",     "aExchange",   "aFlightHistory"};

std::string countRows(DBClass& db, const std::string& table) {
    const auto rows = db.SelectExcuteQuery("SELECT count(*) FROM " + table);
    return rows.size() == 1 ? rows[0].at("0") : "?";
}

// A file at the given version with one row in each of the five tables.
void makeDatabase(const std::string& path, int version) {
    const storage::Connection db(path);
    for (const char* sql :
         {schema::kCreateRegistration, schema::kCreateFlightInfo, schema::kCreateNation,
          schema::kCreateCityInfo, schema::kCreateExchange, schema::kCreateFlightHistory,
          "INSERT INTO aFlightHistory VALUES ('ICN','CDG','KE901','20240315',1,'gate','','251')",
          "INSERT INTO aRegistration VALUES ('AA:BB', 'E2C56DB5', '1', '2', '가방')",
          "INSERT INTO aFlightInfo VALUES ('KE','KE901','20240315','20240315','1030','20240315',"
          "'1530','20240315','1030','20240315','1530','인천','인천','파리','ICN','CDG','251','',"
          "'','출발','D01-D10','1')",
          "INSERT INTO aNation VALUES (82, 'Korea', '대한민국', 'kr.png', '20240101')",
          "INSERT INTO aCityInfo VALUES ('SEL', 'Seoul', '서울', '1', '82', '20240101')",
          "INSERT INTO aExchange VALUES ('20240315','USD','미국 달러','1300','1330','1315',"
          "'20240315093000')"})
        ASSERT_EQ(db->InsertUpdateDeleteExcuteQuery(sql), "0") << sql;
    db->InsertUpdateDeleteExcuteQuery("PRAGMA USER_VERSION = " + std::to_string(version));
}

// Every statement prepared on any connection this process opens, as SQLite was given it.
std::vector<std::string>& traced() {
    static std::vector<std::string> statements;
    return statements;
}

int traceStatement(unsigned, void*, void* stmt, void*) {
    traced().emplace_back(sqlite3_sql(static_cast<sqlite3_stmt*>(stmt)));
    return 0;
}

int installTrace(sqlite3* db, const char**, const sqlite3_api_routines*) {
    sqlite3_trace_v2(db, SQLITE_TRACE_STMT, traceStatement, nullptr);
    return SQLITE_OK;
}

} // namespace

TEST(Schema, FreshFileIsCreatedAtVersion13WithTheFiveTablesAsWritten) {
    sqlite3_auto_extension(reinterpret_cast<void (*)()>(installTrace));
    traced().clear();
    testing_support::TempDir dir;
    const std::string path = DBClass::databasePath(dir.str());
    EXPECT_EQ(path, dir.str() + "/tamberlinove_v2.sqlite3");
    DBClass db(path);
    EXPECT_EQ(db.ConnectDB(), 1);
    EXPECT_TRUE(std::filesystem::exists(path));
    EXPECT_EQ(db.queryUserVersion(), 0);
    db.createDatabase();
    sqlite3_cancel_auto_extension(reinterpret_cast<void (*)()>(installTrace));
    EXPECT_EQ(db.queryUserVersion(), 13);

    // The statements run, byte for byte (the flight table's ends with a blank), one a line,
    // as the stored files have always been made.
    std::string creates;
    for (const auto& sql : traced())
        if (sql.rfind("CREATE", 0) == 0)
            creates += sql + "\n";
    testing_support::expectMatchesGolden(creates, "storage/create_statements.sql");
    EXPECT_EQ(db.DisConnectDB(), 1);
}

TEST(Schema, OlderVersionKeepsOnlyRegistrationsAndCurrentOrNewerIsLeftUntouchedHoweverOften) {
    for (const int version : {12, 13, 14}) {
        testing_support::TempDir dir;
        const std::string path = DBClass::databasePath(dir.str());
        makeDatabase(path, version);
        DBClass db(path);
        for (int run = 0; run < 3; ++run)
            storage::createDatabase(db);
        db.ConnectDB();
        EXPECT_EQ(db.queryUserVersion(), std::max(version, 13));
        for (const char* table : kTables)
            EXPECT_EQ(countRows(db, table), version < 13 && table != kTables[0] ? "0" : "1")
                << table << " at version " << version;
    }
}

TEST(Schema, UnreadableVersionIsLoggedAndDropsNothing) {
    platform::CapturedLog log;
    platform::setLog(&log);
    EXPECT_EQ(DBClass("/unused/never-opened.sqlite3").queryUserVersion(), -1);
    EXPECT_EQ(log.lines().size(), 1u);

    // A file that is not a database is neither migrated nor written to.
    testing_support::TempDir dir;
    const std::string path = DBClass::databasePath(dir.str());
    std::ofstream(path) << std::string(4096, 'x');
    DBClass db(path);
    storage::createDatabase(db);
    EXPECT_EQ(storage::Connection(db)->queryUserVersion(), -1);
    platform::setLog(nullptr);
    EXPECT_EQ(std::filesystem::file_size(path), 4096u);
}
