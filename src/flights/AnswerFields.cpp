#include "flights/AnswerFields.h"

#include "remote/XmlDataSetParser1.h"

namespace flights::detail {

std::optional<std::string> firstValue(const std::vector<remote::XMLData>& pairs,
                                      std::string_view key) {
    for (const auto& pair : pairs)
        if (pair.mKey == key && pair.mValue != "\n")
            return pair.mValue;
    return std::nullopt;
}

std::vector<remote::XMLData> answerPairs(std::string_view text) {
    remote::XmlDataSetParser1 parser;
    parser.parse(text);
    return parser.mXMLDataList();
}

std::string compareField(ChangeMessage& message, ChangedField field,
                         const std::optional<std::string>& answer, const std::string& tracked,
                         bool emptyCounts) {
    if (!answer)
        return tracked;
    if (*answer != tracked && (emptyCounts || !answer->empty()))
        message.appendField(field, *answer, tracked);
    return *answer;
}

ComparedFields comparePairFields(ChangeMessage& m, const std::vector<remote::XMLData>& pairs,
                                 const TrackedFlight& t, bool emptyCounts) {
    auto remark = firstValue(pairs, "remark");
    if (remark)
        remark = collectedRemark(*remark);
    ComparedFields c;
    c.gate = compareField(m, ChangedField::Gate, firstValue(pairs, "gatenumber"),
                          v(t.GateNumber_List), emptyCounts);
    c.carousel = compareField(m, ChangedField::Carousel, firstValue(pairs, "carousel"),
                              v(t.Carousel_List), emptyCounts);
    c.exit = compareField(m, ChangedField::Exit, firstValue(pairs, "exitnumber"),
                          v(t.ExitNumber_List), emptyCounts);
    c.remark = compareField(m, ChangedField::Status, remark, v(t.Remark_List), emptyCounts);
    c.checkIn = compareField(m, ChangedField::CheckIn, firstValue(pairs, "chkinrange"),
                             v(t.ChkInRange_List), emptyCounts);
    return c;
}

LiveFields sideUpdate(const TrackedFlight& t, bool departureSide, std::string_view today,
                      std::string scheduledTime, std::string estimatedTime, ComparedFields c) {
    LiveFields f{std::string(today),
                 v(t.ScheduleTime_Departure_List),
                 v(t.EstimatedDate_Departure_List),
                 v(t.EstimatedTime_Departure_List),
                 std::move(c.gate),
                 std::move(c.carousel),
                 std::move(c.exit),
                 std::move(c.remark),
                 std::move(c.checkIn),
                 v(t.ScheduleDate_Arrival_List),
                 v(t.ScheduleTime_Arrival_List),
                 v(t.EstimatedDate_Arrival_List),
                 v(t.EstimatedTime_Arrival_List)};
    if (departureSide) {
        f.scheduleTime_Departure = std::move(scheduledTime);
        f.estimatedDate_Departure = std::string(today);
        f.estimatedTime_Departure = std::move(estimatedTime);
    } else {
        f.scheduleDate_Arrival = std::string(today);
        f.scheduleTime_Arrival = std::move(scheduledTime);
        f.estimatedDate_Arrival = std::string(today);
        f.estimatedTime_Arrival = std::move(estimatedTime);
    }
    return f;
}

} // namespace flights::detail
