// The SOAP flight rows and the three feeds tell the same story about each flight at any
// moment; the airport classification sends the app to a feed that lists the flight; a
// flight whose tracking starts changes shortly after; the services' day follows the clock.

#include "StandInFixture.h"

#include "remote/Answer.h"
#include "remote/XmlDataSetParser1.h"
#include "remote/XmlDataSetParser2.h"

#include <set>

namespace services_test {
namespace {

using Row = remote::DataRow;

class Agreement : public StandInTest {
protected:
    /// Every flight row of `date` from the flight search, by flight number.
    std::map<std::string, Row> soapRows(const std::string& date) {
        std::map<std::string, Row> rows;
        for (int page = 1; page < 100; ++page) {
            auto answer = commands_->Flight_List03(date, "", "", "", "", std::to_string(page));
            if (remote::isNoMore(answer))
                break;
            remote::XmlDataSetParser2 parser("Table1");
            parser.parse(answer.value_or(""));
            for (const auto& r : parser.mXMLDataList())
                rows.emplace(col(r, "flightId"), r);
        }
        return rows;
    }
    nlohmann::json timetableEntries(const std::string& code, const std::string& type) {
        return nlohmann::json::parse(get(timetable(code, type)).body)["response"];
    }
    static bool lists(const std::vector<Row>& rows, const std::string& flight) {
        return std::any_of(rows.begin(), rows.end(), [&](const Row& r) {
            return col(r, "airFln") == flight || col(r, "flightId") == flight;
        });
    }
    static bool lists(const nlohmann::json& entries, const std::string& flight) {
        return std::any_of(entries.begin(), entries.end(), [&](const nlohmann::json& e) {
            return e["flight"]["iata_number"] == flight;
        });
    }
};

/// "yyyyMMddHHmm" from a timetable time, as the app derives it.
std::string derived(const nlohmann::json& side, const char* key) {
    if (!side.contains(key))
        return "";
    std::string text = side[key];
    std::erase_if(text, [](char c) { return c == '-' || c == ' ' || c == ':' || c == 'T'; });
    return text.substr(0, 12);
}

std::string text(const nlohmann::json& side, const char* key) {
    return side.contains(key) ? side[key].get<std::string>() : "";
}

TEST_F(Agreement, FeedsAndFlightRowsSayTheSameAtEveryMoment) {
    for (const char* now : {"2026-12-07T06:00:00+09:00", "2026-12-07T09:40:00+09:00",
                            "2026-12-07T14:30:00+09:00", "2026-12-07T21:00:00+09:00"}) {
        SCOPED_TRACE(now);
        clock_.set(now);
        auto rows = soapRows(kToday);
        ASSERT_GT(rows.size(), 150u);
        auto row = [&](const std::string& id) -> const Row& {
            static const Row none;
            auto it = rows.find(id);
            EXPECT_NE(it, rows.end()) << id;
            return it == rows.end() ? none : it->second;
        };
        int compared = 0;
        for (const Row& item : items(international(kDepartures))) {
            const Row& r = row(col(item, "flightId"));
            EXPECT_EQ(cols(item, {"gatenumber", "chkinrange", "estimatedDateTime"}),
                      cols(r, {"gatenumber", "chkinrange", "estimatedTime_Departure"}));
            if (col(r, "remark") != "도착" && col(r, "remark") != "회항") {
                EXPECT_EQ(col(item, "remark"), col(r, "remark")) << col(item, "flightId");
            }
            ++compared;
        }
        for (const Row& item : items(international(kArrivals))) {
            const Row& r = row(col(item, "flightId"));
            EXPECT_EQ(cols(item, {"gatenumber", "carousel", "exitnumber", "estimatedDateTime",
                                  "remark", "flightId"}),
                      cols(r, {"gatenumber", "carousel", "exitnumber", "estimatedTime_Arrival",
                               "remark", "flightId"}));
            ++compared;
        }
        for (const char* code : {"GMP", "CJU", "PUS", "TAE", "KWJ"}) {
            for (const Row& item : items(domestic("", "", code))) {
                const Row& r = row(col(item, "airFln"));
                bool out = col(item, "io") == "O";
                EXPECT_EQ(col(item, "gate"), col(r, out ? "gatenumber" : "exitnumber"));
                EXPECT_EQ(col(item, "etd"),
                          col(r, out ? "estimatedTime_Departure" : "estimatedTime_Arrival"));
                // A row follows the departure board until the flight leaves, then the
                // arrival board; a row of an arrival from abroad follows the arrival board.
                const std::string& remark = col(r, "remark");
                bool arrivalBoard = col(r, "flag") == "2" || remark == "출발" || remark == "도착" ||
                                    remark == "회항";
                if (out ? !arrivalBoard : arrivalBoard || remark == "결항") {
                    EXPECT_EQ(col(item, "rmkKor"), remark) << col(item, "airFln");
                }
                ++compared;
            }
        }
        for (const char* code : {"NRT", "LAX", "CJU", "ICN", "HND"}) {
            for (const auto& entry : timetableEntries(code, "arrival")) {
                std::string id = entry["flight"]["iata_number"];
                auto it = rows.find(id);
                const auto& dep = entry["departure"];
                const auto& arr = entry["arrival"];
                if (it == rows.end() ||
                    derived(dep, "scheduled_time") != col(it->second, "scheduleDate_Departure") +
                                                          col(it->second, "scheduleTime_Departure"))
                    continue; // the flight of another day
                const Row& r = it->second;
                EXPECT_EQ(
                    (Texts{derived(dep, "estimated_time"), derived(arr, "estimated_time"),
                           text(dep, "gate"), text(arr, "baggage"), text(arr, "terminal")}),
                    (Texts{col(r, "estimatedDate_Departure") + col(r, "estimatedTime_Departure"),
                           col(r, "estimatedDate_Arrival") + col(r, "estimatedTime_Arrival"),
                           col(r, "gatenumber"), col(r, "carousel"), col(r, "exitnumber")}))
                    << id;
                ++compared;
            }
        }
        EXPECT_GT(compared, 200);
    }
}

TEST_F(Agreement, ClassificationLeadsToAFeedThatListsTheFlight) {
    // The app asks City_View03 about a flight's two airports, then the source its decision
    // table names for the flight before departure and while in the air.
    struct Case {
        const char* flight;
        const char* from;
        const char* to;
        const char* flag;
        const char* departs; // on the Korean airports' clock
    };
    const Case cases[] = {
        {"KE1201", "GMP", "CJU", "1", "07:00"}, {"BX8101", "PUS", "CJU", "1", "07:30"},
        {"KE2101", "GMP", "HND", "2", "08:10"}, {"BX122", "PUS", "KIX", "2", "09:00"},
        {"KE703", "ICN", "NRT", "2", "09:00"},  {"KE2102", "HND", "GMP", "3", "11:30"},
        {"BX123", "KIX", "PUS", "3", "11:30"},  {"KE704", "NRT", "ICN", "3", "12:25"},
        {"CX524", "HKG", "NRT", "4", "09:00"},  {"JL5", "HND", "JFK", "4", "10:50"},
    };
    start("ontime"); // keeps the day's cancellation out of the way
    for (const Case& c : cases) {
        SCOPED_TRACE(c.flight);
        remote::XmlDataSetParser1 parser;
        parser.parse(commands_->City_View03(c.from, c.to).value_or(""));
        auto flags = remote::valuesOf(parser.mXMLDataList(), {"cityFlag"});
        ASSERT_FALSE(flags.empty());
        EXPECT_EQ(flags.front(), c.flag);
        std::string f = c.flag;
        clock_.set(std::string("2026-12-07T") + c.departs + ":00+09:00");
        clock_.advanceMinutes(-60);
        bool fromIncheon = std::string(c.from) == "ICN";
        if (f == "1")
            EXPECT_TRUE(lists(items(domestic("O", "D", c.from)), c.flight));
        else if (f == "2" && fromIncheon)
            EXPECT_TRUE(lists(items(international(kDepartures, c.to)), c.flight));
        else if (f == "2")
            EXPECT_TRUE(lists(items(domestic("O", "I", c.from)), c.flight));
        else
            EXPECT_TRUE(lists(timetableEntries(c.from, "departure"), c.flight));

        clock_.advanceMinutes(65);
        bool toIncheon = std::string(c.to) == "ICN";
        if (f == "1")
            EXPECT_TRUE(lists(items(domestic("I", "D", c.to)), c.flight));
        else if (f == "3" && toIncheon)
            EXPECT_TRUE(lists(items(international(kArrivals, c.from)), c.flight));
        else if (f == "3")
            EXPECT_TRUE(lists(items(domestic("I", "I", c.to)), c.flight));
        else
            EXPECT_TRUE(lists(timetableEntries(c.to, "arrival"), c.flight));
    }
}

TEST_F(Agreement, TrackingAFlightChangesItTwoMinutesLater) {
    auto evening = [&] {
        return rows(commands_->Flight_List04(kToday, "", "", "KE1215", "1", "1"));
    };
    auto before = evening();
    ASSERT_EQ(before.size(), 1u);
    ASSERT_EQ(col(before[0], "estimatedTime_Departure"), "1800");

    remote::FlightLogInput input;
    input.airportcodeDeparture = "GMP";
    input.airportcodeArrival = "CJU";
    input.scheduleDate = kToday;
    input.scheduleTime = "1800";
    input.flag = "1";
    input.logStatus = "1";
    ASSERT_TRUE(remote::isYes(commands_->Log_FilghtInput01(input)));

    clock_.advanceMinutes(1);
    EXPECT_EQ(evening(), before);
    clock_.advanceMinutes(1);
    auto after = evening();
    ASSERT_EQ(after.size(), 1u);
    // What tracking changes is ScenarioTest's; here, that the log starts it.
    EXPECT_EQ(col(after[0], "estimatedTime_Departure"), "1820");

    // A log of tracking that stopped starts nothing.
    input.scheduleTime = "1300";
    input.logStatus = "2";
    ASSERT_TRUE(remote::isYes(commands_->Log_FilghtInput01(input)));
    clock_.advanceMinutes(5);
    EXPECT_EQ(col(rows(commands_->Flight_List04(kToday, "", "", "KE1207", "1", "1"))[0],
                  "estimatedTime_Departure"),
              "1300");
}

TEST_F(Agreement, TheServicesDayFollowsTheClock) {
    EXPECT_EQ(standIn_->today(), kToday);
    clock_.set("2026-12-09T00:10:00+09:00");
    EXPECT_EQ(standIn_->today(), "20261209");
    auto first = rows(commands_->Flight_List03("", "", "", "", "", "1"));
    ASSERT_FALSE(first.empty());
    EXPECT_EQ(col(first[0], "scheduleDate"), "20261209");
    // Weeks later the timetable has moved along with the clock.
    clock_.set("2027-01-20T12:00:00+09:00");
    auto later = rows(commands_->Flight_List03("20270121", "", "", "", "", "1"));
    ASSERT_FALSE(later.empty());
    EXPECT_EQ(col(later[0], "scheduleDate"), "20270121");
    // Read in London, the Korean airports keep London's hour.
    clock_.set("2026-12-07T23:30:00+00:00");
    EXPECT_EQ(standIn_->today(), kToday);
}

} // namespace
} // namespace services_test
