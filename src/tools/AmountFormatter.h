#pragma once
// Amounts as the calculator shows them: the locale's decimal style with grouping, at most
// two decimals (rounded half away from zero) and no trailing zeros.

#include "tools/Exchange.h"

#include <memory>
#include <string>

namespace tools {

class AmountFormatter {
public:
    /// `locale` an ICU locale id ("ko_KR"); empty for the user's locale. The POSIX locale
    /// (LC_ALL=C) has no number conventions of its own; the app's own language, Korean,
    /// stands in for it.
    explicit AmountFormatter(const std::string& locale = {});
    ~AmountFormatter();
    AmountFormatter(const AmountFormatter&) = delete;
    AmountFormatter& operator=(const AmountFormatter&) = delete;

    /// The locale the formatter writes for ("ko_KR").
    const std::string& locale() const { return locale_; }
    /// Its separators, for reading typed amounts back.
    const NumberSymbols& symbols() const { return symbols_; }

    /// 1234.5 → "1,234.5", 1000 → "1,000", 10.526 → "10.53" (Korean locale).
    [[nodiscard]] std::string format(const Decimal& value) const;
    /// A rate as delivered (a plain decimal); nothing when it is not a number.
    [[nodiscard]] std::optional<std::string> formatRate(std::string_view rate) const;

private:
    struct Icu;
    std::string locale_;
    NumberSymbols symbols_;
    std::unique_ptr<Icu> icu_;
};

} // namespace tools
