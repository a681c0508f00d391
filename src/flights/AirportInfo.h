#pragma once
/// @file
/// One flight as the flight screens, the main screen and the refresh carry it.

#include "storage/Row.h"

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace flights {

/// One flight: 24 text fields. Dates are "yyyyMMdd", times "HHmm". Fields 1 to 22 mirror the
/// columns of aFlightInfo in the order of kFlightColumns; the last two are not stored.
/// Every field is empty text until set.
class AirportInfo {
public:
    /// The fields in record order.
    enum Field : std::size_t {
        AirLine,                 ///< airline, as the source names it
        FlightId,                ///< flight number, upper case
        ScheduleDate,            ///< the flight's date; part of the key
        ScheduleDate_Departure,  ///< scheduled departure date
        ScheduleTime_Departure,  ///< scheduled departure time
        EstimatedDate_Departure, ///< changed departure date, empty when there is no estimate
        EstimatedTime_Departure, ///< changed departure time, empty when none
        ScheduleDate_Arrival,    ///< scheduled arrival date
        ScheduleTime_Arrival,    ///< scheduled arrival time
        EstimatedDate_Arrival,   ///< changed arrival date, empty when none
        EstimatedTime_Arrival,   ///< changed arrival time, empty when none
        Airport,                 ///< an airport name; the flight search leaves it empty
        Airport_Departure,       ///< departure airport name
        Airport_Arrival,         ///< arrival airport name
        AirportCode_Departure,   ///< departure airport code ("ICN"); part of the key
        AirportCode_Arrival,     ///< arrival airport code; part of the key
        GateNumber,              ///< boarding gate
        Carousel,                ///< baggage carousel
        ExitNumber,              ///< arrival exit
        Remark,                  ///< status word in Korean as the source gives it
        ChkInRange,              ///< check-in counter range
        Io,                      ///< "1" a departure, any other value an arrival
        Line,                    ///< the airline again; not stored
        Flag,                    ///< "1" from the flight search, "2" from the tracked list
    };
    static constexpr std::size_t kFieldCount = 24;
    /// Fields AirLine..Io, the ones stored in aFlightInfo.
    static constexpr std::size_t kStoredCount = 22;

    /// A record from the 24 values in field order.
    static AirportInfo
    airportInfo(std::string airLine, std::string flightId, std::string scheduleDate,
                std::string scheduleDate_Departure, std::string scheduleTime_Departure,
                std::string estimatedDate_Departure, std::string estimatedTime_Departure,
                std::string scheduleDate_Arrival, std::string scheduleTime_Arrival,
                std::string estimatedDate_Arrival, std::string estimatedTime_Arrival,
                std::string airport, std::string airport_Departure, std::string airport_Arrival,
                std::string airportCode_Departure, std::string airportCode_Arrival,
                std::string gateNumber, std::string carousel, std::string exitNumber,
                std::string remark, std::string chkInRange, std::string io, std::string line,
                std::string flag);

    /// A tracked flight from a row of the tracked-flights list (keys "0".."21" in field
    /// order): line copies the airline, flag is "2". A key the row lacks reads as empty.
    static AirportInfo fromListRow(const storage::Row& row);

    /// A flight from one row of the airport service, given as element name → text (empty
    /// for an element the row lacks): the elements are named after the columns, with "flag"
    /// for io; airport is empty, line copies the airline, flag is "1".
    static AirportInfo
    fromServiceRow(const std::function<std::string(std::string_view element)>& elementText);

    [[nodiscard]] const std::string& get(Field f) const { return fields_[f]; }
    void set(Field f, std::string value) { fields_[f] = std::move(value); }

    // clang-format off
    [[nodiscard]] const std::string& sAirLine() const { return get(AirLine); }
    [[nodiscard]] const std::string& sFlightId() const { return get(FlightId); }
    [[nodiscard]] const std::string& sScheduleDate() const { return get(ScheduleDate); }
    [[nodiscard]] const std::string& sScheduleDate_Departure() const { return get(ScheduleDate_Departure); }
    [[nodiscard]] const std::string& sScheduleTime_Departure() const { return get(ScheduleTime_Departure); }
    [[nodiscard]] const std::string& sEstimatedDate_Departure() const { return get(EstimatedDate_Departure); }
    [[nodiscard]] const std::string& sEstimatedTime_Departure() const { return get(EstimatedTime_Departure); }
    [[nodiscard]] const std::string& sScheduleDate_Arrival() const { return get(ScheduleDate_Arrival); }
    [[nodiscard]] const std::string& sScheduleTime_Arrival() const { return get(ScheduleTime_Arrival); }
    [[nodiscard]] const std::string& sEstimatedDate_Arrival() const { return get(EstimatedDate_Arrival); }
    [[nodiscard]] const std::string& sEstimatedTime_Arrival() const { return get(EstimatedTime_Arrival); }
    [[nodiscard]] const std::string& sAirport() const { return get(Airport); }
    [[nodiscard]] const std::string& sAirport_Departure() const { return get(Airport_Departure); }
    [[nodiscard]] const std::string& sAirport_Arrival() const { return get(Airport_Arrival); }
    [[nodiscard]] const std::string& sAirportCode_Departure() const { return get(AirportCode_Departure); }
    [[nodiscard]] const std::string& sAirportCode_Arrival() const { return get(AirportCode_Arrival); }
    [[nodiscard]] const std::string& sGateNumber() const { return get(GateNumber); }
    [[nodiscard]] const std::string& sCarousel() const { return get(Carousel); }
    [[nodiscard]] const std::string& sExitNumber() const { return get(ExitNumber); }
    [[nodiscard]] const std::string& sRemark() const { return get(Remark); }
    [[nodiscard]] const std::string& sChkInRange() const { return get(ChkInRange); }
    [[nodiscard]] const std::string& sIo() const { return get(Io); }
    [[nodiscard]] const std::string& sLine() const { return get(Line); }
    [[nodiscard]] const std::string& sFlag() const { return get(Flag); }

    void setSAirLine(std::string v) { set(AirLine, std::move(v)); }
    void setSFlightId(std::string v) { set(FlightId, std::move(v)); }
    void setSScheduleDate(std::string v) { set(ScheduleDate, std::move(v)); }
    void setSScheduleDate_Departure(std::string v) { set(ScheduleDate_Departure, std::move(v)); }
    void setSScheduleTime_Departure(std::string v) { set(ScheduleTime_Departure, std::move(v)); }
    void setSEstimatedDate_Departure(std::string v) { set(EstimatedDate_Departure, std::move(v)); }
    void setSEstimatedTime_Departure(std::string v) { set(EstimatedTime_Departure, std::move(v)); }
    void setSScheduleDate_Arrival(std::string v) { set(ScheduleDate_Arrival, std::move(v)); }
    void setSScheduleTime_Arrival(std::string v) { set(ScheduleTime_Arrival, std::move(v)); }
    void setSEstimatedDate_Arrival(std::string v) { set(EstimatedDate_Arrival, std::move(v)); }
    void setSEstimatedTime_Arrival(std::string v) { set(EstimatedTime_Arrival, std::move(v)); }
    void setSAirport(std::string v) { set(Airport, std::move(v)); }
    void setSAirport_Departure(std::string v) { set(Airport_Departure, std::move(v)); }
    void setSAirport_Arrival(std::string v) { set(Airport_Arrival, std::move(v)); }
    void setSAirportCode_Departure(std::string v) { set(AirportCode_Departure, std::move(v)); }
    void setSAirportCode_Arrival(std::string v) { set(AirportCode_Arrival, std::move(v)); }
    void setSGateNumber(std::string v) { set(GateNumber, std::move(v)); }
    void setSCarousel(std::string v) { set(Carousel, std::move(v)); }
    void setSExitNumber(std::string v) { set(ExitNumber, std::move(v)); }
    void setSRemark(std::string v) { set(Remark, std::move(v)); }
    void setSChkInRange(std::string v) { set(ChkInRange, std::move(v)); }
    void setSIo(std::string v) { set(Io, std::move(v)); }
    void setSLine(std::string v) { set(Line, std::move(v)); }
    void setSFlag(std::string v) { set(Flag, std::move(v)); }
    // clang-format on

    bool operator==(const AirportInfo&) const = default;

private:
    std::array<std::string, kFieldCount> fields_;
};

/// The columns of aFlightInfo in record order (fields AirLine..Io).
inline constexpr std::array<std::string_view, AirportInfo::kStoredCount> kFlightColumns{
    "airline",
    "flightId",
    "scheduleDate",
    "scheduleDate_Departure",
    "scheduleTime_Departure",
    "estimatedDate_Departure",
    "estimatedTime_Departure",
    "scheduleDate_Arrival",
    "scheduleTime_Arrival",
    "estimatedDate_Arrival",
    "estimatedTime_Arrival",
    "airport",
    "airport_departure",
    "airport_arrival",
    "airportcode_departure",
    "airportcode_arrival",
    "gatenumber",
    "carousel",
    "exitnumber",
    "remark",
    "chkinrange",
    "io"};

/// The elements of a flight row of the airport service in record order: the column names,
/// except that the direction arrives as "flag".
inline constexpr std::array<std::string_view, AirportInfo::kStoredCount> kServiceRowElements = [] {
    auto elements = kFlightColumns;
    elements[AirportInfo::Io] = "flag";
    return elements;
}();

} // namespace flights
