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
    if (!first("airline"))
        return std::nullopt;

    const auto flightId = first("flightId");
    const auto scheduled = first("scheduleDateTime");
    const auto estimated = first("estimatedDateTime");
    const bool departureSide = v(t.Io_List) == "1";

    ChangeMessage m;
    if (!v(t.EstimatedTime_Departure_List).empty() && flightId && *flightId == v(t.FlightId_List)) {
        if (scheduled && !scheduled->empty())
            m.appendMonthDayTime(v(t.ScheduleDate_Departure_List), *scheduled);
        m.append(" " + *flightId + " " + v(t.Airport_Arrival_List) + "행\n\n");
    }
    if (estimated) {
        const auto& trackedEstimate =
            departureSide ? v(t.EstimatedTime_Departure_List) : v(t.EstimatedTime_Arrival_List);
        if (*estimated != detail::firstFour(trackedEstimate))
            m.appendTime(*estimated);
    }
    auto remark = first("remark");
    if (remark)
        remark = collectedRemark(*remark);
    const auto gate = detail::compareField(m, ChangedField::Gate, first("gatenumber"),
                                           v(t.GateNumber_List), false);
    const auto carousel = detail::compareField(m, ChangedField::Carousel, first("carousel"),
                                               v(t.Carousel_List), false);
    const auto exit = detail::compareField(m, ChangedField::Exit, first("exitnumber"),
                                           v(t.ExitNumber_List), false);
    const auto status =
        detail::compareField(m, ChangedField::Status, remark, v(t.Remark_List), false);
    const auto checkIn = detail::compareField(m, ChangedField::CheckIn, first("chkinrange"),
                                              v(t.ChkInRange_List), false);
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

    FlightUpdate u{m.text(), {}, t.key()};
    auto& f = u.fields;
    f.scheduleDate_Departure = std::string(today);
    f.gatenumber = gate;
    f.carousel = carousel;
    f.exitnumber = exit;
    f.remark = status;
    f.chkinrange = checkIn;
    if (leavesHere) {
        f.scheduleTime_Departure = newScheduled;
        f.estimatedDate_Departure = std::string(today);
        f.estimatedTime_Departure = newEstimate;
        f.scheduleDate_Arrival = v(t.ScheduleDate_Arrival_List);
        f.scheduleTime_Arrival = v(t.ScheduleTime_Arrival_List);
        f.estimatedDate_Arrival = v(t.EstimatedDate_Arrival_List);
        f.estimatedTime_Arrival = v(t.EstimatedTime_Arrival_List);
    } else {
        f.scheduleTime_Departure = v(t.ScheduleTime_Departure_List);
        f.estimatedDate_Departure = v(t.EstimatedDate_Departure_List);
        f.estimatedTime_Departure = v(t.EstimatedTime_Departure_List);
        f.scheduleDate_Arrival = std::string(today);
        f.scheduleTime_Arrival = newScheduled;
        f.estimatedDate_Arrival = std::string(today);
        f.estimatedTime_Arrival = newEstimate;
    }
    return u;
}

} // namespace flights
