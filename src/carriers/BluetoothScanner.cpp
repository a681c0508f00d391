#include "carriers/BluetoothScanner.h"

#include "carriers/CarrierService.h"
#include "carriers/ScannerRules.h"
#include "platform/Log.h"
#include "remote/Answer.h"
#include "remote/XmlDataSetParser.h"

#include <exception>

namespace carriers {
namespace {

/// The accuracy asked of location updates: three kilometres.
constexpr double kThreeKilometres = 3000;

} // namespace

BluetoothScanner::BluetoothScanner(const CarrierContext& context) : context_(context) {}

BluetoothScanner::~BluetoothScanner() = default;

std::shared_ptr<BluetoothScanner> BluetoothScanner::create(const CarrierContext& context) {
    std::shared_ptr<BluetoothScanner> scanner(new BluetoothScanner(context));
    scanner->bluetoothManager_ = context.platform.bluetooth.observe(scanner->lifetime_.guard(
        [s = scanner.get()](platform::AdapterState) { s->centralManagerDidUpdateState(); }));
    scanner->centralManagerDidUpdateState();
    return scanner;
}

void BluetoothScanner::centralManagerDidUpdateState() {
    const AdapterReport report = adapterReport(context_.platform.bluetooth.state());
    platform::logLine(report.logLine);
    if (!report.tell)
        return;
    if (auto d = delegate.lock())
        d->BluetoothState(*report.tell);
}

bool BluetoothScanner::reportStateForStart() {
    stoppedDuringReport_ = false;
    reporting_ = true;
    centralManagerDidUpdateState();
    reporting_ = false;
    return !stoppedDuringReport_;
}

void BluetoothScanner::GetBeacon() {
    if (!reportStateForStart())
        return;
    UUID_List.clear();
    GetBeaconUUID();
    BeaconDetectInit(UUID_List);
}

void BluetoothScanner::GetBeacon(const storage::Rows& rows) {
    if (!reportStateForStart())
        return;
    UUID_List.clear();
    Major_List.clear();
    Minor_List.clear();
    for (const auto& row : rows) {
        platform::logLine("select data 0= " + row.value("1") + ", " + row.value("2") + ", " +
                          row.value("0"));
        UUID_List.push_back(row.value("0"));
        Major_List.push_back(row.value("1"));
        Minor_List.push_back(row.value("2"));
    }
    BeaconDetectInit(UUID_List, Major_List, Minor_List);
}

void BluetoothScanner::GetBeaconUUID() {
    const auto answer = context_.commands().Unit_AllSearch01();
    if (remote::isFailure(answer))
        return;
    remote::XmlDataSetParser parser;
    parser.parse(*answer);
    for (auto& uuid : remote::valuesOf(parser.mXMLDataList(), {"sUnitUUID", "SUNITUUID"}))
        UUID_List.push_back(std::move(uuid));
}

void BluetoothScanner::BeaconDetectInit(const std::vector<std::string>& uuids) {
    platform::logLine("Beacon Detect Init");
    detectInit(uuids, nullptr, nullptr);
}

void BluetoothScanner::BeaconDetectInit(const std::vector<std::string>& uuids,
                                        const std::vector<std::string>& majors,
                                        const std::vector<std::string>& minors) {
    platform::logLine("Beacon Detect Init1");
    detectInit(uuids, &majors, &minors);
}

void BluetoothScanner::detectInit(const std::vector<std::string>& uuids,
                                  const std::vector<std::string>* majors,
                                  const std::vector<std::string>* minors) {
    // The lists may be this scanner's own, which the set-up below leaves alone.
    locationManager = context_.platform.beacons.makeManager(weak_from_this());
    locationManager->setDesiredAccuracy(kThreeKilometres);
    locationManager->startUpdatingLocation();
    locationManager->requestWhenInUseAuthorization();
    ar_beaconRegion.clear();

    const bool exact = majors && minors;
    for (std::size_t i = 0; i < uuids.size(); ++i) {
        auto uuid = platform::parseBeaconUuid(uuids[i]);
        if (!uuid)
            continue; // this position gets no region; the others keep their numbers
        platform::BeaconRegion region;
        region.identifier = regionIdentifier(static_cast<int>(i));
        region.uuid = *uuid;
        if (exact) {
            region.major = lowSixteenBits(i < majors->size() ? (*majors)[i] : std::string());
            region.minor = lowSixteenBits(i < minors->size() ? (*minors)[i] : std::string());
        }
        region.notifyOnEntry = region.notifyOnExit = region.notifyEntryStateOnDisplay = true;
        beaconRegion = region;
        ar_beaconRegion.push_back(region);
        if (exact)
            locationManager->requestWhenInUseAuthorization();
        locationManager->startRanging(region);
        locationManager->startMonitoring(region);
        locationManager->requestState(region);
    }
}

void BluetoothScanner::StopBeacon() {
    if (reporting_)
        stoppedDuringReport_ = true;
    if (!locationManager)
        return;
    for (const auto& region : std::vector(ar_beaconRegion)) {
        locationManager->stopRanging(region);
        locationManager->stopMonitoring(region);
    }
    locationManager->stopUpdatingLocation();
}

void BluetoothScanner::BluetoothAlert() {
    if (auto d = delegate.lock())
        d->BluetoothState(false);
}

void BluetoothScanner::SetBeaconSuccessLog(const std::string& uuid, const std::string& major,
                                           const std::string& minor) {
    sendFoundLog(context_.commands(), uuid, major, minor);
}

void BluetoothScanner::didEnterRegion(const platform::BeaconRegion& region) {
    SetBeaconSuccessLog("11", "2", "3");
    beaconRegion = region;
    if (locationManager)
        locationManager->startRanging(region);
}

void BluetoothScanner::didExitRegion(const platform::BeaconRegion& region) {
    beaconRegion = region;
    if (locationManager)
        locationManager->stopRanging(region);
}

void BluetoothScanner::didDetermineState(platform::RegionState state,
                                         const platform::BeaconRegion& region) {
    if (state == platform::RegionState::Inside) {
        beaconRegion = region;
        if (locationManager)
            locationManager->startRanging(region);
    } else {
        platform::logLine("Region unknown");
    }
}

void BluetoothScanner::didRangeBeacons(const std::vector<platform::RangedBeacon>& beacons,
                                       const platform::BeaconRegion&) {
    if (beacons.empty())
        return;
    auto keep = shared_from_this(); // a delegate may drop this scanner while it is told
    platform::logLine("탐색된 비콘 수!! " + std::to_string(beacons.size()));
    try {
        for (const auto& beacon : beacons) {
            registrationBeacon1 = rangedRecord(beacon);
            const BeaconRecord record = registrationBeacon1;
            if (auto d = delegate.lock())
                d->getRegistrationBeacon(record);
            platform::logLine("비콘찾음1 :FindUUID = " + record->sRegistration_UUID +
                              "  major = " + record->sRegistration_Select_Major +
                              "  minor= " + record->sRegistration_Select_Minor);
        }
    } catch (const std::exception& e) {
        // The rest of this result is dropped; the next one is handled as usual.
        platform::logLine(std::string("Exception = ") + e.what());
    }
}

} // namespace carriers
