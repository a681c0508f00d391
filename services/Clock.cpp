#include "services/Clock.h"

#include <ctime>

namespace services {
namespace {

long long floorDiv(long long a, long long b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

} // namespace

ClockReading systemClockReading() {
    ClockReading reading;
    reading.at =
        std::chrono::time_point_cast<std::chrono::milliseconds>(std::chrono::system_clock::now());
    std::time_t t = std::chrono::system_clock::to_time_t(reading.at);
    std::tm local{};
    localtime_r(&t, &local);
    reading.utcOffsetSeconds = static_cast<int>(local.tm_gmtoff);
    return reading;
}

HomeMinute homeMinute(const ClockReading& reading) {
    long long seconds =
        floorDiv(reading.at.time_since_epoch().count(), 1000) + reading.utcOffsetSeconds;
    return floorDiv(seconds, 60);
}

HomeMinute homeMinute(Date localDate, int minuteOfDay, int offsetFromHome) {
    return localDate.toDays() * 1440LL + minuteOfDay - offsetFromHome;
}

LocalMoment localMoment(HomeMinute minute, int offsetFromHome) {
    long long local = minute + offsetFromHome;
    long long days = floorDiv(local, 1440);
    return LocalMoment{Date::fromDays(static_cast<long>(days)),
                       static_cast<int>(local - days * 1440)};
}

} // namespace services
