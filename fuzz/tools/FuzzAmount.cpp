// Arbitrary typed text and rates through the calculator's rules: nothing throws, and every
// amount shown reads back, with the same separators, as the exact result rounded to cents.

#include "tools/AmountFormatter.h"
#include "tools/Exchange.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const tools::AmountFormatter korean("ko_KR");
    static const tools::AmountFormatter german("de_DE");
    if (size == 0)
        return 0;
    const tools::AmountFormatter& formatter = data[0] & 1 ? german : korean;
    // "rate|unit|rate|unit|typed": missing pieces are empty.
    std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
    std::string piece[5];
    for (auto& p : piece) {
        const auto bar = rest.find('|');
        p = std::string(rest.substr(0, bar));
        rest = bar == std::string_view::npos ? std::string_view() : rest.substr(bar + 1);
    }
    tools::ExchangeRate source, target;
    source.DEAL_BAS_R = piece[0];
    source.CUR_UNIT = piece[1];
    target.DEAL_BAS_R = piece[2];
    target.CUR_UNIT = piece[3];
    const tools::Conversion c =
        tools::convert(source, data[0] & 2 ? nullptr : &target, piece[4], formatter.symbols());
    if (c.kind == tools::Conversion::Kind::Keep && !source.DEAL_BAS_R.empty())
        std::abort();
    if (c.kind != tools::Conversion::Kind::Show)
        return 0;
    if (boost::multiprecision::abs(c.amount) >= tools::kLargestShownAmount)
        std::abort();
    const std::string shown = formatter.format(c.amount);
    const auto back = tools::parseAmount(shown, formatter.symbols());
    // Half a cent, plus what lies beyond the 38 digits the arithmetic keeps.
    const tools::Decimal tolerance =
        tools::Decimal("0.005") + boost::multiprecision::abs(c.amount) * tools::Decimal("1e-37");
    if (!back || boost::multiprecision::abs(*back - c.amount) > tolerance)
        std::abort();
    (void)formatter.formatRate(piece[0]);
    (void)tools::exchangeStamp(piece[1]);
    return 0;
}
