#pragma once
// The app core on the simulated platform, talking to a stand-in carrier service, with the
// simulated radio's tags placed by the test.

#include "SimulatedPlatform.h"
#include "app/AppContext.h"
#include "app/AppDelegate.h"
#include "app/ViewController.h"
#include "carriers/CarrierContext.h"
#include "services/StandIn.h"
#include "storage/DBClass.h"
#include "storage/SqlFormat.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace carriers_test {

/// The stand-in service's beacon UUIDs.
inline constexpr const char* kUuidA = "D5FC0C59-E3AF-4493-B85A-4CEA5A1EDB9B";
inline constexpr const char* kUuidB = "2CB70B0E-A09F-4D16-A210-9CF1BEC8FC39";

class CarrierFixture : public ::testing::Test, protected testing_support::SimulatedPlatform {
protected:
    CarrierFixture() {
        services::Options options;
        options.dataFile = serviceDir.file("services.sqlite3");
        options.today = "20261207";
        standIn = std::make_unique<services::StandIn>(options);
        if (!standIn->start())
            ADD_FAILURE() << "the stand-in service did not start";
        if (auto error = config.apply(standIn->clientConfigJson()))
            ADD_FAILURE() << *error;
        plat = makePlatform(TAMBERLINOVE_ASSETS_DIR);
        storage::DBClass db(storage::DBClass::databasePath(data.str()));
        db.ConnectDB();
        db.createDatabase();
        db.DisConnectDB();
    }
    ~CarrierFixture() override {
        delegate.reset();
        context.reset();
    }

    /// Launches the app: the main screen loads and appears.
    void launch() {
        context = std::make_unique<app::AppContext>(*plat, config);
        delegate = std::make_unique<app::AppDelegate>(*context);
        delegate->didFinishLaunching(std::nullopt);
        loop->runUntilIdle();
    }
    app::ViewController& main() { return *delegate->mainScreen(); }
    ui::Window& window() { return context->window; }
    carriers::CarrierContext carrierContext() {
        return {*plat,
                {config.soapNamespace, config.carrierServiceURL, config.airportServiceURL},
                storage::DBClass::databasePath(data.str()),
                375,
                667};
    }

    void storeCarrier(const std::string& uuid, const std::string& major, const std::string& minor,
                      const std::string& name) {
        storage::DBClass db(storage::DBClass::databasePath(data.str()));
        db.ConnectDB();
        ASSERT_EQ(db.InsertUpdateDeleteExcuteQuery(storage::sqlFormat(
                      "INSERT INTO aRegistration(sMac, sUUID, sMajor, sMinor, sName) "
                      "VALUES('','%@','%@','%@','%@')",
                      {uuid, major, minor, name})),
                  "0");
        db.DisConnectDB();
    }
    /// Rows of aRegistration as "uuid/major/minor/name".
    std::vector<std::string> storedCarriers() {
        storage::DBClass db(storage::DBClass::databasePath(data.str()));
        db.ConnectDB();
        std::vector<std::string> out;
        for (const auto& r : db.SelectExcuteQuery(
                 "SELECT sUUID, sMajor, sMinor, sName FROM aRegistration ORDER BY sMajor"))
            out.push_back(r.at("0") + "/" + r.at("1") + "/" + r.at("2") + "/" + r.at("3"));
        db.DisConnectDB();
        return out;
    }
    /// Makes the table unusable, so that the next statement on it fails.
    void breakTable() {
        storage::DBClass db(storage::DBClass::databasePath(data.str()));
        db.ConnectDB();
        ASSERT_EQ(db.InsertUpdateDeleteExcuteQuery("DROP TABLE aRegistration"), "0");
        db.DisConnectDB();
    }

    /// A tag in range of the simulated radio.
    void tag(const char* uuid, int major, int minor, int rssi = -60, int power = -59) {
        radio->setTag({*platform::parseBeaconUuid(uuid), static_cast<std::uint16_t>(major),
                       static_cast<std::uint16_t>(minor), rssi, power});
    }
    void advance(double seconds) { loop->advance(platform::seconds(seconds)); }
    std::size_t logCount(const std::string& line) {
        const auto lines = log.lines();
        return static_cast<std::size_t>(std::count(lines.begin(), lines.end(), line));
    }
    std::vector<std::map<std::string, std::string>> unitJoins() { return standIn->unitRegistry(); }

    testing_support::TempDir serviceDir;
    std::unique_ptr<services::StandIn> standIn;
    app::Config config;
    std::unique_ptr<platform::Platform> plat;
    std::unique_ptr<app::AppContext> context;
    std::unique_ptr<app::AppDelegate> delegate;
};

} // namespace carriers_test
