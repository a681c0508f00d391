// The calendar file of the tracked flights, parsed back with the calendar library.

#include "flights/FlightCalendar.h"
#include "TempDir.h"
#include "flights/AirportZones.h"
#include "flights/FlightStatements.h"
#include "platform/Clock.h"
#include "storage/DBClass.h"

#include <gtest/gtest.h>
#include <libical/ical.h>

#include <algorithm>
#include <array>
#include <fstream>
#include <memory>
#include <set>
#include <sstream>

using flights::AirportInfo;

namespace {

constexpr time_t kNow = 1796601600;

// Flight number, airports, departure date and time, live departure date and time, arrival
// date and time, live arrival time.
using Flight = std::array<std::string, 10>;
constexpr AirportInfo::Field kFields[] = {AirportInfo::FlightId,
                                          AirportInfo::AirportCode_Departure,
                                          AirportInfo::AirportCode_Arrival,
                                          AirportInfo::ScheduleDate_Departure,
                                          AirportInfo::ScheduleTime_Departure,
                                          AirportInfo::EstimatedDate_Departure,
                                          AirportInfo::EstimatedTime_Departure,
                                          AirportInfo::ScheduleDate_Arrival,
                                          AirportInfo::ScheduleTime_Arrival,
                                          AirportInfo::EstimatedTime_Arrival};

flights::FlightKey keyOf(const Flight& f) {
    return {f[1], f[2], f[0], f[3]};
}

struct Calendar : ::testing::Test {
    void SetUp() override {
        db.ConnectDB();
        db.createDatabase();
    }
    void track(const Flight& f) {
        AirportInfo info;
        for (std::size_t i = 0; i < f.size(); ++i)
            info.set(kFields[i], f[i]);
        info.setSScheduleDate(f[3]);
        ASSERT_EQ(db.InsertUpdateDeleteExcuteQuery(flights::insertFlightStatement(info)), "0");
    }
    std::string text() const {
        std::stringstream out;
        out << std::ifstream(ics).rdbuf();
        return out.str();
    }
    // Writes the file and parses it back: its events in file order.
    std::vector<icalcomponent*> write() {
        EXPECT_TRUE(flights::writeFlightCalendar(db.databaseFile(), ics, clock));
        parsed.reset(icalparser_parse_string(text().c_str()));
        std::vector<icalcomponent*> events;
        for (auto* e = icalcomponent_get_first_component(parsed.get(), ICAL_VEVENT_COMPONENT); e;
             e = icalcomponent_get_next_component(parsed.get(), ICAL_VEVENT_COMPONENT))
            events.push_back(e);
        return events;
    }

    testing_support::TempDir dir;
    storage::DBClass db{storage::DBClass::databasePath(dir.str())};
    std::string ics = dir.file(std::string(flights::kCalendarFileName));
    platform::VirtualClock clock{platform::TimePoint(std::chrono::seconds(kNow)), 0};
    std::unique_ptr<icalcomponent, void (*)(icalcomponent*)> parsed{nullptr, icalcomponent_free};
};

// "<local time> <zone> <UTC instant>", or "<local time> floating".
std::string when(icalcomponent* event, icalproperty_kind kind) {
    const icaltimetype t = kind == ICAL_DTSTART_PROPERTY ? icalcomponent_get_dtstart(event)
                                                         : icalcomponent_get_dtend(event);
    icalparameter* tzid = icalproperty_get_first_parameter(
        icalcomponent_get_first_property(event, kind), ICAL_TZID_PARAMETER);
    if (!tzid)
        return icaltime_as_ical_string(t) + std::string(" floating");
    std::string zone = icalparameter_get_tzid(tzid);
    if (!icalcomponent_get_timezone(icalcomponent_get_parent(event), zone.c_str()))
        return zone + " is not defined in the file";
    // A globally unique id ("/authority/Asia/Seoul") ends in the zone's name.
    zone.erase(0, zone.starts_with('/') ? zone.find('/', 1) + 1 : 0);
    return icaltime_as_ical_string(t) + (" " + zone + " ") +
           icaltime_as_ical_string(icaltime_convert_to_zone(t, icaltimezone_get_utc_timezone()));
}

} // namespace

