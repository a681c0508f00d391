// The worldwide timetable feed's answer (JSON).

#include "flights/AnswerFields.h"
#include "flights/FeedAnswers.h"
#include "remote/Answer.h"

#include <nlohmann/json.hpp>

namespace flights {

using detail::v;
using json = nlohmann::json;

namespace {

// The text under @p key of an object, or nothing (no such key, or not text).
std::optional<std::string> textAt(const json& object, std::string_view key) {
    if (!object.is_object())
        return std::nullopt;
    auto it = object.find(key);
    if (it == object.end() || !it->is_string())
        return std::nullopt;
    return it->get<std::string>();
}

const json& objectAt(const json& object, std::string_view key) {
    static const json none;
    if (!object.is_object())
        return none;
    auto it = object.find(key);
    return it == object.end() ? none : *it;
}

} // namespace

DateAndTime timetableDateAndTime(std::string_view value) {
    std::string digits;
    for (const char c : value)
        if (c != '-' && c != ' ' && c != ':' && c != 'T')
            digits += c;
    return {std::string(chars(digits, 0, 8)), std::string(chars(digits, 8, 4))};
}

TimetableOutcome timetableUpdate(const AnswerText& text, const TrackedFlight& t) {
    TimetableOutcome out;
    if (remote::isFailure(text))
        return out;
    json answer;
    try {
        answer = json::parse(*text);
    } catch (const json::exception& e) {
        out.error = e.what();
        return out;
    }
    const json& entries = objectAt(answer, "response");
    if (!entries.is_array())
        return out;
    out.confirms = true;
    const json* match = nullptr;
    for (const auto& entry : entries) {
        if (textAt(objectAt(entry, "flight"), "iata_number") == v(t.FlightId_List) &&
            textAt(objectAt(entry, "departure"), "iata_code") == v(t.AirportCode_Departure_List) &&
            textAt(objectAt(entry, "arrival"), "iata_code") == v(t.AirportCode_Arrival_List)) {
            match = &entry;
            break;
        }
    }
    if (!match)
        return out;

    const json& departure = objectAt(*match, "departure");
    const json& arrival = objectAt(*match, "arrival");
    auto when = [](const json& side, std::string_view key) {
        return timetableDateAndTime(textAt(side, key).value_or(""));
    };
    const DateAndTime scheduledDeparture = when(departure, "scheduled_time");
    const DateAndTime estimatedDeparture = when(departure, "estimated_time");
    const DateAndTime scheduledArrival = when(arrival, "scheduled_time");
    const DateAndTime estimatedArrival = when(arrival, "estimated_time");
    std::optional<std::string> remark;
    if (auto status = textAt(*match, "status")) {
        remark = timetableRemark(*status);
        out.statusUnknown = status->empty();
    }

    ChangeMessage m;
    const auto& trackedEstimate = v(t.EstimatedTime_Departure_List);
    if (!trackedEstimate.empty()) {
        if (!scheduledDeparture.date.empty())
            m.appendMonthDay(scheduledDeparture.date);
        const auto& name = v(t.Airport_Arrival_List);
        m.append(" " + v(t.FlightId_List) + " " +
                 (name.empty() ? v(t.AirportCode_Arrival_List) : name) + "행\n\n");
        if (charCount(estimatedDeparture.time) >= 4 &&
            detail::firstFour(estimatedDeparture.time) != detail::firstFour(trackedEstimate))
            m.appendTime(estimatedDeparture.time, trackedEstimate);
    } else if (!estimatedDeparture.date.empty()) {
        m.appendTime(estimatedDeparture.time, trackedEstimate);
    }
    // Gate, carousel and exit are empty when the entry lacks them, and that counts.
    const auto gate = detail::compareField(
        m, ChangedField::Gate, textAt(departure, "gate").value_or(""), v(t.GateNumber_List), true);
    const auto carousel =
        detail::compareField(m, ChangedField::Carousel, textAt(arrival, "baggage").value_or(""),
                             v(t.Carousel_List), true);
    const auto exit =
        detail::compareField(m, ChangedField::Exit, textAt(arrival, "terminal").value_or(""),
                             v(t.ExitNumber_List), true);
    const auto status =
        detail::compareField(m, ChangedField::Status, remark, v(t.Remark_List), true);
    if (!m.changed())
        return out;

    out.update = FlightUpdate{m.text(),
                              {scheduledDeparture.date, scheduledDeparture.time,
                               estimatedDeparture.date, estimatedDeparture.time, gate, carousel,
                               exit, status, v(t.ChkInRange_List), scheduledArrival.date,
                               scheduledArrival.time, estimatedArrival.date, estimatedArrival.time},
                              t.key(),
                              m.changes()};
    return out;
}

} // namespace flights
