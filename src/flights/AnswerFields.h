#pragma once
// Pieces the answer handlers share: reading pairs by name and comparing one field.

#include "flights/FlightStatements.h"
#include "flights/FlightText.h"
#include "flights/TrackedFlight.h"
#include "remote/XMLData.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace flights::detail {

/// Element 0 of a tracked list, or "".
inline const std::string& v(const TrackedFlight::List& list) {
    return TrackedFlight::first(list);
}

/// The first value of @p key that is not exactly "\n", or nothing.
std::optional<std::string> firstValue(const std::vector<remote::XMLData>& pairs,
                                      std::string_view key);

/// Pairs of an answer read with the pair parser (one pair per element end).
std::vector<remote::XMLData> answerPairs(std::string_view text);

/// The new value of a compared field: the answer's, or the tracked one when the answer has
/// none. A value that differs from the tracked one adds the field's line, unless it is empty
/// and @p emptyCounts is false.
std::string compareField(ChangeMessage& message, ChangedField field,
                         const std::optional<std::string>& answer, const std::string& tracked,
                         bool emptyCounts);

/// The five compared fields of a pair answer ("gatenumber", "carousel", "exitnumber",
/// "remark" with "출발" read as "운항중", "chkinrange"), after compareField.
struct ComparedFields {
    std::string gate, carousel, exit, remark, checkIn;
};
ComparedFields comparePairFields(ChangeMessage& message, const std::vector<remote::XMLData>& pairs,
                                 const TrackedFlight& tracked, bool emptyCounts);

/// The live fields when an answer speaks for one side of the flight: that side's scheduled
/// and estimated dates become @p today and its times the given ones; the other side's four
/// values stay as tracked; the scheduled departure date is @p today either way.
LiveFields sideUpdate(const TrackedFlight& tracked, bool departureSide, std::string_view today,
                      std::string scheduledTime, std::string estimatedTime,
                      ComparedFields compared);

/// The first four characters of a time (all of it when shorter).
inline std::string_view firstFour(std::string_view time) {
    return chars(time, 0, 4);
}

} // namespace flights::detail