TEST_F(Calendar, EventsRunFromDepartureToArrivalInTheAirportsZones) {
    const struct {
        Flight flight;
        std::string start, end;
    } cases[] = {
        // across midnight without an arrival date: the next day
        {{"KE705", "ICN", "NRT", "20261231", "2330", "", "", "", "0150", ""},
         "20261231T233000 Asia/Seoul 20261231T143000Z",
         "20270101T015000 Asia/Tokyo 20261231T165000Z"},
        // the arrival date the row carries wins over the clocks
        {{"KE018", "LAX", "ICN", "20261206", "2330", "", "", "20261208", "0500", ""},
         "20261206T233000 America/Los_Angeles 20261207T073000Z",
         "20261208T050000 Asia/Seoul 20261207T200000Z"},
        // eastward over the date line: an earlier clock time is still a later instant
        {{"KE017", "ICN", "LAX", "20261207", "1430", "", "", "", "0930", ""},
         "20261207T143000 Asia/Seoul 20261207T053000Z",
         "20261207T093000 America/Los_Angeles 20261207T173000Z"},
        // live times replace the schedule, the departure on its own changed date
        {{"OZ102", "ICN", "NRT", "20261207", "2200", "20261208", "0115", "", "0030", "0330"},
         "20261208T011500 Asia/Seoul 20261207T161500Z",
         "20261208T033000 Asia/Tokyo 20261207T183000Z"},
        {{"ZZ1", "XXX", "YYY", "20261207", "0800", "", "", "", "0700", ""},
         "20261207T080000 floating",
         "20261208T070000 floating"},
    };
    for (const auto& c : cases)
        track(c.flight);
    const auto events = write();
    ASSERT_EQ(events.size(), std::size(cases));
    for (icalcomponent* e : events) {
        const std::string summary = icalcomponent_get_summary(e);
        const auto& c = *std::find_if(std::begin(cases), std::end(cases), [&](const auto& c) {
            return summary.starts_with(c.flight[0] + " ");
        });
        EXPECT_EQ(when(e, ICAL_DTSTART_PROPERTY), c.start) << summary;
        EXPECT_EQ(when(e, ICAL_DTEND_PROPERTY), c.end) << summary;
    }
}

TEST_F(Calendar, RewritesKeepEachFlightsUidAndDropUntrackedFlights) {
    const Flight today{"KE705", "ICN", "NRT", "20261231", "2330", "", "", "", "0150", ""};
    Flight tomorrow = today;
    tomorrow[3] = "20270101";
    track(today);
    track(tomorrow);
    const auto uids = [&] {
        std::set<std::string> out;
        for (icalcomponent* e : write())
            out.insert(icalcomponent_get_uid(e));
        return out;
    };
    const auto first = uids();
    EXPECT_EQ(first.size(), 2u); // the same flight a day later is another event
    EXPECT_EQ(icaltime_as_timet(icalcomponent_get_dtstamp(write()[0])), kNow);

    db.InsertUpdateDeleteExcuteQuery(flights::refreshFlightStatement(
        {"20261231", "2330", "20261231", "2355", "15", "3", "B", "", "A01-A12", "", "0150", "", ""},
        keyOf(today)));
    EXPECT_EQ(uids(), first);
    EXPECT_STREQ(icalcomponent_get_location(write()[0]), "ICN 게이트 15");
    EXPECT_STREQ(icalcomponent_get_description(write()[0]),
                 "체크인카운터: A01-A12\n수화물수취대: 3\n출구번호: B");

    for (const Flight& f : {today, tomorrow})
        db.InsertUpdateDeleteExcuteQuery(flights::deleteFlightStatement(keyOf(f)));
    EXPECT_TRUE(write().empty());

    // A database that cannot be read leaves the file as it was.
    const std::string before = text();
    EXPECT_FALSE(flights::writeFlightCalendar(dir.file("missing/db.sqlite3"), ics));
    EXPECT_EQ(text(), before);
}

TEST(AirportZones, EveryDemoAirportHasAZoneWithItsStandardOffset) {
    std::ifstream csv(TAMBERLINOVE_TEST_DATA "/../../services/data/airports.csv");
    int airports = 0;
    for (std::string line; std::getline(csv, line);) {
        if (line.empty() || line[0] == '#' || line.starts_with("cityCode"))
            continue;
        const std::string code = line.substr(0, 3);
        icaltimezone* zone =
            icaltimezone_get_builtin_timezone(std::string(flights::airportZone(code)).c_str());
        ASSERT_TRUE(zone) << code;
        // Standard time is the smaller offset of midwinter and midsummer.
        auto offset = [&](const char* at) {
            icaltimetype t = icaltime_from_string(at);
            return icaltimezone_get_utc_offset(zone, &t, nullptr);
        };
        EXPECT_EQ(std::min(offset("20260115T120000"), offset("20260715T120000")),
                  60 * std::stoi(line.substr(line.rfind(',') + 1)))
            << code;
        ++airports;
    }
    EXPECT_GT(airports, 100);
}
