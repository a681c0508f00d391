#pragma once
// The exchange calculator's rules: reading amounts and rates, the per-unit rule and the
// conversion in base-ten arithmetic, captions and the time stamp of the rate list.

#include <boost/multiprecision/cpp_dec_float.hpp>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ui {
class Label;
}

namespace tools {

/// Base-ten numbers of at least 38 significant digits.
using Decimal = boost::multiprecision::number<boost::multiprecision::cpp_dec_float<38>,
                                              boost::multiprecision::et_off>;

/// One currency of a day's rate list, as the service sends it and aExchange keeps it.
struct ExchangeRate {
    std::string sDATE;      ///< "yyyyMMdd" the list belongs to
    std::string CUR_UNIT;   ///< currency code; "(100)" in it when quoted per 100 units
    std::string CUR_NM;     ///< Korean name
    std::string TTB;        ///< stored only
    std::string TTS;        ///< stored only
    std::string DEAL_BAS_R; ///< base rate, a plain decimal
    std::string LASTDATE;   ///< "yyyyMMddHH..." time stamp of the rates
    bool operator==(const ExchangeRate&) const = default;
};

/// How a locale writes numbers: the separators removed or read when an amount is typed.
struct NumberSymbols {
    std::string grouping = ",";
    std::string decimal = ".";
};

/// A plain decimal: optional sign, digits with at most one decimal point (at least one
/// digit), blanks allowed around it. Nothing for anything else, and for texts longer than
/// a person would type (kMaxAmountLength).
[[nodiscard]] std::optional<Decimal> parseDecimal(std::string_view text);
inline constexpr std::size_t kMaxAmountLength = 100;

/// A typed amount: all blanks (or nothing) is 0; otherwise the locale's grouping separators
/// and "," are removed and its decimal separator read as the point. Nothing when the rest is
/// not a number.
[[nodiscard]] std::optional<Decimal> parseAmount(std::string_view text,
                                                 const NumberSymbols& symbols);

/// The value of one unit of the currency: its base rate, divided by 100.00 when its code
/// contains "100" anywhere. Nothing when the rate is not a number.
[[nodiscard]] std::optional<Decimal> perUnitRate(std::string_view rate, std::string_view unit);

/// What a keystroke in one amount field does to the other one.
struct Conversion {
    enum class Kind {
        Keep,  ///< the source side has no base rate: nothing changes
        Clear, ///< no honest amount can be shown: the other field is emptied
        Show,  ///< the other field shows `amount`
    };
    Kind kind = Kind::Keep;
    Decimal amount;
};

/// Amounts from this magnitude on are not shown: with their cents they would need more than
/// the 38 significant digits the arithmetic keeps.
inline const Decimal kLargestShownAmount{"1e36"};

/// Converts the text of the source field: (source per-unit rate ÷ target per-unit rate) ×
/// amount, in that order. `target` is nothing while that side has no currency. Clears the
/// other side when the target has no usable or a zero rate, the source's rate is not a
/// number, the text is not an amount, or the result is too large to show exactly.
[[nodiscard]] Conversion convert(const ExchangeRate& source, const ExchangeRate* target,
                                 std::string_view text, const NumberSymbols& symbols);

/// The rows ("Table1") of an Exchange_List01 answer, in answer order; a missing column
/// reads as empty text.
[[nodiscard]] std::vector<ExchangeRate> exchangeRatesOf(std::string_view answer);

/// "CUR_NM (CUR_UNIT)", the caption of a side and of a picker row.
[[nodiscard]] std::string exchangeCaption(const ExchangeRate& rate);
/// Shows a currency on a label: its caption, with the code and the name apart.
void showCurrency(ui::Label& label, const ExchangeRate& rate);

/// "yyyy.MM.dd HH시 기준" from a LASTDATE; nothing for one shorter than ten characters.
[[nodiscard]] std::optional<std::string> exchangeStamp(std::string_view lastDate);

} // namespace tools
