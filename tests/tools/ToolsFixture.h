#pragma once
// The app core with the travel tools installed, on the simulated platform, talking to a
// ToolServer.

#include "ToolServer.h"
#include "app/AppFixture.h"
#include "tools/Install.h"

namespace tools_test {

inline constexpr const char* kAirportPath = "/sub_airport/airport02.asmx";

class ToolsFixture : public testing_support::AppFixture {
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
        config.airportServiceURL = server.base() + kAirportPath;
        config.carrierServiceURL = server.base() + "/sub_tamberlinove/tamberlinove02.asmx";
        config.referralBase = "http://partner.test";
        config.referralKey = "abcd123456789012";
        config.hotelURL = "https://hotels.test/";
        config.hotelAffiliateId = "123456";
        install = tools::install;
    }
    ~ToolsFixture() override { // the app goes before the server it talks to
        delegate.reset();
        context.reset();
    }

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

    ToolServer server;
};

} // namespace tools_test
