// The maker's flight-table answer (flights of other days) and airport classification.

#include "flights/AnswerFields.h"
#include "flights/FeedAnswers.h"
#include "remote/Answer.h"

namespace flights {

using detail::v;

std::optional<FlightUpdate> makerTableUpdate(const AnswerText& text, const TrackedFlight& t) {
    if (remote::isFailure(text))
        return std::nullopt;
    const auto pairs = detail::answerPairs(*text);
    auto first = [&](std::string_view key) { return detail::firstValue(pairs, key); };
    // The request names the tracked flight; rows of another flight say nothing about it.
    const auto flightId = first("flightId");
    if (flightId != v(t.FlightId_List))
        return std::nullopt;
    // A value the answer lacks (a document cut short, say) keeps the tracked one.
    auto valueOr = [&](std::string_view key, const TrackedFlight::List& tracked) {
        return first(key).value_or(v(tracked));
    };
    const std::string estimatedTime = first("estimatedTime_Departure").value_or("");

    ChangeMessage m;
    if (!v(t.EstimatedTime_Departure_List).empty()) {
        m.appendMonthDay(first("scheduleDate").value_or(""));
        const std::string name = first("airport_arrival").value_or("");
        const std::string destination =
            name.empty() ? first("airportcode_arrival").value_or("") : name;
        m.append(*flightId + " " + destination + "행\n\n");
        if (detail::firstFour(estimatedTime) !=
            detail::firstFour(v(t.EstimatedTime_Departure_List)))
            m.appendTime(estimatedTime, v(t.EstimatedTime_Departure_List));
    } else if (!first("estimatedDate_Departure").value_or("").empty()) {
        m.appendTime(estimatedTime, v(t.EstimatedTime_Departure_List));
    }
    auto c = detail::comparePairFields(m, pairs, t, true);
    if (!m.changed())
        return std::nullopt;

    return FlightUpdate{m.text(),
                        {valueOr("scheduleDate_Departure", t.ScheduleDate_Departure_List),
                         valueOr("scheduleTime_Departure", t.ScheduleTime_Departure_List),
                         valueOr("estimatedDate_Departure", t.EstimatedDate_Departure_List),
                         valueOr("estimatedTime_Departure", t.EstimatedTime_Departure_List), c.gate,
                         c.carousel, c.exit, c.remark, c.checkIn,
                         valueOr("scheduleDate_Arrival", t.ScheduleDate_Arrival_List),
                         valueOr("scheduleTime_Arrival", t.ScheduleTime_Arrival_List),
                         valueOr("estimatedDate_Arrival", t.EstimatedDate_Arrival_List),
                         valueOr("estimatedTime_Arrival", t.EstimatedTime_Arrival_List)},
                        t.key(),
                        m.changes()};
}

bool makerTableConfirms(const AnswerText& text) {
    return !remote::isFailure(text) &&
           detail::firstValue(detail::answerPairs(*text), "flightId").has_value();
}

std::optional<std::string> classificationFlag(const AnswerText& text) {
    if (remote::isFailure(text))
        return std::nullopt;
    return detail::firstValue(detail::answerPairs(*text), "cityFlag");
}

} // namespace flights
