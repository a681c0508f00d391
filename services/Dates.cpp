#include "services/Dates.h"

#include <chrono>
#include <cstdio>

namespace services {
namespace {

bool allDigits(std::string_view text) {
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    return true;
}

int number(std::string_view digits) {
    int value = 0;
    for (char c : digits)
        value = value * 10 + (c - '0');
    return value;
}

} // namespace

std::optional<Date> Date::parse(std::string_view text) {
    if (text.size() != 8 || !allDigits(text))
        return std::nullopt;
    Date date{number(text.substr(0, 4)), number(text.substr(4, 2)), number(text.substr(6, 2))};
    std::chrono::year_month_day ymd{std::chrono::year(date.year),
                                    std::chrono::month(static_cast<unsigned>(date.month)),
                                    std::chrono::day(static_cast<unsigned>(date.day))};
    if (!ymd.ok())
        return std::nullopt;
    return date;
}

Date Date::fromDays(long days) {
    std::chrono::year_month_day ymd{std::chrono::sys_days(std::chrono::days(days))};
    return Date{static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
                static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

long Date::toDays() const {
    std::chrono::year_month_day ymd{std::chrono::year(year),
                                    std::chrono::month(static_cast<unsigned>(month)),
                                    std::chrono::day(static_cast<unsigned>(day))};
    return std::chrono::sys_days(ymd).time_since_epoch().count();
}

int Date::isoWeekday() const {
    std::chrono::weekday wd{std::chrono::sys_days(std::chrono::days(toDays()))};
    return static_cast<int>(wd.iso_encoding());
}

std::string Date::text() const {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d%02d%02d", year % 10000, month, day);
    return buf;
}

std::optional<int> parseClock(std::string_view text) {
    if (text.size() != 4 || !allDigits(text))
        return std::nullopt;
    int hours = number(text.substr(0, 2));
    int minutes = number(text.substr(2, 2));
    if (hours > 23 || minutes > 59)
        return std::nullopt;
    return hours * 60 + minutes;
}

std::string clockText(int minutes) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02d%02d", (minutes / 60) % 24, minutes % 60);
    return buf;
}

} // namespace services
