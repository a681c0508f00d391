#pragma once
// Weekday names from the locale data of the user's language.

#include <array>
#include <string>

namespace widgets {

/// The very short (narrow) weekday names of a locale, upper-cased, Sunday first, in UTF-8.
/// `locale` is an ICU locale id such as "ko_KR" or "en_US"; empty means the user's locale
/// (the process environment's). A locale without data falls back to ICU's root names.
std::array<std::string, 7> veryShortWeekdayNames(const std::string& locale = {});

} // namespace widgets
