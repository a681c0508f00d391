#include "services/Scenario.h"

#include <algorithm>

namespace services {
namespace {

// Minutes, all on the home clock.
constexpr int kFinalCall = 10;     // boarding closes this long before departure
constexpr int kBaggageNotice = 30; // carousel and exit are shown this long before landing
constexpr int kCancellationNotice = 150;
constexpr int kTrackedDelay = 20;   // the delay a tracked flight gets before boarding
constexpr int kTrackedEarlier = 10; // how much earlier a tracked flight in the air lands
constexpr int kReactionMargin = 5;  // no tracked change this close to boarding or landing
constexpr int kArrivalShifts[] = {-15, -10, -5, 5, 10};

std::string key(const Flight& flight) {
    return flight.columns[FlightId] + "|" + flight.columns[ScheduleDate];
}

} // namespace

std::optional<ScenarioKind> scenarioNamed(std::string_view name) {
    if (name == "demo")
        return ScenarioKind::Demo;
    if (name == "ontime")
        return ScenarioKind::OnTime;
    return std::nullopt;
}

std::string_view scenarioName(ScenarioKind kind) {
    return kind == ScenarioKind::Demo ? "demo" : "ontime";
}

std::optional<FlightSchedule> Scenario::schedule(const Flight& flight) const {
    const auto& c = flight.columns;
    FlightSchedule s;
    s.from = data_.airport(c[AirportCodeDeparture]);
    s.to = data_.airport(c[AirportCodeArrival]);
    auto departureDate = Date::parse(c[ScheduleDateDeparture]);
    auto departureTime = parseClock(c[ScheduleTimeDeparture]);
    auto arrivalDate = Date::parse(c[ScheduleDateArrival]);
    auto arrivalTime = parseClock(c[ScheduleTimeArrival]);
    if (!s.from || !s.to || !departureDate || !departureTime || !arrivalDate || !arrivalTime ||
        !Date::parse(c[ScheduleDate]))
        return std::nullopt;
    s.flightId = c[FlightId];
    s.scheduleDate = c[ScheduleDate];
    s.departure = homeMinute(*departureDate, *departureTime, s.from->offsetFromHome());
    s.arrival = homeMinute(*arrivalDate, *arrivalTime, s.to->offsetFromHome());
    s.inbound = c[Flag] == kFlagArrival;
    s.gate = c[GateNumber];
    s.checkIn = c[ChkInRange];
    s.carousel = c[Carousel];
    s.exit = c[ExitNumber];
    return s;
}

Scenario::Scenario(const DemoData& data, ScenarioKind kind) : data_(data), kind_(kind) {
    for (const Route& route : data_.routes) {
        const Airport* from = data_.airport(route.from);
        const Airport* to = data_.airport(route.to);
        if (!from || !to || !from->domestic())
            continue;
        for (char weekday : route.days) {
            std::size_t i = static_cast<std::size_t>(weekday - '1');
            leaving_[i].push_back(&route);
            if (to->domestic())
                domestic_[i].push_back(&route);
        }
    }
}

Disruptions Scenario::disruptions(Date day) const {
    if (kind_ != ScenarioKind::Demo)
        return {};
    // Flights leaving a Korean airport are dated by their departure, so the routes flown on
    // the day's weekday are the day's flights.
    std::size_t weekday = static_cast<std::size_t>(day.isoWeekday() - 1);
    const auto& domestic = domestic_[weekday];
    const auto& leaving = leaving_[weekday];
    Disruptions d;
    std::string dayText = day.text();
    if (!domestic.empty())
        d.diverted = domestic[mix(dayText, "diverted") % domestic.size()]->flightId;
    // The cancellation is drawn among the others.
    std::size_t others = leaving.size() - (d.diverted.empty() ? 0 : 1);
    if (others == 0)
        return d;
    std::size_t pick = mix(dayText, "cancelled") % others;
    for (const Route* route : leaving) {
        if (route->flightId == d.diverted)
            continue;
        if (pick-- == 0) {
            d.cancelled = route->flightId;
            break;
        }
    }
    return d;
}

int Scenario::boardingLead(const FlightSchedule& flight) {
    return flight.from->domestic() && flight.to->domestic() ? 25 : 40;
}

std::string Scenario::otherGate(const FlightSchedule& flight, const std::string& current,
                                std::uint64_t h) const {
    const Facility* f = data_.facility(flight.inbound ? flight.to->code : flight.from->code);
    if (!f || f->gates.size() < 2)
        return current;
    std::size_t i = h % f->gates.size();
    return f->gates[i] == current ? f->gates[(i + 1) % f->gates.size()] : f->gates[i];
}

Scenario::Plan Scenario::plan(const FlightSchedule& flight,
                              std::optional<HomeMinute> trackedSince) const {
    Plan p;
    if (kind_ != ScenarioKind::Demo)
        return p;
    std::optional<Date> dated = Date::parse(flight.scheduleDate);
    Disruptions day = dated ? disruptions(*dated) : Disruptions{};
    if (flight.flightId == day.cancelled) {
        p.cancelledAt = flight.departure - kCancellationNotice;
        return p;
    }
    p.diverted = flight.flightId == day.diverted;

    const std::uint64_t h = mix(flight.flightId, flight.scheduleDate);
    const HomeMinute sd = flight.departure;
    int delay = 0;
    if (h % 5 == 0) {
        delay = 15 + 5 * static_cast<int>((h >> 8) % 16);
        p.delays.push_back({sd - 60 - static_cast<HomeMinute>((h >> 16) % 120), delay, {}});
    }
    if ((h >> 24) % 6 == 0) {
        std::string gate = otherGate(flight, flight.gate, h >> 32);
        if (gate != flight.gate)
            p.gates.push_back({sd - 45 - static_cast<HomeMinute>((h >> 28) % 75), 0, gate});
    }
    if (const Facility* f = data_.facility(flight.from->code); f && (h >> 40) % 8 == 0) {
        std::string counters = counterRange(*f, h >> 44);
        if (counters != flight.checkIn)
            p.counters.push_back(
                {sd - 150 - static_cast<HomeMinute>((h >> 48) % 90), 0, std::move(counters)});
    }
    if ((h >> 52) % 4 == 0)
        p.arrivalShifts.push_back({sd + delay + (flight.arrival - flight.departure) / 2,
                                   kArrivalShifts[(h >> 56) % 5],
                                   {}});
    if (trackedSince)
        reactToTracking(flight, p, *trackedSince + kTrackedReactionMinutes);
    return p;
}

void Scenario::reactToTracking(const FlightSchedule& flight, Plan& p, HomeMinute at) const {
    // Someone watching a flight should see it change soon: before boarding it is delayed and
    // moved to another gate; in the air it is expected earlier.
    FlightState s = evaluate(flight, p, at);
    if (s.phase == Phase::Scheduled && at < s.departure - boardingLead(flight) - kReactionMargin) {
        p.delays.push_back({at, kTrackedDelay, {}});
        std::string gate = otherGate(flight, s.gate, mix(flight.flightId, "tracked"));
        if (gate != s.gate)
            p.gates.push_back({at, 0, gate});
    } else if (s.phase == Phase::Departed && at < s.arrival - kBaggageNotice - kReactionMargin) {
        p.arrivalShifts.push_back({at, -kTrackedEarlier, {}});
    }
}

FlightState Scenario::evaluate(const FlightSchedule& flight, const Plan& p, HomeMinute now) const {
    auto latest = [now](const std::vector<Change>& changes, const std::string& planned) {
        const Change* last = nullptr;
        for (const Change& c : changes)
            if (c.at <= now && (!last || c.at >= last->at))
                last = &c;
        return last ? last->value : planned;
    };
    auto sum = [now](const std::vector<Change>& changes) {
        int total = 0;
        for (const Change& c : changes)
            if (c.at <= now)
                total += c.minutes;
        return total;
    };

    FlightState s;
    s.gate = latest(p.gates, flight.gate);
    s.checkIn = latest(p.counters, flight.checkIn);
    int delay = sum(p.delays);
    s.delayed = delay > 0;
    s.departure = flight.departure + delay;
    s.arrival = flight.arrival + delay + sum(p.arrivalShifts);
    if (p.cancelledAt && now >= *p.cancelledAt) {
        s.phase = Phase::Cancelled;
        return s;
    }
    if (now < s.departure - boardingLead(flight))
        s.phase = Phase::Scheduled;
    else if (now < s.departure - kFinalCall)
        s.phase = Phase::Boarding;
    else if (now < s.departure)
        s.phase = Phase::FinalCall;
    else if (p.diverted && now >= s.departure + (s.arrival - s.departure) * 2 / 3)
        s.phase = Phase::Diverted;
    else if (now < s.arrival)
        s.phase = Phase::Departed;
    else
        s.phase = Phase::Arrived;
    if ((s.phase == Phase::Departed || s.phase == Phase::Arrived) &&
        now >= s.arrival - kBaggageNotice) {
        s.carousel = flight.carousel;
        s.exit = flight.exit;
    }
    return s;
}

FlightState Scenario::stateAt(const FlightSchedule& flight, HomeMinute now,
                              std::optional<HomeMinute> trackedSince) const {
    return evaluate(flight, plan(flight, trackedSince), now);
}

void LiveFlights::track(const Flight& flight, HomeMinute at) {
    tracked_.emplace(key(flight), at);
}

std::optional<HomeMinute> LiveFlights::trackedSince(const Flight& flight) const {
    auto it = tracked_.find(key(flight));
    return it == tracked_.end() ? std::nullopt : std::optional<HomeMinute>(it->second);
}

std::optional<std::pair<FlightSchedule, FlightState>> LiveFlights::at(const Flight& flight,
                                                                      HomeMinute now) const {
    std::optional<FlightSchedule> schedule = scenario_.schedule(flight);
    if (!schedule)
        return std::nullopt;
    FlightState state = scenario_.stateAt(*schedule, now, trackedSince(flight));
    return std::make_pair(std::move(*schedule), std::move(state));
}

} // namespace services
