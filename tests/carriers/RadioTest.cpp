// The radio layer: UUID text, iBeacon frames, the adapter's states, and the ranging
// component that turns what is heard into region events and once-a-second results.
#include "SimulatedPlatform.h"
#include "platform/BeaconRanging.h"
#include "platform/DemoTags.h"
#include "platform/IBeacon.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using platform::AdapterState;
using platform::BeaconRegion;
using platform::RangedBeacon;
using platform::RegionState;

constexpr const char* kUuid = "D5FC0C59-E3AF-4493-B85A-4CEA5A1EDB9B";
constexpr const char* kOther = "2CB70B0E-A09F-4D16-A210-9CF1BEC8FC39";

platform::BeaconUuid uuid(const char* text) {
    return *platform::parseBeaconUuid(text);
}

TEST(BeaconUuid, CanonicalTextIsReadInEitherCaseAndWrittenInUpperCase) {
    const auto lower = platform::parseBeaconUuid("d5fc0c59-e3af-4493-b85a-4cea5a1edb9b");
    ASSERT_TRUE(lower);
    EXPECT_EQ(platform::formatBeaconUuid(*lower), kUuid);
    EXPECT_EQ((*lower)[0], 0xD5);
    EXPECT_EQ((*lower)[15], 0x9B);
    for (const char* bad :
         {"", "D5FC0C59E3AF4493B85A4CEA5A1EDB9B", // no hyphens
          "{D5FC0C59-E3AF-4493-B85A-4CEA5A1EDB9B}",
          "D5FC0C59-E3AF-4493-B85A-4CEA5A1EDB9",  // short
          "D5FC0C5-9E3AF-4493-B85A-4CEA5A1EDB9B", // hyphen moved
          "G5FC0C59-E3AF-4493-B85A-4CEA5A1EDB9B", " D5FC0C59-E3AF-4493-B85A-4CEA5A1EDB9"})
        EXPECT_FALSE(platform::parseBeaconUuid(bad)) << bad;
}

