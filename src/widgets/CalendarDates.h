#pragma once
// Calendar arithmetic on whole days for the month calendar.
//
// A day is its 00:00 GMT instant (`Day`), so every operation works in the Gregorian
// calendar at GMT and never meets a time-zone change. Weekdays are numbered 1 (Sunday) to
// 7 (Saturday). The calendar shows months as sections of whole weeks: section s is the
// month s months after the month of the first date, and its items run from the Sunday on or
// before the month's first day to the Saturday on or after its last day; items outside the
// month are blank.

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace platform {
class Clock;
}

namespace widgets {

using Day = std::chrono::sys_days;

/// An item of a section of the month grid.
struct IndexPath {
    int section = 0;
    int item = 0;
    bool operator==(const IndexPath&) const = default;
};

/// How the first section starts: with its month's first week (Plain), or with the week of
/// the first date (FromFirstDateWeek), where it still shows only days of that month.
enum class HeadStyle { Plain = 0, FromFirstDateWeek = 1 };

namespace dates {

/// Day 1 of the day's month.
Day firstDateOfMonth(Day d);
/// The last day of the day's month.
Day lastDateOfMonth(Day d);
/// The Sunday of the day's week.
Day firstDateOfWeek(Day d);
/// 1 (Sunday) to 7 (Saturday).
int weekday(Day d);
/// Sunday or Saturday.
bool isWeekend(Day d);
/// The month numbers are equal; the year is not compared.
bool isSameMonthWithDate(Day a, Day b);
int numberOfDaysInMonth(Day d);
/// Months shown from the month of `from` to the month of `to`, both included; 0 when `to`
/// lies in an earlier month.
int numberOfMonthsFromDate(Day from, Day to);
/// Days from the first day of `fromMonth`'s month to the last day of `toMonth`'s month,
/// both included.
int numberOfDaysFromMonth(Day fromMonth, Day toMonth);
/// Whole days from `from` to `to` (negative when `to` is earlier).
int numberOfNightsFromDate(Day from, Day to);

/// The first day of the month shown in `section`.
Day dateForFirstDayInSection(int section, Day firstDate);
/// Items (whole weeks) in `section`.
int numberOfItemsInSection(int section, Day firstDate, HeadStyle style = HeadStyle::Plain);
/// The day shown at an item, or nothing for a blank item or one outside the section.
std::optional<Day> dateAtIndexPath(IndexPath path, Day firstDate,
                                   HeadStyle style = HeadStyle::Plain);
/// Where a day is shown. The section is negative for a day before the first month.
IndexPath indexPathAtDate(Day date, Day firstDate, HeadStyle style = HeadStyle::Plain);

/// The user's local day now: the clock's instant moved by the local offset from GMT.
Day today(const platform::Clock& clock);
/// The day is the user's local day now.
bool isToday(Day d, const platform::Clock& clock);

/// Day of the month, month number and year.
unsigned dayOfMonth(Day d);
unsigned monthNumber(Day d);
int yearNumber(Day d);

/// "yyyyMMdd".
std::string formatCompact(Day d);
/// "yyyy-MM-dd", as date fields show a day.
std::string formatDashed(Day d);
/// Reads "yyyyMMdd" (exactly eight digits of a real date); nothing otherwise.
std::optional<Day> parseCompact(std::string_view text);

} // namespace dates
} // namespace widgets
