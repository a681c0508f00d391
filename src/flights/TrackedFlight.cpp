#include "flights/TrackedFlight.h"

namespace flights {

void TrackedFlight::assign(const storage::Row& row) {
    List* lists[] = {&AirLine_List,
                     &FlightId_List,
                     &ScheduleDate_List,
                     &ScheduleDate_Departure_List,
                     &ScheduleTime_Departure_List,
                     &ScheduleDate_Arrival_List,
                     &ScheduleTime_Arrival_List,
                     &EstimatedDate_Departure_List,
                     &EstimatedTime_Departure_List,
                     &EstimatedDate_Arrival_List,
                     &EstimatedTime_Arrival_List,
                     &Airport_List,
                     &Airport_Departure_List,
                     &Airport_Arrival_List,
                     &AirportCode_Departure_List,
                     &AirportCode_Arrival_List,
                     &GateNumber_List,
                     &Carousel_List,
                     &ExitNumber_List,
                     &Remark_List,
                     &ChkInRange_List,
                     &Io_List};
    int i = 0;
    for (List* list : lists) {
        auto it = row.find(std::to_string(i++));
        *list = List{it == row.end() ? std::string() : it->second};
    }
}

const std::string& TrackedFlight::first(const List& list) {
    static const std::string empty;
    return list.empty() ? empty : list.front();
}

FlightKey TrackedFlight::key() const {
    return {first(AirportCode_Departure_List), first(AirportCode_Arrival_List),
            first(FlightId_List), first(ScheduleDate_List)};
}

} // namespace flights
