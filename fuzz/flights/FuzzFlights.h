#pragma once
// What the feed fuzz targets share: tracked flights to compare against, and the checks every
// outcome must pass.

#include "flights/FeedAnswers.h"
#include "flights/FlightText.h"

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace fuzz_flights {

/// One of a few tracked flights: departures and arrivals, with estimates, without them, with
/// values too short for what the rules cut, and with multi-byte values.
inline flights::TrackedFlight trackedFor(std::uint8_t selector) {
    struct Variant {
        const char *flightId, *from, *to, *date, *depTime, *depEstimate, *arrEstimate, *gate,
            *remark, *io;
    };
    static constexpr Variant kVariants[] = {
        {"KE701", "ICN", "NRT", "20261207", "1030", "1030", "1255", "23", "", "1"},
        {"KE702", "NRT", "ICN", "20261207", "1030", "", "", "", "운항중", "2"},
        {"KE1201", "GMP", "CJU", "2026", "9", "1", "12", "3", "출발", "1"},
        {"KE781", "PUS", "FUK", "20261207", "1030", "탑승중입", "", "게이트", "지연", "0"},
    };
    const Variant& v = kVariants[selector % 4];
    flights::TrackedFlight t;
    t.AirLine_List = {"대한항공"};
    t.FlightId_List = {v.flightId};
    t.ScheduleDate_List = t.ScheduleDate_Departure_List = t.ScheduleDate_Arrival_List = {v.date};
    t.ScheduleTime_Departure_List = {v.depTime};
    t.ScheduleTime_Arrival_List = {"1255"};
    t.EstimatedDate_Departure_List = t.EstimatedDate_Arrival_List = {v.date};
    t.EstimatedTime_Departure_List = {v.depEstimate};
    t.EstimatedTime_Arrival_List = {v.arrEstimate};
    t.Airport_List = {""};
    t.Airport_Departure_List = {"출발지"};
    t.Airport_Arrival_List = {"도착지"};
    t.AirportCode_Departure_List = {v.from};
    t.AirportCode_Arrival_List = {v.to};
    t.GateNumber_List = {v.gate};
    t.Carousel_List = t.ExitNumber_List = t.ChkInRange_List = {""};
    t.Remark_List = {v.remark};
    t.Io_List = {v.io};
    return t;
}

/// An update must name the tracked flight and hold well-formed text only: no rule may cut a
/// value in the middle of a character.
inline void check(const flights::FlightUpdate& u, const flights::TrackedFlight& t) {
    if (u.key != t.key() || u.message.empty() || !flights::isValidUtf8(u.message))
        std::abort();
    const flights::LiveFields& f = u.fields;
    for (const std::string* s :
         {&f.scheduleDate_Departure, &f.scheduleTime_Departure, &f.estimatedDate_Departure,
          &f.estimatedTime_Departure, &f.gatenumber, &f.carousel, &f.exitnumber, &f.remark,
          &f.chkinrange, &f.scheduleDate_Arrival, &f.scheduleTime_Arrival, &f.estimatedDate_Arrival,
          &f.estimatedTime_Arrival})
        if (!flights::isValidUtf8(*s))
            std::abort();
}

/// The answer text as the app hands it over: only well-formed UTF-8 reaches a handler.
inline std::optional<std::string> answerText(const std::uint8_t* data, std::size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    if (!flights::isValidUtf8(text))
        return std::nullopt;
    return text;
}

} // namespace fuzz_flights
