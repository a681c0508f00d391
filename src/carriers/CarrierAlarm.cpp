#include "carriers/CarrierAlarm.h"

#include "carriers/CarrierRegistry.h"
#include "carriers/CarrierService.h"
#include "carriers/CarrierTexts.h"
#include "carriers/UIFind.h"

namespace carriers {
namespace {

bool matches(const storage::Row& row, const RegistrationBeacon& beacon) {
    auto value = [&](const char* key) -> const std::string* {
        auto it = row.find(key);
        return it == row.end() ? nullptr : &it->second;
    };
    const std::string *uuid = value("0"), *major = value("1"), *minor = value("2");
    return uuid && major && minor && *uuid == beacon.sRegistration_UUID &&
           *major == beacon.sRegistration_Select_Major &&
           *minor == beacon.sRegistration_Select_Minor;
}

} // namespace

CarrierAlarm::CarrierAlarm(CarrierContext context, ui::Screen& screen, ui::Button& button,
                           Hooks hooks)
    : context_(std::move(context)), screen_(screen), button_(button), hooks_(std::move(hooks)) {}

void CarrierAlarm::stopSearch() {
    if (bluetoothScanner)
        bluetoothScanner->StopBeacon();
    hooks_.setState(false);
    button_.setImage(kAlarmOffPicture);
    button_.setState("");
}

void CarrierAlarm::btn_Alarm_Clicked() {
    if (hooks_.isState()) {
        screen_.showAlert(ui::Alert{kTitle,
                                    kStopMessage,
                                    {ui::AlertButton{"확인", ui::AlertButton::Role::Default,
                                                     lifetime_.guard([this] { stopSearch(); })},
                                     ui::AlertButton{"취소", ui::AlertButton::Role::Cancel, {}}}});
        return;
    }
    hooks_.setState(true);
    const storage::Rows rows = getDeviceList();
    if (rows.empty()) {
        stopSearch();
        screen_.showAlert(ui::Alert::simple("확인", kNoCarrierMessage, "확인"));
        return;
    }
    bluetoothScanner = BluetoothScanner::create(context_);
    bluetoothScanner->delegate = std::weak_ptr<CarrierRegDelegate>(shared_from_this());
    std::weak_ptr<BluetoothScanner> scanner = bluetoothScanner;
    // Only the confirmation starts the scan.
    auto start = lifetime_.guard([this, rows, scanner] {
        if (auto s = scanner.lock()) {
            s->GetBeacon(rows);
            button_.setImage(kAlarmOnPicture);
            button_.setState("searching");
        }
    });
    screen_.showAlert(ui::Alert{
        kTitle, kStartMessage, {ui::AlertButton{"확인", ui::AlertButton::Role::Default, start}}});
}

storage::Rows CarrierAlarm::getDeviceList() {
    storage::DBClass db(context_.databaseFile);
    return registry::readKeys(db);
}

void CarrierAlarm::SetBeaconSuccessLog(const std::string& uuid, const std::string& major,
                                       const std::string& minor) {
    sendFoundLog(context_.commands(), uuid, major, minor);
}

void CarrierAlarm::BluetoothState(bool poweredOn) {
    if (poweredOn)
        return;
    screen_.showAlert(adapterOffAlert(lifetime_.guard([this] {
        hooks_.setState(false);
        button_.setImage(kAlarmOffPicture);
        button_.setState("");
    })));
    if (bluetoothScanner)
        bluetoothScanner->StopBeacon();
}

void CarrierAlarm::getRegistrationBeacon(const BeaconRecord& beacon) {
    const BeaconRecord found = beacon;
    // Every matching row counts; the walk does not stop at the first.
    for (const auto& row : getDeviceList()) {
        if (!matches(row, *found))
            continue;
        stopSearch();
        hooks_.scheduleLocalAlert(kArrivedMessage);
        // The notification waits a second and may not be shown at all (the window in front);
        // the window's request for attention reaches the person at once.
        context_.platform.notifications.requestAttention();
        SetBeaconSuccessLog(found->sRegistration_UUID, found->sRegistration_Select_Major,
                            found->sRegistration_Select_Minor);
        if (!screen_.presentedScreen())
            screen_.present(std::make_shared<UIFind>(context_.platform), false);
    }
}

} // namespace carriers
