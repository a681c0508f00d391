#pragma once
// The three public flight-status services the app reads, answering HTTP GETs from the
// timetable and the scenario's state at the moment asked: the international airport's
// departures and arrivals, the domestic airports' status list (XML), and the worldwide
// timetable (JSON).

#include "services/Clock.h"
#include "services/DataStore.h"
#include "services/Scenario.h"

#include <map>
#include <string>
#include <string_view>

namespace services {

inline constexpr std::string_view kInternationalDeparturesPath =
    "/openapi/service/StatusOfPassengerFlights/getPassengerDepartures";
inline constexpr std::string_view kInternationalArrivalsPath =
    "/openapi/service/StatusOfPassengerFlights/getPassengerArrivals";
inline constexpr std::string_view kDomesticPath =
    "/service/rest/FlightStatusList/getFlightStatusList";
inline constexpr std::string_view kTimetablePath = "/api/v7/timetable";

/// The airport whose own service lists its departures and arrivals.
inline constexpr std::string_view kInternationalAirport = "ICN";

/// The key both airport services accept (Base64). Clients send it URL-encoded.
inline constexpr std::string_view kDemoServiceKey =
    "CXC+hgsw9aRH/HzbUi5Gr75gi3yw6Pc/qu9skpSXq116CaP091gDRDS8b5DUGwf51wyDXwRLykhdWydg8kKroQ==";
/// The key the timetable service accepts.
inline constexpr std::string_view kDemoTimetableKey = "5d1c8e2a-7b3f-4c61-9e0d-2a4f6b8c1e37";

/// `text` with "+", "/" and "=" percent-encoded: the form in which clients send a key.
std::string percentEncodeKey(std::string_view text);

struct FeedAnswer {
    int status = 200;
    std::string contentType;
    std::string body;
};

/// Decoded query parameters; a repeated key counts with its first value.
using Query = std::multimap<std::string, std::string>;

/// What a feed answers from. Not thread-safe: the caller serialises access.
struct FeedSource {
    DataStore& store;
    const LiveFlights& live;
    HomeMinute now;
};

/// The international airport's departures (`side` Departure) or arrivals of today. Query
/// keys: "ServiceKey" (required), "from_time" and "to_time" (scheduled "HHmm", 0000 to 2400,
/// both included; the whole day by default), "airport" (the other airport's code) and
/// "flight_id" (both optional filters).
FeedAnswer internationalFlights(Side side, const Query& query, const FeedSource& source);

/// Today's departures and arrivals of one domestic-operator airport (every Korean airport
/// but the international one). Query keys: "ServiceKey" and "schAirCode" (required),
/// "schStTime" and "schEdTime" (as "from_time" and "to_time"), "schIOType" ("O" departures,
/// "I" arrivals; both by default), "schLineType" ("D" domestic, "I" international; both by
/// default), "pageNo" (from 1) and "numOfRows" (10 by default).
FeedAnswer domesticFlights(const Query& query, const FeedSource& source);

/// Departures or arrivals of any airport scheduled from six hours before to eighteen hours
/// after now. Query keys, all required: "api_key", "iata_code", "type" ("departure" or
/// "arrival").
FeedAnswer timetable(const Query& query, const FeedSource& source);

} // namespace services
