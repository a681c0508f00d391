// The demo data set, the generated timetable and the stand-in's data file.

#include "StandInFixture.h"

#include "platform/Log.h"
#include "services/DataStore.h"
#include "services/DemoData.h"
#include "services/SeedImage.h"
#include "services/Timetable.h"

#include <algorithm>
#include <fstream>
#include <numeric>
#include <stdexcept>

namespace services_test {
namespace {

using services::Date;
using services::Flight;

const Flight* findFlight(const std::vector<Flight>& flights, const std::string& id,
                         const std::string& date) {
    for (const Flight& f : flights)
        if (f.columns[services::FlightId] == id && f.columns[services::ScheduleDate] == date)
            return &f;
    return nullptr;
}

services::DataStore storeFromSeedImage() {
    auto image = services::seed::embeddedFile(services::seed::kImageName);
    if (!image)
        throw std::runtime_error("no seeded image in the build");
    return services::DataStore(services::Database::Image{*image});
}

TEST(StandInData, SeededImageHoldsTheDemoDataOfThisBuild) {
    // A store opened from the image trusts its reference lists: they must come from the
    // data files this program carries.
    auto data = services::DemoData::load();
    auto store = storeFromSeedImage();
    EXPECT_EQ(store.meta("fingerprint"), std::to_string(data.fingerprint));
    EXPECT_EQ(store.cities().size(), data.airports.size());
    EXPECT_EQ(store.nations("").size(), data.nations.size());
    EXPECT_EQ(store.rates().size(), data.rates.size());
    EXPECT_EQ(store.beaconUuids(), data.beaconUuids);
    EXPECT_EQ(store.meta("nationsModified"), data.nationsModified);
}

/// The columns of `flights` where `keep` holds, one text a flight, sorted.
template <class Keep> std::vector<std::string> keys(const std::vector<Flight>& flights, Keep keep) {
    std::vector<std::string> out;
    for (const Flight& f : flights)
        if (keep(f.columns))
            out.push_back(
                std::accumulate(f.columns.begin(), f.columns.end(), std::string(),
                                [](std::string a, const std::string& b) { return a + b + "|"; }));
    std::sort(out.begin(), out.end());
    return out;
}

TEST(StandInData, ADaysFlightsAndBoardsAreBuiltWhenFirstAskedForAndMatchTheTimetable) {
    auto data = services::DemoData::load();
    int loads = 0;
    auto store = storeFromSeedImage();
    const Date today = *Date::parse(kToday);
    store.prepare(
        [&]() -> const services::DemoData& {
            ++loads;
            return data;
        },
        today);
    EXPECT_EQ(loads, 0) << "opening the seeded store needs no demo data";
    const auto timetable = services::buildTimetable(data, today, 3, 14);
    auto all = [](const auto&) { return true; };

    for (long offset : {-3L, 0L, 14L}) {
        const std::string day = today.plusDays(offset).text();
        services::FlightQuery query;
        query.date = day;
        const auto rows = store.flights(query);
        EXPECT_EQ(store.countFlights(query), static_cast<long>(rows.size()));
        for (std::size_t i = 1; i < rows.size(); ++i)
            ASSERT_LE(rows[i - 1].sortTime, rows[i].sortTime) << day;
        EXPECT_EQ(keys(rows, all),
                  keys(timetable, [&](const auto& c) { return c[services::ScheduleDate] == day; }));
        EXPECT_FALSE(rows.empty()) << day;
    }
    // Where a flight stands is the scenario's business, not the stored row's. Weekday-only
    // services skip the other days (20261212 is a Saturday).
    for (const Flight& f : timetable)
        ASSERT_EQ(f.columns[services::Remark] + f.columns[services::EstimatedTimeDeparture], "");
    EXPECT_NE(findFlight(timetable, "RS901", "20261211"), nullptr);
    EXPECT_EQ(findFlight(timetable, "RS901", "20261212"), nullptr);
    // Outside the timetable's window there is nothing, and nothing is built.
    services::FlightQuery outside;
    outside.date = today.plusDays(15).text();
    EXPECT_TRUE(store.flights(outside).empty());
    outside.date = "not a date";
    EXPECT_EQ(store.countFlights(outside), 0);
    EXPECT_EQ(loads, 3) << "the data is asked for once per day built";

    // A board selects by one end's local date while rows are dated by the other end for
    // arrivals from abroad: the days built for it must reach far enough either side.
    struct Case {
        std::string airport;
        services::Side side;
        long first, last;
    };
    for (const Case& c : {Case{"ICN", services::Side::Arrival, 0, 0},
                          Case{"ICN", services::Side::Departure, -3, -3},
                          Case{"LAX", services::Side::Arrival, 1, 2},
                          Case{"LAX", services::Side::Departure, 12, 12}}) {
        const bool out = c.side == services::Side::Departure;
        const std::string first = today.plusDays(c.first).text();
        const std::string last = today.plusDays(c.last).text();
        auto expected = keys(timetable, [&](const auto& col) {
            const std::string& date =
                col[out ? services::ScheduleDateDeparture : services::ScheduleDateArrival];
            return col[out ? services::AirportCodeDeparture : services::AirportCodeArrival] ==
                       c.airport &&
                   date >= first && date <= last;
        });
        ASSERT_FALSE(expected.empty()) << c.airport << " " << first;
        EXPECT_EQ(keys(store.board(c.airport, c.side, first, last), all), expected)
            << c.airport << " " << first << "-" << last;
    }
}

TEST(StandInData, StartFailsWithALogLineOnBadDateOrUnreadableFile) {
    testing_support::TempDir dir;
    std::ofstream(dir.file("junk.sqlite3")) << "this is not a database, just some text\n";
    platform::CapturedLog log;
    platform::setLog(&log);
    for (const auto& [file, today] : {std::pair{std::string(), "20261340"},
                                      {dir.file("junk.sqlite3"), kToday},
                                      {dir.file("no/such/dir/x"), kToday}}) {
        services::Options options;
        options.dataFile = file;
        options.today = today;
        EXPECT_FALSE(services::StandIn(options).start()) << file << " " << today;
    }
    platform::setLog(nullptr);
    EXPECT_EQ(log.lines().size(), 3u);
}

} // namespace
} // namespace services_test
