#pragma once
// Pieces the answer handlers share: reading pairs by name and comparing one field.

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

/// The first four characters of a time (all of it when shorter).
inline std::string_view firstFour(std::string_view time) {
    return chars(time, 0, 4);
}

} // namespace flights::detail
