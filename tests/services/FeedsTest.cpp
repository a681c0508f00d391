// The three flight-status services over HTTP: their answers, their query keys and their
// error answers, read with the app's own parsers where the app reads them.

#include "GoldenFiles.h"
#include "StandInFixture.h"

#include "remote/Answer.h"
#include "remote/XmlDataSetParser1.h"
#include "remote/XmlDataSetParser2.h"
#include "services/Feeds.h"

#include <algorithm>
#include <set>

namespace services_test {
namespace {

using Feeds = StandInTest;

std::string pretty(const std::string& json) {
    return nlohmann::ordered_json::parse(json).dump(2) + "\n";
}

TEST_F(Feeds, AnswersMatchTheirGoldenFiles) {
    struct Case {
        std::string target;
        const char* golden;
    };
    const Case cases[] = {
        {international(kDepartures, "NRT", "KE703"), "international_departures_ke703.xml"},
        {international(kArrivals, "NRT", ""), "international_arrivals_nrt.xml"},
        {domestic("I", "D", "CJU", "0900", "1100"), "domestic_cju_arrivals.xml"},
        {domestic("O", "I", "GMP", "0800", "1000"), "domestic_gmp_international.xml"},
        {timetable("KUV", "departure"), "timetable_kuv_departures.json"},
        {timetable("NRT", "arrival"), "timetable_nrt_arrivals.json"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.golden);
        auto response = get(c.target);
        EXPECT_EQ(response.status, 200);
        bool json = std::string(c.golden).ends_with(".json");
        testing_support::expectMatchesGolden(json ? pretty(response.body) : response.body,
                                             std::string("services/") + c.golden);
    }
}

TEST_F(Feeds, InternationalQueryKeysFilterTheDay) {
    auto flights = [&](const std::string& target) {
        remote::XmlDataSetParser1 parser;
        parser.parse(get(target).body);
        return remote::valuesOf(parser.mXMLDataList(), {"flightId"});
    };
    auto all = flights(international(kDepartures, "", ""));
    ASSERT_GT(all.size(), 40u);
    // Time bounds are both included; the whole day by default.
    auto morning = flights(international(kDepartures, "", "", "0900", "0905"));
    EXPECT_EQ(morning, (std::vector<std::string>{"KE703", "KE863", "KE721"}));
    EXPECT_EQ(flights(std::string(kDepartures) + "?ServiceKey=" + key()), all);
    auto tokyo = flights(international(kDepartures, "NRT", ""));
    EXPECT_EQ(tokyo, (std::vector<std::string>{"OZ102", "KE703", "KE705"}));
    EXPECT_TRUE(flights(international(kDepartures, "NRT", "KE704")).empty());
    EXPECT_TRUE(flights(international(kDepartures, "XXX", "")).empty());
}

TEST_F(Feeds, DomesticQueryKeysSelectSideLineTimeAndPage) {
    auto sides = [](const std::vector<remote::DataRow>& rows) {
        std::set<std::string> io;
        for (const auto& r : rows)
            io.insert(col(r, "io"));
        return io;
    };
    auto out = items(domestic("O", "", "GMP"));
    auto in = items(domestic("I", "", "GMP"));
    ASSERT_GT(out.size(), 20u);
    ASSERT_GT(in.size(), 20u);
    EXPECT_EQ(items(domestic("", "", "GMP")).size(), out.size() + in.size());
    EXPECT_EQ(sides(out), std::set<std::string>{"O"});
    EXPECT_EQ(sides(in), std::set<std::string>{"I"});

    // What the line and the time window select shows in the golden answers.
    EXPECT_EQ(items(domestic("O", "D", "GMP")).size() + items(domestic("O", "I", "GMP")).size(),
              out.size());

    // Pages of three rows cut the same list.
    std::vector<remote::DataRow> paged;
    for (int page = 1; page <= 4; ++page) {
        auto rows = items(domestic("O", "", "GMP", "0000", "2400", std::to_string(page), "3"));
        paged.insert(paged.end(), rows.begin(), rows.end());
    }
    EXPECT_EQ(paged, std::vector<remote::DataRow>(out.begin(), out.begin() + 12));

    // The international airport has its own service.
    EXPECT_TRUE(items(domestic("O", "", "ICN")).empty());
    EXPECT_TRUE(items(domestic("O", "", "NRT")).empty());
}

TEST_F(Feeds, WrongOrMissingKeysAndParametersGetErrorAnswers) {
    struct Case {
        std::string target;
        int status;
        const char* code; // resultCode, or the timetable's error code
    };
    const std::string dep = kDepartures;
    const std::string dom = kDomestic;
    const std::string tt = kTimetable;
    const std::string k = "?ServiceKey=" + key();
    const std::string tk = "?api_key=" + config_["timetableKey"].get<std::string>();
    const Case cases[] = {
        {dep, 200, "30"},
        {dep + "?ServiceKey=WRONG", 200, "30"},
        // The key must arrive encoded: a raw "+" is read as a blank.
        {dep + "?ServiceKey=" + std::string(services::kDemoServiceKey), 200, "30"},
        {dep + k + "&from_time=0960", 200, "10"},
        {dep + k + "&from_time=1200&to_time=1100", 200, "10"},
        {dep + k + "&to_time=2401", 200, "10"},
        {std::string(kArrivals) + "?ServiceKey=", 200, "30"},
        {dom + "?schAirCode=GMP", 200, "30"},
        {dom + k, 200, "11"},
        {dom + k + "&schAirCode=GMP&schIOType=X", 200, "10"},
        {dom + k + "&schAirCode=GMP&schLineType=international", 200, "10"},
        {dom + k + "&schAirCode=GMP&pageNo=0", 200, "10"},
        {dom + k + "&schAirCode=GMP&numOfRows=-5", 200, "10"},
        {dom + k + "&schAirCode=GMP&schStTime=noon", 200, "10"},
        {tt + "?iata_code=NRT&type=arrival", 401, "invalid_api_key"},
        {tt + "?api_key=00000000-0000-0000-0000-000000000000&iata_code=NRT&type=arrival", 401,
         "invalid_api_key"},
        {tt + tk + "&type=arrival", 400, "missing_parameter"},
        {tt + tk + "&iata_code=NRT", 400, "invalid_parameter"},
        {tt + tk + "&iata_code=NRT&type=both", 400, "invalid_parameter"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.target);
        auto response = get(c.target);
        EXPECT_EQ(response.status, c.status);
        if (c.target.starts_with(tt)) {
            auto body = nlohmann::json::parse(response.body);
            EXPECT_EQ(body["error"]["code"], c.code);
            EXPECT_FALSE(body.contains("response"));
        } else {
            remote::XmlDataSetParser1 parser;
            parser.parse(response.body);
            EXPECT_EQ(remote::valuesOf(parser.mXMLDataList(), {"resultCode"}),
                      std::vector<std::string>{c.code});
            EXPECT_TRUE(remote::valuesOf(parser.mXMLDataList(), {"airline"}).empty());
            remote::XmlDataSetParser2 rows("item");
            rows.parse(response.body);
            EXPECT_TRUE(rows.mXMLDataList().empty());
        }
    }
    // An unknown airport is no error: it simply has no flights.
    EXPECT_EQ(get(timetable("XXX", "departure")).body, R"({"response":[]})");
}

TEST_F(Feeds, TimetableListsSixHoursBackToEighteenAhead) {
    auto times = [&](const std::string& code, const std::string& type) {
        std::vector<std::string> scheduled;
        auto answer = nlohmann::json::parse(get(timetable(code, type)).body);
        for (const auto& entry : answer["response"])
            scheduled.push_back(entry[type]["scheduled_time"]);
        return scheduled;
    };
    // 09:30 in Seoul is 09:30 in Tokyo: from 03:30 to 03:30 the next day.
    auto tokyo = times("NRT", "arrival");
    ASSERT_FALSE(tokyo.empty());
    EXPECT_TRUE(std::is_sorted(tokyo.begin(), tokyo.end()));
    EXPECT_GE(tokyo.front(), "2026-12-07T03:30");
    EXPECT_LT(tokyo.back(), "2026-12-08T03:30");
    // Los Angeles runs 17 hours behind: the window is 10:30 to 10:30 there, a day earlier.
    auto angeles = times("LAX", "departure");
    ASSERT_FALSE(angeles.empty());
    EXPECT_GE(angeles.front(), "2026-12-06T10:30");
    EXPECT_LT(angeles.back(), "2026-12-07T10:30");
    // Each daily flight appears once.
    auto arrivals = nlohmann::json::parse(get(timetable("ICN", "arrival")).body)["response"];
    std::set<std::string> numbers;
    for (const auto& entry : arrivals)
        EXPECT_TRUE(numbers.insert(entry["flight"]["iata_number"].get<std::string>()).second)
            << entry["flight"]["iata_number"];
}

} // namespace
} // namespace services_test
