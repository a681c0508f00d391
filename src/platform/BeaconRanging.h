#pragma once
// The ranging component: turns the advertisements a radio hears into what the carrier
// scanner expects of a phone's location service. Regions are monitored and ranged per
// manager; once a second it decides which regions were entered or left and hands every
// ranged region its tags in range with a smoothed RSSI and a distance estimate.

#include "platform/BeaconRadio.h"
#include "platform/Bluetooth.h"
#include "platform/IBeacon.h"
#include "platform/MainLoop.h"

#include <memory>
#include <span>
#include <vector>

namespace platform {

class BeaconRanging : public BeaconRadio {
public:
    /// RSSI is smoothed over the readings of this many seconds.
    static constexpr int kSmoothingSeconds = 10;
    /// A tag stays in ranging results this long after it was last heard; after the first
    /// missed second its RSSI reads 0 and its distance is unknown.
    static constexpr int kRangingHoldSeconds = 10;
    /// A region counts as left only when none of its tags was heard for this long.
    static constexpr int kExitSeconds = 30;

    BeaconRanging(MainLoop& loop, BluetoothAdapter& adapter);
    ~BeaconRanging() override;
    BeaconRanging(const BeaconRanging&) = delete;
    BeaconRanging& operator=(const BeaconRanging&) = delete;

    std::shared_ptr<BeaconManager>
    makeManager(std::weak_ptr<BeaconManagerDelegate> delegate) override;

    /// An advertisement heard now with `rssi` dBm (0: strength not known). Ignored while
    /// nothing is scanned or the adapter is not powered on.
    void hear(const IBeaconFrame& frame, int rssi);

    /// True while some live manager monitors or ranges a region: the radio listens then.
    bool scanning() const;
    /// Every region ranged by a live manager.
    std::vector<BeaconRegion> rangedRegions() const;

    /// Distance in metres from the log-distance path-loss model (free space, exponent 2)
    /// with the tag's measured power at one metre; -1 when either value is not known (0).
    static double distanceEstimate(int rssi, int measuredPower);
    /// The mean of the readings after the highest and lowest fifth (at least one of each
    /// from three readings on) are set aside, rounded; 0 for no readings.
    static int smoothedRssi(std::span<const int> readings);

protected:
    /// Adds what is heard at this moment (a simulated radio feeds its tags here). Called at
    /// each second's tick and before a region's state is decided.
    virtual void collect() {}
    /// Listening starts or stops; when it stops, every tag heard so far is forgotten.
    virtual void scanningChanged(bool /*scanning*/) {}
    /// Some manager started or stopped a region.
    virtual void regionsChanged() {}
    /// Forgets that the tag was ever heard (it counts as long gone).
    void forget(const BeaconUuid& uuid, std::uint16_t major, std::uint16_t minor);
    /// Seconds ticked so far; advertisements heard now carry this count.
    long currentSecond() const;
    /// Detaches the managers; derived radios call it first in their destructors.
    void shutdown();

private:
    struct Core;
    class Manager;
    MainLoop& loop_;
    std::shared_ptr<Core> core_;
};

} // namespace platform
