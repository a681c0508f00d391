#include "flights/RefreshPlan.h"

#include "flights/FlightText.h"

namespace flights {
namespace {

using Kind = FeedRequest::Kind;

const std::string& v(const TrackedFlight::List& list) {
    return TrackedFlight::first(list);
}

bool inFlight(const TrackedFlight& t) {
    return v(t.Remark_List) == kRemarkInFlight;
}

bool departed(const TrackedFlight& t) {
    return v(t.Remark_List) == kRemarkDeparted;
}

// The departure has not moved: no estimate, or the estimate is the schedule.
bool departureTimesAgree(const TrackedFlight& t) {
    const auto& estimated = v(t.EstimatedTime_Departure_List);
    return estimated.empty() || v(t.ScheduleTime_Departure_List) == estimated;
}

} // namespace

std::string percentEncoded(std::string_view value) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : value) {
        const auto u = static_cast<unsigned char>(c);
        if ((u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || (u >= '0' && u <= '9') ||
            c == '-' || c == '.' || c == '_' || c == '~') {
            out += c;
        } else {
            out += '%';
            out += kHex[u >> 4];
            out += kHex[u & 0xF];
        }
    }
    return out;
}

Feed feedOf(Kind kind) {
    switch (kind) {
    case Kind::InternationalDepartures:
    case Kind::InternationalArrivals:
        return Feed::International;
    case Kind::DomesticDepartures:
    case Kind::DomesticArrivals:
        return Feed::Domestic;
    case Kind::TimetableDepartures:
    case Kind::TimetableArrivals:
        break;
    }
    return Feed::Timetable;
}

FeedAddress feedAddress(const FeedRequest& r, const FeedEndpoints& e) {
    const std::string airport = percentEncoded(r.airport);
    switch (r.kind) {
    case Kind::InternationalDepartures:
    case Kind::InternationalArrivals:
        return {e.internationalAirportAPI + "/openapi/service/StatusOfPassengerFlights/" +
                    (r.kind == Kind::InternationalDepartures ? "getPassengerDepartures"
                                                             : "getPassengerArrivals"),
                "ServiceKey=" + e.flightStatusServiceKey + "&from_time=0000&to_time=2400&airport=" +
                    airport + "&flight_id=" + percentEncoded(r.flightId)};
    case Kind::DomesticDepartures:
    case Kind::DomesticArrivals:
        return {e.domesticAirportsAPI + "/service/rest/FlightStatusList/getFlightStatusList",
                "ServiceKey=" + e.flightStatusServiceKey + "&schStTime=" +
                    (r.kind == Kind::DomesticDepartures ? "0000&schEdTime=2400&schIOType=O"
                                                        : "0000&schEdTime=2400&schIOType=I") +
                    "&schLineType=" + r.lineType + "&schAirCode=" + airport +
                    "&pageNo=1&numOfRows=99999"};
    case Kind::TimetableDepartures:
    case Kind::TimetableArrivals:
        break;
    }
    return {e.timetableAPI + "/api/v7/timetable",
            "api_key=" + e.timetableKey + "&iata_code=" + airport +
                (r.kind == Kind::TimetableDepartures ? "&type=departure" : "&type=arrival")};
}

RenewPlan chooseRenewSources(const TrackedFlight& t, std::string_view today) {
    RenewPlan plan;
    if (t.AirportCode_Departure_List.empty())
        return plan;
    if (v(t.ScheduleDate_List) != today) {
        plan.makerTable = true;
        return plan;
    }
    const auto& from = v(t.AirportCode_Departure_List);
    const auto& to = v(t.AirportCode_Arrival_List);
    const auto& flightId = v(t.FlightId_List);
    if (v(t.Io_List) == "1") {
        if (from != kInternationalAirport) {
            plan.classification = "O";
        } else if (!inFlight(t) && !departed(t)) {
            plan.international = FeedRequest{Kind::InternationalDepartures, to, 'D', flightId};
        } else {
            if (departureTimesAgree(t))
                plan.international = FeedRequest{Kind::InternationalDepartures, to, 'D', flightId};
            plan.classification = "O";
        }
    } else if (to == kInternationalAirport) {
        plan.international = FeedRequest{Kind::InternationalArrivals, from, 'D', flightId};
    } else {
        plan.classification = "I";
    }
    return plan;
}

std::vector<FeedRequest> classifiedRequests(std::string_view flag, const TrackedFlight& t,
                                            long nowHHmm) {
    const auto& from = v(t.AirportCode_Departure_List);
    const auto& to = v(t.AirportCode_Arrival_List);
    const bool moving = inFlight(t) || departed(t);

    if (flag == "1" || flag == "2") {
        const char line = flag == "1" ? 'D' : 'I';
        const FeedRequest departures{Kind::DomesticDepartures, from, line, {}};
        if (!moving)
            return {departures};
        std::vector<FeedRequest> out;
        if (departureTimesAgree(t))
            out.push_back(departures);
        if (flag == "1")
            out.push_back({Kind::DomesticArrivals, to, 'D', {}});
        else
            out.push_back({Kind::TimetableArrivals, to, 'D', {}});
        return out;
    }

    const auto& estimated = v(t.EstimatedTime_Departure_List);
    const auto& scheduled = v(t.ScheduleTime_Departure_List);
    const long departure = leadingInteger(!estimated.empty()   ? estimated
                                          : !scheduled.empty() ? scheduled
                                                               : "0");
    const FeedRequest arrivals = flag == "3" ? FeedRequest{Kind::DomesticArrivals, to, 'I', {}}
                                             : FeedRequest{Kind::TimetableArrivals, to, 'D', {}};
    if (inFlight(t))
        return {arrivals};
    if (!departed(t) && nowHHmm <= departure)
        return {{Kind::TimetableDepartures, from, 'D', {}}};
    return {arrivals};
}

} // namespace flights
