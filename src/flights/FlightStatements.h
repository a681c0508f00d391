#pragma once
/// @file
/// The statements on aFlightInfo shared by the flight screens, the main screen and the
/// refresh. Each template's "%@" placeholders take the values in order; storage::sqlFormat
/// places them so that no value can change a statement's meaning.

#include "flights/AirportInfo.h"

#include <string>
#include <string_view>

namespace flights {

/// Inserts a tracked flight; the 22 stored fields in record order.
inline constexpr std::string_view kInsertFlight =
    "INSERT INTO aFlightInfo(airline, flightId, scheduleDate, scheduleDate_Departure, "
    "scheduleTime_Departure, estimatedDate_Departure, estimatedTime_Departure, "
    "scheduleDate_Arrival, scheduleTime_Arrival, estimatedDate_Arrival, "
    "estimatedTime_Arrival,airport, airport_departure, airport_arrival, airportcode_departure, "
    "airportcode_arrival, gatenumber, carousel, exitnumber, remark, chkinrange, io) "
    "VALUES('%@','%@','%@','%@','%@','%@','%@','%@','%@','%@','%@','%@','%@','%@','%@','%@','%@',"
    "'%@','%@','%@','%@','%@')";

/// Rewrites a tracked flight whose insert failed.
inline constexpr std::string_view kRewriteFlight =
    "UPDATE aFlightInfo SET scheduleDate_Departure='%@', scheduleTime_Departure='%@', "
    "estimatedDate_Departure='%@', estimatedTime_Departure='%@', "
    "scheduleDate_Arrival='%@',scheduleTime_Arrival='%@', estimatedDate_Arrival='%@', "
    "estimatedTime_Arrival='%@', airport='%@', airport_departure = '%@', airport_arrival = '%@', "
    "gatenumber='%@', carousel='%@', exitnumber='%@', remark='%@', chkinrange='%@', io ='%@' "
    "WHERE airportcode_departure = '%@' AND airportcode_arrival = '%@' AND flightId = '%@' AND "
    "scheduleDate = '%@'";

/// Writes the live fields of a tracked flight after a refresh.
inline constexpr std::string_view kRefreshFlight =
    "UPDATE aFlightInfo SET scheduleDate_Departure = '%@', scheduleTime_Departure='%@', "
    "estimatedDate_Departure='%@', estimatedTime_Departure = '%@', gatenumber='%@', "
    "carousel='%@', exitnumber='%@', remark='%@', chkinrange='%@', scheduleDate_Arrival = '%@', "
    "scheduleTime_Arrival = '%@', estimatedDate_Arrival = '%@', estimatedTime_Arrival = '%@' "
    "WHERE airportcode_departure = '%@' AND airportcode_arrival = '%@' AND flightId = '%@' AND "
    "scheduleDate = '%@'";

/// Stops tracking a flight.
inline constexpr std::string_view kDeleteFlight =
    "DELETE FROM aFlightInfo WHERE airportcode_departure = '%@' AND airportcode_arrival = '%@' "
    "AND flightId = '%@' AND scheduleDate = '%@'";

/// The tracked flights from a date on; result keys "0".."21" in record order.
inline constexpr std::string_view kListFlights =
    "SELECT airline, flightId, scheduleDate, scheduleDate_Departure, scheduleTime_Departure, "
    "estimatedDate_Departure, estimatedTime_Departure, scheduleDate_Arrival, "
    "scheduleTime_Arrival, estimatedDate_Arrival, estimatedTime_Arrival, airport, "
    "airport_departure, airport_arrival, airportcode_departure, airportcode_arrival, "
    "gatenumber, carousel, exitnumber, remark, chkinrange, io FROM aFlightInfo WHERE  "
    "scheduleDate >= '%@' OR scheduleDate_Arrival >= %@ ORDER BY scheduleDate, "
    "scheduleTime_Departure";

/// The next unfinished flight. Its columns differ from kListFlights: the scheduled arrival
/// date and time come before the estimated departure date and time (see TrackedFlight).
inline constexpr std::string_view kNextFlight =
    "SELECT airline, flightId, scheduleDate, scheduleDate_Departure, scheduleTime_Departure, "
    "scheduleDate_Arrival, scheduleTime_Arrival, estimatedDate_Departure, "
    "estimatedTime_Departure, estimatedDate_Arrival, estimatedTime_Arrival, airport, "
    "airport_departure, airport_arrival, airportcode_departure, airportcode_arrival, "
    "gatenumber, carousel, exitnumber, remark, chkinrange, io FROM aFlightInfo WHERE remark <> "
    "'착륙' AND remark <> '도착' AND (scheduleDate >= '%@' OR scheduleDate_Arrival >= %@) ORDER "
    "BY scheduleDate, scheduleTime_Departure limit 1";

/// The four key columns the statements on one flight match (io takes no part).
struct FlightKey {
    std::string airportcode_departure;
    std::string airportcode_arrival;
    std::string flightId;
    std::string scheduleDate;

    static FlightKey of(const AirportInfo& info);
    bool operator==(const FlightKey&) const = default;
};

/// The values a refresh writes, in the order of kRefreshFlight's SET clause.
struct LiveFields {
    std::string scheduleDate_Departure;
    std::string scheduleTime_Departure;
    std::string estimatedDate_Departure;
    std::string estimatedTime_Departure;
    std::string gatenumber;
    std::string carousel;
    std::string exitnumber;
    std::string remark;
    std::string chkinrange;
    std::string scheduleDate_Arrival;
    std::string scheduleTime_Arrival;
    std::string estimatedDate_Arrival;
    std::string estimatedTime_Arrival;

    bool operator==(const LiveFields&) const = default;
};

[[nodiscard]] std::string insertFlightStatement(const AirportInfo& info);
[[nodiscard]] std::string rewriteFlightStatement(const AirportInfo& info);
[[nodiscard]] std::string refreshFlightStatement(const LiveFields& fields, const FlightKey& key);
[[nodiscard]] std::string deleteFlightStatement(const FlightKey& key);
/// @param date "yyyyMMdd", placed in both placeholders.
[[nodiscard]] std::string listFlightsStatement(std::string_view date);
/// @param date "yyyyMMdd", placed in both placeholders.
[[nodiscard]] std::string nextFlightStatement(std::string_view date);

} // namespace flights
