#pragma once
// Texts of nations and places as the lists write them, and what is read back from them.

#include <string>
#include <string_view>

namespace tools {

/// "%@ (%@)": a nation as "대한민국 (Korea Republic)", a place as "인천 (ICN)".
[[nodiscard]] std::string placeText(std::string_view korean, std::string_view other);

/// The two parts of a place or nation text, apart at its last " (": "인천 (ICN)" → name
/// "인천", code "ICN" (the closing parenthesis dropped when there is one). A text without
/// " (" is all name.
struct PlaceParts {
    std::string name, code;
    bool operator==(const PlaceParts&) const = default;
};
[[nodiscard]] PlaceParts placeParts(std::string_view text);

/// The card picture's file name for a nation text: the part after the first "(", without
/// its last character, blanks removed, ".jpg" appended, in lower case ("미국 (United
/// States)" → "unitedstates.jpg"). Empty for a text without "(" or with nothing after it,
/// which names no picture.
[[nodiscard]] std::string cardPictureName(std::string_view nationText);

/// The text in lower case, by Unicode's rules and no language's ("ICN" → "icn"; Korean
/// letters have no case and stay as they are).
[[nodiscard]] std::string lowerCase(std::string_view text);

/// The airport code in a place text: the three characters before its last one when the text
/// has at least five characters ("인천 (ICN)" → "ICN"), else empty. Characters, not bytes.
[[nodiscard]] std::string airportCodeOf(std::string_view placeText);

} // namespace tools
