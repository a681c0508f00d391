#pragma once
// Pure text rules of the next-flight card.

#include <string>
#include <string_view>

namespace app {

/// "HHmm" shown as "HH:mm" (characters 1-2, ":", 3-4).
std::string cardTime(std::string_view hhmm);
/// "yyyyMMdd" shown as "yyyy/MM/dd".
std::string cardDate(std::string_view yyyymmdd);
/// The status word shown for a stored remark.
std::string cardStatus(std::string_view remark);
/// "-" for an empty value, the value otherwise.
std::string cardValue(std::string_view value);

} // namespace app
