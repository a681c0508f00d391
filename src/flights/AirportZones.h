#pragma once
/// @file
/// The time zones of the airports the demo services fly between, for the calendar file.

#include <string_view>

namespace flights {

/// The IANA time zone of an airport by its code ("ICN" → "Asia/Seoul"); empty for an
/// airport the table does not know, whose times then stay local without a zone.
std::string_view airportZone(std::string_view airportCode);

} // namespace flights
