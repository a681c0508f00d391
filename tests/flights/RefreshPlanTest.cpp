// Which source refreshes the tracked flight, and the exact requests sent to the feeds.

#include "flights/RefreshPlan.h"
#include "TrackedFlights.h"

#include <gtest/gtest.h>

using flights::FeedRequest;
using flights::RenewPlan;
using testing_support::FlightColumns;
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

struct SourceCase {
    const char* name;
    FlightColumns changes;
    RenewPlan expected;
};

void PrintTo(const SourceCase& c, std::ostream* os) {
    *os << c.name;
}

class SourceChoice : public ::testing::TestWithParam<SourceCase> {};

const FlightColumns kArrivalAtIcn{
    {"io", "2"}, {"airportcode_departure", "NRT"}, {"airportcode_arrival", "ICN"}};

INSTANTIATE_TEST_SUITE_P(
    ByDateDirectionAirportsAndState, SourceChoice,
    ::testing::Values(
        SourceCase{"another day goes to the maker's table",
                   {{"scheduleDate", "20261208"}},
                   {true, std::nullopt, std::nullopt}},
        SourceCase{"a departure from ICN not yet moving asks the departures feed",
                   {},
                   {false, international(Kind::InternationalDepartures, "NRT"), std::nullopt}},
        SourceCase{"in flight on time: departures feed and classification",
                   {{"remark", "운항중"}},
                   {false, international(Kind::InternationalDepartures, "NRT"), "O"}},
        SourceCase{"departed without an estimate: departures feed and classification",
                   {{"remark", "출발"}, {"estimatedTime_Departure", ""}},
                   {false, international(Kind::InternationalDepartures, "NRT"), "O"}},
        SourceCase{"in flight with a moved departure: classification only",
                   {{"remark", "운항중"}, {"estimatedTime_Departure", "1105"}},
                   {false, std::nullopt, "O"}},
        SourceCase{"a moved departure not yet departed still asks the departures feed",
                   {{"remark", "지연"}, {"estimatedTime_Departure", "1105"}},
                   {false, international(Kind::InternationalDepartures, "NRT"), std::nullopt}},
        SourceCase{"a departure from another airport is classified as O",
                   {{"airportcode_departure", "GMP"}, {"airportcode_arrival", "CJU"}},
                   {false, std::nullopt, "O"}},
        SourceCase{"an arrival at ICN asks the arrivals feed whatever its state",
                   [] {
                       auto c = kArrivalAtIcn;
                       c["remark"] = "운항중";
                       c["estimatedTime_Departure"] = "1105";
                       return c;
                   }(),
                   {false, international(Kind::InternationalArrivals, "NRT"), std::nullopt}},
        SourceCase{"an arrival elsewhere is classified as I",
                   {{"io", "0"}, {"airportcode_departure", "GMP"}, {"airportcode_arrival", "CJU"}},
                   {false, std::nullopt, "I"}},
        SourceCase{"a flight tracked as a departure is not an arrival at ICN",
                   {{"airportcode_departure", "NRT"}, {"airportcode_arrival", "ICN"}},
                   {false, std::nullopt, "O"}}));

TEST_P(SourceChoice, Plan) {
    EXPECT_EQ(flights::chooseRenewSources(tracked(GetParam().changes), kToday),
              GetParam().expected);
}

TEST(SourceChoiceWithoutFlight, NothingIsAsked) {
    EXPECT_EQ(flights::chooseRenewSources(flights::TrackedFlight{}, kToday), RenewPlan{});
}

struct ClassCase {
    const char* name;
    const char* flag;
    FlightColumns changes;
    long now;
    std::vector<FeedRequest> expected;
};

void PrintTo(const ClassCase& c, std::ostream* os) {
    *os << c.name;
}

class Classification : public ::testing::TestWithParam<ClassCase> {};

FlightColumns domesticFlight(FlightColumns more = {}) {
    FlightColumns c{{"airportcode_departure", "GMP"}, {"airportcode_arrival", "CJU"}};
    for (auto& [k, v] : more)
        c[k] = v;
    return c;
}

