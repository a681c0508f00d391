#include "carriers/PutName.h"

namespace carriers {

putName::putName() : ui::Screen("putName") {
    addOutlet("txt_CarrierName", txt_CarrierName);
    addOutlet("btn_Confirm", btn_Confirm);
    addOutlet("btn_Cancel", btn_Cancel);
    btn_Confirm.setTitle("확인");
    btn_Cancel.setTitle("취소");
    btn_Confirm.onTap = [this] { btn_Confirm_Clicked(); };
    btn_Cancel.onTap = [this] { btn_Cancel_Clicked(); };
    txt_CarrierName.setFirstResponder(true);
}

std::string putName::carrierName(std::string_view typed) {
    std::string name;
    for (char c : typed)
        if (c != ' ')
            name += c;
    return name;
}

void putName::btn_Confirm_Clicked() {
    const std::string name = carrierName(txt_CarrierName.text());
    if (name.empty()) {
        showAlert(ui::Alert::simple(kEmptyTitle, kEmptyMessage, "OK"));
        return;
    }
    auto keep = shared_from_this(); // closing drops the parent's hold on this overlay
    if (registrationBeacon)
        registrationBeacon->sRegistration_Name = name;
    if (auto d = delegate.lock(); d && registrationBeacon)
        d->sendCarrierName(registrationBeacon);
    close();
}

void putName::btn_Cancel_Clicked() {
    auto keep = shared_from_this();
    close();
}

void putName::textFieldShouldReturn() {
    txt_CarrierName.setFirstResponder(false);
}

void putName::close() {
    txt_CarrierName.setFirstResponder(false);
    if (Screen* p = parent())
        p->removeChild(this);
}

} // namespace carriers
