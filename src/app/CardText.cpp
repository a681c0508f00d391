#include "app/CardText.h"

#include "flights/FlightText.h"

namespace app {
namespace {
std::string_view part(std::string_view s, std::size_t from, std::size_t n) {
    return from < s.size() ? s.substr(from, n) : std::string_view();
}
} // namespace

std::string cardTime(std::string_view t) {
    std::string out(part(t, 0, 2));
    out += ':';
    out += part(t, 2, 2);
    return out;
}

std::string cardDate(std::string_view d) {
    std::string out(part(d, 0, 4));
    out += '/';
    out += part(d, 4, 2);
    out += '/';
    out += part(d, 6, 2);
    return out;
}

std::string cardStatus(std::string_view remark) {
    // The card names statuses as the timetable feed stores them; no status reads "정보없음".
    return remark.empty() ? std::string("정보없음") : flights::timetableRemark(remark);
}

std::string cardValue(std::string_view value) {
    return value.empty() ? std::string("-") : std::string(value);
}

} // namespace app
