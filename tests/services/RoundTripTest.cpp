// Every operation of both services called through the app's own client and parsers.

#include "StandInFixture.h"

#include "remote/Answer.h"
#include "remote/XmlDataSetParser.h"
#include "remote/XmlDataSetParser1.h"
#include "remote/XmlDataSetParser2.h"
#include "services/Timetable.h"

#include <algorithm>
#include <set>

namespace services_test {
namespace {

/// The time a flight row is listed under: arrival time for arrivals, else departure time.
std::string listedTime(const remote::DataRow& row) {
    return col(row, "flag") == "2" ? col(row, "scheduleTime_Arrival")
                                   : col(row, "scheduleTime_Departure");
}

std::string firstCityFlag(const std::optional<std::string>& answer) {
    remote::XmlDataSetParser1 parser;
    parser.parse(answer.value_or(""));
    auto flags = remote::valuesOf(parser.mXMLDataList(), {"cityFlag"});
    return flags.empty() ? "" : flags.front();
}

using RoundTrip = StandInTest;

TEST_F(RoundTrip, UnitAllSearchListsTheBeaconUuids) {
    remote::XmlDataSetParser parser;
    parser.parse(commands_->Unit_AllSearch01().value_or(""));
    auto uuids = remote::valuesOf(parser.mXMLDataList(), {"sUnitUUID", "SUNITUUID"});
    ASSERT_GE(uuids.size(), 3u);
    for (const auto& uuid : uuids)
        EXPECT_EQ(uuid.size(), 36u) << uuid;
}

TEST_F(RoundTrip, FlightSearchPagesTenRowsInTimeOrderUntilNo) {
    std::vector<remote::DataRow> all;
    int page = 1;
    for (;; ++page) {
        auto answer = commands_->Flight_List03(kToday, "", "", "", "", std::to_string(page));
        if (remote::isNoMore(answer))
            break;
        auto pageRows = rows(answer);
        // Full pages but the last; "NO" right after it.
        ASSERT_EQ(all.size(), (page - 1) * 10u);
        ASSERT_TRUE(!pageRows.empty() && pageRows.size() <= 10u && page < 100);
        all.insert(all.end(), pageRows.begin(), pageRows.end());
    }
    ASSERT_GT(page, 3);
    for (std::size_t i = 0; i < all.size(); ++i) {
        for (const char* column : services::kFlightColumnNames)
            EXPECT_TRUE(all[i].contains(column)) << column;
        EXPECT_EQ(col(all[i], "scheduleDate"), kToday);
        if (i > 0) {
            EXPECT_LE(listedTime(all[i - 1]), listedTime(all[i]));
        }
    }
    auto inbound =
        std::find_if(all.begin(), all.end(), [](const auto& r) { return col(r, "flag") == "2"; });
    ASSERT_NE(inbound, all.end());
    EXPECT_EQ(col(*inbound, "scheduleDate_Arrival"), kToday);
}

TEST_F(RoundTrip, FlightSearchMatchesWholeNumbersOrPrefixesIgnoringCase) {
    auto exact = rows(commands_->Flight_List03(kToday, "", "", "ke1201", "", "1"));
    ASSERT_EQ(exact.size(), 1u);
    EXPECT_EQ(cols(exact[0], {"flightId", "airportcode_departure", "airportcode_arrival", "flag"}),
              (Texts{"KE1201", "GMP", "CJU", "1"}));

    auto prefix = rows(commands_->Flight_List03(kToday, "", "", "KE12", "", "1"));
    ASSERT_GT(prefix.size(), 1u);
    for (const auto& r : prefix)
        EXPECT_EQ(col(r, "flightId").rfind("KE12", 0), 0u) << col(r, "flightId");

    EXPECT_TRUE(remote::isNoMore(commands_->Flight_List03(kToday, "", "", "ZZ999", "", "1")));
    // An empty date lists today.
    EXPECT_EQ(rows(commands_->Flight_List03("", "", "", "KE1201", "", "1")), exact);
}

TEST_F(RoundTrip, FlightRefreshAnswersTheRowsOfOneFlight) {
    auto one = rows(commands_->Flight_List04("20261208", "", "", "KE703", "1", "1"));
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(cols(one[0], {"scheduleDate", "scheduleTime_Departure", "scheduleTime_Arrival"}),
              (Texts{"20261208", "0900", "1120"}));
    EXPECT_NE(col(one[0], "gatenumber"), "");
    EXPECT_NE(col(one[0], "chkinrange"), "");
    EXPECT_TRUE(remote::isNoMore(commands_->Flight_List04("20261208", "", "", "KE703", "2", "1")));
    // Yesterday's flight has finished.
    auto past = rows(commands_->Flight_List04("20261206", "", "", "KE704", "", "1"));
    ASSERT_EQ(past.size(), 1u);
    EXPECT_EQ(cols(past[0], {"flag", "remark"}), (Texts{"2", "도착"}));
    EXPECT_NE(col(past[0], "estimatedTime_Arrival"), "");
}

TEST_F(RoundTrip, UnitJoinRegistersAndRemovesCarriers) {
    auto uuid = "D5FC0C59-E3AF-4493-B85A-4CEA5A1EDB9B";
    EXPECT_TRUE(remote::isYes(commands_->Unit_Join01("", "", uuid, "100", "7", "1")));
    EXPECT_TRUE(remote::isYes(commands_->Unit_Join01("", "", uuid, "100", "8", "1")));
    auto registry = standIn_->unitRegistry();
    ASSERT_EQ(registry.size(), 2u);
    EXPECT_EQ(registry[0].at("sUnitUUID"), uuid);
    EXPECT_EQ(registry[0].at("sUnitMinor"), "7");
    EXPECT_EQ(registry[0].at("sUserTelnum"), "");

    EXPECT_TRUE(remote::isYes(commands_->Unit_Join01("", "", uuid, "100", "7", "2")));
    registry = standIn_->unitRegistry();
    ASSERT_EQ(registry.size(), 1u);
    EXPECT_EQ(registry[0].at("sUnitMinor"), "8");
}

TEST_F(RoundTrip, LogOperationsKeepWhatTheyReceive) {
    EXPECT_TRUE(remote::isYes(commands_->Log_Unit_SearchOK01("", "", "UUID-1", "1", "2")));
    auto searches = standIn_->unitSearchLogs();
    ASSERT_EQ(searches.size(), 1u);
    EXPECT_EQ(searches[0], (std::map<std::string, std::string>{{"sUserTelnum", ""},
                                                               {"sUnitMacAddress", ""},
                                                               {"sUnitUUID", "UUID-1"},
                                                               {"sUnitMajor", "1"},
                                                               {"sUnitMinor", "2"}}));

    remote::FlightLogInput input;
    input.airportcodeDeparture = "ICN";
    input.airportcodeArrival = "NRT";
    input.scheduleDate = "20261208";
    input.scheduleTime1 = "1120";
    input.flag = "1";
    input.logStatus = "2";
    EXPECT_TRUE(remote::isYes(commands_->Log_FilghtInput01(input)));
    auto flights = standIn_->flightLogs();
    ASSERT_EQ(flights.size(), 1u);
    EXPECT_EQ(flights[0].size(), 22u);
    EXPECT_EQ(flights[0].at("airportcode_arrival"), "NRT");
    EXPECT_EQ(flights[0].at("scheduleTime1"), "1120");
    EXPECT_EQ(flights[0].at("sLogStatus"), "2");
}

TEST_F(RoundTrip, CityViewClassifiesTheRouteBetweenTwoCities) {
    // The other classes are checked route by route in AgreementTest.
    EXPECT_EQ(firstCityFlag(commands_->City_View03("ICN", "PUS")), "1");
    EXPECT_EQ(firstCityFlag(commands_->City_View03("LAX", "ICN")), "3");
    auto both = rows(commands_->City_View03("pus", "kix"));
    ASSERT_EQ(both.size(), 2u);
    EXPECT_EQ(col(both[0], "cityCode") + col(both[1], "cityCode"), "PUSKIX");
    EXPECT_EQ(firstCityFlag(commands_->City_View03("XXX", "YYY")), "");
}

TEST_F(RoundTrip, CityAndNationListsAgree) {
    auto cities = rows(commands_->City_List02());
    ASSERT_GE(cities.size(), 80u);
    std::map<std::string, std::string> flags;
    std::set<std::string> cityNations;
    for (const auto& c : cities) {
        EXPECT_EQ(col(c, "cityCode").size(), 3u);
        EXPECT_NE(col(c, "cityKor"), "");
        EXPECT_NE(col(c, "cityEng"), "");
        flags[col(c, "cityCode")] = col(c, "cityFlag");
        cityNations.insert(col(c, "NationCode"));
    }
    for (const char* domestic : {"ICN", "GMP", "CJU", "PUS", "TAE", "CJJ"})
        EXPECT_EQ(flags[domestic], "1") << domestic;
    for (const char* abroad : {"NRT", "LAX", "HKG", "CDG"})
        EXPECT_EQ(flags[abroad], "4") << abroad;

    auto nations = rows(commands_->Nation_List02(""));
    ASSERT_GE(nations.size(), 40u);
    std::set<std::string> nationCodes;
    for (const auto& n : nations) {
        nationCodes.insert(col(n, "NationCode"));
        EXPECT_NE(col(n, "NationKor"), "");
        EXPECT_EQ(col(n, "sFileName").substr(col(n, "sFileName").size() - 4), ".jpg");
    }
    for (const auto& code : cityNations)
        EXPECT_TRUE(nationCodes.count(code)) << code;

    auto japan = rows(commands_->Nation_List02("NRT"));
    ASSERT_EQ(japan.size(), 1u);
    EXPECT_EQ(col(japan[0], "NationEng"), "Japan");
    EXPECT_EQ(col(japan[0], "NationKor"), "일본");
}

TEST_F(RoundTrip, NationModifyListGivesTheLaterListDate) {
    auto modified = rows(commands_->Nation_Modify_List01());
    ASSERT_EQ(modified.size(), 1u);
    const auto& row = modified[0];
    EXPECT_EQ(col(row, "sDate").size(), 8u);
    EXPECT_EQ(col(row, "sDate"), std::max(col(row, "Nation"), col(row, "CityInfo")));
}

TEST_F(RoundTrip, ExchangeListGivesTodaysRates) {
    auto rates = rows(commands_->Exchange_List01());
    ASSERT_GE(rates.size(), 20u);
    std::map<std::string, std::string> base;
    for (const auto& r : rates) {
        EXPECT_EQ(col(r, "sDATE"), kToday);
        EXPECT_EQ(col(r, "LASTDATE").size(), 14u);
        EXPECT_EQ(col(r, "LASTDATE").substr(0, 8), kToday);
        EXPECT_NE(col(r, "CUR_NM"), "");
        EXPECT_EQ(col(r, "DEAL_BAS_R").find(','), std::string::npos);
        EXPECT_GT(std::stod(col(r, "DEAL_BAS_R")), 0.0);
        base[col(r, "CUR_UNIT")] = col(r, "DEAL_BAS_R");
    }
    EXPECT_EQ(base["KRW"], "1");
    for (const char* unit : {"USD", "JPY(100)", "EUR", "CNH", "GBP", "AUD", "CAD"})
        EXPECT_TRUE(base.count(unit)) << unit;
    EXPECT_GT(std::stod(base["JPY(100)"]), std::stod(base["USD"]) / 3);
}

} // namespace
} // namespace services_test
