#pragma once
// The carrier arrival alarm of the main screen: the alarm button starts and stops a search
// for the registered carriers; when one is ranged the search ends, a local notification
// says so, the window asks for attention, the carrier service is told and the found screen
// opens.

#include "carriers/BluetoothScanner.h"
#include "carriers/CarrierContext.h"
#include "carriers/CarrierRegDelegate.h"
#include "platform/Lifetime.h"
#include "ui/Screen.h"

#include <functional>
#include <memory>
#include <string>

namespace carriers {

class CarrierAlarm final : public CarrierRegDelegate,
                           public std::enable_shared_from_this<CarrierAlarm> {
public:
    static constexpr const char* kTitle = "알림";
    static constexpr const char* kStopMessage = "캐리어 검색을 종료하시겠습니까?";
    static constexpr const char* kStartMessage =
        "캐리어 검색을 시작합니다.\n공항환경(전파간섭 등)이나 휴대폰의\n환경(블루투스 간섭 및 "
        "앱충돌 등)에 따라\n작동오류가 발생할 수 있습니다.";
    static constexpr const char* kNoCarrierMessage = "등록한 캐리어가 없습니다.";

    struct Hooks {
        /// The application's carrier-search flag (true while a search runs).
        std::function<bool()> isState;
        std::function<void(bool)> setState;
        /// Schedules the application's local alert with a message.
        std::function<void(const std::string&)> scheduleLocalAlert;
    };

    /// `screen` is the main screen (it presents the found screen and shows the alerts) and
    /// `button` its alarm button; both outlive this object.
    CarrierAlarm(CarrierContext context, ui::Screen& screen, ui::Button& button, Hooks hooks);

    std::shared_ptr<BluetoothScanner> bluetoothScanner;

    /// Starts a search (after the user confirms) or offers to stop the running one.
    void btn_Alarm_Clicked();
    /// The registered carriers: rows of "0" UUID, "1" major, "2" minor.
    storage::Rows getDeviceList();
    void SetBeaconSuccessLog(const std::string& uuid, const std::string& major,
                             const std::string& minor);

    // CarrierRegDelegate
    void BluetoothState(bool poweredOn) override;
    /// A ranged beacon that is a registered carrier has arrived.
    void getRegistrationBeacon(const BeaconRecord& beacon) override;

private:
    void stopSearch();

    CarrierContext context_;
    ui::Screen& screen_;
    ui::Button& button_;
    Hooks hooks_;
    platform::Lifetime lifetime_{context_.platform.loop, *this};
};

} // namespace carriers
