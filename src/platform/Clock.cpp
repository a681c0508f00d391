#include "platform/Clock.h"

#include <cstdio>
#include <ctime>

namespace platform {

TimePoint SystemClock::now() const {
    return std::chrono::time_point_cast<std::chrono::milliseconds>(
        std::chrono::system_clock::now());
}

int SystemClock::utcOffsetSeconds(TimePoint at) const {
    std::time_t t = std::chrono::duration_cast<std::chrono::seconds>(at.time_since_epoch()).count();
    std::tm local{};
    localtime_r(&t, &local);
    return static_cast<int>(local.tm_gmtoff);
}

LocalTime toLocal(const Clock& clock, TimePoint at) {
    using namespace std::chrono;
    auto local = at + seconds(clock.utcOffsetSeconds(at));
    auto days = floor<std::chrono::days>(local);
    year_month_day ymd{sys_days(days)};
    auto rest = duration_cast<seconds>(local - days);
    LocalTime t;
    t.year = static_cast<int>(ymd.year());
    t.month = static_cast<int>(static_cast<unsigned>(ymd.month()));
    t.day = static_cast<int>(static_cast<unsigned>(ymd.day()));
    t.hour = static_cast<int>(rest.count() / 3600);
    t.minute = static_cast<int>(rest.count() / 60 % 60);
    t.second = static_cast<int>(rest.count() % 60);
    t.weekday = static_cast<int>(weekday{sys_days(days)}.c_encoding());
    return t;
}

std::string formatLocal(const Clock& clock, TimePoint at, std::string_view pattern) {
    const LocalTime t = toLocal(clock, at);
    std::string out;
    char buf[16];
    for (std::size_t i = 0; i < pattern.size();) {
        auto token = [&](std::string_view tok) { return pattern.substr(i, tok.size()) == tok; };
        int value = -1, width = 2;
        std::size_t len = 1;
        if (token("yyyy")) {
            value = t.year, width = 4, len = 4;
        } else if (token("MM")) {
            value = t.month, len = 2;
        } else if (token("dd")) {
            value = t.day, len = 2;
        } else if (token("HH")) {
            value = t.hour, len = 2;
        } else if (token("mm")) {
            value = t.minute, len = 2;
        } else if (token("ss")) {
            value = t.second, len = 2;
        }
        if (value >= 0) {
            std::snprintf(buf, sizeof buf, "%0*d", width, value);
            out += buf;
        } else {
            out += pattern[i];
        }
        i += len;
    }
    return out;
}

bool parseIsoInstant(std::string_view s, TimePoint& at, int& offset) {
    int y, mo, d, h, mi, sec, n = 0;
    std::string text(s);
    if (std::sscanf(text.c_str(), "%4d-%2d-%2dT%2d:%2d:%2d%n", &y, &mo, &d, &h, &mi, &sec, &n) != 6)
        return false;
    std::string_view zone = s.substr(static_cast<std::size_t>(n));
    int off = 0;
    if (zone == "Z") {
        off = 0;
    } else if (zone.size() == 6 && (zone[0] == '+' || zone[0] == '-') && zone[3] == ':') {
        int zh, zm;
        if (std::sscanf(std::string(zone.substr(1)).c_str(), "%2d:%2d", &zh, &zm) != 2)
            return false;
        off = (zh * 3600 + zm * 60) * (zone[0] == '-' ? -1 : 1);
    } else {
        return false;
    }
    using namespace std::chrono;
    year_month_day ymd{year(y), month(static_cast<unsigned>(mo)), day(static_cast<unsigned>(d))};
    if (!ymd.ok() || h > 23 || mi > 59 || sec > 60 || h < 0 || mi < 0 || sec < 0)
        return false;
    auto local = sys_days(ymd) + hours(h) + minutes(mi) + seconds(sec);
    at = time_point_cast<milliseconds>(local - seconds(off));
    offset = off;
    return true;
}

} // namespace platform
