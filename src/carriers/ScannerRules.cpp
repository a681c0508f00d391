#include "carriers/ScannerRules.h"

#include <charconv>
#include <climits>

namespace carriers {

AdapterReport adapterReport(platform::AdapterState state) {
    using S = platform::AdapterState;
    const std::string prefix = "Bluetooth State: ";
    switch (state) {
    case S::Resetting:
        return {prefix + "The connection with the system service was momentarily lost, update "
                         "imminent.",
                std::nullopt};
    case S::Unsupported:
        return {prefix + "The platform doesn't support Bluetooth Low Energy.", std::nullopt};
    case S::Unauthorized:
        return {prefix + "The app is not authorized to use Bluetooth Low Energy.", std::nullopt};
    case S::PoweredOff:
        return {prefix + "(null)", false};
    case S::PoweredOn:
        return {prefix + "Bluetooth is currently powered on and available to use.", true};
    case S::Unknown:
        break;
    }
    return {prefix + "State unknown, update imminent.", false};
}

std::string regionIdentifier(int index) {
    return "kr.co.vorneth_" + std::to_string(index);
}

std::uint16_t lowSixteenBits(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n' ||
                               text[i] == '\r' || text[i] == '\f' || text[i] == '\v'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1; // only the limit matters from here
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        value = INT_MAX;
    if (value < INT_MIN)
        value = INT_MIN;
    return static_cast<std::uint16_t>(static_cast<std::uint32_t>(static_cast<std::int32_t>(value)) &
                                      0xFFFFu);
}

BeaconRecord rangedRecord(const platform::RangedBeacon& beacon) {
    // Six decimals with a point whatever the process locale says.
    char accuracy[400];
    auto [end, ec] = std::to_chars(accuracy, accuracy + sizeof accuracy, beacon.accuracy,
                                   std::chars_format::fixed, 6);
    return RegistrationBeacon::ranged(
        "", std::to_string(beacon.major), std::to_string(beacon.minor),
        platform::formatBeaconUuid(beacon.uuid),
        ec == std::errc() ? std::string(accuracy, end) : std::string("-1.000000"),
        std::to_string(beacon.rssi));
}

} // namespace carriers
