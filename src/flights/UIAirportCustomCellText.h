#pragma once
// Pure text rules of the flight list row: the date line with its weekday, the times with
// their fallbacks, the status word and the empty-value dash.

#include "ui/Outlets.h"

#include <string>
#include <string_view>
#include <vector>

namespace flights {

/// Up to `n` bytes of `s` from `from`; empty past the end.
std::string_view textPart(std::string_view s, std::size_t from, std::size_t n);

/// Korean weekday name of a "yyyyMMdd" date ("일요일" … "토요일"); empty when the first
/// eight characters are not a date.
std::string cellWeekday(std::string_view yyyymmdd);
/// "yyyy.MM.dd/<weekday>".
std::string cellDate(std::string_view yyyymmdd);

/// The row's date line and its red weekday suffix.
struct CellDateLine {
    std::string text;
    std::vector<ui::TextRun> runs;
};
/// The departure date alone when the arrival date is empty or the same day; otherwise
/// " 출발일:<departure>  도착일:<arrival>". The weekday name at the end is red.
CellDateLine cellDateLine(std::string_view scheduleDate, std::string_view scheduleDateArrival);

/// "HH:MM" for a time of at least four characters; empty (absent) for a shorter one.
std::string cellTime(std::string_view hhmm);
/// The estimated time, or the scheduled one when there is no estimate, or empty.
std::string cellEstimatedTime(std::string_view estimated, std::string_view scheduled);
/// The status word shown for a remark. Differs from the main card: "active" reads "출발"
/// and Korean remarks pass through unchanged.
std::string cellStatus(std::string_view remark);
/// "-" for an empty value.
std::string cellValue(std::string_view value);

/// Rows on screens narrower than this use the small font.
inline constexpr double kCellNarrowWidth = 320;
inline constexpr double kCellSmallFont = 11;
/// Row background pictures: the first row, and every other row.
inline constexpr const char* kCellTopImageFirst = "menu2_list3_1.png";
inline constexpr const char* kCellTopImage = "menu2_list3_37.png";

} // namespace flights
