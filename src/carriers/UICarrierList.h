#pragma once
// The carrier list: the registered carriers, which of them are near the phone, renaming and
// removal.

#include "carriers/BluetoothScanner.h"
#include "carriers/CarrierContext.h"
#include "carriers/CarrierRegDelegate.h"
#include "carriers/CarrierSeen.h"
#include "carriers/PutName.h"
#include "carriers/ScanParts.h"
#include "platform/Lifetime.h"
#include "storage/DBClass.h"
#include "ui/Screen.h"

#include <memory>
#include <optional>
#include <vector>

namespace carriers {

class UICarrierList final : public ui::Screen,
                            public CarrierRegDelegate,
                            public CarrierNameDelegate {
public:
    static constexpr double kScanSeconds = 60;
    static constexpr const char* kRenamedMessage = "이름이 변경되었습니다.";
    static constexpr const char* kDeletedMessage = "삭제완료하였습니다.";

    explicit UICarrierList(CarrierContext context);

    ui::Button btn_Back, btn_Refresh;
    ui::ImageView img_Search; ///< shown while scanning
    ui::Table carrierTableView;

    std::shared_ptr<putName> regViewController;
    std::shared_ptr<BluetoothScanner> bluetoothScanner;
    /// One entry per registered carrier, in table order.
    std::vector<BeaconRecord> data;

    /// A new scanner; a 60-second scan of the registered carriers when there are any.
    void setBluetooth();
    void stopBluetooth();
    void btn_Back_Clicked();
    /// A scan of the service's UUIDs without a time limit.
    void btn_Refresh_Clicked();
    /// Reads the carriers into `data` and redraws; the rows, or none.
    storage::Rows getDeviceList();
    void updateName(const BeaconRecord& beacon);
    void SendAlertDialog(const std::string& title, const std::string& message);
    bool scanTimerRunning() const { return timer1_.running(); }
    /// True while a scan is in its first kLookingSeconds: carriers not seen yet are still
    /// being looked for.
    bool looking() const { return lookTimer_.running(); }

    // CarrierRegDelegate
    void BluetoothState(bool poweredOn) override;
    void getRegistrationBeacon(const BeaconRecord& beacon) override;
    void setBeaconName(const BeaconRecord& beacon) override;
    void setBeaconDelete(const BeaconRecord& beacon) override;
    // CarrierNameDelegate
    void sendCarrierName(const BeaconRecord& beacon) override { updateName(beacon); }

protected:
    void viewDidLoad() override;
    void viewDidDisappear(bool animated) override;

private:
    std::shared_ptr<UICarrierList> self();
    /// A scan starts: carriers not seen yet read "찾는 중" for its first seconds.
    void startLooking();
    /// Redraws the list when the minutes of some carrier's last-seen time next change.
    void armMinuteRefresh();

    CarrierContext context_;
    storage::DBClass dbClass;
    platform::Timer timer1_;    ///< the scan's limit
    platform::Timer lookTimer_; ///< the end of "찾는 중"
    CarrierSeen seen_;
    platform::Timer minuteTimer_;
    platform::Lifetime lifetime_{context_.platform.loop, *this};
};

} // namespace carriers
