#pragma once
// The catalogue of the maker's remote operations.

#include "platform/Http.h"
#include "remote/WebServiceHelper.h"

#include <optional>
#include <string>

namespace remote {

/// Where the maker's two SOAP services live (from the configuration).
struct ServiceEndpoints {
    std::string soapNamespace;     ///< namespace of both services' operations
    std::string carrierServiceURL; ///< the carrier service endpoint
    std::string airportServiceURL; ///< the airport service endpoint
};

/// The 26 values a flight-log call takes, in the caller's order. Only 22 are sent:
/// flightId, airline, airportDeparture and airportArrival are not.
struct FlightLogInput {
    std::string airportcodeDeparture;
    std::string airportcodeArrival;
    std::string scheduleDate;     ///< scheduled departure date
    std::string scheduleTime;     ///< scheduled departure time
    std::string flightId;         ///< not sent
    std::string airline;          ///< not sent
    std::string airportDeparture; ///< departure airport name; not sent
    std::string airportArrival;   ///< arrival airport name; not sent
    std::string estimatedDate;    ///< estimated departure date
    std::string estimatedTime;    ///< estimated departure time
    std::string exitnumber;
    std::string gatenumber;
    std::string chkinrange;
    std::string carousel;
    std::string remark;
    std::string flag;
    std::string inputTime;
    std::string etc;
    std::string scheduleDate1;  ///< scheduled arrival date
    std::string scheduleTime1;  ///< scheduled arrival time
    std::string estimatedDate1; ///< estimated arrival date
    std::string estimatedTime1; ///< estimated arrival time
    std::string unitUUID;
    std::string unitMajor;
    std::string unitMinor;
    std::string logStatus; ///< "1" tracking started, "2" tracking stopped
};

/// One method per remote operation. Each call blocks until the exchange ends and returns
/// the answer text (the character data of the answer envelope), or nothing when no bytes
/// came back. Callers recognise the text with the helpers of Answer.h.
class CacheDBCommands {
public:
    CacheDBCommands(platform::Http& http, ServiceEndpoints endpoints);

    /// Namespace of both services' operations.
    [[nodiscard]] const std::string& XMLNamespace() const { return endpoints_.soapNamespace; }
    /// The carrier service endpoint.
    [[nodiscard]] const std::string& ServerURL() const { return endpoints_.carrierServiceURL; }
    /// The airport service endpoint.
    [[nodiscard]] const std::string& ServerURL_Airport() const {
        return endpoints_.airportServiceURL;
    }

    /// Carrier service: the beacon UUIDs to range for.
    [[nodiscard]] std::optional<std::string> Unit_AllSearch01();
    /// Airport service: one page of a day's flights.
    [[nodiscard]] std::optional<std::string>
    Flight_List03(const std::string& scheduleDate, const std::string& airportcodeDeparture,
                  const std::string& airportcodeArrival, const std::string& flightId,
                  const std::string& flag, const std::string& pageNum);
    /// Airport service: the rows of one flight.
    [[nodiscard]] std::optional<std::string>
    Flight_List04(const std::string& scheduleDate, const std::string& airportcodeDeparture,
                  const std::string& airportcodeArrival, const std::string& flightId,
                  const std::string& flag, const std::string& pageNum);
    /// Carrier service: registers ("1") or removes ("2") a carrier.
    [[nodiscard]] std::optional<std::string>
    Unit_Join01(const std::string& telnum, const std::string& mac, const std::string& uuid,
                const std::string& major, const std::string& minor, const std::string& flag);
    /// Carrier service: logs that a carrier was found.
    [[nodiscard]] std::optional<std::string>
    Log_Unit_SearchOK01(const std::string& telnum, const std::string& mac, const std::string& uuid,
                        const std::string& major, const std::string& minor);
    /// Airport service: logs that tracking of a flight started or stopped.
    [[nodiscard]] std::optional<std::string> Log_FilghtInput01(const FlightLogInput& input);
    /// Airport service: the classification of two cities.
    [[nodiscard]] std::optional<std::string> City_View03(const std::string& cityCode1,
                                                         const std::string& cityCode2);
    /// Airport service: all cities.
    [[nodiscard]] std::optional<std::string> City_List02();
    /// Airport service: the nations of a city; empty text asks for all nations.
    [[nodiscard]] std::optional<std::string> Nation_List02(const std::string& cityCode);
    /// Airport service: the date of the last change of nations and cities.
    [[nodiscard]] std::optional<std::string> Nation_Modify_List01();
    /// Airport service: the exchange rates of the day.
    [[nodiscard]] std::optional<std::string> Exchange_List01();

private:
    std::optional<std::string> call(const std::string& url, const char* method,
                                    SoapParameters parameters);

    platform::Http& http_;
    ServiceEndpoints endpoints_;
};

} // namespace remote
