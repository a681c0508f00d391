// The three flight-status services over HTTP: their answers, their query keys and their
// error answers, read with the app's own parsers where the app reads them.

#include "GoldenFiles.h"
#include "StandInFixture.h"

#include "remote/Answer.h"
#include "remote/XmlDataSetParser1.h"
#include "services/Feeds.h"

#include <algorithm>
#include <set>
#include <tuple>

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

TEST_F(Feeds, WrongOrMissingKeysAndParametersGetErrorAnswers) {
    struct Case {
        std::string target;
        int status;
        const char* code; // resultCode, or the timetable's error code
    };
    const std::string dep(kDepartures), dom(kDomestic), tt(kTimetable);
    const std::string k = "?ServiceKey=" + key();
    const std::string tk = "?api_key=" + config_["timetableKey"].get<std::string>();
    const Case cases[] = {
        {dep, 200, "30"},
        // The key must arrive encoded: a raw "+" is read as a blank.
        {dep + "?ServiceKey=" + std::string(services::kDemoServiceKey), 200, "30"},
        {dep + k + "&from_time=0960", 200, "10"},
        {dom + "?schAirCode=GMP", 200, "30"},
        {dom + k, 200, "11"},
        {dom + k + "&schAirCode=GMP&schIOType=X", 200, "10"},
        {tt + "?api_key=00000000-0000-0000-0000-000000000000&iata_code=NRT&type=arrival", 401,
         "invalid_api_key"},
        {tt + tk + "&type=arrival", 400, "missing_parameter"},
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
            EXPECT_TRUE(rows(response.body, "item").empty());
        }
    }
    // An unknown airport is no error: it simply has no flights.
    EXPECT_EQ(get(timetable("XXX", "departure")).body, R"({"response":[]})");
}

TEST_F(Feeds, TimetableListsSixHoursBackToEighteenAheadOnTheAirportsClock) {
    // 09:30 in Seoul is 09:30 in Tokyo; Los Angeles runs 17 hours behind.
    for (const auto& [code, type, first, end] :
         {std::tuple{"NRT", "arrival", "2026-12-07T03:30", "2026-12-08T03:30"},
          {"LAX", "departure", "2026-12-06T10:30", "2026-12-07T10:30"}}) {
        std::vector<std::string> times;
        std::set<std::string> numbers;
        const auto answer = nlohmann::json::parse(get(timetable(code, type)).body);
        for (const auto& entry : answer["response"]) {
            times.push_back(entry[type]["scheduled_time"]);
            // Each daily flight appears once.
            EXPECT_TRUE(numbers.insert(entry["flight"]["iata_number"]).second) << times.back();
        }
        ASSERT_FALSE(times.empty()) << code;
        EXPECT_TRUE(std::is_sorted(times.begin(), times.end())) << code;
        EXPECT_GE(times.front(), first);
        EXPECT_LT(times.back(), end);
    }
}

} // namespace
} // namespace services_test
