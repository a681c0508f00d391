#include "tools/ReferenceCache.h"
#include "FaultyVfs.h"
#include "ToolsFixture.h"
#include "tools/UIInOut.h"

using namespace tools;
using testing_support::FaultyVfs;
using tools_test::cityRow;
using tools_test::nationRow;
using tools_test::Rows;

namespace {

class ReferenceTables : public tools_test::ToolsFixture {
protected:
    ReferenceTables() { FaultyVfs::install(); }
    ~ReferenceTables() override { FaultyVfs::disarm(); }

    /// The cache as the main screen uses it, on a connection of its own.
    void check() {
        storage::DBClass db(databaseFile());
        ReferenceCache(db, [this] { return context->commands(); }).copyDbFile();
    }
    ReferenceCache cache(storage::DBClass& db) {
        return ReferenceCache(db, [this] { return context->commands(); });
    }
    std::vector<std::string> column(const std::string& sql) {
        std::vector<std::string> values;
        for (const auto& row : query(sql))
            values.push_back(row.at("0"));
        return values;
    }
    std::vector<std::string> cities() {
        return column("SELECT cityCode FROM aCityInfo ORDER BY cityCode");
    }
    std::vector<std::string> nations() {
        return column("SELECT NationCode || ':' || NationEng || ':' || sDate FROM aNation ORDER BY "
                      "NationCode");
    }
    static Rows manyCities(const std::string& prefix, int n) {
        Rows rows;
        for (int i = 0; i < n; ++i)
            rows.push_back(cityRow(prefix + std::to_string(1000 + i), "City " + std::to_string(i),
                                   "도시", "410"));
        return rows;
    }
};

using Strings = std::vector<std::string>;

} // namespace

TEST_F(ReferenceTables, FirstStartFillsBothTablesOnceAndAnEqualDateCallsNothingMore) {
    launch(); // the main screen runs the check after start-up
    EXPECT_EQ(nations(), (Strings{"392:Japan:20261201", "410:Korea Republic:20261201",
                                  "840:United States:20261201"}));
    EXPECT_EQ(cities(), (Strings{"GMP", "ICN", "JFK", "NRT"}));
    EXPECT_EQ(server.calls("Nation_List02"), 1);

    server.resetCalls();
    launch();
    EXPECT_EQ(server.calls("Nation_Modify_List01"), 1);
    EXPECT_EQ(server.calls("Nation_List02"), 0);
    EXPECT_EQ(server.calls("City_List02"), 0);

    // A new date refills; three rows still mean one refill, with the first row's date.
    server.rows("Nation_Modify_List01",
                {{{"sDate", "20261205"}}, {{"sDate", "20261206"}}, {{"sDate", "20261207"}}});
    server.rows("Nation_List02", {nationRow("392", "Japan", "일본")});
    server.resetCalls();
    check();
    EXPECT_EQ(server.calls("Nation_List02"), 1);
    EXPECT_EQ(nations(), (Strings{"392:Japan:20261205"}));
}

TEST_F(ReferenceTables, LaterRowOfADuplicateCodeWinsAndQuotesAreStoredAsThemselves) {
    server.rows("Nation_List02", {nationRow("392", "Japan", "일본"),
                                  nationRow("384", "Cote d'Ivoire", "코트디부아르"),
                                  nationRow("392", "Nippon", "일본국")});
    server.rows("City_List02", {cityRow("NRT", "Narita", "나리타", "392"),
                                cityRow("NRT", "Narita Intl", "나리타 공항", "392")});
    launch();
    EXPECT_EQ(nations(), (Strings{"384:Cote d'Ivoire:20261201", "392:Nippon:20261201"}));
    EXPECT_EQ(column("SELECT cityKor FROM aCityInfo"), Strings{"나리타 공항"});
}

