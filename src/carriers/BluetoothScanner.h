#pragma once
// Finds the luggage tags: watches the adapter, sets up beacon regions (all tags of the
// service's UUIDs, or exactly the registered carriers), ranges them and hands every ranged
// beacon to its delegate. Which beacon matters is the delegate's business.

#include "carriers/CarrierContext.h"
#include "carriers/CarrierRegDelegate.h"
#include "platform/BeaconRadio.h"
#include "platform/Lifetime.h"
#include "storage/DBClass.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace carriers {

class BluetoothScanner final : public platform::BeaconManagerDelegate,
                               public std::enable_shared_from_this<BluetoothScanner> {
public:
    /// A scanner watching the adapter; its state is evaluated once at once (reaching no
    /// delegate yet).
    static std::shared_ptr<BluetoothScanner> create(const CarrierContext& context);
    ~BluetoothScanner() override;
    BluetoothScanner(const BluetoothScanner&) = delete;
    BluetoothScanner& operator=(const BluetoothScanner&) = delete;

    std::vector<std::string> UUID_List;  ///< one region per UUID, in region order
    std::vector<std::string> Major_List; ///< registered-carrier scan only
    std::vector<std::string> Minor_List; ///< registered-carrier scan only
    /// Every region started since the last start operation.
    std::vector<platform::BeaconRegion> ar_beaconRegion;
    /// The record built for the most recently ranged beacon.
    BeaconRecord registrationBeacon1;
    /// The region last created, entered, left or found to hold the phone.
    std::optional<platform::BeaconRegion> beaconRegion;
    /// Made anew by each start operation.
    std::shared_ptr<platform::BeaconManager> locationManager;
    /// Receives the results; not owned.
    std::weak_ptr<CarrierRegDelegate> delegate;

    /// Discovery scan: every tag of the UUIDs the carrier service lists.
    void GetBeacon();
    /// Registered-carrier scan over rows of "0" UUID, "1" major, "2" minor.
    void GetBeacon(const storage::Rows& rows);
    /// Fills UUID_List from the carrier service (Unit_AllSearch01).
    void GetBeaconUUID();
    void BeaconDetectInit(const std::vector<std::string>& uuids);
    void BeaconDetectInit(const std::vector<std::string>& uuids,
                          const std::vector<std::string>& majors,
                          const std::vector<std::string>& minors);
    /// Stops ranging and monitoring every listed region, then location updates.
    void StopBeacon();
    /// Reports the adapter as off without looking at it.
    void BluetoothAlert();
    /// The carrier service's found log.
    void SetBeaconSuccessLog(const std::string& uuid, const std::string& major,
                             const std::string& minor);
    /// Evaluates the adapter's state: logs it and tells the delegate as the state says.
    void centralManagerDidUpdateState();

    // platform::BeaconManagerDelegate
    void didEnterRegion(const platform::BeaconRegion& region) override;
    void didExitRegion(const platform::BeaconRegion& region) override;
    void didDetermineState(platform::RegionState state,
                           const platform::BeaconRegion& region) override;
    void didRangeBeacons(const std::vector<platform::RangedBeacon>& beacons,
                         const platform::BeaconRegion& region) override;

private:
    explicit BluetoothScanner(const CarrierContext& context);
    /// Reports the adapter's state for a start operation; false when the delegate stopped
    /// the scan in answer, so that the start sets nothing up.
    bool reportStateForStart();
    void detectInit(const std::vector<std::string>& uuids, const std::vector<std::string>* majors,
                    const std::vector<std::string>* minors);

    CarrierContext context_;
    std::shared_ptr<void> bluetoothManager_; ///< the adapter subscription
    bool stoppedDuringReport_ = false;
    bool reporting_ = false;
    platform::Lifetime lifetime_{context_.platform.loop, *this};
};

} // namespace carriers
