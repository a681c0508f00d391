// The flight record and the statements on aFlightInfo, against a real SQLite file.

#include "TempDir.h"
#include "flights/AirportInfo.h"
#include "flights/FlightStatements.h"
#include "flights/TrackedFlight.h"
#include "storage/DBClass.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

using flights::AirportInfo;
using flights::FlightKey;

namespace {

// Every field carries a text of its own, so a value that lands in the wrong column shows.
AirportInfo distinctFlight(std::string flightId = "KE701", std::string io = "1") {
    return AirportInfo::airportInfo("대한항공", std::move(flightId), "20261207", "20261207", "1030",
                                    "20261208", "1105", "20261209", "1255", "20261210", "1340",
                                    "인천공항", "인천", "O'Hare", "ICN", "ORD", "23", "7", "B",
                                    "탑승중", "A01-A12", std::move(io), "대한항공", "1");
}

class FlightTable : public ::testing::Test {
protected:
    void SetUp() override {
        db.ConnectDB();
        db.createDatabase();
    }
    void TearDown() override { db.DisConnectDB(); }

    std::string run(const std::string& sql) { return db.InsertUpdateDeleteExcuteQuery(sql); }
    storage::Rows list(const std::string& date) {
        return db.SelectExcuteQuery(flights::listFlightsStatement(date));
    }

    testing_support::TempDir dir;
    storage::DBClass db{storage::DBClass::databasePath(dir.str())};
};

} // namespace

TEST(AirportInfo, ServiceRowMapsElementsByNameWithFlagAsDirection) {
    std::map<std::string, std::string, std::less<>> row;
    for (std::string_view e : flights::kServiceRowElements)
        row[std::string(e)] = "<" + std::string(e) + ">";
    row["flag"] = "2";
    row.erase("exitnumber"); // an element the row lacks reads as empty
    const AirportInfo info = AirportInfo::fromServiceRow([&](std::string_view e) {
        auto it = row.find(e);
        return it == row.end() ? std::string() : it->second;
    });
    EXPECT_EQ(info.sAirLine(), "<airline>");
    EXPECT_EQ(info.sEstimatedTime_Arrival(), "<estimatedTime_Arrival>");
    EXPECT_EQ(info.sAirport(), ""); // the search leaves the airport name empty
    EXPECT_EQ(info.sAirportCode_Arrival(), "<airportcode_arrival>");
    EXPECT_EQ(info.sExitNumber(), "");
    EXPECT_EQ(info.sIo(), "2");
    EXPECT_EQ(info.sLine(), "<airline>");
    EXPECT_EQ(info.sFlag(), "1");
}

TEST_F(FlightTable, InsertedFlightListsBackFieldForField) {
    const AirportInfo f = distinctFlight();
    ASSERT_EQ(run(flights::insertFlightStatement(f)), "0");
    const auto rows = list("20261207");
    ASSERT_EQ(rows.size(), 1u);
    AirportInfo expected = f;
    expected.setSFlag("2"); // read back from the tracked list
    EXPECT_EQ(AirportInfo::fromListRow(rows[0]), expected);
}

TEST_F(FlightTable, NextFlightColumnsFillTheTrackedListsOfTheSameNames) {
    ASSERT_EQ(run(flights::insertFlightStatement(distinctFlight())), "0");
    const auto rows = db.SelectExcuteQuery(flights::nextFlightStatement("20261207"));
    ASSERT_EQ(rows.size(), 1u);
    flights::TrackedFlight t;
    t.assign(rows[0]);
    using T = flights::TrackedFlight;
    EXPECT_EQ(T::first(t.ScheduleDate_Arrival_List), "20261209");
    EXPECT_EQ(T::first(t.ScheduleTime_Arrival_List), "1255");
    EXPECT_EQ(T::first(t.EstimatedDate_Departure_List), "20261208");
    EXPECT_EQ(T::first(t.EstimatedTime_Departure_List), "1105");
    EXPECT_EQ(T::first(t.EstimatedTime_Arrival_List), "1340");
    EXPECT_EQ(T::first(t.Airport_Arrival_List), "O'Hare");
    EXPECT_EQ(T::first(t.ChkInRange_List), "A01-A12");
    EXPECT_EQ(t.key(), (FlightKey{"ICN", "ORD", "KE701", "20261207"}));
}

