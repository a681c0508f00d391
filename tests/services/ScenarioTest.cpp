// The scenario engine: where flights stand at moments of the home clock, in both scenarios,
// and how tracking a flight changes it.

#include "services/Scenario.h"
#include "services/Boards.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

namespace services_test {
namespace {

using namespace services;

constexpr const char* kDay = "20261207"; // a Monday
using Texts = std::vector<std::string>;

class ScenarioTest : public ::testing::Test {
protected:
    /// The flight `id` dated kDay, placed on the home clock.
    FlightSchedule flight(const std::string& id) {
        for (const Flight& f : flights_)
            if (f.columns[FlightId] == id)
                return *Scenario(data_, ScenarioKind::OnTime).schedule(f);
        ADD_FAILURE() << "no flight " << id;
        return {};
    }
    /// "HHmm" on kDay, on the home clock.
    static HomeMinute at(std::string_view clock) {
        return homeMinute(*Date::parse(kDay), *parseClock(clock));
    }

    DemoData data_ = DemoData::load();
    std::vector<Flight> flights_ = buildTimetable(data_, *Date::parse(kDay), 0, 0);
    Scenario demo_{data_, ScenarioKind::Demo};
    Scenario onTime_{data_, ScenarioKind::OnTime};
};

TEST_F(ScenarioTest, FlightsBoardLeaveAndLandOnTimeOrByTheDemoDaysScript) {
    struct Expected {
        bool demo;
        const char *id, *when;
        Texts state; // local departure, gate, check-in, flight row remark, timetable status,
                     // carousel
    };
    const Expected table[] = {
        // Seoul to Tokyo: boarding 40 minutes before, closing 10 before; no carousel abroad.
        {false, "KE703", "0819", {"0900", "132", "H13-H24", "", "scheduled", ""}},
        {false, "KE703", "0820", {"0900", "132", "H13-H24", "탑승중", "scheduled", ""}},
        {false, "KE703", "0850", {"0900", "132", "H13-H24", "탑승마감", "scheduled", ""}},
        {false, "KE703", "0900", {"0900", "132", "H13-H24", "출발", "active", ""}},
        {false, "KE703", "1120", {"0900", "132", "H13-H24", "도착", "landed", ""}},
        // Tokyo to Seoul: the row follows Incheon's arrivals board; the carousel is shown
        // half an hour before landing.
        {false, "KE704", "1224", {"1225", "2", "", "", "scheduled", ""}},
        {false, "KE704", "1225", {"1225", "2", "", "출발", "active", ""}},
        {false, "KE704", "1430", {"1225", "2", "", "출발", "active", "15"}},
        {false, "KE704", "1500", {"1225", "2", "", "도착", "landed", "15"}},
        // A domestic flight boards 25 minutes before.
        {false, "KE1201", "0634", {"0700", "4", "C17-C24", "", "scheduled", ""}},
        {false, "KE1201", "0635", {"0700", "4", "C17-C24", "탑승중", "scheduled", ""}},
        // The demo's 7 December: a delay and a gate change of KE703, a counter change of
        // KE1206, the day's cancellation (OZ8901) and diversion (OZ8902).
        {true, "KE703", "0727", {"0900", "132", "H13-H24", "", "scheduled", ""}},
        {true, "KE703", "0728", {"0935", "132", "H13-H24", "지연", "scheduled", ""}},
        {true, "KE703", "0730", {"0935", "252", "H13-H24", "지연", "scheduled", ""}},
        {true, "KE703", "0855", {"0935", "252", "H13-H24", "탑승중", "scheduled", ""}},
        {true, "KE703", "0935", {"0935", "252", "H13-H24", "출발", "active", ""}},
        {true, "KE703", "1155", {"0935", "252", "H13-H24", "도착", "landed", ""}},
        {true, "KE1206", "0814", {"1130", "16", "D01-D08", "", "scheduled", ""}},
        {true, "KE1206", "0815", {"1130", "16", "A09-A16", "", "scheduled", ""}},
        {true, "OZ8901", "0459", {"0730", "16", "B09-B16", "", "scheduled", ""}},
        {true, "OZ8901", "0500", {"0730", "16", "B09-B16", "결항", "cancelled", ""}},
        {true, "OZ8902", "0945", {"0900", "17", "A01-A08", "출발", "active", "6"}},
        {true, "OZ8902", "0946", {"0900", "17", "A01-A08", "회항", "diverted", ""}},
        {true, "OZ8902", "1800", {"0900", "17", "A01-A08", "회항", "diverted", ""}},
    };
    for (const Expected& e : table) {
        const FlightSchedule f = flight(e.id);
        const FlightState s = (e.demo ? demo_ : onTime_).stateAt(f, at(e.when));
        EXPECT_EQ(
            (Texts{std::string(localAt(*f.from, s.departure).clock()), s.gate, s.checkIn,
                   std::string(rowRemark(f, s)), std::string(timetableStatus(s)), s.carousel}),
            e.state)
            << e.id << " at " << e.when;
    }
}

TEST_F(ScenarioTest, EveryFlightMovesOnlyForwardAndEachDayHasOneCancellationAndOneDiversion) {
    int delayed = 0, regated = 0, recountered = 0;
    for (int d = 0; d < 7; ++d) {
        const Date day = Date::parse(kDay)->plusDays(d);
        int cancelled = 0, diverted = 0;
        for (const Flight& row : buildTimetable(data_, day, 0, 0)) {
            FlightSchedule f = *demo_.schedule(row);
            SCOPED_TRACE(day.text() + " " + f.flightId);
            FlightState first = demo_.stateAt(f, f.departure - 12 * 60);
            FlightState previous = first;
            for (HomeMinute t = f.departure - 12 * 60; t <= f.arrival + 12 * 60; ++t) {
                FlightState s = demo_.stateAt(f, t);
                ASSERT_GE(static_cast<int>(s.phase), static_cast<int>(previous.phase)) << t;
                ASSERT_GE(s.departure, f.departure);
                // A changed departure is announced before boarding starts.
                if (previous.phase >= Phase::Boarding && previous.phase <= Phase::Departed) {
                    ASSERT_EQ(s.departure, previous.departure) << t;
                }
                ASSERT_TRUE(s.carousel.empty() || s.phase == Phase::Departed ||
                            s.phase == Phase::Arrived);
                previous = s;
            }
            const FlightState& last = previous;
            EXPECT_EQ(last.carousel.empty(), f.carousel.empty() || last.phase != Phase::Arrived);
            EXPECT_EQ(onTime_.stateAt(f, f.arrival + 24 * 60).phase, Phase::Arrived);
            // Each flight lands, or is cancelled (from home) or diverted (within the country).
            cancelled += last.phase == Phase::Cancelled;
            diverted += last.phase == Phase::Diverted;
            EXPECT_TRUE(
                last.phase == Phase::Arrived ||
                (f.from->domestic() && (last.phase == Phase::Cancelled ||
                                        (last.phase == Phase::Diverted && f.to->domestic()))));
            if (d == 0) {
                delayed += last.departure > f.departure;
                regated += last.gate != first.gate;
                recountered += last.checkIn != first.checkIn;
            }
        }
        EXPECT_EQ(cancelled, 1) << day.text();
        EXPECT_EQ(diverted, 1) << day.text();
    }
    // Enough happens for a person watching to notice.
    EXPECT_GT(delayed, 15);
    EXPECT_GT(regated, 10);
    EXPECT_GT(recountered, 5);
    EXPECT_EQ(onTime_.disruptions(*Date::parse(kDay)).cancelled, "");
}

TEST_F(ScenarioTest, TrackingAFlightChangesItTwoMinutesLater) {
    // Before boarding: twenty minutes later and at another gate.
    FlightSchedule evening = flight("KE1215");
    HomeMinute tracked = at("0930");
    FlightState untracked = demo_.stateAt(evening, at("0932"));
    FlightState before = demo_.stateAt(evening, at("0931"), tracked);
    FlightState after = demo_.stateAt(evening, at("0932"), tracked);
    EXPECT_EQ(std::tie(before.departure, before.gate),
              std::tie(untracked.departure, untracked.gate));
    EXPECT_EQ(std::tuple(after.departure, after.arrival),
              std::tuple(untracked.departure + 20, untracked.arrival + 20));
    EXPECT_NE(after.gate, untracked.gate);
    EXPECT_EQ(rowRemark(evening, after), "지연");
    // Boarding then starts twenty minutes later too.
    EXPECT_EQ(demo_.stateAt(evening, at("1735"), tracked).phase, Phase::Scheduled);
    EXPECT_EQ(demo_.stateAt(evening, at("1755"), tracked).phase, Phase::Boarding);

    // In the air: expected ten minutes earlier.
    FlightSchedule angeles = flight("KE017");
    FlightState flying = demo_.stateAt(angeles, at("1602"));
    ASSERT_EQ(flying.phase, Phase::Departed);
    EXPECT_EQ(demo_.stateAt(angeles, at("1602"), at("1600")).arrival, flying.arrival - 10);

    // Boarding or just landed: nothing to change.
    FlightSchedule boarding = flight("KE1207");
    EXPECT_EQ(demo_.stateAt(boarding, at("1245"), at("1240")).departure,
              demo_.stateAt(boarding, at("1245")).departure);
    FlightSchedule landing = flight("KE1201");
    EXPECT_EQ(demo_.stateAt(landing, at("0900"), at("0750")).arrival,
              demo_.stateAt(landing, at("0900")).arrival);
    // The on-time scenario ignores tracking.
    EXPECT_EQ(onTime_.stateAt(evening, at("0932"), tracked).departure, evening.departure);

    // Only the first tracking counts.
    LiveFlights live(data_, ScenarioKind::Demo);
    auto row = std::find_if(flights_.begin(), flights_.end(),
                            [](const Flight& f) { return f.columns[FlightId] == "KE1215"; });
    live.track(*row, tracked);
    live.track(*row, at("1200"));
    EXPECT_EQ(live.trackedSince(*row), tracked);
    EXPECT_EQ(live.at(*row, at("0932"))->second.departure, evening.departure + 20);
}

} // namespace
} // namespace services_test
