#pragma once
// The next flight as the main screen holds it: one-element lists named after the columns
// of aFlightInfo, in the column order of the next-flight query (kNextFlight).

#include "flights/FlightStatements.h"
#include "storage/Row.h"

#include <string>
#include <vector>

namespace flights {

struct TrackedFlight {
    using List = std::vector<std::string>;
    List AirLine_List, FlightId_List, ScheduleDate_List, ScheduleDate_Departure_List,
        ScheduleTime_Departure_List, ScheduleDate_Arrival_List, ScheduleTime_Arrival_List,
        EstimatedDate_Departure_List, EstimatedTime_Departure_List, EstimatedDate_Arrival_List,
        EstimatedTime_Arrival_List, Airport_List, Airport_Departure_List, Airport_Arrival_List,
        AirportCode_Departure_List, AirportCode_Arrival_List, GateNumber_List, Carousel_List,
        ExitNumber_List, Remark_List, ChkInRange_List, Io_List;

    /// Replaces every list by a new list holding the row's column "0".."21" ("" for a column
    /// the row lacks).
    void assign(const storage::Row& row);
    /// Element 0 of a list, or "" when the list is empty.
    static const std::string& first(const List& list);
    /// The key columns of the flight held (element 0 of the four key lists).
    FlightKey key() const;
};

} // namespace flights
