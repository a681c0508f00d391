#pragma once
/// @file
/// Texts of the flight refresh: the change alert and its lines, status words, and slicing
/// of dates and times that never reads past the end of a short value.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace flights {

/// Title and only button of the change alert.
inline constexpr std::string_view kChangeTitle = "정보변경";
inline constexpr std::string_view kChangeButton = "확인";

/// Remarks the refresh decides on.
inline constexpr std::string_view kRemarkInFlight = "운항중";
inline constexpr std::string_view kRemarkDeparted = "출발";
/// The international airport whose own feed serves its flights of the day.
inline constexpr std::string_view kInternationalAirport = "ICN";

/// Characters [from, from + count) of a UTF-8 text, counted in code points; shorter (or
/// empty) when the text ends first.
std::string_view chars(std::string_view text, std::size_t from, std::size_t count);
/// Number of code points of a UTF-8 text.
std::size_t charCount(std::string_view text);
/// True when @p bytes is well-formed UTF-8.
bool isValidUtf8(std::string_view bytes);

/// The fields a change alert lists after the time, in the order they are listed; Time is
/// the "변경시간" line that comes before them.
enum class ChangedField { Gate, Carousel, Exit, Status, CheckIn, Time };

/// The word an alert line names a field by ("게이트번호", "변경시간", ...).
std::string_view fieldWord(ChangedField field);

/// One announced change: the field, the tracked value before and the value announced.
struct FieldChange {
    ChangedField field;
    std::string before, after;

    bool operator==(const FieldChange&) const = default;
};

/// The change message M and its change flag.
///
/// A date or time too short for what a line cuts from it is never shown in part: the
/// "MM월 dd일 HH시 mm분 " and "MM월 dd일" pieces are left out when the date has fewer than
/// eight characters (or the time fewer than four), and a time line is not written, nor
/// counted as a change, for a time of fewer than four characters.
class ChangeMessage {
public:
    /// Appends "MM월 dd일 HH시 mm분 " (month and day of a yyyyMMdd date, hour and minute of
    /// an HHmm time).
    void appendMonthDayTime(std::string_view date, std::string_view time);
    /// Appends "MM월 dd일".
    void appendMonthDay(std::string_view date);
    /// Appends header text as it stands (the flight and destination part).
    void append(std::string_view text) { text_.append(text); }
    /// Appends "변경시간:HH:mm\n" and sets the flag; returns false (and changes nothing) for a
    /// time shorter than four characters. @p before is the tracked time it replaces.
    bool appendTime(std::string_view time, std::string_view before);
    /// Appends the field's line with @p value and sets the flag; @p before is the tracked
    /// value it replaces.
    void appendField(ChangedField field, std::string_view value, std::string_view before);

    [[nodiscard]] bool changed() const { return changed_; }
    [[nodiscard]] const std::string& text() const { return text_; }
    /// The lines written, in the order of the message.
    [[nodiscard]] const std::vector<FieldChange>& changes() const { return changes_; }

private:
    std::string text_;
    std::vector<FieldChange> changes_;
    bool changed_ = false;
};

/// The remark stored for a status word of the timetable feed.
std::string timetableRemark(std::string_view status);
/// The remark a Korean feed's status word is kept as: "출발" becomes "운항중".
std::string collectedRemark(std::string_view remark);

/// What a status word means, for the badge a view draws it on.
enum class StatusTone { Other, UnderWay, Boarding, Delayed, Diverted, Cancelled, Arrived, Unknown };

/// The tone of a status word as the card, the lists and the feeds write it ("결항" and
/// "취소" both mean cancelled); Other for a word of no known meaning or none.
StatusTone statusTone(std::string_view word);
/// The tone's name as views know it: "other", "underWay", "boarding", "delayed", "diverted",
/// "cancelled", "arrived", "unknown".
std::string_view toneName(StatusTone tone);

/// The leading integer of a text as a number ("0930" → 930); 0 without leading digits.
long leadingInteger(std::string_view text);

} // namespace flights
