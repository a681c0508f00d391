#include "carriers/UIRegstrationViewController.h"

#include "carriers/CarrierCells.h"
#include "carriers/CarrierRegistry.h"
#include "carriers/CarrierService.h"
#include "carriers/CarrierTexts.h"
#include "platform/Log.h"
#include "storage/Connection.h"

namespace carriers {

UIRegstrationViewController::UIRegstrationViewController(CarrierContext context)
    : ui::Screen("UIRegstrationViewController"), context_(std::move(context)),
      dbClass(context_.databaseFile) {
    addOutlet("btn_Back", btn_Back);
    addOutlet("btn_Refresh", btn_Refresh);
    addOutlet("img_Refresh", img_Refresh);
    addOutlet("registrationTableView", registrationTableView);
    btn_Back.setTitle("뒤로");
    btn_Refresh.setTitle("다시 찾기");
    img_Refresh.setImage(kSearchingPicture);
    btn_Back.onTap = [this] { btn_Back_Clicked(); };
    btn_Refresh.onTap = [this] { btn_Refresh_Clicked(); };
    registrationTableView.numberOfRows = [this] { return static_cast<int>(data.size()); };
    registrationTableView.cellForRow = [this](int row, ui::Cell& cell) {
        configureCell(row, cell);
    };
}

void UIRegstrationViewController::viewDidLoad() {
    data.clear();
    storage::createDatabase(dbClass);
    setBluetooth();
}

void UIRegstrationViewController::setBluetooth() {
    bluetoothScanner = BluetoothScanner::create(context_);
    // The screen is the delegate before the scan starts, so that an adapter that is off
    // when the scan starts is reported to it.
    bluetoothScanner->delegate =
        std::static_pointer_cast<UIRegstrationViewController>(shared_from_this());
    bluetoothScanner->GetBeacon();
    showScanning(btn_Refresh, img_Refresh, true);
    timer1_ = lifetime_.after(platform::seconds(kScanSeconds), [this] { stopBluetooth(); });
}

void UIRegstrationViewController::stopBluetooth() {
    if (bluetoothScanner)
        bluetoothScanner->StopBeacon();
    showScanning(btn_Refresh, img_Refresh, false);
}

void UIRegstrationViewController::viewWillDisappear(bool) {
    stopBluetooth();
    timer1_.cancel();
}

void UIRegstrationViewController::btn_Back_Clicked() {
    if (auto d = delegate.lock())
        d->compRegistration();
    stopBluetooth();
    dismiss(false);
}

void UIRegstrationViewController::btn_Refresh_Clicked() {
    stopBluetooth();
    setBluetooth();
}

void UIRegstrationViewController::BluetoothState(bool poweredOn) {
    if (!poweredOn)
        showAlert(adapterOffAlert(lifetime_.guard([this] { stopBluetooth(); })));
}

void UIRegstrationViewController::getRegistrationBeacon(const BeaconRecord& beacon) {
    for (const auto& known : data)
        if (known->sameCarrier(*beacon))
            return;
    const std::string name = getName(beacon->sRegistration_UUID, beacon->sRegistration_Select_Major,
                                     beacon->sRegistration_Select_Minor);
    data.push_back(RegistrationBeacon::ranged(
        name, beacon->sRegistration_Select_Major, beacon->sRegistration_Select_Minor,
        beacon->sRegistration_UUID, beacon->sRegistration_Accuracy, beacon->sRegistration_Rssi));
    registrationTableView.reloadData();
}

std::string UIRegstrationViewController::getName(const std::string& uuid, const std::string& major,
                                                 const std::string& minor) {
    const storage::Connection connection(dbClass);
    return registry::name(dbClass, uuid, major, minor);
}

void UIRegstrationViewController::getRegistrationBeaconTable(const BeaconRecord& beacon) {
    regViewController = std::make_shared<putName>();
    regViewController->getRegstrationBeacon(beacon);
    regViewController->delegate =
        std::static_pointer_cast<UIRegstrationViewController>(shared_from_this());
    addChild(regViewController);
}

void UIRegstrationViewController::sendCarrierName(const BeaconRecord& beacon) {
    insertInfo(beacon->sRegistration_Name, "", beacon->sRegistration_UUID,
               beacon->sRegistration_Select_Major, beacon->sRegistration_Select_Minor);
}

void UIRegstrationViewController::insertInfo(const std::string& name, const std::string& mac,
                                             const std::string& uuid, const std::string& major,
                                             const std::string& minor) {
    {
        const storage::Connection connection(dbClass);
        // The name is updated only for a carrier already stored: after a failing file the
        // update would match no row and register remotely a carrier that is not stored here.
        const storage::Status inserted = registry::insert(dbClass, mac, uuid, major, minor, name);
        if (inserted == storage::Status::Ok ||
            (inserted == storage::Status::Refused &&
             registry::updateName(dbClass, name, uuid, major, minor) == storage::Status::Ok))
            sendUnitJoin(context_.commands(), uuid, major, minor, kRegisterFlag);
        else
            platform::logLine("update failed!!");
    }
    registrationTableView.reloadData();
}

void UIRegstrationViewController::configureCell(int row, ui::Cell& cell) {
    const BeaconRecord beacon = data.at(static_cast<std::size_t>(row));
    std::weak_ptr<CarrierRegDelegate> self =
        std::static_pointer_cast<UIRegstrationViewController>(shared_from_this());
    CustomCell_CarrierRegTableViewCell::setRegistrationBeacon(cell, beacon, row,
                                                              context_.screenWidth, self);
}

} // namespace carriers