const FlightColumns kMoved{{"estimatedTime_Departure", "1105"}};

INSTANTIATE_TEST_SUITE_P(
    ByFlagStateAndTime, Classification,
    ::testing::Values(
        ClassCase{"1 waiting: domestic departures",
                  "1",
                  domesticFlight(),
                  900,
                  {domestic(Kind::DomesticDepartures, 'D', "GMP")}},
        ClassCase{"1 in flight on time: departures then arrivals",
                  "1",
                  domesticFlight({{"remark", "운항중"}}),
                  1100,
                  {domestic(Kind::DomesticDepartures, 'D', "GMP"),
                   domestic(Kind::DomesticArrivals, 'D', "CJU")}},
        ClassCase{"1 departed with a moved time: arrivals only",
                  "1",
                  domesticFlight({{"remark", "출발"}, {"estimatedTime_Departure", "1105"}}),
                  1100,
                  {domestic(Kind::DomesticArrivals, 'D', "CJU")}},
        ClassCase{"2 waiting: departures on international lines",
                  "2",
                  domesticFlight(kMoved),
                  900,
                  {domestic(Kind::DomesticDepartures, 'I', "GMP")}},
        ClassCase{"2 in flight on time: departures then the timetable's arrivals",
                  "2",
                  domesticFlight({{"remark", "운항중"}, {"estimatedTime_Departure", ""}}),
                  1100,
                  {domestic(Kind::DomesticDepartures, 'I', "GMP"),
                   timetable(Kind::TimetableArrivals, "CJU")}},
        ClassCase{"2 in flight with a moved time: the timetable's arrivals only",
                  "2",
                  domesticFlight({{"remark", "운항중"}, {"estimatedTime_Departure", "1105"}}),
                  1100,
                  {timetable(Kind::TimetableArrivals, "CJU")}},
        ClassCase{"3 in flight: domestic arrivals on international lines",
                  "3",
                  domesticFlight({{"remark", "운항중"}}),
                  900,
                  {domestic(Kind::DomesticArrivals, 'I', "CJU")}},
        ClassCase{"3 before the estimated departure: the timetable's departures",
                  "3",
                  domesticFlight(kMoved),
                  1105,
                  {timetable(Kind::TimetableDepartures, "GMP")}},
        ClassCase{"3 after the estimated departure: domestic arrivals",
                  "3",
                  domesticFlight(kMoved),
                  1106,
                  {domestic(Kind::DomesticArrivals, 'I', "CJU")}},
        ClassCase{"3 departed before its time: domestic arrivals",
                  "3",
                  domesticFlight({{"remark", "출발"}}),
                  900,
                  {domestic(Kind::DomesticArrivals, 'I', "CJU")}},
        ClassCase{"3 without an estimate goes by the schedule",
                  "3",
                  domesticFlight({{"estimatedTime_Departure", ""}}),
                  1030,
                  {timetable(Kind::TimetableDepartures, "GMP")}},
        ClassCase{"3 without any time counts the departure as 0",
                  "3",
                  domesticFlight({{"estimatedTime_Departure", ""}, {"scheduleTime_Departure", ""}}),
                  1,
                  {domestic(Kind::DomesticArrivals, 'I', "CJU")}},
        ClassCase{"other in flight: the timetable's arrivals",
                  "4",
                  domesticFlight({{"remark", "운항중"}}),
                  900,
                  {timetable(Kind::TimetableArrivals, "CJU")}},
        ClassCase{"other before departure: the timetable's departures",
                  "",
                  domesticFlight(),
                  1030,
                  {timetable(Kind::TimetableDepartures, "GMP")}},
        ClassCase{"other after departure: the timetable's arrivals",
                  "0",
                  domesticFlight(),
                  1031,
                  {timetable(Kind::TimetableArrivals, "CJU")}}));

TEST_P(Classification, Requests) {
    const auto& c = GetParam();
    EXPECT_EQ(flights::classifiedRequests(c.flag, tracked(c.changes), c.now), c.expected);
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
