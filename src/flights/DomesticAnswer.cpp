// The domestic-airports feed's answer: one row per flight movement.

#include "flights/AnswerFields.h"
#include "flights/FeedAnswers.h"
#include "remote/Answer.h"
#include "remote/XmlDataSetParser2.h"

namespace flights {

using detail::v;

std::vector<remote::DataRow> domesticRows(const AnswerText& text) {
    if (remote::isFailure(text))
        return {};
    remote::XmlDataSetParser2 parser("item");
    parser.parse(*text);
    return parser.mXMLDataList();
}

bool isTrackedRow(const remote::DataRow& row, const TrackedFlight& t) {
    return row.value("airFln") == v(t.FlightId_List);
}

std::optional<FlightUpdate> domesticRowUpdate(const remote::DataRow& row, const TrackedFlight& t,
                                              std::string_view today) {
    const std::string flightId(row.value("airFln"));
    const std::string scheduled(row.value("std"));
    const std::string estimated(row.value("etd"));
    const std::string_view gate = row.value("gate");
    const std::string_view status = row.value("rmkKor");
    const bool departureRow = row.value("io") == "O";

    ChangeMessage m;
    m.appendMonthDayTime(v(t.ScheduleDate_List), scheduled);
    m.append(" " + flightId + " " + v(t.Airport_Arrival_List) + "행\n\n");

    // An empty value is no news: it never counts, and never replaces what is stored.
    auto takeOver = [&](ChangedField field, std::string_view value, const std::string& tracked) {
        if (value.empty() || value == tracked)
            return tracked;
        m.appendField(field, value, tracked);
        return std::string(value);
    };
    const auto& trackedEstimate =
        departureRow ? v(t.EstimatedTime_Departure_List)
                     : std::string(detail::firstFour(v(t.EstimatedTime_Arrival_List)));
    if (!estimated.empty() && estimated != trackedEstimate)
        m.appendTime(estimated, trackedEstimate);
    const std::string newGate = departureRow
                                    ? takeOver(ChangedField::Gate, gate, v(t.GateNumber_List))
                                    : v(t.GateNumber_List);
    const std::string newExit = departureRow
                                    ? v(t.ExitNumber_List)
                                    : takeOver(ChangedField::Exit, gate, v(t.ExitNumber_List));
    // "출발" (departed) says nothing new about a flight already known to be in the air: the
    // timetable feed, asked in the same refresh for such a flight, stores "운항중", and
    // taking the two for a change would announce the status twice a minute.
    const bool stillInFlight = status == kRemarkDeparted && v(t.Remark_List) == kRemarkInFlight;
    const std::string newRemark =
        stillInFlight ? v(t.Remark_List) : takeOver(ChangedField::Status, status, v(t.Remark_List));
    if (!m.changed())
        return std::nullopt;

    return FlightUpdate{
        m.text(),
        detail::sideUpdate(t, departureRow, today, scheduled, estimated,
                           {newGate, v(t.Carousel_List), newExit, newRemark, v(t.ChkInRange_List)}),
        t.key(), m.changes()};
}

} // namespace flights
