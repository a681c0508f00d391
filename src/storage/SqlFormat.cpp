#include "storage/SqlFormat.h"

namespace storage {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

void appendDoubling(std::string& out, std::string_view value, char quote) {
    for (const char c : value) {
        out += c;
        if (c == quote)
            out += quote;
    }
}

// Walks the template tracking whether the text so far has left a quoted literal or a quoted
// identifier open; the template's own doubled quotes toggle twice and so keep the state.
template <typename ValueAt>
std::string compose(std::string_view tmpl, std::size_t count, ValueAt valueAt) {
    std::string out;
    out.reserve(tmpl.size() + 16 * count);
    char openQuote = 0;
    std::size_t next = 0;
    for (std::size_t i = 0; i < tmpl.size(); ++i) {
        const char c = tmpl[i];
        if (c == '%' && i + 1 < tmpl.size() && tmpl[i + 1] == '@') {
            const std::string_view value = next < count ? valueAt(next) : std::string_view();
            ++next;
            ++i;
            if (openQuote)
                appendDoubling(out, value, openQuote);
            else if (isPlainDecimal(value)) {
                // "-" followed by a negative number would open a "--" comment.
                if (value.front() == '-' && !out.empty() && out.back() == '-')
                    out += ' ';
                out += value;
            } else
                out += sqlQuote(value);
            continue;
        }
        if (c == '\'' || c == '"') {
            if (!openQuote)
                openQuote = c;
            else if (openQuote == c)
                openQuote = 0;
        }
        out += c;
    }
    return out;
}

} // namespace

std::string sqlFormat(std::string_view tmpl, std::initializer_list<std::string_view> values) {
    return compose(tmpl, values.size(), [&](std::size_t i) { return values.begin()[i]; });
}

std::string sqlFormat(std::string_view tmpl, const std::vector<std::string>& values) {
    return compose(tmpl, values.size(), [&](std::size_t i) { return std::string_view(values[i]); });
}

std::string sqlQuote(std::string_view value) {
    std::string out;
    out.reserve(value.size() + 2);
    out += '\'';
    appendDoubling(out, value, '\'');
    out += '\'';
    return out;
}

bool isPlainDecimal(std::string_view value) {
    std::size_t i = 0;
    if (i < value.size() && value[i] == '-')
        ++i;
    const std::size_t intStart = i;
    while (i < value.size() && isDigit(value[i]))
        ++i;
    if (i == intStart)
        return false;
    if (i == value.size())
        return true;
    if (value[i] != '.')
        return false;
    const std::size_t fracStart = ++i;
    while (i < value.size() && isDigit(value[i]))
        ++i;
    return i > fracStart && i == value.size();
}

} // namespace storage
