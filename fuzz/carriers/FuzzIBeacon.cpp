// Arbitrary bytes as a tag's advertisement and as manufacturer data: no crash, and every
// frame read is one the format can write back byte for byte.

#include "platform/BeaconUuid.h"
#include "platform/IBeacon.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

namespace {

void check(const platform::IBeaconFrame& frame, std::span<const std::uint8_t> data) {
    // The frame written again matches the bytes it came from.
    std::vector<std::uint8_t> written{0x02, 0x15};
    written.insert(written.end(), frame.uuid.begin(), frame.uuid.end());
    for (std::uint16_t v : {frame.major, frame.minor}) {
        written.push_back(static_cast<std::uint8_t>(v >> 8));
        written.push_back(static_cast<std::uint8_t>(v & 0xFF));
    }
    written.push_back(static_cast<std::uint8_t>(frame.measuredPower));
    if (data.size() < written.size() || !std::equal(written.begin(), written.end(), data.begin()))
        std::abort();
    const std::string text = platform::formatBeaconUuid(frame.uuid);
    if (text.size() != 36 || platform::parseBeaconUuid(text) != frame.uuid)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    if (auto frame = platform::parseIBeaconData(platform::kIBeaconCompanyId, bytes))
        check(*frame, bytes);
    if (auto frame = platform::parseIBeaconAdvertisement(bytes)) {
        // The frame came from some manufacturer structure of the payload.
        bool found = false;
        for (std::size_t at = 0; at + 4 < size && !found; ++at)
            if (data[at] == 0xFF && data[at + 1] == 0x4C && data[at + 2] == 0x00)
                found = platform::parseIBeaconData(platform::kIBeaconCompanyId,
                                                   bytes.subspan(at + 3)) == frame;
        if (!found)
            std::abort();
    }
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (auto uuid = platform::parseBeaconUuid(text)) {
        const std::string canonical = platform::formatBeaconUuid(*uuid);
        for (std::size_t i = 0; i < text.size(); ++i)
            if (std::toupper(static_cast<unsigned char>(text[i])) != canonical[i])
                std::abort();
    }
    return 0;
}
