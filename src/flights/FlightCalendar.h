#pragma once
/// @file
/// The tracked flights as a calendar file for the desktop's calendar: one event per flight,
/// departure and arrival in their airports' time zones, rewritten whenever the tracked
/// flights change.

#include <string>
#include <string_view>

namespace platform {
class Clock;
}

namespace flights {

/// File name of the calendar inside the app's data folder.
inline constexpr std::string_view kCalendarFileName = "flights.ics";

/// Rewrites the calendar file at icsPath from every tracked flight in the database; false
/// (and a log line) when it cannot, leaving the old file in place. The events are stamped
/// with @p clock's time.
bool writeFlightCalendar(const std::string& databaseFile, const std::string& icsPath,
                         const platform::Clock& clock);
/// The same, stamped with the system clock's time.
bool writeFlightCalendar(const std::string& databaseFile, const std::string& icsPath);

} // namespace flights
