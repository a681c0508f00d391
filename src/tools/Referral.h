#pragma once
// The flight-search referral's rules: passenger counts, the checks before a search and the
// partner's referral address.

#include <optional>
#include <string>
#include <string_view>

namespace tools {

/// The fixed part of the partner's address after its endpoint: market, currency, locale.
inline constexpr std::string_view kReferralPath = "/apiservices/referral/v1.0/KR/KRW/kr-KR";
/// Most passengers one booking takes.
inline constexpr int kMaxPassengers = 8;

/// A count text as an integer: its leading digits (none: 0), at most INT_MAX.
[[nodiscard]] int countValue(std::string_view text);

/// The text after a plus (+1) or minus (-1) press, or nothing when the press does nothing:
/// a text that is not all digits (and '_'), plus at 8 or above, minus at 0 or at 9 and above.
[[nodiscard]] std::optional<std::string> countAfterPress(std::string_view text, int step);

/// What a search is refused with, checked in this order: too many passengers, no adult, no
/// departure, no arrival, no start date. Nothing when the search may go ahead.
struct ReferralInput {
    std::string departureCode;
    std::string arrivalCode;
    std::string startDate;  ///< "yyyy-MM-dd" or empty
    std::string returnDate; ///< "yyyy-MM-dd" or empty (one way)
    std::string adults = "1";
    std::string children = "0";
    std::string infants = "0";
};
[[nodiscard]] std::optional<std::string> referralProblem(const ReferralInput& input);

/// The referral address: `endpoint` + kReferralPath + "/DEP/ARR/START[/RETURN]/?apiKey=KEY"
/// + "&adultsv2=N" + the children list ("4" per child, "0" per infant, joined by "%7C"; "-"
/// for none). Codes are percent-encoded, so a typed text cannot reshape the address.
[[nodiscard]] std::string referralAddress(std::string_view endpoint, std::string_view apiKey,
                                          const ReferralInput& input);

} // namespace tools
