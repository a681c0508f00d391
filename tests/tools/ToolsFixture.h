#pragma once
// The app core with the travel tools installed, on the simulated platform, talking to a
// ToolServer.

#include "SimulatedPlatform.h"
#include "ToolServer.h"
#include "app/AppContext.h"
#include "app/AppDelegate.h"
#include "app/ViewController.h"
#include "storage/DBClass.h"
#include "tools/Install.h"

#include <gtest/gtest.h>

namespace tools_test {

inline constexpr const char* kAirportPath = "/sub_airport/airport02.asmx";

class ToolsFixture : public ::testing::Test, protected testing_support::SimulatedPlatform {
protected:
    ToolsFixture() {
        // Enough for the demo's places and nations, so screens have something to list.
        server.rows("City_List02", {cityRow("ICN", "Incheon", "인천", "410"),
                                    cityRow("GMP", "Gimpo", "김포", "410"),
                                    cityRow("NRT", "Narita", "나리타", "392"),
                                    cityRow("JFK", "New York", "뉴욕", "840")});
        server.rows("Nation_List02",
                    {nationRow("410", "Korea Republic", "대한민국"),
                     nationRow("392", "Japan", "일본"), nationRow("840", "United States", "미국")});
        server.rows("Nation_Modify_List01",
                    {{{"Nation", "20261201"}, {"CityInfo", "20261201"}, {"sDate", "20261201"}}});
        server.rows("Exchange_List01",
                    {rateRow("KRW", "한국 원", "1"), rateRow("USD", "미국 달러", "1382.40"),
                     rateRow("JPY(100)", "일본 옌", "889.54")});
    }
    ~ToolsFixture() override {
        delegate.reset();
        context.reset();
    }

    app::Config config() const {
        app::Config c;
        c.airportServiceURL = server.base() + kAirportPath;
        c.carrierServiceURL = server.base() + "/sub_tamberlinove/tamberlinove02.asmx";
        c.referralBase = "http://partner.test";
        c.referralKey = "abcd123456789012";
        c.hotelURL = "https://hotels.test/";
        c.hotelAffiliateId = "123456";
        return c;
    }

    /// Starts the app with the tools installed and runs the loop until idle (the reference
    /// check included).
    void launch() {
        delegate.reset();
        context.reset();
        plat = makePlatform(TAMBERLINOVE_ASSETS_DIR);
        context = std::make_unique<app::AppContext>(*plat, config());
        tools::install(*context);
        delegate = std::make_unique<app::AppDelegate>(*context);
        delegate->didFinishLaunching(std::nullopt);
        loop->runUntilIdle();
    }

    app::ViewController& main() { return *delegate->mainScreen(); }
    ui::Window& window() { return context->window; }
    template <typename T> T& front() {
        auto* screen = dynamic_cast<T*>(window().front());
        if (!screen)
            throw std::runtime_error("the front screen is " + window().front()->name());
        return *screen;
    }
    /// Presents a registered screen over the main screen.
    template <typename T> T& open(const std::string& name) {
        main().present(context->makeScreen(name), false);
        return front<T>();
    }

    std::string databaseFile() const { return storage::DBClass::databasePath(data.str()); }
    /// Rows of a query on the app's database file.
    storage::Rows query(const std::string& sql) const {
        storage::DBClass db(databaseFile());
        db.ConnectDB();
        auto rows = db.SelectExcuteQuery(sql);
        db.DisConnectDB();
        return rows;
    }
    std::string exec(const std::string& sql) const {
        storage::DBClass db(databaseFile());
        db.ConnectDB();
        db.createDatabase();
        auto result = db.InsertUpdateDeleteExcuteQuery(sql);
        db.DisConnectDB();
        return result;
    }

    ToolServer server;
    std::unique_ptr<platform::Platform> plat;
    std::unique_ptr<app::AppContext> context;
    std::unique_ptr<app::AppDelegate> delegate;
};

} // namespace tools_test
