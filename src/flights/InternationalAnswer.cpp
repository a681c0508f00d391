// The international-airport feed's answer.

#include "flights/AnswerFields.h"
#include "flights/FeedAnswers.h"
#include "remote/Answer.h"

namespace flights {

using detail::v;

std::optional<FlightUpdate> internationalUpdate(const AnswerText& text, const TrackedFlight& t,
                                                std::string_view today) {
    if (remote::isFailure(text))
        return std::nullopt;
    const auto pairs = detail::answerPairs(*text);
    auto first = [&](std::string_view key) { return detail::firstValue(pairs, key); };
    const auto flightId = first("flightId");
    // The request names the tracked flight; an answer about another flight, or about none,
    // says nothing about it.
    if (!first("airline") || flightId != v(t.FlightId_List))
        return std::nullopt;

    const auto scheduled = first("scheduleDateTime");
    const auto estimated = first("estimatedDateTime");
    const bool departureSide = v(t.Io_List) == "1";

    ChangeMessage m;
    if (!v(t.EstimatedTime_Departure_List).empty()) {
        if (scheduled && !scheduled->empty())
            m.appendMonthDayTime(v(t.ScheduleDate_Departure_List), *scheduled);
        m.append(" " + *flightId + " " + v(t.Airport_Arrival_List) + "행\n\n");
    }
    if (estimated) {
        const auto& trackedEstimate =
            departureSide ? v(t.EstimatedTime_Departure_List) : v(t.EstimatedTime_Arrival_List);
        if (*estimated != detail::firstFour(trackedEstimate))
            m.appendTime(*estimated, trackedEstimate);
    }
    auto compared = detail::comparePairFields(m, pairs, t, false);
    if (!m.changed())
        return std::nullopt;

    // Which side the two times belong to follows the airport, as the request did.
    const bool leavesHere = v(t.AirportCode_Departure_List) == kInternationalAirport;
    const auto& keptScheduled =
        leavesHere ? v(t.ScheduleTime_Departure_List) : v(t.ScheduleTime_Arrival_List);
    const auto& keptEstimate =
        leavesHere ? v(t.EstimatedTime_Departure_List) : v(t.EstimatedTime_Arrival_List);
    const std::string newScheduled = scheduled && !scheduled->empty() ? *scheduled : keptScheduled;
    const std::string newEstimate = estimated ? *estimated : keptEstimate;

    return FlightUpdate{
        m.text(),
        detail::sideUpdate(t, leavesHere, today, newScheduled, newEstimate, std::move(compared)),
        t.key(), m.changes()};
}

bool feedAnswerConfirms(const AnswerText& text) {
    // The header comes first and both Korean feeds write it so; an error answer carries
    // another code and no items.
    return !remote::isFailure(text) &&
           text->find("<resultCode>00</resultCode>") != std::string::npos;
}

} // namespace flights