TEST_F(FlightTable, RewriteReplacesEveryFieldButTheKey) {
    ASSERT_EQ(run(flights::insertFlightStatement(distinctFlight("KE701"))), "0");
    EXPECT_EQ(run(flights::insertFlightStatement(distinctFlight("KE701"))), "-1");
    AirportInfo changed = AirportInfo::airportInfo(
        "대한항공", "KE701", "20261207", "20261211", "0900", "20261212", "0910", "20261213", "1100",
        "20261214", "1110", "공항", "김포", "시카고", "ICN", "ORD", "44", "9", "D", "지연", "C1-C9",
        "2", "대한항공", "2");
    ASSERT_EQ(run(flights::rewriteFlightStatement(changed)), "0");
    const auto rows = list("20261207");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(AirportInfo::fromListRow(rows[0]), changed);
}

TEST_F(FlightTable, RefreshAndDeleteActOnBothDirectionsButNoOtherFlight) {
    ASSERT_EQ(run(flights::insertFlightStatement(distinctFlight("KE701", "1"))), "0");
    ASSERT_EQ(run(flights::insertFlightStatement(distinctFlight("KE701", "2"))), "0");
    ASSERT_EQ(run(flights::insertFlightStatement(distinctFlight("KE703", "1"))), "0");

    const flights::LiveFields live{"20261207", "1035", "20261207", "1110", "45",       "8",   "C",
                                   "지연",     "B1",   "20261209", "1300", "20261209", "1345"};
    const FlightKey key{"ICN", "ORD", "KE701", "20261207"};
    ASSERT_EQ(run(flights::refreshFlightStatement(live, key)), "0");

    const auto rows = list("20261207");
    ASSERT_EQ(rows.size(), 3u);
    for (const auto& row : rows) {
        const AirportInfo f = AirportInfo::fromListRow(row);
        AirportInfo expected =
            f.sFlightId() == "KE703"
                ? distinctFlight("KE703", f.sIo())
                : AirportInfo::airportInfo("대한항공", "KE701", "20261207", "20261207", "1035",
                                           "20261207", "1110", "20261209", "1300", "20261209",
                                           "1345", "인천공항", "인천", "O'Hare", "ICN", "ORD", "45",
                                           "8", "C", "지연", "B1", f.sIo(), "대한항공", "1");
        expected.setSFlag("2"); // read back from the tracked list
        EXPECT_EQ(f, expected);
    }

    ASSERT_EQ(run(flights::deleteFlightStatement(key)), "0");
    const auto left = list("20261207");
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(AirportInfo::fromListRow(left[0]).sFlightId(), "KE703");
}

TEST_F(FlightTable, QuotesInValuesNeitherBreakNorWidenAStatement) {
    ASSERT_EQ(run(flights::insertFlightStatement(distinctFlight("KE701"))), "0");
    ASSERT_EQ(run(flights::insertFlightStatement(distinctFlight("KE703"))), "0");
    EXPECT_EQ(run(flights::deleteFlightStatement({"ICN", "ORD", "x' OR '1'='1", "20261207"})), "0");
    EXPECT_EQ(list("20261207").size(), 2u);
    // The unquoted date placeholder cannot open a clause either.
    EXPECT_TRUE(list("9 OR 1=1").empty());
}

TEST_F(FlightTable, ListShowsFinishedAndOvernightFlightsThatNextFlightSkipsOrKeeps) {
    AirportInfo arrived = distinctFlight("KE701");
    arrived.setSRemark("도착");
    AirportInfo overnight = distinctFlight("KE705");
    overnight.setSScheduleDate("20261206");
    overnight.setSScheduleDate_Arrival("20261207");
    ASSERT_EQ(run(flights::insertFlightStatement(arrived)), "0");
    ASSERT_EQ(run(flights::insertFlightStatement(overnight)), "0");

    EXPECT_EQ(list("20261207").size(), 2u);
    const auto next = db.SelectExcuteQuery(flights::nextFlightStatement("20261207"));
    ASSERT_EQ(next.size(), 1u);
    EXPECT_EQ(next[0].at("1"), "KE705");
}
