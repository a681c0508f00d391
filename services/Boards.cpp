#include "services/Boards.h"

namespace services {

std::string_view departureRemark(const FlightState& state) {
    switch (state.phase) {
    case Phase::Scheduled:
        return state.delayed ? "지연" : "";
    case Phase::Boarding:
        return "탑승중";
    case Phase::FinalCall:
        return "탑승마감";
    case Phase::Cancelled:
        return "결항";
    case Phase::Departed:
    case Phase::Arrived:
    case Phase::Diverted:
        break;
    }
    return "출발";
}

std::string_view arrivalRemark(const FlightState& state) {
    switch (state.phase) {
    case Phase::Scheduled:
    case Phase::Boarding:
    case Phase::FinalCall:
        return state.delayed ? "지연" : "";
    case Phase::Departed:
        return "출발";
    case Phase::Arrived:
        return "도착";
    case Phase::Diverted:
        return "회항";
    case Phase::Cancelled:
        break;
    }
    return "결항";
}

std::string_view rowRemark(const FlightSchedule& flight, const FlightState& state) {
    bool left = state.phase == Phase::Departed || state.phase == Phase::Arrived ||
                state.phase == Phase::Diverted;
    return flight.inbound || left ? arrivalRemark(state) : departureRemark(state);
}

std::string_view timetableStatus(const FlightState& state) {
    switch (state.phase) {
    case Phase::Departed:
        return "active";
    case Phase::Arrived:
        return "landed";
    case Phase::Cancelled:
        return "cancelled";
    case Phase::Diverted:
        return "diverted";
    case Phase::Scheduled:
    case Phase::Boarding:
    case Phase::FinalCall:
        break;
    }
    return "scheduled";
}

LocalMoment localAt(const Airport& airport, HomeMinute minute) {
    return localMoment(minute, airport.offsetFromHome());
}

void applyState(Flight& row, const FlightSchedule& flight, const FlightState& state) {
    auto& c = row.columns;
    LocalMoment departure = localAt(*flight.from, state.departure);
    LocalMoment arrival = localAt(*flight.to, state.arrival);
    c[EstimatedDateDeparture] = departure.date.text();
    c[EstimatedTimeDeparture] = departure.clock();
    c[EstimatedDateArrival] = arrival.date.text();
    c[EstimatedTimeArrival] = arrival.clock();
    c[GateNumber] = state.gate;
    c[ChkInRange] = state.checkIn;
    c[Carousel] = state.carousel;
    c[ExitNumber] = state.exit;
    c[Remark] = rowRemark(flight, state);
}

} // namespace services
