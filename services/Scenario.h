#pragma once
// The scenario engine: where each flight of the timetable stands at a moment of the stand-in's
// clock. A flight's state is a pure function of its schedule, the scenario, the moment, and
// the moment someone started tracking it; nothing is worked out ahead, so starting costs
// nothing and any moment can be asked about in any order.

#include "services/Clock.h"
#include "services/DemoData.h"
#include "services/Timetable.h"

#include <array>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace services {

enum class ScenarioKind {
    /// Delays, gate and check-in counter changes, early and late arrivals, one cancellation
    /// and one diversion a day, and a change shortly after a flight starts being tracked.
    Demo,
    /// Every flight boards, leaves and lands as scheduled; nothing else changes.
    OnTime,
};

/// "demo" or "ontime"; nothing for another name.
std::optional<ScenarioKind> scenarioNamed(std::string_view name);
std::string_view scenarioName(ScenarioKind kind);

/// A timetable row placed on the home clock.
struct FlightSchedule {
    std::string flightId;
    std::string scheduleDate;
    const Airport* from = nullptr;
    const Airport* to = nullptr;
    HomeMinute departure = 0; ///< scheduled
    HomeMinute arrival = 0;   ///< scheduled
    bool inbound = false;     ///< from abroad into Korea: the row of the arrival ("2")
    /// As the timetable planned them; the gate is the one the flight's Korean end shows.
    std::string gate, checkIn, carousel, exit;
};

enum class Phase { Scheduled, Boarding, FinalCall, Departed, Arrived, Cancelled, Diverted };

struct FlightState {
    Phase phase = Phase::Scheduled;
    bool delayed = false; ///< a later departure has been announced
    /// The expected (after departure: actual) times: the scheduled ones unless a change was
    /// announced.
    HomeMinute departure = 0, arrival = 0;
    std::string gate, checkIn;
    std::string carousel, exit; ///< shown from shortly before landing
};

/// The flight numbers of a day's cancellation and diversion (empty when there is none).
struct Disruptions {
    std::string cancelled;
    std::string diverted;
};

/// How long after tracking starts the demo scenario changes the tracked flight.
inline constexpr int kTrackedReactionMinutes = 2;

class Scenario {
public:
    /// `data` must outlive the scenario.
    Scenario(const DemoData& data, ScenarioKind kind);

    ScenarioKind kind() const { return kind_; }
    const DemoData& data() const { return data_; }

    /// Places a timetable row on the home clock; nothing for a row with unknown airports or
    /// unreadable times.
    std::optional<FlightSchedule> schedule(const Flight& flight) const;

    /// The cancelled and the diverted flight among those dated `day`. The cancelled one
    /// leaves a Korean airport, the diverted one flies between two.
    Disruptions disruptions(Date day) const;

    /// Where `flight` stands at `now`; `trackedSince` is when someone started tracking it.
    FlightState stateAt(const FlightSchedule& flight, HomeMinute now,
                        std::optional<HomeMinute> trackedSince = std::nullopt) const;

    /// The minutes before departure at which boarding starts.
    static int boardingLead(const FlightSchedule& flight);

private:
    struct Change {
        HomeMinute at;
        int minutes;       // delay or arrival shift
        std::string value; // gate or counters
    };
    struct Plan {
        std::vector<Change> delays, arrivalShifts, gates, counters;
        std::optional<HomeMinute> cancelledAt;
        bool diverted = false;
    };

    Plan plan(const FlightSchedule& flight, std::optional<HomeMinute> trackedSince) const;
    void reactToTracking(const FlightSchedule& flight, Plan& plan, HomeMinute at) const;
    FlightState evaluate(const FlightSchedule& flight, const Plan& plan, HomeMinute now) const;
    std::string otherGate(const FlightSchedule& flight, const std::string& current,
                          std::uint64_t h) const;

    const DemoData& data_;
    ScenarioKind kind_;
    // Per ISO weekday (index 0 = Monday): the routes leaving a Korean airport, and those of
    // them between two Korean airports; the day's disruptions are drawn from these.
    std::array<std::vector<const Route*>, 7> leaving_, domestic_;
};

/// The scenario together with the flights people track. Not thread-safe: the caller
/// serialises access.
class LiveFlights {
public:
    LiveFlights(const DemoData& data, ScenarioKind kind) : scenario_(data, kind) {}

    const Scenario& scenario() const { return scenario_; }

    /// Notes that tracking of `flight` started at `at`; a later start changes nothing.
    void track(const Flight& flight, HomeMinute at);
    std::optional<HomeMinute> trackedSince(const Flight& flight) const;

    /// The flight's schedule and state at `now`; nothing for a row the scenario cannot place.
    std::optional<std::pair<FlightSchedule, FlightState>> at(const Flight& flight,
                                                             HomeMinute now) const;

private:
    Scenario scenario_;
    std::map<std::string, HomeMinute> tracked_;
};

/// Hands out the live flights, making them the first time they are asked for.
using LiveSource = std::function<LiveFlights&()>;

} // namespace services
