#pragma once
// Tracked flights for the refresh tests, built from column values.

#include "flights/TrackedFlight.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace testing_support {

/// The columns of a tracked flight by aFlightInfo column name.
using FlightColumns = std::map<std::string, std::string>;

/// The words of `text` between spaces.
inline std::vector<std::string_view> words(std::string_view text) {
    std::vector<std::string_view> out;
    for (std::size_t at = 0; at < text.size();) {
        const auto end = std::min(text.find(' ', at), text.size());
        out.push_back(text.substr(at, end - at));
        at = end + 1;
    }
    return out;
}

/// Columns written as "name=value name=value ..."; a value may be empty.
inline FlightColumns columns(std::string_view spec) {
    FlightColumns out;
    for (const auto pair : words(spec))
        out.emplace(pair.substr(0, pair.find('=')), pair.substr(pair.find('=') + 1));
    return out;
}

/// `base` with the columns of `changes` replaced.
inline FlightColumns merged(FlightColumns base, const FlightColumns& changes) {
    for (const auto& [k, v] : changes)
        base[k] = v;
    return base;
}

/// A departure from ICN to Narita today (2026-12-07) at 10:30 with an estimate equal to the
/// schedule, gate 23 and check-in counters A01-A12; @p changes replaces columns.
inline FlightColumns departureColumns(const FlightColumns& changes = {}) {
    return merged(columns("airline=대한항공 flightId=KE701 scheduleDate=20261207 "
                          "scheduleDate_Departure=20261207 scheduleTime_Departure=1030 "
                          "scheduleDate_Arrival=20261207 scheduleTime_Arrival=1255 "
                          "estimatedDate_Departure=20261207 estimatedTime_Departure=1030 "
                          "estimatedDate_Arrival=20261207 estimatedTime_Arrival=1255 airport= "
                          "airport_departure=인천 airport_arrival=나리타 airportcode_departure=ICN "
                          "airportcode_arrival=NRT gatenumber=23 carousel= exitnumber= remark= "
                          "chkinrange=A01-A12 io=1"),
                  changes);
}

inline flights::TrackedFlight trackedOf(const FlightColumns& c) {
    // The column order of the next-flight query.
    std::vector<std::string> values;
    for (const auto name :
         words("airline flightId scheduleDate scheduleDate_Departure scheduleTime_Departure "
               "scheduleDate_Arrival scheduleTime_Arrival estimatedDate_Departure "
               "estimatedTime_Departure estimatedDate_Arrival estimatedTime_Arrival airport "
               "airport_departure airport_arrival airportcode_departure airportcode_arrival "
               "gatenumber carousel exitnumber remark chkinrange io"))
        values.push_back(c.at(std::string(name)));
    flights::TrackedFlight t;
    const auto keys = storage::RowKeys::positions(values.size());
    t.assign(storage::Row(keys, std::move(values)));
    return t;
}

inline flights::TrackedFlight tracked(const FlightColumns& changes = {}) {
    return trackedOf(departureColumns(changes));
}

} // namespace testing_support
