#pragma once
// Proximity UUIDs of beacons: parsed from text and written in canonical form.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

using BeaconUuid = std::array<std::uint8_t, 16>;

/// Reads a UUID written as 8-4-4-4-12 hexadecimal digits with hyphens (36 characters,
/// either case); nothing for any other text.
std::optional<BeaconUuid> parseBeaconUuid(std::string_view text);

/// The canonical text: 36 characters, upper-case hexadecimal with hyphens.
std::string formatBeaconUuid(const BeaconUuid& uuid);

} // namespace platform
