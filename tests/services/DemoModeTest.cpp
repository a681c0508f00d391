// The app's demo mode: the in-process services read the app's own clock, so moving the
// app's time moves the flights.

#include "TempDir.h"

#include "Launch.h"
#include "remote/Answer.h"
#include "remote/XmlDataSetParser1.h"

#include <gtest/gtest.h>
#include <httplib.h>

namespace services_test {
namespace {

platform::TimePoint instant(const char* iso) {
    platform::TimePoint at;
    int offset = 0;
    EXPECT_TRUE(platform::parseIsoInstant(iso, at, offset));
    return at;
}

TEST(DemoMode, TheServicesReadTheAppsClock) {
    testing_support::TempDir dir;
    platform::VirtualClock clock(instant("2026-12-07T09:30:00+09:00"), 9 * 3600);
    shell::LaunchOptions options;
    options.dataDir = dir.str();
    options.demo = true;
    shell::Launch launch;
    ASSERT_EQ(launch.start(options, clock), std::nullopt);
    ASSERT_TRUE(launch.demo());
    const app::Config& config = launch.config();

    httplib::Client client(config.internationalAirportAPI);
    auto remark = [&] {
        auto answer = client.Get("/openapi/service/StatusOfPassengerFlights/getPassengerDepartures"
                                 "?ServiceKey=" +
                                 config.flightStatusServiceKey + "&flight_id=KE703");
        remote::XmlDataSetParser1 parser;
        parser.parse(answer ? answer->body : "");
        auto remarks = remote::valuesOf(parser.mXMLDataList(), {"remark"});
        return remarks.empty() ? std::string("(none)") : remarks.front();
    };
    EXPECT_EQ(remark(), "탑승마감");
    clock.set(instant("2026-12-07T09:40:00+09:00"));
    EXPECT_EQ(remark(), "출발");
    // The next day's flight has not boarded yet.
    clock.set(instant("2026-12-08T06:00:00+09:00"));
    EXPECT_EQ(remark(), "");
}

} // namespace
} // namespace services_test
