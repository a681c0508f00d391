#include "tools/PlaceText.h"

#include <unicode/locid.h>
#include <unicode/unistr.h>
#include <vector>

namespace tools {
namespace {

/// Byte offsets at which the code points of a UTF-8 text begin.
std::vector<std::size_t> characterStarts(std::string_view s) {
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < s.size(); ++i)
        if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80)
            starts.push_back(i);
    return starts;
}

} // namespace

std::string placeText(std::string_view korean, std::string_view other) {
    std::string out(korean);
    out.append(" (").append(other).append(")");
    return out;
}

PlaceParts placeParts(std::string_view text) {
    const std::size_t open = text.rfind(" (");
    if (open == std::string_view::npos)
        return {std::string(text), {}};
    std::string_view code = text.substr(open + 2);
    if (code.ends_with(')'))
        code.remove_suffix(1);
    return {std::string(text.substr(0, open)), std::string(code)};
}

std::string cardPictureName(std::string_view nationText) {
    const std::size_t open = nationText.find('(');
    if (open == std::string_view::npos)
        return {};
    std::string_view inside = nationText.substr(open + 1);
    // Drop the last character (the closing parenthesis), whole even when it is not ASCII.
    const auto starts = characterStarts(inside);
    if (starts.empty())
        return {};
    inside = inside.substr(0, starts.back());
    std::string name;
    for (const char c : inside)
        if (c != ' ')
            name += c;
    if (name.empty())
        return {};
    return lowerCase(name + ".jpg");
}

std::string lowerCase(std::string_view text) {
    bool ascii = true;
    for (const char c : text)
        ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    std::string out;
    if (ascii) {
        out.reserve(text.size());
        for (const char c : text)
            out += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        return out;
    }
    icu::UnicodeString u = icu::UnicodeString::fromUTF8(
        icu::StringPiece(text.data(), static_cast<int32_t>(text.size())));
    u.toLower(icu::Locale::getRoot());
    u.toUTF8String(out);
    return out;
}

std::string airportCodeOf(std::string_view text) {
    const auto starts = characterStarts(text);
    if (starts.size() < 5)
        return {};
    const std::size_t last = starts.size() - 1;
    return std::string(text.substr(starts[last - 3], starts[last] - starts[last - 3]));
}

} // namespace tools
