#pragma once
// The naming overlay laid over a carrier screen: the user types a name for a carrier.

#include "carriers/CarrierRegDelegate.h"
#include "ui/Screen.h"

#include <memory>
#include <string>
#include <string_view>

namespace carriers {

class putName final : public ui::Screen {
public:
    static constexpr const char* kEmptyTitle = "오류";
    static constexpr const char* kEmptyMessage = "이름을 입력하십시오.";

    putName();

    ui::Button btn_Confirm, btn_Cancel;
    ui::TextField txt_CarrierName;
    /// The carrier being named, shared with the caller's list.
    BeaconRecord registrationBeacon;
    std::weak_ptr<CarrierNameDelegate> delegate;

    void getRegstrationBeacon(BeaconRecord beacon) { registrationBeacon = std::move(beacon); }
    /// A name without spaces is stored on the carrier and sent to the delegate; an empty
    /// one is refused with an alert.
    void btn_Confirm_Clicked();
    void btn_Cancel_Clicked();
    /// The return key only hides the keyboard.
    void textFieldShouldReturn();

    /// The typed text with every space removed.
    static std::string carrierName(std::string_view typed);

private:
    void close();
};

} // namespace carriers
