// The demo data set, the generated timetable and the stand-in's data file.

#include "StandInFixture.h"

#include "platform/Log.h"
#include "remote/Answer.h"
#include "remote/XmlDataSetParser2.h"
#include "services/DataStore.h"
#include "services/DemoData.h"
#include "services/SeedImage.h"
#include "services/Timetable.h"

#include <algorithm>
#include <fstream>
#include <stdexcept>
#include <tuple>

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

// That it is deterministic shows in the lazily built store matching it, below.
TEST(Timetable, StaysInsideTheWindow) {
    auto data = services::DemoData::load();
    Date today = *Date::parse(kToday);
    auto flights = services::buildTimetable(data, today, 3, 14);
    for (const Flight& f : flights) {
        long day = Date::parse(f.columns[services::ScheduleDate])->toDays() - today.toDays();
        ASSERT_GE(day, -3);
        ASSERT_LE(day, 14);
        // Where a flight stands is the scenario's business, not the stored row's.
        EXPECT_EQ(f.columns[services::Remark], "");
        EXPECT_EQ(f.columns[services::EstimatedTimeDeparture], "");
        EXPECT_NE(f.columns[services::GateNumber], "");
    }
}

TEST(Timetable, ArrivalsFollowTimeZonesAndDateInboundFlightsByArrival) {
    auto data = services::DemoData::load();
    auto flights = services::buildTimetable(data, *Date::parse(kToday), 3, 14);
    // Los Angeles 11:00, 13 hours in the air, 17 hours ahead: 17:00 the next day.
    const Flight* inbound = findFlight(flights, "KE012", kToday);
    ASSERT_NE(inbound, nullptr);
    const auto& in = inbound->columns;
    EXPECT_EQ((Texts{in[services::Flag], in[services::ScheduleDateDeparture],
                     in[services::ScheduleTimeArrival], in[services::AirportName],
                     in[services::ChkInRange]}),
              (Texts{"2", "20261206", "1700", "인천", ""}));
    EXPECT_NE(in[services::Carousel], "");
    // Seoul 14:30 to Los Angeles arrives the same calendar day, earlier by the clock.
    const Flight* outbound = findFlight(flights, "KE017", kToday);
    ASSERT_NE(outbound, nullptr);
    const auto& out = outbound->columns;
    // An airport without a board name of its own shows its Korean city name.
    EXPECT_EQ((Texts{out[services::ScheduleDateArrival], out[services::ScheduleTimeArrival],
                     out[services::Carousel], out[services::AirportArrival]}),
              (Texts{kToday, "0830", "", "로스앤젤레스"}));
    // Weekday-only services skip the other days (20261212 is a Saturday).
    EXPECT_NE(findFlight(flights, "RS901", "20261211"), nullptr);
    EXPECT_EQ(findFlight(flights, "RS901", "20261212"), nullptr);
}

using StandInFile = StandInTest;

TEST_F(StandInFile, KeepsTheRegistryAndRebuildsTheTimetableForANewDay) {
    EXPECT_TRUE(remote::isYes(commands_->Unit_Join01("", "", "U", "1", "2", "1")));
    start("demo", "20270301");
    EXPECT_EQ(standIn_->unitRegistry().size(), 1u);
    auto first = rows(commands_->Flight_List03("", "", "", "", "", "1"));
    ASSERT_FALSE(first.empty());
    EXPECT_EQ(col(first[0], "scheduleDate"), "20270301");
    EXPECT_TRUE(remote::isNoMore(commands_->Flight_List03(kToday, "", "", "", "", "1")));
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

TEST(StandInData, ADaysFlightsAreBuiltWhenFirstAskedForAndMatchTheTimetable) {
    auto data = services::DemoData::load();
    int loads = 0;
    services::DemoSource source = [&]() -> const services::DemoData& {
        ++loads;
        return data;
    };
    auto store = storeFromSeedImage();
    const Date today = *Date::parse(kToday);
    store.prepare(source, today);
    EXPECT_EQ(loads, 0) << "opening the seeded store needs no demo data";

    for (long offset : {-3L, 0L, 1L, 14L}) {
        const std::string day = today.plusDays(offset).text();
        std::vector<Flight> expected;
        for (Flight& f : services::buildTimetable(data, today, 3, 14))
            if (f.columns[services::ScheduleDate] == day)
                expected.push_back(std::move(f));
        std::stable_sort(expected.begin(), expected.end(), [](const Flight& a, const Flight& b) {
            return std::tie(a.sortTime, a.columns[services::FlightId]) <
                   std::tie(b.sortTime, b.columns[services::FlightId]);
        });
        services::FlightQuery query;
        query.date = day;
        const auto rows = store.flights(query);
        ASSERT_EQ(rows.size(), expected.size()) << day;
        ASSERT_FALSE(rows.empty()) << day;
        EXPECT_EQ(store.countFlights(query), static_cast<long>(rows.size()));
        for (std::size_t i = 0; i < rows.size(); ++i)
            ASSERT_EQ(rows[i].columns, expected[i].columns) << day << " row " << i;
    }
    // Outside the timetable's window there is nothing, and nothing is built.
    services::FlightQuery outside;
    outside.date = today.plusDays(15).text();
    EXPECT_TRUE(store.flights(outside).empty());
    outside.date = "not a date";
    EXPECT_EQ(store.countFlights(outside), 0);
    EXPECT_EQ(loads, 4) << "the data is asked for once per day built";
}

TEST(StandInData, BoardsOfALazilyBuiltStoreHoldEveryFlightOfTheirDates) {
    // A board selects by one end's local date while rows are dated by the other end for
    // arrivals from abroad: the days built for it must reach far enough either side.
    auto data = services::DemoData::load();
    auto store = storeFromSeedImage();
    const Date today = *Date::parse(kToday);
    store.prepare([&]() -> const services::DemoData& { return data; }, today);
    const auto timetable = services::buildTimetable(data, today, 3, 14);
    auto ids = [](const std::vector<Flight>& flights) {
        std::vector<std::string> keys;
        for (const Flight& f : flights)
            keys.push_back(f.columns[services::FlightId] + "|" + f.columns[services::ScheduleDate]);
        std::sort(keys.begin(), keys.end());
        return keys;
    };
    struct Case {
        std::string airport;
        services::Side side;
        long first, last;
    };
    for (const Case& c : {Case{"ICN", services::Side::Arrival, 0, 0},
                          Case{"ICN", services::Side::Departure, -3, -3},
                          Case{"LAX", services::Side::Arrival, 1, 2},
                          Case{"LAX", services::Side::Departure, 12, 12},
                          Case{"NRT", services::Side::Departure, 0, 1}}) {
        const bool departure = c.side == services::Side::Departure;
        const std::string first = today.plusDays(c.first).text();
        const std::string last = today.plusDays(c.last).text();
        std::vector<Flight> expected;
        for (const Flight& f : timetable) {
            const auto& col = f.columns;
            const std::string& date =
                col[departure ? services::ScheduleDateDeparture : services::ScheduleDateArrival];
            if (col[departure ? services::AirportCodeDeparture : services::AirportCodeArrival] ==
                    c.airport &&
                date >= first && date <= last)
                expected.push_back(f);
        }
        ASSERT_FALSE(expected.empty()) << c.airport << " " << first;
        EXPECT_EQ(ids(store.board(c.airport, c.side, first, last)), ids(expected))
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
