#pragma once
// The stand-in's clock. The program reads the system clock; the app's demo mode hands in its
// own clock, so that moving the app's time moves the stand-in's world too. The demo's Korean
// airports keep the reader's local time: a person watching the app anywhere sees the boards
// at their own hour, and foreign airports keep their distance from Korea.

#include "services/Dates.h"

#include <chrono>
#include <functional>

namespace services {

using Instant = std::chrono::sys_time<std::chrono::milliseconds>;

struct ClockReading {
    Instant at{};
    int utcOffsetSeconds = 0; ///< the reader's local time zone, east positive
};

/// Read from the server's threads, concurrently with whatever moves the clock.
using ClockFunction = std::function<ClockReading()>;

/// The system clock and the process's time zone.
ClockReading systemClockReading();

/// Minutes since 1970-01-01 00:00 on the home clock (the Korean airports' local time).
using HomeMinute = long long;

HomeMinute homeMinute(const ClockReading& reading);
/// The home-clock minute of a local date and minute of the day at an airport that keeps
/// `offsetFromHome` minutes ahead of the home clock.
HomeMinute homeMinute(Date localDate, int minuteOfDay, int offsetFromHome = 0);

/// A home-clock minute seen at an airport `offsetFromHome` minutes ahead of home.
struct LocalMoment {
    Date date;
    int minuteOfDay = 0;
    /// "HHmm".
    std::string clock() const { return clockText(minuteOfDay); }
};
LocalMoment localMoment(HomeMinute minute, int offsetFromHome = 0);

} // namespace services
