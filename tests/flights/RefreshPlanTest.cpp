// Which source refreshes the tracked flight, and the exact requests sent to the feeds.

#include "flights/RefreshPlan.h"
#include "TrackedFlights.h"

#include <gtest/gtest.h>

using flights::FeedRequest;
using flights::RenewPlan;
using testing_support::columns;
using testing_support::merged;
using testing_support::tracked;
using Kind = FeedRequest::Kind;

namespace {

constexpr const char* kToday = "20261207";

FeedRequest international(Kind kind, std::string airport) {
    return {kind, std::move(airport), 'D', "KE701"};
}
FeedRequest domestic(Kind kind, char line, std::string airport) {
    return {kind, std::move(airport), line, {}};
}
FeedRequest timetable(Kind kind, std::string airport) {
    return {kind, std::move(airport), 'D', {}};
}

TEST(SourceChoice, ByDateDirectionAirportsAndState) {
    const auto departures = international(Kind::InternationalDepartures, "NRT");
    const struct {
        const char* name;
        const char* changes; // to the tracked flight's columns
        RenewPlan expected;
    } cases[] = {
        {"another day goes to the maker's table", "scheduleDate=20261208", {true, {}, {}}},
        {"a departure from ICN not yet moving asks the departures feed",
         "",
         {false, departures, {}}},
        {"in flight on time: departures feed and classification",
         "remark=운항중",
         {false, departures, "O"}},
        {"departed without an estimate: departures feed and classification",
         "remark=출발 estimatedTime_Departure=",
         {false, departures, "O"}},
        {"in flight with a moved departure: classification only",
         "remark=운항중 estimatedTime_Departure=1105",
         {false, {}, "O"}},
        {"a moved departure not yet departed still asks the departures feed",
         "remark=지연 estimatedTime_Departure=1105",
         {false, departures, {}}},
        {"a departure from another airport is classified as O",
         "airportcode_departure=GMP airportcode_arrival=CJU",
         {false, {}, "O"}},
        {"an arrival at ICN asks the arrivals feed whatever its state",
         "io=2 airportcode_departure=NRT airportcode_arrival=ICN remark=운항중 "
         "estimatedTime_Departure=1105",
         {false, international(Kind::InternationalArrivals, "NRT"), {}}},
        {"an arrival elsewhere is classified as I",
         "io=0 airportcode_departure=GMP airportcode_arrival=CJU",
         {false, {}, "I"}},
        {"a flight tracked as a departure is not an arrival at ICN",
         "airportcode_departure=NRT airportcode_arrival=ICN",
         {false, {}, "O"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(flights::chooseRenewSources(tracked(columns(c.changes)), kToday), c.expected)
            << c.name;
    EXPECT_EQ(flights::chooseRenewSources(flights::TrackedFlight{}, kToday), RenewPlan{});
}

TEST(Classification, ByFlagStateAndTime) {
    const auto depD = domestic(Kind::DomesticDepartures, 'D', "GMP");
    const auto arrD = domestic(Kind::DomesticArrivals, 'D', "CJU");
    const auto depI = domestic(Kind::DomesticDepartures, 'I', "GMP");
    const auto arrI = domestic(Kind::DomesticArrivals, 'I', "CJU");
    const auto ttDep = timetable(Kind::TimetableDepartures, "GMP");
    const auto ttArr = timetable(Kind::TimetableArrivals, "CJU");
    const char* moved = "estimatedTime_Departure=1105";
    const struct {
        const char* name;
        const char* flag;
        const char* changes; // to a departure from GMP to CJU, estimated at 10:30
        long now;
        std::vector<FeedRequest> expected;
    } cases[] = {
        {"1 waiting: domestic departures", "1", "", 900, {depD}},
        {"1 in flight on time: departures then arrivals", "1", "remark=운항중", 1100, {depD, arrD}},
        {"1 departed with a moved time: arrivals only",
         "1",
         "remark=출발 estimatedTime_Departure=1105",
         1100,
         {arrD}},
        {"2 waiting: departures on international lines", "2", moved, 900, {depI}},
        {"2 in flight on time: departures then the timetable's arrivals",
         "2",
         "remark=운항중 estimatedTime_Departure=",
         1100,
         {depI, ttArr}},
        {"2 in flight with a moved time: the timetable's arrivals only",
         "2",
         "remark=운항중 estimatedTime_Departure=1105",
         1100,
         {ttArr}},
        {"3 in flight: domestic arrivals on international lines",
         "3",
         "remark=운항중",
         900,
         {arrI}},
        {"3 before the estimated departure: the timetable's departures", "3", moved, 1105, {ttDep}},
        {"3 after the estimated departure: domestic arrivals", "3", moved, 1106, {arrI}},
        {"3 departed before its time: domestic arrivals", "3", "remark=출발", 900, {arrI}},
        {"3 without an estimate goes by the schedule",
         "3",
         "estimatedTime_Departure=",
         1030,
         {ttDep}},
        {"3 without any time counts the departure as 0",
         "3",
         "estimatedTime_Departure= scheduleTime_Departure=",
         1,
         {arrI}},
        {"other in flight: the timetable's arrivals", "4", "remark=운항중", 900, {ttArr}},
        {"other before departure: the timetable's departures", "", "", 1030, {ttDep}},
        {"other after departure: the timetable's arrivals", "0", "", 1031, {ttArr}},
    };
    for (const auto& c : cases) {
        const auto flight = tracked(merged(
            columns("airportcode_departure=GMP airportcode_arrival=CJU"), columns(c.changes)));
        EXPECT_EQ(flights::classifiedRequests(c.flag, flight, c.now), c.expected) << c.name;
    }
}

TEST(FeedAddress, RequestsAreWrittenByteForByte) {
    const flights::FeedEndpoints e{"http://intl.test", "http://dom.test:8080", "https://tt.test",
                                   "abc%2Bdef%2F%3D%3D", "01234567-89ab-cdef-0123-456789abcdef"};
    auto url = [&](const FeedRequest& r) { return flights::feedAddress(r, e).url(); };
    EXPECT_EQ(url(international(Kind::InternationalDepartures, "NRT")),
              "http://intl.test/openapi/service/StatusOfPassengerFlights/getPassengerDepartures"
              "?ServiceKey=abc%2Bdef%2F%3D%3D&from_time=0000&to_time=2400&airport=NRT&flight_id="
              "KE701");
    EXPECT_EQ(url(international(Kind::InternationalArrivals, "LAX")),
              "http://intl.test/openapi/service/StatusOfPassengerFlights/getPassengerArrivals"
              "?ServiceKey=abc%2Bdef%2F%3D%3D&from_time=0000&to_time=2400&airport=LAX&flight_id="
              "KE701");
    EXPECT_EQ(url(domestic(Kind::DomesticDepartures, 'D', "GMP")),
              "http://dom.test:8080/service/rest/FlightStatusList/getFlightStatusList"
              "?ServiceKey=abc%2Bdef%2F%3D%3D&schStTime=0000&schEdTime=2400&schIOType=O"
              "&schLineType=D&schAirCode=GMP&pageNo=1&numOfRows=99999");
    EXPECT_EQ(url(domestic(Kind::DomesticArrivals, 'I', "CJU")),
              "http://dom.test:8080/service/rest/FlightStatusList/getFlightStatusList"
              "?ServiceKey=abc%2Bdef%2F%3D%3D&schStTime=0000&schEdTime=2400&schIOType=I"
              "&schLineType=I&schAirCode=CJU&pageNo=1&numOfRows=99999");
    EXPECT_EQ(url(timetable(Kind::TimetableDepartures, "PUS")),
              "https://tt.test/api/v7/timetable?api_key=01234567-89ab-cdef-0123-456789abcdef"
              "&iata_code=PUS&type=departure");
    EXPECT_EQ(url(timetable(Kind::TimetableArrivals, "CJU")),
              "https://tt.test/api/v7/timetable?api_key=01234567-89ab-cdef-0123-456789abcdef"
              "&iata_code=CJU&type=arrival");
}

TEST(FeedAddress, StoredCodesAndNumbersCannotAddQueryKeys) {
    const flights::FeedEndpoints e{"http://i", "", "", "K", ""};
    FeedRequest r{Kind::InternationalDepartures, "NRT&x=1", 'D', "KE 7/01"};
    EXPECT_EQ(flights::feedAddress(r, e).parameters,
              "ServiceKey=K&from_time=0000&to_time=2400&airport=NRT%26x%3D1&flight_id=KE%207%2F01");
}

} // namespace
