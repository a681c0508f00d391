#pragma once
// The registration screen: the tags found near the phone, each with a register button that
// opens the naming overlay; a registered tag is stored locally and with the carrier service.

#include "carriers/BluetoothScanner.h"
#include "carriers/CarrierContext.h"
#include "carriers/CarrierRegDelegate.h"
#include "carriers/PutName.h"
#include "carriers/ScanParts.h"
#include "platform/Lifetime.h"
#include "storage/DBClass.h"
#include "ui/Screen.h"

#include <memory>
#include <vector>

namespace carriers {

class UIRegstrationViewController final : public ui::Screen,
                                          public CarrierRegDelegate,
                                          public CarrierNameDelegate {
public:
    static constexpr double kScanSeconds = 60;

    explicit UIRegstrationViewController(CarrierContext context);

    ui::Table registrationTableView;
    ui::Button btn_Back, btn_Refresh;
    ui::ImageView img_Refresh; ///< shown while scanning

    std::shared_ptr<BluetoothScanner> bluetoothScanner;
    std::shared_ptr<putName> regViewController;
    /// The tags found, in the order first seen.
    std::vector<BeaconRecord> data;
    /// The help page; not owned.
    std::weak_ptr<CarrierRegDelegate> delegate;

    /// A new scanner, a discovery scan, and a 60-second limit.
    void setBluetooth();
    void stopBluetooth();
    void btn_Back_Clicked();
    void btn_Refresh_Clicked();
    bool scanTimerRunning() const { return timer1_.running(); }

    // CarrierRegDelegate
    void BluetoothState(bool poweredOn) override;
    void getRegistrationBeacon(const BeaconRecord& beacon) override;
    void getRegistrationBeaconTable(const BeaconRecord& beacon) override;
    // CarrierNameDelegate
    void sendCarrierName(const BeaconRecord& beacon) override;

protected:
    void viewDidLoad() override;
    void viewWillDisappear(bool animated) override;

private:
    std::string getName(const std::string& uuid, const std::string& major,
                        const std::string& minor);
    void insertInfo(const std::string& name, const std::string& mac, const std::string& uuid,
                    const std::string& major, const std::string& minor);
    void configureCell(int row, ui::Cell& cell);

    CarrierContext context_;
    storage::DBClass dbClass;
    platform::Timer timer1_; ///< the scan's limit
    platform::Lifetime lifetime_{context_.platform.loop, *this};
};

} // namespace carriers
