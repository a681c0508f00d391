#pragma once
// Pure rules of the beacon scanner: what an adapter state logs and tells, region names,
// the major and minor of a region, and the texts of a ranged beacon.

#include "carriers/RegistrationBeacon.h"
#include "platform/BeaconRadio.h"
#include "platform/Bluetooth.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace carriers {

struct AdapterReport {
    std::string logLine;      ///< "Bluetooth State: ..."
    std::optional<bool> tell; ///< what the delegate's BluetoothState gets, if anything
    bool operator==(const AdapterReport&) const = default;
};

/// The log line and the delegate's news for an adapter state.
AdapterReport adapterReport(platform::AdapterState state);

/// "kr.co.vorneth_<index>".
std::string regionIdentifier(int index);

/// The decimal text read as a 32-bit integer the way text is read as a number there
/// (leading blanks and a sign allowed, reading stops at the first non-digit, 0 when there is
/// no number, out-of-range values held at the limits), keeping its low 16 bits.
std::uint16_t lowSixteenBits(std::string_view decimal);

/// The record handed to the delegate for a ranged beacon: empty name, major and minor as
/// decimal text, the canonical UUID, the distance with six decimals, the RSSI.
BeaconRecord rangedRecord(const platform::RangedBeacon& beacon);

} // namespace carriers
