#pragma once
// Tracked flights for the refresh tests, built from column values.

#include "flights/TrackedFlight.h"

#include <map>
#include <string>

namespace testing_support {

/// The columns of a tracked flight by aFlightInfo column name.
using FlightColumns = std::map<std::string, std::string>;

/// A departure from ICN to Narita today (2026-12-07) at 10:30 with an estimate equal to the
/// schedule, gate 23 and check-in counters A01-A12; @p changes replaces columns.
inline FlightColumns departureColumns(const FlightColumns& changes = {}) {
    FlightColumns c{{"airline", "대한항공"},
                    {"flightId", "KE701"},
                    {"scheduleDate", "20261207"},
                    {"scheduleDate_Departure", "20261207"},
                    {"scheduleTime_Departure", "1030"},
                    {"scheduleDate_Arrival", "20261207"},
                    {"scheduleTime_Arrival", "1255"},
                    {"estimatedDate_Departure", "20261207"},
                    {"estimatedTime_Departure", "1030"},
                    {"estimatedDate_Arrival", "20261207"},
                    {"estimatedTime_Arrival", "1255"},
                    {"airport", ""},
                    {"airport_departure", "인천"},
                    {"airport_arrival", "나리타"},
                    {"airportcode_departure", "ICN"},
                    {"airportcode_arrival", "NRT"},
                    {"gatenumber", "23"},
                    {"carousel", ""},
                    {"exitnumber", ""},
                    {"remark", ""},
                    {"chkinrange", "A01-A12"},
                    {"io", "1"}};
    for (const auto& [k, v] : changes)
        c[k] = v;
    return c;
}

inline flights::TrackedFlight trackedOf(const FlightColumns& c) {
    flights::TrackedFlight t;
    auto set = [&](flights::TrackedFlight::List& list, const char* column) {
        list = {c.at(column)};
    };
    set(t.AirLine_List, "airline");
    set(t.FlightId_List, "flightId");
    set(t.ScheduleDate_List, "scheduleDate");
    set(t.ScheduleDate_Departure_List, "scheduleDate_Departure");
    set(t.ScheduleTime_Departure_List, "scheduleTime_Departure");
    set(t.ScheduleDate_Arrival_List, "scheduleDate_Arrival");
    set(t.ScheduleTime_Arrival_List, "scheduleTime_Arrival");
    set(t.EstimatedDate_Departure_List, "estimatedDate_Departure");
    set(t.EstimatedTime_Departure_List, "estimatedTime_Departure");
    set(t.EstimatedDate_Arrival_List, "estimatedDate_Arrival");
    set(t.EstimatedTime_Arrival_List, "estimatedTime_Arrival");
    set(t.Airport_List, "airport");
    set(t.Airport_Departure_List, "airport_departure");
    set(t.Airport_Arrival_List, "airport_arrival");
    set(t.AirportCode_Departure_List, "airportcode_departure");
    set(t.AirportCode_Arrival_List, "airportcode_arrival");
    set(t.GateNumber_List, "gatenumber");
    set(t.Carousel_List, "carousel");
    set(t.ExitNumber_List, "exitnumber");
    set(t.Remark_List, "remark");
    set(t.ChkInRange_List, "chkinrange");
    set(t.Io_List, "io");
    return t;
}

inline flights::TrackedFlight tracked(const FlightColumns& changes = {}) {
    return trackedOf(departureColumns(changes));
}

} // namespace testing_support
