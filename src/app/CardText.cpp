#include "app/CardText.h"

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
    if (remark.empty() || remark == "scheduled" || remark == "unknown")
        return "정보없음";
    if (remark == "active" || remark == "출발")
        return "운항중";
    if (remark == "cancelled")
        return "취소";
    if (remark == "diverted")
        return "회항";
    if (remark == "landed")
        return "착륙";
    return std::string(remark);
}

std::string cardValue(std::string_view value) {
    return value.empty() ? std::string("-") : std::string(value);
}

} // namespace app
