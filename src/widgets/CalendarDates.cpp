#include "widgets/CalendarDates.h"

#include "platform/Clock.h"

#include <cstdio>

namespace widgets::dates {

using namespace std::chrono;

namespace {

year_month_day ymd(Day d) {
    return year_month_day{d};
}

year_month monthOf(Day d) {
    const auto v = ymd(d);
    return v.year() / v.month();
}

bool sameYearAndMonth(Day a, Day b) {
    return monthOf(a) == monthOf(b);
}

std::string format(Day d, const char* pattern) {
    const auto v = ymd(d);
    char text[16];
    std::snprintf(text, sizeof text, pattern, static_cast<int>(v.year()),
                  static_cast<unsigned>(v.month()), static_cast<unsigned>(v.day()));
    return text;
}

} // namespace

Day firstDateOfMonth(Day d) {
    return sys_days{monthOf(d) / 1};
}

Day lastDateOfMonth(Day d) {
    return sys_days{monthOf(d) / last};
}

Day firstDateOfWeek(Day d) {
    return d - days{std::chrono::weekday{d}.c_encoding()};
}

int weekday(Day d) {
    return static_cast<int>(std::chrono::weekday{d}.c_encoding()) + 1;
}

bool isWeekend(Day d) {
    const int w = weekday(d);
    return w == 1 || w == 7;
}

bool isSameMonthWithDate(Day a, Day b) {
    return ymd(a).month() == ymd(b).month();
}

int numberOfDaysInMonth(Day d) {
    return static_cast<int>(static_cast<unsigned>(year_month_day_last{monthOf(d) / last}.day()));
}

int numberOfMonthsFromDate(Day from, Day to) {
    const int months = static_cast<int>((monthOf(to) - monthOf(from)).count()) + 1;
    return months > 0 ? months : 0;
}

int numberOfDaysFromMonth(Day fromMonth, Day toMonth) {
    return static_cast<int>((lastDateOfMonth(toMonth) - firstDateOfMonth(fromMonth)).count()) + 1;
}

int numberOfNightsFromDate(Day from, Day to) {
    return static_cast<int>((to - from).count());
}

Day dateForFirstDayInSection(int section, Day firstDate) {
    return sys_days{(monthOf(firstDate) + months{section}) / 1};
}

int numberOfItemsInSection(int section, Day firstDate, HeadStyle style) {
    const Day first = dateForFirstDayInSection(section, firstDate);
    const Day lastDay = lastDateOfMonth(first);
    if (style == HeadStyle::FromFirstDateWeek && section == 0)
        return weekday(firstDate) + 7 - weekday(lastDay) +
               numberOfNightsFromDate(firstDate, lastDay);
    return weekday(first) + 6 - weekday(lastDay) + numberOfDaysInMonth(first);
}

std::optional<Day> dateAtIndexPath(IndexPath path, Day firstDate, HeadStyle style) {
    if (path.section < 0 || path.item < 0 ||
        path.item >= numberOfItemsInSection(path.section, firstDate, style))
        return std::nullopt;
    if (style == HeadStyle::FromFirstDateWeek && path.section == 0) {
        const Day d = firstDateOfWeek(firstDate) + days{path.item};
        return sameYearAndMonth(d, firstDate) ? std::optional<Day>(d) : std::nullopt;
    }
    const Day first = dateForFirstDayInSection(path.section, firstDate);
    const int leading = weekday(first) - 1;
    if (path.item < leading || path.item >= leading + numberOfDaysInMonth(first))
        return std::nullopt;
    return first + days{path.item - leading};
}

IndexPath indexPathAtDate(Day date, Day firstDate, HeadStyle style) {
    const int section = static_cast<int>((monthOf(date) - monthOf(firstDate)).count());
    if (style == HeadStyle::FromFirstDateWeek && section == 0)
        return {0, numberOfNightsFromDate(firstDateOfWeek(firstDate), date)};
    return {section, weekday(firstDateOfMonth(date)) + static_cast<int>(dayOfMonth(date)) - 2};
}

Day today(const platform::Clock& clock) {
    const auto now = clock.now();
    return floor<days>(now + seconds{clock.utcOffsetSeconds(now)});
}

bool isToday(Day d, const platform::Clock& clock) {
    return d == today(clock);
}

unsigned dayOfMonth(Day d) {
    return static_cast<unsigned>(ymd(d).day());
}

unsigned monthNumber(Day d) {
    return static_cast<unsigned>(ymd(d).month());
}

int yearNumber(Day d) {
    return static_cast<int>(ymd(d).year());
}

std::string formatCompact(Day d) {
    return format(d, "%04d%02u%02u");
}

std::string formatDashed(Day d) {
    return format(d, "%04d-%02u-%02u");
}

std::optional<Day> parseCompact(std::string_view text) {
    if (text.size() != 8)
        return std::nullopt;
    int values[3] = {0, 0, 0};
    const int widths[3] = {4, 2, 2};
    std::size_t at = 0;
    for (int part = 0; part < 3; ++part)
        for (int i = 0; i < widths[part]; ++i, ++at) {
            const char c = text[at];
            if (c < '0' || c > '9')
                return std::nullopt;
            values[part] = values[part] * 10 + (c - '0');
        }
    const year_month_day v{year{values[0]}, month{static_cast<unsigned>(values[1])},
                           day{static_cast<unsigned>(values[2])}};
    if (!v.ok())
        return std::nullopt;
    return sys_days{v};
}

} // namespace widgets::dates
