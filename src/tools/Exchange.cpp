#include "tools/Exchange.h"

#include "remote/XmlDataSetParser2.h"
#include "ui/Outlets.h"

namespace tools {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

void replaceAll(std::string& text, std::string_view what, std::string_view with) {
    if (what.empty())
        return;
    for (std::size_t at = text.find(what); at != std::string::npos;
         at = text.find(what, at + with.size()))
        text.replace(at, what.size(), with);
}

} // namespace

std::optional<Decimal> parseDecimal(std::string_view text) {
    if (text.size() > kMaxAmountLength)
        return std::nullopt;
    text = trimmed(text);
    std::string canonical;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        if (text.front() == '-')
            canonical += '-';
        text.remove_prefix(1);
    }
    std::size_t digits = 0;
    bool point = false;
    std::string number;
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            ++digits;
            number += c;
        } else if (c == '.' && !point) {
            point = true;
            number += c;
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0)
        return std::nullopt;
    // "1." and ".5" are what a person has typed half-way; both read as numbers.
    if (number.front() == '.')
        canonical += '0';
    canonical += number;
    if (canonical.back() == '.')
        canonical += '0';
    return Decimal(canonical);
}

std::optional<Decimal> parseAmount(std::string_view text, const NumberSymbols& symbols) {
    if (trimmed(text).empty())
        return Decimal(0);
    std::string plain(text);
    // Grouping first: a locale whose grouping is "." keeps its decimal separator apart.
    replaceAll(plain, symbols.grouping, "");
    replaceAll(plain, ",", symbols.decimal == "," ? "." : "");
    if (symbols.decimal != "," && symbols.decimal != ".")
        replaceAll(plain, symbols.decimal, ".");
    return parseDecimal(plain);
}

std::optional<Decimal> perUnitRate(std::string_view rate, std::string_view unit) {
    auto value = parseDecimal(rate);
    if (!value)
        return std::nullopt;
    if (unit.find("100") != std::string_view::npos)
        *value /= Decimal("100.00");
    return value;
}

Conversion convert(const ExchangeRate& source, const ExchangeRate* target, std::string_view text,
                   const NumberSymbols& symbols) {
    if (source.DEAL_BAS_R.empty())
        return {Conversion::Kind::Keep, {}};
    const Conversion clear{Conversion::Kind::Clear, {}};
    const auto from = perUnitRate(source.DEAL_BAS_R, source.CUR_UNIT);
    if (!from || !target)
        return clear;
    const auto to = perUnitRate(target->DEAL_BAS_R, target->CUR_UNIT);
    const auto amount = parseAmount(text, symbols);
    if (!to || *to == 0 || !amount)
        return clear;
    Decimal result = *from / *to * *amount;
    if (boost::multiprecision::abs(result) >= kLargestShownAmount)
        return clear;
    return {Conversion::Kind::Show, result};
}

std::vector<ExchangeRate> exchangeRatesOf(std::string_view answer) {
    remote::XmlDataSetParser2 parser("Table1");
    parser.parse(answer);
    std::vector<ExchangeRate> rates;
    rates.reserve(parser.mXMLDataList().size());
    for (const auto& row : parser.mXMLDataList()) {
        auto text = [&](std::string_view key) { return std::string(row.value(key)); };
        rates.push_back({text("sDATE"), text("CUR_UNIT"), text("CUR_NM"), text("TTB"), text("TTS"),
                         text("DEAL_BAS_R"), text("LASTDATE")});
    }
    return rates;
}

std::string exchangeCaption(const ExchangeRate& rate) {
    return rate.CUR_NM + " (" + rate.CUR_UNIT + ")";
}

void showCurrency(ui::Label& label, const ExchangeRate& rate) {
    label.setText(exchangeCaption(rate));
    label.setCodeAndName(rate.CUR_UNIT, rate.CUR_NM);
}

std::optional<std::string> exchangeStamp(std::string_view d) {
    if (d.size() < 10)
        return std::nullopt;
    std::string out;
    out.append(d.substr(0, 4)).append(".").append(d.substr(4, 2)).append(".");
    out.append(d.substr(6, 2)).append(" ").append(d.substr(8, 2)).append("시 기준");
    return out;
}

} // namespace tools