TEST_F(ReferenceTables, FailedAnswersKeepTheirTablesAndTheDateCheckRunsAgain) {
    launch();
    server.rows("Nation_Modify_List01", {{{"sDate", "20261207"}}});
    server.rows("Nation_List02", {nationRow("156", "China", "중국")});
    server.text("City_List02", "<rtn>ERROR</rtn>");
    check();
    // Nations refilled for the new date; the cities stay as they were.
    EXPECT_EQ(nations(), (Strings{"156:China:20261207"}));
    EXPECT_EQ(cities(), (Strings{"GMP", "ICN", "JFK", "NRT"}));

    // A failed nation answer keeps the nations and their old date; the cities are still asked.
    server.rows("Nation_Modify_List01", {{{"sDate", "20261208"}}});
    server.text("Nation_List02", "-1");
    server.rows("City_List02", {cityRow("PEK", "Beijing", "베이징", "156")});
    server.resetCalls();
    check();
    EXPECT_EQ(nations(), (Strings{"156:China:20261207"}));
    EXPECT_EQ(cities(), Strings{"PEK"});
    server.resetCalls();
    check(); // the old date makes the next check try again
    EXPECT_EQ(server.calls("Nation_List02"), 1);

    // No modification answer: nothing is compared or changed.
    server.silence("Nation_Modify_List01");
    server.resetCalls();
    check();
    EXPECT_EQ(server.calls("Nation_List02"), 0);
}

TEST_F(ReferenceTables, RowTheTableRefusesIsLeftOutAndTheRestCommits) {
    launch();
    // Non-numeric codes do not fit the integer key; a trigger refuses one city both ways.
    execute("CREATE TRIGGER no_bad_insert BEFORE INSERT ON aCityInfo WHEN NEW.cityCode = 'BAD' "
            "BEGIN SELECT RAISE(ABORT, 'refused'); END");
    execute("CREATE TRIGGER no_bad_update BEFORE UPDATE ON aCityInfo WHEN OLD.cityCode = 'BAD' OR "
            "NEW.cityEng = 'Bad' BEGIN SELECT RAISE(ABORT, 'refused'); END");
    server.rows("Nation_List02",
                {nationRow("abc", "Nowhere", "없음"), nationRow("36", "Australia", "호주")});
    server.rows("City_List02",
                {cityRow("SYD", "Sydney", "시드니", "36"), cityRow("BAD", "Bad", "나쁨", "36"),
                 cityRow("MEL", "Melbourne", "멜버른", "36")});
    server.rows("Nation_Modify_List01", {{{"sDate", "20261209"}}});
    check();
    EXPECT_EQ(nations(), (Strings{"36:Australia:20261209"}));
    EXPECT_EQ(cities(), (Strings{"MEL", "SYD"}));
}

// A full disk, a locked or unwritable file and a crash mid-write: tests/faults.
TEST_F(ReferenceTables, IoErrorMidRefillKeepsThePreviousRowsAndTheNextCheckRefills) {
    launch();
    const Strings before = cities();
    server.rows("Nation_Modify_List01", {{{"sDate", "20261210"}}});
    server.rows("City_List02", manyCities("X", 300));
    server.text("Nation_List02", "-1"); // only the city refill writes
    FaultyVfs::arm(FaultyVfs::Target::Database, 0, FaultyVfs::Fault::IoError);
    check();
    FaultyVfs::disarm();
    EXPECT_EQ(cities(), before);

    // The old date stays, so the next start refills, this time with a sound disk.
    server.rows("Nation_List02", {nationRow("250", "France", "프랑스")});
    check();
    EXPECT_EQ(cities().size(), 300u);
    EXPECT_EQ(nations(), (Strings{"250:France:20261210"}));
}

TEST_F(ReferenceTables, AirportCodeFindsItsNationOrNothing) {
    launch();
    execute("INSERT INTO aCityInfo(cityCode, cityEng, cityKor, cityFlag, NationCode) "
            "VALUES('ZZZ','Nowhere','없는곳','I','999')");
    storage::DBClass db(databaseFile());
    auto c = cache(db);
    EXPECT_EQ(c.GetCityCodeToNationCode("NRT"), (Nation{"392", "Japan", "일본", "japan.jpg"}));
    EXPECT_EQ(c.GetCityCodeToNationCode("ZZZ"), std::nullopt);
    EXPECT_EQ(c.GetCityCodeToNationCode("XXX"), std::nullopt);
    EXPECT_EQ(c.GetCityCodeToNationCode("x' OR '1'='1"), std::nullopt);
}
