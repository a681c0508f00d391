#include "flights/AirportInfo.h"

namespace flights {

AirportInfo AirportInfo::airportInfo(
    std::string airLine, std::string flightId, std::string scheduleDate,
    std::string scheduleDate_Departure, std::string scheduleTime_Departure,
    std::string estimatedDate_Departure, std::string estimatedTime_Departure,
    std::string scheduleDate_Arrival, std::string scheduleTime_Arrival,
    std::string estimatedDate_Arrival, std::string estimatedTime_Arrival, std::string airport,
    std::string airport_Departure, std::string airport_Arrival, std::string airportCode_Departure,
    std::string airportCode_Arrival, std::string gateNumber, std::string carousel,
    std::string exitNumber, std::string remark, std::string chkInRange, std::string io,
    std::string line, std::string flag) {
    AirportInfo info;
    info.fields_ = {std::move(airLine),
                    std::move(flightId),
                    std::move(scheduleDate),
                    std::move(scheduleDate_Departure),
                    std::move(scheduleTime_Departure),
                    std::move(estimatedDate_Departure),
                    std::move(estimatedTime_Departure),
                    std::move(scheduleDate_Arrival),
                    std::move(scheduleTime_Arrival),
                    std::move(estimatedDate_Arrival),
                    std::move(estimatedTime_Arrival),
                    std::move(airport),
                    std::move(airport_Departure),
                    std::move(airport_Arrival),
                    std::move(airportCode_Departure),
                    std::move(airportCode_Arrival),
                    std::move(gateNumber),
                    std::move(carousel),
                    std::move(exitNumber),
                    std::move(remark),
                    std::move(chkInRange),
                    std::move(io),
                    std::move(line),
                    std::move(flag)};
    return info;
}

AirportInfo AirportInfo::fromListRow(const storage::Row& row) {
    AirportInfo info;
    for (std::size_t i = 0; i < kStoredCount; ++i) {
        auto it = row.find(std::to_string(i));
        if (it != row.end())
            info.fields_[i] = it->second;
    }
    info.fields_[Line] = info.fields_[AirLine];
    info.fields_[Flag] = "2";
    return info;
}

AirportInfo AirportInfo::fromServiceRow(
    const std::function<std::string(std::string_view element)>& elementText) {
    AirportInfo info;
    for (std::size_t i = 0; i < kStoredCount; ++i)
        if (i != Airport)
            info.fields_[i] = elementText(kServiceRowElements[i]);
    info.fields_[Line] = info.fields_[AirLine];
    info.fields_[Flag] = "1";
    return info;
}

} // namespace flights
