#include "platform/IBeacon.h"

#include <algorithm>

namespace platform {
namespace {

constexpr std::uint8_t kFrameType = 0x02;
constexpr std::uint8_t kFrameLength = 0x15; // UUID, major, minor, measured power
constexpr std::uint8_t kManufacturerSpecific = 0xFF;

} // namespace

std::optional<IBeaconFrame> parseIBeaconData(std::uint16_t companyId,
                                             std::span<const std::uint8_t> data) {
    if (companyId != kIBeaconCompanyId || data.size() < 2u + kFrameLength ||
        data[0] != kFrameType || data[1] != kFrameLength)
        return std::nullopt;
    IBeaconFrame frame;
    std::copy_n(data.begin() + 2, frame.uuid.size(), frame.uuid.begin());
    frame.major = static_cast<std::uint16_t>(data[18] << 8 | data[19]);
    frame.minor = static_cast<std::uint16_t>(data[20] << 8 | data[21]);
    frame.measuredPower = static_cast<std::int8_t>(data[22]);
    return frame;
}

std::optional<IBeaconFrame> parseIBeaconAdvertisement(std::span<const std::uint8_t> payload) {
    std::size_t at = 0;
    while (at < payload.size()) {
        const std::size_t length = payload[at];
        // A zero length ends the significant part of the payload.
        if (length == 0 || at + 1 + length > payload.size())
            return std::nullopt;
        const auto structure = payload.subspan(at + 1, length);
        if (structure[0] == kManufacturerSpecific && structure.size() >= 3) {
            const auto company = static_cast<std::uint16_t>(structure[1] | structure[2] << 8);
            if (auto frame = parseIBeaconData(company, structure.subspan(3)))
                return frame;
        }
        at += 1 + length;
    }
    return std::nullopt;
}

} // namespace platform
