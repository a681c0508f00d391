#pragma once
// The app core on the simulated platform, talking to a stand-in carrier service, with the
// simulated radio's tags placed by the test.

#include "app/AppFixture.h"
#include "carriers/CarrierContext.h"
#include "services/StandIn.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace carriers_test {

/// The stand-in service's beacon UUIDs.
inline constexpr const char* kUuidA = "D5FC0C59-E3AF-4493-B85A-4CEA5A1EDB9B";
inline constexpr const char* kUuidB = "2CB70B0E-A09F-4D16-A210-9CF1BEC8FC39";

class CarrierFixture : public testing_support::AppFixture {
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
        plat = makePlatform(resources); // for the parts made without a launch
        storage::DBClass db(storage::DBClass::databasePath(data.str()));
        db.ConnectDB();
        db.createDatabase();
        db.DisConnectDB();
    }
    ~CarrierFixture() override { // the app goes before the service it talks to
        delegate.reset();
        context.reset();
    }

    carriers::CarrierContext carrierContext() {
        return {*plat,
                {config.soapNamespace, config.carrierServiceURL, config.airportServiceURL},
                storage::DBClass::databasePath(data.str()),
                375,
                667};
    }

    void storeCarrier(const std::string& uuid, const std::string& major, const std::string& minor,
                      const std::string& name) {
        execute(storage::sqlFormat("INSERT INTO aRegistration(sMac, sUUID, sMajor, sMinor, sName) "
                                   "VALUES('','%@','%@','%@','%@')",
                                   {uuid, major, minor, name}));
    }
    /// Rows of aRegistration as "uuid/major/minor/name".
    std::vector<std::string> storedCarriers() {
        std::vector<std::string> out;
        for (const auto& r :
             query("SELECT sUUID, sMajor, sMinor, sName FROM aRegistration ORDER BY sMajor"))
            out.push_back(r.at("0") + "/" + r.at("1") + "/" + r.at("2") + "/" + r.at("3"));
        return out;
    }
    /// Makes the table unusable, so that the next statement on it fails.
    void breakTable() { execute("DROP TABLE aRegistration"); }

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
};

} // namespace carriers_test
