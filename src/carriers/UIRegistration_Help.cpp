#include "carriers/UIRegistration_Help.h"

#include "carriers/UIRegstrationViewController.h"

namespace carriers {

UIRegistration_Help::UIRegistration_Help(CarrierContext context)
    : ui::Screen("UIRegistration_Help"), context_(std::move(context)) {
    addOutlet("btn_Back", btn_Back);
    addOutlet("btn_Next", btn_Next);
    btn_Back.setTitle("뒤로");
    btn_Next.setTitle("다음");
    btn_Back.onTap = [this] { btn_Back_Clicked(); };
    btn_Next.onTap = [this] { btn_Next_Clicked(); };
}

void UIRegistration_Help::btn_Back_Clicked() {
    dismiss(true);
}

void UIRegistration_Help::btn_Next_Clicked() {
    auto self = std::static_pointer_cast<UIRegistration_Help>(shared_from_this());
    auto registration = std::make_shared<UIRegstrationViewController>(context_);
    registration->delegate = std::weak_ptr<CarrierRegDelegate>(self);
    present(std::move(registration), false);
}

void UIRegistration_Help::compRegistration() {
    lifetime_.post([this] {
        if (window())
            dismiss(false);
    });
}

} // namespace carriers
