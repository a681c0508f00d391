#include "carriers/CarrierCells.h"

#include "carriers/CarrierTexts.h"
#include "platform/Log.h"

#include <charconv>
#include <cmath>

namespace carriers {
namespace {

void setNarrowFont(double width, std::initializer_list<ui::Label*> labels) {
    if (width > kNarrowWidth)
        return;
    for (ui::Label* l : labels)
        l->setFontSize(kNarrowFontSize);
}

/// Sends `beacon` to the delegate. The delegate may redraw the table, which destroys the
/// cell whose button called this, so only copies are handed on.
void tell(const std::weak_ptr<CarrierRegDelegate>& delegate,
          void (CarrierRegDelegate::*operation)(const BeaconRecord&), const BeaconRecord& beacon) {
    const BeaconRecord record = beacon;
    if (auto d = delegate.lock())
        ((*d).*operation)(record);
}

const char* rowPicture(int row) {
    return row == 0 ? kFirstRowPicture : kOtherRowPicture;
}

/// The first row is drawn apart from the others.
const char* rowState(int row) {
    return row == 0 ? "first" : "";
}

} // namespace

std::string distanceText(std::string_view accuracy) {
    double metres = -1;
    const auto [end, ec] =
        std::from_chars(accuracy.data(), accuracy.data() + accuracy.size(), metres);
    if (ec != std::errc() || end != accuracy.data() + accuracy.size() || metres < 0 ||
        !std::isfinite(metres))
        return "거리 모름";
    char text[400];
    const auto [last, error] = std::to_chars(text, text + sizeof text, metres,
                                             std::chars_format::fixed, metres < 10 ? 1 : 0);
    if (error != std::errc())
        return "거리 모름";
    return "약 " + std::string(text, last) + "m";
}

void CustomCell_CarrierRegTableViewCell::setRegistrationBeacon(
    ui::Cell& cell, const BeaconRecord& beacon, int row, double width,
    std::weak_ptr<CarrierRegDelegate> delegate) {
    auto& name = cell.label("txt_Registration_Name");
    auto& major = cell.label("txt_Registration_Select_Major");
    auto& minor = cell.label("txt_Registration_Select_Minor");
    setNarrowFont(width, {&name, &major, &minor});
    cell.image("Reg_TopView").setImage(rowPicture(row));
    cell.image("Reg_TopView").setState(rowState(row));
    name.setText(beacon->sRegistration_Name);
    major.setText(beacon->sRegistration_Select_Major);
    minor.setText(beacon->sRegistration_Select_Minor);
    cell.label("lbl_Distance").setText(distanceText(beacon->sRegistration_Accuracy));

    auto& select = cell.button("btn_Registration_Select");
    select.setTitle("등록");
    if (!beacon->sRegistration_Name.empty()) {
        select.setImage(kRegisteredPicture);
        select.setState("registered");
        select.setEnabled(false);
    }
    select.onTap = [beacon, delegate] {
        tell(delegate, &CarrierRegDelegate::getRegistrationBeaconTable, beacon);
    };
}

void UICarrierListCell::setRegistrationBeacon(ui::Cell& cell, const BeaconRecord& beacon, int row,
                                              double width,
                                              std::weak_ptr<CarrierRegDelegate> delegate) {
    platform::logLine("RowCount == " + std::to_string(row));
    auto& name = cell.label("lbl_Name");
    auto& major = cell.label("lbl_Major");
    auto& minor = cell.label("lbl_Minor");
    setNarrowFont(width, {&name, &major, &minor});
    cell.image("img_TopImage").setImage(rowPicture(row));
    cell.image("img_TopImage").setState(rowState(row));
    name.setText(beacon->sRegistration_Name);
    major.setText(beacon->sRegistration_Select_Major);
    minor.setText(beacon->sRegistration_Select_Minor);
    cell.image("img_Status").setImage(beacon->sStatus == "1" ? kSeenPicture : kUnseenPicture);
    cell.image("img_Status").setState(beacon->sStatus == "1" ? "seen" : "");

    auto& rename = cell.button("btn_Nickname");
    rename.setTitle("이름 변경");
    rename.onTap = [beacon, delegate] {
        tell(delegate, &CarrierRegDelegate::setBeaconName, beacon);
    };
    auto& remove = cell.button("btn_Delete");
    remove.setTitle("삭제");
    remove.onTap = [beacon, delegate] {
        tell(delegate, &CarrierRegDelegate::setBeaconDelete, beacon);
    };
}

} // namespace carriers
