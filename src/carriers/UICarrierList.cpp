#include "carriers/UICarrierList.h"

#include "carriers/CarrierCells.h"
#include "carriers/CarrierRegistry.h"
#include "carriers/CarrierService.h"
#include "carriers/CarrierTexts.h"
#include "storage/Connection.h"

namespace carriers {
UICarrierList::UICarrierList(CarrierContext context)
    : ui::Screen("UICarrierList"), context_(std::move(context)), dbClass(context_.databaseFile),
      seen_(context_.databaseFile, context_.platform.clock) {
    addOutlet("btn_Back", btn_Back);
    addOutlet("btn_Refresh", btn_Refresh);
    addOutlet("img_Search", img_Search);
    addOutlet("carrierTableView", carrierTableView);
    btn_Back.setTitle("뒤로");
    btn_Refresh.setTitle("다시 찾기");
    img_Search.setImage(kSearchingPicture);
    btn_Back.onTap = [this] { btn_Back_Clicked(); };
    btn_Refresh.onTap = [this] { btn_Refresh_Clicked(); };
    carrierTableView.numberOfRows = [this] { return static_cast<int>(data.size()); };
    carrierTableView.cellForRow = [this](int row, ui::Cell& cell) {
        const BeaconRecord& entry = data.at(static_cast<std::size_t>(row));
        UICarrierListCell::setRegistrationBeacon(cell, entry, row, context_.screenWidth, self());
        cell.label("lbl_SeenText")
            .setText(seenLine(entry->sStatus == "1", looking(), seen_.minutesAgo(*entry)));
    };
}

std::shared_ptr<UICarrierList> UICarrierList::self() {
    return std::static_pointer_cast<UICarrierList>(shared_from_this());
}

void UICarrierList::viewDidLoad() {
    data.clear();
    seen_.load();
    showScanning(btn_Refresh, img_Search, true);
    setBluetooth();
    armMinuteRefresh();
}

void UICarrierList::setBluetooth() {
    bluetoothScanner = BluetoothScanner::create(context_);
    const storage::Rows rows = getDeviceList();
    if (rows.empty()) {
        stopBluetooth();
        return;
    }
    // The screen is the delegate before the scan starts, so that an adapter that is off
    // when the scan starts is reported to it.
    bluetoothScanner->delegate = self();
    bluetoothScanner->GetBeacon(rows);
    timer1_ = lifetime_.after(platform::seconds(kScanSeconds), [this] { stopBluetooth(); });
    startLooking();
}

void UICarrierList::startLooking() {
    lookTimer_ = lifetime_.after(platform::seconds(kLookingSeconds),
                                 [this] { carrierTableView.reloadData(); });
    carrierTableView.reloadData();
}

void UICarrierList::armMinuteRefresh() {
    if (const auto wait = seen_.untilNextMinute(data))
        minuteTimer_ = lifetime_.after(
            platform::seconds(std::chrono::duration<double>(*wait).count()), [this] {
                carrierTableView.reloadData();
                armMinuteRefresh();
            });
}

void UICarrierList::stopBluetooth() {
    if (bluetoothScanner)
        bluetoothScanner->StopBeacon();
    showScanning(btn_Refresh, img_Search, false);
    if (looking()) {
        lookTimer_.cancel();
        carrierTableView.reloadData();
    }
}

void UICarrierList::viewDidDisappear(bool) {
    timer1_.cancel();
    lookTimer_.cancel();
    minuteTimer_.cancel();
}

void UICarrierList::btn_Back_Clicked() {
    stopBluetooth();
    dismiss(true);
}

void UICarrierList::btn_Refresh_Clicked() {
    stopBluetooth();
    showScanning(btn_Refresh, img_Search, true);
    if (bluetoothScanner) {
        bluetoothScanner->GetBeacon();
        startLooking();
    }
}

storage::Rows UICarrierList::getDeviceList() {
    storage::Rows rows = registry::withNames(*storage::Connection(dbClass));
    data.clear();
    for (const auto& row : rows)
        data.push_back(RegistrationBeacon::listed(row.value("3"), row.value("1"), row.value("2"),
                                                  row.value("0"), "0"));
    carrierTableView.reloadData();
    return rows;
}

void UICarrierList::getRegistrationBeacon(const BeaconRecord& beacon) {
    for (auto& entry : data) {
        if (!entry->sameCarrier(*beacon))
            continue;
        seen_.heard(*entry);
        if (!minuteTimer_.running())
            armMinuteRefresh();
        if (entry->sStatus == "1")
            continue;
        entry = RegistrationBeacon::listed(
            entry->sRegistration_Name, entry->sRegistration_Select_Major,
            entry->sRegistration_Select_Minor, entry->sRegistration_UUID, "1");
        carrierTableView.reloadData();
    }
}

void UICarrierList::setBeaconName(const BeaconRecord& beacon) {
    regViewController = std::make_shared<putName>();
    regViewController->getRegstrationBeacon(beacon);
    regViewController->delegate = std::weak_ptr<CarrierNameDelegate>(self());
    addChild(regViewController);
}

void UICarrierList::updateName(const BeaconRecord& beacon) {
    {
        const storage::Connection connection(dbClass);
        const bool done =
            registry::updateName(dbClass, beacon->sRegistration_Name, beacon->sRegistration_UUID,
                                 beacon->sRegistration_Select_Major,
                                 beacon->sRegistration_Select_Minor) == storage::Status::Ok;
        SendAlertDialog("확인", done ? kRenamedMessage : kFailedMessage);
    }
    for (auto& entry : data)
        if (entry->sameCarrier(*beacon))
            entry->sRegistration_Name = beacon->sRegistration_Name;
    carrierTableView.reloadData();
}

void UICarrierList::setBeaconDelete(const BeaconRecord& beacon) {
    const BeaconRecord carrier = beacon; // the row's entry leaves `data` below
    if (const storage::Connection connection(dbClass);
        registry::remove(dbClass, carrier->sRegistration_UUID, carrier->sRegistration_Select_Major,
                         carrier->sRegistration_Select_Minor) == storage::Status::Ok) {
        sendUnitJoin(context_.commands(), carrier->sRegistration_UUID,
                     carrier->sRegistration_Select_Major, carrier->sRegistration_Select_Minor,
                     kDeregisterFlag);
        SendAlertDialog("확인", kDeletedMessage);
    } else {
        SendAlertDialog("확인", kFailedMessage);
    }
    std::erase_if(data, [&](const BeaconRecord& entry) { return entry->sameCarrier(*carrier); });
    carrierTableView.reloadData();
}

void UICarrierList::SendAlertDialog(const std::string& title, const std::string& message) {
    showAlert(ui::Alert::simple(title, message, "OK"));
}

void UICarrierList::BluetoothState(bool poweredOn) {
    if (!poweredOn)
        showAlert(adapterOffAlert(lifetime_.guard([this] { stopBluetooth(); })));
}

} // namespace carriers
