#pragma once
// The iBeacon advertisement format: manufacturer-specific data carrying a proximity UUID,
// a major, a minor and the tag's measured power at one metre.

#include "platform/BeaconUuid.h"

#include <cstdint>
#include <optional>
#include <span>

namespace platform {

/// The company identifier under which iBeacon frames are advertised.
inline constexpr std::uint16_t kIBeaconCompanyId = 0x004C;

struct IBeaconFrame {
    BeaconUuid uuid{};
    std::uint16_t major = 0;
    std::uint16_t minor = 0;
    /// RSSI in dBm the tag is calibrated to give at one metre (a negative number).
    std::int8_t measuredPower = 0;
    bool operator==(const IBeaconFrame&) const = default;
};

/// Reads the manufacturer-specific data of one company identifier (the bytes after the
/// identifier): type 0x02, length 0x15, UUID (16 bytes), major and minor (big-endian),
/// measured power (signed). Bytes after those 23 are ignored. Nothing for data of another
/// company or shape.
std::optional<IBeaconFrame> parseIBeaconData(std::uint16_t companyId,
                                             std::span<const std::uint8_t> data);

/// Reads a raw advertisement payload (a run of length-prefixed AD structures) and returns
/// the iBeacon frame of its first manufacturer-specific structure that holds one.
std::optional<IBeaconFrame> parseIBeaconAdvertisement(std::span<const std::uint8_t> payload);

} // namespace platform
