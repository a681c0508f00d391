// The beacon scanner: its adapter table and texts, its regions in both modes, and what it
// hands its delegate.
#include "CarrierFixture.h"
#include "carriers/BluetoothScanner.h"
#include "carriers/ScannerRules.h"

using carriers::BluetoothScanner;
using carriers_test::CarrierFixture;
using carriers_test::kUuidA;
using carriers_test::kUuidB;
using platform::AdapterState;

namespace {

TEST(ScannerRules, OnlyAnAdapterThatIsOnOffOrUnknownIsToldToTheScreen) {
    const std::pair<AdapterState, std::optional<bool>> cases[] = {
        {AdapterState::PoweredOn, true},
        {AdapterState::PoweredOff, false},
        {AdapterState::Unknown, false},
        {AdapterState::Resetting, std::nullopt},
        {AdapterState::Unsupported, std::nullopt},
        {AdapterState::Unauthorized, std::nullopt}};
    for (const auto& [state, tell] : cases)
        EXPECT_EQ(carriers::adapterReport(state).tell, tell) << static_cast<int>(state);
}

TEST(ScannerRules, MajorAndMinorTextKeepsTheLowSixteenBitsOfItsNumber) {
    // The last is held at the 32-bit limit.
    const std::pair<const char*, int> cases[] = {{"70000", 4464},
                                                 {"-1", 65535},
                                                 {" 12abc", 12},
                                                 {"abc", 0},
                                                 {"99999999999999999999", 0xFFFF}};
    for (const auto& [text, number] : cases)
        EXPECT_EQ(carriers::lowSixteenBits(text), number) << text;
    EXPECT_EQ(carriers::regionIdentifier(3), "kr.co.vorneth_3");
}

/// A screen's part in a scan: what it is told.
struct Listener : carriers::CarrierRegDelegate {
    std::vector<bool> states;
    std::vector<carriers::BeaconRecord> beacons;
    std::function<void(bool)> onState;
    void BluetoothState(bool on) override {
        states.push_back(on);
        if (onState)
            onState(on);
    }
    void getRegistrationBeacon(const carriers::BeaconRecord& b) override { beacons.push_back(b); }
};

class Scanner : public CarrierFixture {
protected:
    std::shared_ptr<BluetoothScanner> make() {
        auto s = BluetoothScanner::create(carrierContext());
        s->delegate = listener;
        return s;
    }
    static storage::Row row(std::string uuid, std::string major, std::string minor) {
        return storage::Row(storage::RowKeys::positions(3), {uuid, major, minor});
    }
    std::shared_ptr<Listener> listener = std::make_shared<Listener>();
};

TEST_F(Scanner, RegisteredScanMakesOneExactRegionPerRowNamedByItsPosition) {
    auto scanner = make();
    scanner->GetBeacon(storage::Rows{});
    ASSERT_TRUE(scanner->locationManager);
    EXPECT_TRUE(scanner->locationManager->updatingLocation());
    EXPECT_TRUE(scanner->ar_beaconRegion.empty());

    scanner->GetBeacon(storage::Rows{row(kUuidA, "1", "2"), row("not a uuid", "5", "5"),
                                     row(kUuidA, "70000", "3")});
    const auto& regions = scanner->ar_beaconRegion;
    ASSERT_EQ(regions.size(), 2u);
    EXPECT_EQ(regions[0].identifier, "kr.co.vorneth_0");
    EXPECT_EQ(regions[0].major, 1);
    EXPECT_EQ(regions[0].minor, 2);
    EXPECT_EQ(regions[1].identifier, "kr.co.vorneth_2"); // the skipped row keeps its number
    EXPECT_EQ(regions[1].major, 4464);
    EXPECT_TRUE(regions[1].notifyOnEntry && regions[1].notifyOnExit &&
                regions[1].notifyEntryStateOnDisplay);
    EXPECT_EQ(scanner->locationManager->monitoredRegions(), regions);
    EXPECT_EQ(scanner->locationManager->rangedRegions(), regions);
    EXPECT_EQ(scanner->Major_List, (std::vector<std::string>{"1", "5", "70000"}));
}

TEST_F(Scanner, DiscoveryScanRangesEveryTagOfTheServicesUuids) {
    auto scanner = make();
    scanner->GetBeacon();
    ASSERT_EQ(scanner->UUID_List.size(), 3u);
    EXPECT_EQ(scanner->UUID_List[0], kUuidA);
    ASSERT_EQ(scanner->ar_beaconRegion.size(), 3u);
    EXPECT_FALSE(scanner->ar_beaconRegion[0].major);

    tag(kUuidA, 1, 1, -59);
    tag(kUuidA, 2, 65535, -70, 0); // a tag that does not say its power: distance unknown
    tag(kUuidB, 3, 3, -65);
    advance(1);
    ASSERT_EQ(listener->beacons.size(), 3u); // every tag, each with an empty name
    for (const auto& b : listener->beacons)
        EXPECT_EQ(b->sRegistration_Name, "");
    const auto* unknown = listener->beacons[1].get();
    EXPECT_EQ(unknown->sRegistration_UUID, kUuidA);
    EXPECT_EQ(unknown->sRegistration_Select_Major, "2");
    EXPECT_EQ(unknown->sRegistration_Select_Minor, "65535");
    EXPECT_EQ(unknown->sRegistration_Accuracy, "-1.000000");
    EXPECT_EQ(unknown->sRegistration_Rssi, "-70");
    EXPECT_EQ(listener->beacons[0]->sRegistration_Accuracy, "1.000000");
    advance(1);
    EXPECT_EQ(listener->beacons.size(), 6u); // reported again at the next second
    EXPECT_EQ(scanner->registrationBeacon1, listener->beacons.back());
}

TEST_F(Scanner, DiscoveryWithoutTheServiceSetsUpNothing) {
    config.carrierServiceURL = "http://127.0.0.1:9/none";
    auto scanner = make();
    scanner->GetBeacon();
    EXPECT_TRUE(scanner->UUID_List.empty());
    EXPECT_TRUE(scanner->ar_beaconRegion.empty());
}

TEST_F(Scanner, StopEndsRangingAndIsHarmlessBeforeAnyStart) {
    auto idle = make();
    idle->StopBeacon();
    EXPECT_FALSE(idle->locationManager);

    auto scanner = make();
    scanner->GetBeacon(storage::Rows{row(kUuidA, "1", "1")});
    tag(kUuidA, 1, 1);
    advance(1);
    EXPECT_EQ(listener->beacons.size(), 1u);
    scanner->StopBeacon();
    EXPECT_FALSE(scanner->locationManager->updatingLocation());
    EXPECT_FALSE(radio->scanning());
    advance(5);
    EXPECT_EQ(listener->beacons.size(), 1u);
}

TEST_F(Scanner, EnteringARegionSendsTheFoundLogWithFixedTexts) {
    auto scanner = make();
    scanner->GetBeacon(storage::Rows{row(kUuidA, "8", "9")});
    loop->runUntilIdle();
    tag(kUuidA, 8, 9);
    advance(1);
    const auto logs = standIn->unitSearchLogs();
    ASSERT_EQ(logs.size(), 1u);
    EXPECT_EQ(logs[0].at("sUnitUUID"), "11");
    EXPECT_EQ(logs[0].at("sUnitMajor"), "2");
    EXPECT_EQ(logs[0].at("sUnitMinor"), "3");
    EXPECT_EQ(logs[0].at("sUserTelnum"), "");
    EXPECT_EQ(scanner->beaconRegion->identifier, "kr.co.vorneth_0");
}

TEST_F(Scanner, AdapterStateReachesTheDelegateBeforeRegionsAndOnEveryChange) {
    bluetooth.setState(AdapterState::PoweredOff);
    auto scanner = make();
    EXPECT_TRUE(listener->states.empty()); // the first look reached no delegate
    std::size_t regionsWhenTold = 99;
    listener->onState = [&](bool) { regionsWhenTold = scanner->ar_beaconRegion.size(); };
    scanner->GetBeacon(storage::Rows{row(kUuidA, "1", "1")});
    EXPECT_EQ(listener->states, (std::vector<bool>{false}));
    EXPECT_EQ(regionsWhenTold, 0u);

    bluetooth.setState(AdapterState::PoweredOn);
    bluetooth.setState(AdapterState::Unsupported); // logged, not told
    EXPECT_EQ(listener->states, (std::vector<bool>{false, true}));
    scanner->BluetoothAlert();
    EXPECT_EQ(listener->states.back(), false);
}

TEST_F(Scanner, ScanStoppedInAnswerToAnAdapterThatIsOffSetsUpNoRegions) {
    bluetooth.setState(AdapterState::PoweredOff);
    auto scanner = make();
    listener->onState = [&](bool on) {
        if (!on)
            scanner->StopBeacon();
    };
    scanner->GetBeacon(storage::Rows{row(kUuidA, "1", "1")});
    EXPECT_TRUE(scanner->ar_beaconRegion.empty());
    bluetooth.setState(AdapterState::PoweredOn);
    tag(kUuidA, 1, 1);
    advance(3);
    EXPECT_TRUE(listener->beacons.empty());
    EXPECT_FALSE(radio->scanning());
}

TEST_F(Scanner, ResultsOfAScannerWhoseDelegateIsGoneReachNobody) {
    auto scanner = make();
    scanner->GetBeacon(storage::Rows{row(kUuidA, "1", "1")});
    tag(kUuidA, 1, 1);
    listener.reset();
    advance(2);
    EXPECT_EQ(logCount("비콘찾음1 :FindUUID = " + std::string(kUuidA) + "  major = 1  minor= 1"),
              2u);
}

} // namespace
