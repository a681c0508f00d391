#pragma once
// The roles between the scanner, the carrier screens, their cells and the naming overlay.

#include "carriers/RegistrationBeacon.h"

namespace carriers {

/// Implemented by every carrier screen; called by the scanner and the carriers' cells.
class CarrierRegDelegate {
public:
    virtual ~CarrierRegDelegate() = default;
    /// The adapter's state: true when it is powered on.
    virtual void BluetoothState(bool poweredOn) = 0;
    /// One ranged beacon.
    virtual void getRegistrationBeacon(const BeaconRecord& /*beacon*/) {}
    /// The register button of a registration cell was pressed.
    virtual void getRegistrationBeaconTable(const BeaconRecord& /*beacon*/) {}
    /// The rename button of a carrier list cell was pressed.
    virtual void setBeaconName(const BeaconRecord& /*beacon*/) {}
    /// The delete button of a carrier list cell was pressed.
    virtual void setBeaconDelete(const BeaconRecord& /*beacon*/) {}
    /// The registration screen closes.
    virtual void compRegistration() {}
};

/// Receives the name the user gave a carrier in the naming overlay.
class CarrierNameDelegate {
public:
    virtual ~CarrierNameDelegate() = default;
    virtual void sendCarrierName(const BeaconRecord& beacon) = 0;
};

} // namespace carriers
