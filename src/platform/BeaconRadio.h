#pragma once
// Beacon regions, their monitoring and ranging: what the carrier scanner expects of a phone's
// location service. A manager is made per scanner start; its regions, events and results
// are its own.

#include "platform/BeaconUuid.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform {

/// A UUID alone (any major and minor), or a UUID with a major and a minor.
struct BeaconRegion {
    std::string identifier;
    BeaconUuid uuid{};
    std::optional<std::uint16_t> major;
    std::optional<std::uint16_t> minor;
    bool notifyOnEntry = false;
    bool notifyOnExit = false;
    bool notifyEntryStateOnDisplay = false;

    bool matches(const BeaconUuid& u, std::uint16_t ma, std::uint16_t mi) const {
        return u == uuid && (!major || *major == ma) && (!minor || *minor == mi);
    }
    bool operator==(const BeaconRegion&) const = default;
};

enum class RegionState { Unknown, Inside, Outside };

/// One tag in a ranging result.
struct RangedBeacon {
    BeaconUuid uuid{};
    std::uint16_t major = 0;
    std::uint16_t minor = 0;
    double accuracy = -1; ///< estimated distance in metres; negative when unknown
    int rssi = 0;         ///< smoothed signal strength in dBm; 0 when not heard just now
    bool operator==(const RangedBeacon&) const = default;
};

/// Receives a manager's events, on the main loop.
class BeaconManagerDelegate {
public:
    virtual ~BeaconManagerDelegate() = default;
    virtual void didEnterRegion(const BeaconRegion& /*region*/) {}
    virtual void didExitRegion(const BeaconRegion& /*region*/) {}
    virtual void didDetermineState(RegionState /*state*/, const BeaconRegion& /*region*/) {}
    /// Once a second for each ranged region, with every tag of it in range (maybe none).
    virtual void didRangeBeacons(const std::vector<RangedBeacon>& /*beacons*/,
                                 const BeaconRegion& /*region*/) {}
};

/// One user's regions. Starting a region whose identifier is already in use replaces it.
class BeaconManager {
public:
    virtual ~BeaconManager() = default;

    virtual void setDesiredAccuracy(double metres) = 0;
    virtual void startUpdatingLocation() = 0;
    virtual void stopUpdatingLocation() = 0;
    virtual void requestWhenInUseAuthorization() = 0;

    virtual void startMonitoring(const BeaconRegion& region) = 0;
    virtual void stopMonitoring(const BeaconRegion& region) = 0;
    virtual void startRanging(const BeaconRegion& region) = 0;
    virtual void stopRanging(const BeaconRegion& region) = 0;
    /// Tells the delegate, soon, whether the phone is inside the monitored region.
    virtual void requestState(const BeaconRegion& region) = 0;

    virtual bool updatingLocation() const = 0;
    virtual double desiredAccuracy() const = 0;
    virtual int authorizationRequests() const = 0;
    virtual std::vector<BeaconRegion> monitoredRegions() const = 0;
    virtual std::vector<BeaconRegion> rangedRegions() const = 0;
};

class BeaconRadio {
public:
    virtual ~BeaconRadio() = default;
    /// A new manager whose events go to `delegate` while it lives. The manager may outlive
    /// the radio (it then does nothing).
    virtual std::shared_ptr<BeaconManager>
    makeManager(std::weak_ptr<BeaconManagerDelegate> delegate) = 0;
};

} // namespace platform
