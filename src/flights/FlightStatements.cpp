#include "flights/FlightStatements.h"

#include "storage/SqlFormat.h"

namespace flights {

FlightKey FlightKey::of(const AirportInfo& info) {
    return {info.sAirportCode_Departure(), info.sAirportCode_Arrival(), info.sFlightId(),
            info.sScheduleDate()};
}

std::string insertFlightStatement(const AirportInfo& info) {
    std::vector<std::string> values;
    values.reserve(AirportInfo::kStoredCount);
    for (std::size_t i = 0; i < AirportInfo::kStoredCount; ++i)
        values.push_back(info.get(static_cast<AirportInfo::Field>(i)));
    return storage::sqlFormat(kInsertFlight, values);
}

std::string rewriteFlightStatement(const AirportInfo& i) {
    return storage::sqlFormat(kRewriteFlight, {i.sScheduleDate_Departure(),
                                               i.sScheduleTime_Departure(),
                                               i.sEstimatedDate_Departure(),
                                               i.sEstimatedTime_Departure(),
                                               i.sScheduleDate_Arrival(),
                                               i.sScheduleTime_Arrival(),
                                               i.sEstimatedDate_Arrival(),
                                               i.sEstimatedTime_Arrival(),
                                               i.sAirport(),
                                               i.sAirport_Departure(),
                                               i.sAirport_Arrival(),
                                               i.sGateNumber(),
                                               i.sCarousel(),
                                               i.sExitNumber(),
                                               i.sRemark(),
                                               i.sChkInRange(),
                                               i.sIo(),
                                               i.sAirportCode_Departure(),
                                               i.sAirportCode_Arrival(),
                                               i.sFlightId(),
                                               i.sScheduleDate()});
}

std::string refreshFlightStatement(const LiveFields& f, const FlightKey& k) {
    return storage::sqlFormat(kRefreshFlight, {f.scheduleDate_Departure, f.scheduleTime_Departure,
                                               f.estimatedDate_Departure, f.estimatedTime_Departure,
                                               f.gatenumber, f.carousel, f.exitnumber, f.remark,
                                               f.chkinrange, f.scheduleDate_Arrival,
                                               f.scheduleTime_Arrival, f.estimatedDate_Arrival,
                                               f.estimatedTime_Arrival, k.airportcode_departure,
                                               k.airportcode_arrival, k.flightId, k.scheduleDate});
}

std::string deleteFlightStatement(const FlightKey& k) {
    return storage::sqlFormat(kDeleteFlight, {k.airportcode_departure, k.airportcode_arrival,
                                              k.flightId, k.scheduleDate});
}

std::string listFlightsStatement(std::string_view date) {
    return storage::sqlFormat(kListFlights, {date, date});
}

std::string nextFlightStatement(std::string_view date) {
    return storage::sqlFormat(kNextFlight, {date, date});
}

} // namespace flights
