#pragma once
// The flight timetable of the airport service, generated from the scheduled services for a
// window of days around "today". Generation is deterministic: the same data and the same
// today always give the same rows.

#include "services/Dates.h"
#include "services/DemoData.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace services {

/// The columns of a flight row, in the order the answers carry them.
enum FlightColumn : std::size_t {
    Airline,
    FlightId,
    ScheduleDate,
    ScheduleDateDeparture,
    ScheduleTimeDeparture,
    EstimatedDateDeparture,
    EstimatedTimeDeparture,
    ScheduleDateArrival,
    ScheduleTimeArrival,
    EstimatedDateArrival,
    EstimatedTimeArrival,
    AirportName,
    AirportDeparture,
    AirportArrival,
    AirportCodeDeparture,
    AirportCodeArrival,
    GateNumber,
    Carousel,
    ExitNumber,
    Remark,
    ChkInRange,
    Flag,
    FlightColumnCount
};

/// Element names of the flight columns.
extern const std::array<const char*, FlightColumnCount> kFlightColumnNames;

/// Direction values of the `flag` column.
inline constexpr const char* kFlagDeparture = "1";
inline constexpr const char* kFlagArrival = "2";

/// One flight as the airport service lists it. A flight belongs to the day and time at its
/// Korean end: a flight from abroad into Korea is an arrival ("2") dated by its arrival;
/// every other flight is a departure ("1") dated by its departure.
struct Flight {
    std::array<std::string, FlightColumnCount> columns;
    std::string sortTime; ///< "HHmm" at the end that dates the flight
};

/// Rows whose schedule date lies from `today` - `daysBefore` to `today` + `daysAfter`: the
/// schedule and the gate, check-in counters, carousel and exit planned for it. Estimates and
/// remarks stay empty; the scenario engine tells where a flight stands at a given moment.
std::vector<Flight> buildTimetable(const DemoData& data, Date today, int daysBefore, int daysAfter);

/// The rows of `buildTimetable` whose schedule date is `day`, in the same order. A row does
/// not depend on the day it is built on.
std::vector<Flight> buildTimetableDay(const DemoData& data, Date day);

/// A well-spread hash of two texts; every choice the demo makes is read from one.
std::uint64_t mix(std::string_view a, std::string_view b);
/// A block of `f.counterBlock` check-in counters in one row, such as "C13-C24".
std::string counterRange(const Facility& f, std::uint64_t h);
/// An item of a non-empty list.
const std::string& pick(const std::vector<std::string>& values, std::uint64_t h);

} // namespace services