// An advertisement as a tag sends it: flags, then manufacturer data of the iBeacon layout.
std::vector<std::uint8_t> advertisement(std::uint16_t major, std::uint16_t minor,
                                        std::int8_t power) {
    std::vector<std::uint8_t> bytes{0x02, 0x01, 0x06, 0x1A, 0xFF, 0x4C, 0x00, 0x02, 0x15};
    const auto u = uuid(kUuid);
    bytes.insert(bytes.end(), u.begin(), u.end());
    bytes.push_back(static_cast<std::uint8_t>(major >> 8));
    bytes.push_back(static_cast<std::uint8_t>(major & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>(minor >> 8));
    bytes.push_back(static_cast<std::uint8_t>(minor & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>(power));
    return bytes;
}

TEST(IBeaconFrames, RealAdvertisementGivesUuidBigEndianNumbersAndSignedPower) {
    const auto frame = platform::parseIBeaconAdvertisement(advertisement(0x1234, 0xBEEF, -59));
    ASSERT_TRUE(frame);
    EXPECT_EQ(platform::formatBeaconUuid(frame->uuid), kUuid);
    EXPECT_EQ(frame->major, 0x1234);
    EXPECT_EQ(frame->minor, 0xBEEF);
    EXPECT_EQ(frame->measuredPower, -59);

    // The same bytes as a radio stack hands them over: the data after the company id.
    const auto ad = advertisement(7, 8, -70);
    const auto data = std::span(ad).subspan(7);
    EXPECT_EQ(platform::parseIBeaconData(0x004C, data),
              (platform::IBeaconFrame{frame->uuid, 7, 8, -70}));
}

TEST(IBeaconFrames, MalformedOrForeignDataIsNoFrame) {
    auto ad = advertisement(1, 2, -59);
    const auto data = std::vector<std::uint8_t>(ad.begin() + 7, ad.end());
    EXPECT_FALSE(platform::parseIBeaconData(0x0059, data));                    // another company
    for (const auto& [at, value] : {std::pair{0, 0x03}, std::pair{1, 0x14}}) { // type, length
        auto wrong = data;
        wrong[at] = value;
        EXPECT_FALSE(platform::parseIBeaconData(0x004C, wrong)) << at;
    }
    EXPECT_FALSE(platform::parseIBeaconData(
        0x004C, std::span(data).first(data.size() - 1))); // power missing
    EXPECT_FALSE(platform::parseIBeaconData(0x004C, {}));

    auto overrun = ad;
    overrun[3] = 0x40; // the structure claims more bytes than there are
    EXPECT_FALSE(platform::parseIBeaconAdvertisement(overrun));
    EXPECT_FALSE(platform::parseIBeaconAdvertisement(std::vector<std::uint8_t>{0x00, 0xFF}));
    EXPECT_FALSE(platform::parseIBeaconAdvertisement(std::vector<std::uint8_t>{0x01}));
    // A tag that adds bytes after the frame is still read.
    auto longer = std::vector<std::uint8_t>{0x02, 0x01, 0x06, 0x1B};
    longer.insert(longer.end(), ad.begin() + 4, ad.end());
    longer.push_back(0x00);
    EXPECT_TRUE(platform::parseIBeaconAdvertisement(longer));
}

/// Records everything a manager reports.
struct Recorder : platform::BeaconManagerDelegate {
    struct Result {
        std::string region;
        std::vector<RangedBeacon> beacons;
    };
    std::vector<std::string> events;
    std::vector<Result> results;
    std::function<void()> onRange;

    void didEnterRegion(const BeaconRegion& r) override {
        events.push_back("enter " + r.identifier);
    }
    void didExitRegion(const BeaconRegion& r) override { events.push_back("exit " + r.identifier); }
    void didDetermineState(RegionState s, const BeaconRegion& r) override {
        events.push_back(std::string(s == RegionState::Inside ? "inside " : "outside ") +
                         r.identifier);
    }
    void didRangeBeacons(const std::vector<RangedBeacon>& b, const BeaconRegion& r) override {
        results.push_back({r.identifier, b});
        if (onRange)
            onRange();
    }
};

class Ranging : public ::testing::Test, protected testing_support::SimulatedPlatform {
protected:
    static BeaconRegion region(const char* id, const char* u, std::optional<int> major = {},
                               std::optional<int> minor = {}) {
        BeaconRegion r;
        r.identifier = id;
        r.uuid = uuid(u);
        if (major)
            r.major = static_cast<std::uint16_t>(*major);
        if (minor)
            r.minor = static_cast<std::uint16_t>(*minor);
        return r;
    }
    void place(const char* u, int major, int minor, int rssi, int power = -59) {
        radio->setTag({uuid(u), static_cast<std::uint16_t>(major),
                       static_cast<std::uint16_t>(minor), rssi, power});
    }
    void advance(double s) { loop->advance(platform::seconds(s)); }

    std::shared_ptr<Recorder> recorder = std::make_shared<Recorder>();
    std::shared_ptr<platform::BeaconManager> manager = radio->makeManager(recorder);
};

TEST_F(Ranging, OneResultPerRangedRegionEverySecondWithEveryTagOfTheRegion) {
    place(kUuid, 1, 1, -59);
    place(kUuid, 2, 5, -65);
    place(kOther, 1, 1, -50);
    manager->startRanging(region("all", kUuid));
    manager->startRanging(region("one", kUuid, 2, 5));
    manager->startRanging(region("none", kOther, 9, 9));
    advance(1);
    ASSERT_EQ(recorder->results.size(), 3u);
    EXPECT_EQ(recorder->results[0].region, "all");
    ASSERT_EQ(recorder->results[0].beacons.size(), 2u);
    EXPECT_EQ(recorder->results[0].beacons[0].major, 1); // nearest first
    EXPECT_DOUBLE_EQ(recorder->results[0].beacons[0].accuracy, 1.0);
    EXPECT_EQ(recorder->results[0].beacons[0].rssi, -59);
    ASSERT_EQ(recorder->results[1].beacons.size(), 1u);
    EXPECT_EQ(recorder->results[1].beacons[0].minor, 5);
    EXPECT_TRUE(recorder->results[2].beacons.empty()); // results come even when empty
    advance(2);
    EXPECT_EQ(recorder->results.size(), 9u);
}

TEST_F(Ranging, OneOutlierDoesNotMoveAStillTagsDistance) {
    place(kUuid, 1, 1, -65);
    manager->startRanging(region("r", kUuid));
    advance(5);
    const double steady = recorder->results.back().beacons.at(0).accuracy;
    place(kUuid, 1, 1, -95); // one reading far off
    advance(1);
    const double withOutlier = recorder->results.back().beacons.at(0).accuracy;
    place(kUuid, 1, 1, -65);
    advance(1);
    EXPECT_DOUBLE_EQ(withOutlier, steady);
    EXPECT_DOUBLE_EQ(recorder->results.back().beacons.at(0).accuracy, steady);
    EXPECT_GT(platform::BeaconRanging::distanceEstimate(-95, -59), 10 * steady);

    // A tag that really moved is followed once most recent readings agree.
    place(kUuid, 1, 1, -79);
    advance(8);
    EXPECT_NEAR(recorder->results.back().beacons.at(0).accuracy, 10.0, 0.5);
}

TEST_F(Ranging, RegionIsLeftOnlyAfterItsTagsWentUnheardForThirtySeconds) {
    place(kUuid, 3, 4, -60);
    const auto r = region("r", kUuid, 3, 4);
    manager->startMonitoring(r);
    manager->requestState(r);
    loop->runUntilIdle();
    EXPECT_EQ(recorder->events, (std::vector<std::string>{"inside r"})); // no entry: inside already

    radio->removeTag(uuid(kUuid), 3, 4);
    advance(29);
    EXPECT_EQ(recorder->events.size(), 1u);
    advance(1);
    EXPECT_EQ(recorder->events.back(), "exit r");
    advance(60);
    EXPECT_EQ(recorder->events.size(), 2u); // told once

    place(kUuid, 3, 4, -60);
    advance(1);
    EXPECT_EQ(recorder->events.back(), "enter r");
    // Missed readings within the thirty seconds leave the region entered.
    radio->removeTag(uuid(kUuid), 3, 4);
    advance(20);
    place(kUuid, 3, 4, -60);
    advance(20);
    EXPECT_EQ(recorder->events.back(), "enter r");
    EXPECT_EQ(recorder->events.size(), 3u);
}

TEST_F(Ranging, TagMissedForAMomentStaysListedWithUnknownDistanceThenDrops) {
    place(kUuid, 1, 1, -60);
    manager->startRanging(region("r", kUuid));
    advance(3);
    radio->removeTag(uuid(kUuid), 1, 1);
    advance(1);
    EXPECT_EQ(recorder->results.back().beacons.at(0).rssi, -60); // heard a second ago
    advance(1);
    const auto missed = recorder->results.back().beacons.at(0);
    EXPECT_EQ(missed.rssi, 0);
    EXPECT_EQ(missed.accuracy, -1);
    advance(platform::BeaconRanging::kRangingHoldSeconds);
    EXPECT_TRUE(recorder->results.back().beacons.empty());
}

TEST_F(Ranging, NothingIsHeardWhileTheAdapterIsOff) {
    place(kUuid, 1, 1, -60);
    bluetooth.setState(AdapterState::PoweredOff);
    const auto r = region("r", kUuid);
    manager->startMonitoring(r);
    manager->startRanging(r);
    advance(3);
    EXPECT_TRUE(recorder->events.empty());
    ASSERT_FALSE(recorder->results.empty());
    EXPECT_TRUE(recorder->results.back().beacons.empty());
    bluetooth.setState(AdapterState::PoweredOn);
    advance(1);
    EXPECT_EQ(recorder->events, (std::vector<std::string>{"enter r"}));
}

TEST_F(Ranging, RegionsBelongToTheirManagerAndListeningEndsWithTheLast) {
    place(kUuid, 1, 1, -60);
    auto other = std::make_shared<Recorder>();
    auto second = radio->makeManager(other);
    // The same identifier in two managers: two regions.
    manager->startRanging(region("kr.co.vorneth_0", kUuid));
    second->startRanging(region("kr.co.vorneth_0", kUuid, 1, 1));
    advance(1);
    manager->stopRanging(region("kr.co.vorneth_0", kUuid));
    advance(1);
    EXPECT_EQ(recorder->results.size(), 1u);
    EXPECT_EQ(other->results.size(), 2u);

    // A new region under a used identifier replaces the old one.
    second->startRanging(region("kr.co.vorneth_0", kOther));
    EXPECT_EQ(second->rangedRegions().size(), 1u);
    EXPECT_TRUE(radio->scanning());
    second.reset(); // the scanner went away with its screen
    EXPECT_FALSE(radio->scanning());
    EXPECT_FALSE(loop->nextDueIn()); // no timer is left running
}

TEST_F(Ranging, DelegateMayStopItsRegionsAndDropItsManagerWhileTold) {
    place(kUuid, 1, 1, -60);
    const auto r = region("r", kUuid), s = region("s", kUuid);
    manager->startRanging(r);
    manager->startRanging(s);
    recorder->onRange = [&] {
        manager->stopRanging(r);
        manager->stopRanging(s);
        manager.reset();
    };
    advance(1);
    advance(3);
    EXPECT_EQ(recorder->results.size(), 1u);
    EXPECT_FALSE(radio->scanning());
}

TEST_F(Ranging, DemoTagsAreNearUntilASearchForThemAndArriveSecondsLater) {
    platform::DemoTags demo(*loop, *radio, {uuid(kUuid), uuid(kOther)});
    ASSERT_EQ(demo.tags().size(), 3u);
    const auto& bag = demo.tags()[0];
    manager->startRanging(region("all", kUuid)); // registration: every tag near the phone
    advance(1);
    EXPECT_EQ(recorder->results.back().beacons.size(), 2u);
    manager->stopRanging(region("all", kUuid));

    // The search for another carrier starts first: the radio hears every tag near it then.
    const auto other = region("other", kOther, 999, 1);
    manager->startRanging(other);
    manager->startMonitoring(other);
    const auto exact = region("bag", kUuid, bag.major, bag.minor);
    manager->startRanging(exact);
    manager->startMonitoring(exact);
    manager->requestState(exact);
    loop->runUntilIdle();
    EXPECT_EQ(recorder->events, (std::vector<std::string>{"outside bag"}));
    advance(platform::DemoTags::kArrivalSeconds[0] - 1);
    EXPECT_TRUE(recorder->results.back().beacons.empty());
    advance(1);
    EXPECT_EQ(recorder->events.back(), "enter bag");
    EXPECT_EQ(recorder->results.back().beacons.size(), 1u);
}

} // namespace
