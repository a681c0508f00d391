#include "widgets/WeekdayNames.h"

#include <unicode/dtfmtsym.h>
#include <unicode/locid.h>
#include <unicode/unistr.h>

namespace widgets {

std::array<std::string, 7> veryShortWeekdayNames(const std::string& locale) {
    const icu::Locale where =
        locale.empty() ? icu::Locale::getDefault() : icu::Locale::createFromName(locale.c_str());
    std::array<std::string, 7> names;
    UErrorCode status = U_ZERO_ERROR;
    icu::DateFormatSymbols symbols(where, status);
    if (U_FAILURE(status))
        return names;
    int32_t count = 0;
    // ICU numbers weekdays from 1 (Sunday); element 0 is unused.
    const icu::UnicodeString* days =
        symbols.getWeekdays(count, icu::DateFormatSymbols::FORMAT, icu::DateFormatSymbols::NARROW);
    for (int32_t i = 1; i < count && i <= 7; ++i) {
        icu::UnicodeString name = days[i];
        name.toUpper(where);
        name.toUTF8String(names[static_cast<std::size_t>(i - 1)]);
    }
    return names;
}

} // namespace widgets
