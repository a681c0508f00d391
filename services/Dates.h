#pragma once
// Calendar dates as the services write them ("yyyyMMdd") and the day arithmetic the
// timetable needs.

#include <optional>
#include <string>
#include <string_view>

namespace services {

/// A day of the proleptic Gregorian calendar.
struct Date {
    int year = 1970;
    int month = 1;
    int day = 1;

    /// Parses exactly eight digits "yyyyMMdd" naming a real day; nothing otherwise.
    static std::optional<Date> parse(std::string_view text);
    /// Days since 1970-01-01 (negative before).
    static Date fromDays(long days);

    long toDays() const;
    Date plusDays(long n) const { return fromDays(toDays() + n); }
    /// 1 = Monday ... 7 = Sunday.
    int isoWeekday() const;
    /// "yyyyMMdd".
    std::string text() const;

    friend bool operator==(const Date&, const Date&) = default;
};

/// Parses "HHmm" (00:00 to 23:59) into minutes after midnight.
std::optional<int> parseClock(std::string_view text);
/// Minutes after midnight (0..1439) as "HHmm".
std::string clockText(int minutes);

} // namespace services
