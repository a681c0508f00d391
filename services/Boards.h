#pragma once
// What each source says about a flight in a given state: the remarks of the Korean
// airports' boards and of the maker's flight table, the worldwide timetable's status words,
// and the live columns of a flight row.

#include "services/Scenario.h"

#include <string>
#include <string_view>

namespace services {

/// The remark the departure airport's board shows: "", "지연", "탑승중", "탑승마감", "출발",
/// "결항".
std::string_view departureRemark(const FlightState& state);
/// The remark the arrival airport's board shows: "", "지연", "출발" (in the air), "도착",
/// "회항", "결항".
std::string_view arrivalRemark(const FlightState& state);
/// The remark of the maker's flight table: an arrival row (from abroad into Korea) follows
/// the arrival board; any other row follows the departure board until the flight leaves and
/// the arrival board from then on.
std::string_view rowRemark(const FlightSchedule& flight, const FlightState& state);
/// "scheduled", "active", "landed", "cancelled" or "diverted".
std::string_view timetableStatus(const FlightState& state);

/// The local date and time of a home-clock minute at `airport`.
LocalMoment localAt(const Airport& airport, HomeMinute minute);

/// Writes the state into the row's estimated dates and times, gate, carousel, exit, remark
/// and check-in counters.
void applyState(Flight& row, const FlightSchedule& flight, const FlightState& state);

} // namespace services
