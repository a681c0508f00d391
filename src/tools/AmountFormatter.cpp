#include "tools/AmountFormatter.h"

#include <unicode/dcfmtsym.h>
#include <unicode/locid.h>
#include <unicode/numberformatter.h>

namespace tools {
namespace {

icu::Locale chooseLocale(const std::string& id) {
    icu::Locale chosen = id.empty() ? icu::Locale::getDefault() : icu::Locale(id.c_str());
    const std::string name = chosen.getName();
    if (chosen.isBogus() || name.empty() || name == "en_US_POSIX" || name == "c" || name == "C" ||
        name == "root")
        return icu::Locale("ko_KR");
    return chosen;
}

std::string utf8(const icu::UnicodeString& s) {
    std::string out;
    s.toUTF8String(out);
    return out;
}

} // namespace

struct AmountFormatter::Icu {
    icu::number::LocalizedNumberFormatter formatter;
};

AmountFormatter::AmountFormatter(const std::string& locale) {
    const icu::Locale chosen = chooseLocale(locale);
    locale_ = chosen.getName();
    UErrorCode status = U_ZERO_ERROR;
    const icu::DecimalFormatSymbols symbols(chosen, status);
    if (U_SUCCESS(status)) {
        symbols_.grouping =
            utf8(symbols.getSymbol(icu::DecimalFormatSymbols::kGroupingSeparatorSymbol));
        symbols_.decimal =
            utf8(symbols.getSymbol(icu::DecimalFormatSymbols::kDecimalSeparatorSymbol));
    }
    icu_ = std::make_unique<Icu>(Icu{icu::number::NumberFormatter::withLocale(chosen)
                                         .precision(icu::number::Precision::maxFraction(2))
                                         .roundingMode(UNUM_ROUND_HALFUP)});
}

AmountFormatter::~AmountFormatter() = default;

std::string AmountFormatter::format(const Decimal& value) const {
    // Amounts that round to zero show as "0", never as "-0".
    static const Decimal kHalfCent("0.005");
    const Decimal shown = boost::multiprecision::abs(value) < kHalfCent ? Decimal(0) : value;
    // Every digit kept, in scientific form, read by ICU as a decimal: no binary rounding and
    // no second rounding enter between the arithmetic and the text.
    const std::string digits = shown.str(0, std::ios_base::scientific);
    UErrorCode status = U_ZERO_ERROR;
    const auto formatted = icu_->formatter.formatDecimal(digits.c_str(), status);
    icu::UnicodeString text = formatted.toString(status);
    if (U_FAILURE(status))
        return shown.str(2, std::ios_base::fixed);
    return utf8(text);
}

std::optional<std::string> AmountFormatter::formatRate(std::string_view rate) const {
    if (auto value = parseDecimal(rate))
        return format(*value);
    return std::nullopt;
}

} // namespace tools
