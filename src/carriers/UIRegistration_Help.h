#pragma once
// The carrier registration guide: how to register a tag, then on to the registration screen.

#include "carriers/CarrierContext.h"
#include "carriers/CarrierRegDelegate.h"
#include "platform/Lifetime.h"
#include "ui/Screen.h"

namespace carriers {

class UIRegistration_Help final : public ui::Screen, public CarrierRegDelegate {
public:
    explicit UIRegistration_Help(CarrierContext context);

    ui::Button btn_Back, btn_Next;

    void btn_Back_Clicked();
    /// Opens the registration screen with this page as its delegate.
    void btn_Next_Clicked();

    // CarrierRegDelegate
    void BluetoothState(bool) override {}
    /// Leaving registration returns straight to the main screen: this page closes itself on
    /// the next turn of the loop.
    void compRegistration() override;

private:
    CarrierContext context_;
    platform::Lifetime lifetime_{context_.platform.loop, *this};
};

} // namespace carriers
