#pragma once
// Recognising the answer texts of the maker's services.

#include "remote/XMLData.h"

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace remote {

/// Failure reported by the service.
inline constexpr std::string_view kAnswerError = "<rtn>ERROR</rtn>";
/// Failure reported by the service.
inline constexpr std::string_view kAnswerFailed = "-1";
/// Nothing (more) found (flight search).
inline constexpr std::string_view kAnswerNoMore = "<rtn>NO</rtn>";
/// The change was stored (carrier registration and removal).
inline constexpr std::string_view kAnswerYes = "YES";

/// True for no answer, kAnswerError and kAnswerFailed (whole-text equality).
[[nodiscard]] bool isFailure(const std::optional<std::string>& answer);
/// True when the answer is exactly kAnswerNoMore.
[[nodiscard]] bool isNoMore(const std::optional<std::string>& answer);
/// True when the answer is exactly kAnswerYes.
[[nodiscard]] bool isYes(const std::optional<std::string>& answer);

/// The pairs whose value is not exactly "\n" (whitespace between elements), in order.
[[nodiscard]] std::vector<XMLData> pairsSkippingNewlines(const std::vector<XMLData>& pairs);

/// The values of the pairs whose key is one of `keys`, in order, skipping values that are
/// exactly "\n".
[[nodiscard]] std::vector<std::string> valuesOf(const std::vector<XMLData>& pairs,
                                                std::initializer_list<std::string_view> keys);

} // namespace remote
