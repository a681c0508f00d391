#include "flights/UIAirportCustomCellText.h"

#include "app/CardText.h"
#include "widgets/CalendarDates.h"

namespace flights {
namespace {

constexpr ui::Color kRed{1, 0, 0, 1};

} // namespace

std::string_view textPart(std::string_view s, std::size_t from, std::size_t n) {
    return from < s.size() ? s.substr(from, n) : std::string_view();
}

std::string cellWeekday(std::string_view date) {
    static constexpr const char* kNames[] = {"일요일", "월요일", "화요일", "수요일",
                                             "목요일", "금요일", "토요일"};
    const auto day = widgets::dates::parseCompact(textPart(date, 0, 8));
    return day ? kNames[widgets::dates::weekday(*day) - 1] : "";
}

std::string cellDate(std::string_view date) {
    std::string out(textPart(date, 0, 4));
    out += '.';
    out += textPart(date, 4, 2);
    out += '.';
    out += textPart(date, 6, 2);
    out += '/';
    out += cellWeekday(date);
    return out;
}

CellDateLine cellDateLine(std::string_view scheduleDate, std::string_view arrival) {
    CellDateLine line;
    std::string_view last = scheduleDate;
    if (arrival.empty() || arrival == textPart(scheduleDate, 0, 8)) {
        line.text = cellDate(scheduleDate);
    } else {
        line.text = " 출발일:" + cellDate(scheduleDate) + "  도착일:" + cellDate(arrival);
        last = arrival;
    }
    const int name = ui::characterCount(cellWeekday(last));
    if (name > 0)
        line.runs.push_back(ui::TextRun{ui::characterCount(line.text) - name, name, false, kRed});
    return line;
}

std::string cellTime(std::string_view t) {
    if (t.size() < 4)
        return {};
    std::string out(t.substr(0, 2));
    out += ':';
    out += t.substr(2, 2);
    return out;
}

std::string cellEstimatedTime(std::string_view estimated, std::string_view scheduled) {
    std::string shown = cellTime(estimated);
    return shown.empty() ? cellTime(scheduled) : shown;
}

std::string cellStatus(std::string_view remark) {
    // The list names an active flight "출발", where the main card says "운항중".
    if (remark == "active" || remark == "출발")
        return "출발";
    return app::cardStatus(remark);
}

std::string cellValue(std::string_view value) {
    return app::cardValue(value);
}

} // namespace flights
