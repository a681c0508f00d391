#pragma once
// Endpoints, keys and partner addresses. Built-in defaults; a JSON file overrides them.

#include <optional>
#include <string>
#include <string_view>

namespace app {

struct Config {
    std::string soapNamespace = "http://tempuri.org/";
    std::string carrierServiceURL =
        "http://soap.tamberlinove.kr/sub_tamberlinove/tamberlinove02.asmx";
    std::string airportServiceURL = "http://soap.tamberlinove.kr/sub_airport/airport02.asmx";
    std::string internationalAirportAPI = "http://openapi.airport.kr";
    std::string domesticAirportsAPI = "http://openapi.airport.co.kr";
    std::string timetableAPI = "https://timetable.tamberlinove.kr";
    std::string flightStatusServiceKey;
    std::string timetableKey;
    std::string referralBase = "https://partner.tamberlinove.kr";
    std::string referralKey;
    std::string hotelURL = "https://hotels.tamberlinove.kr/";
    std::string hotelAffiliateId = "0";
    double requestTimeoutSeconds = 30;

    /// Applies the keys of a JSON object over the current values. Unknown keys are ignored;
    /// a key of the wrong type is an error. On error returns the message and changes nothing.
    std::optional<std::string> apply(std::string_view json);
    /// Reads and applies a config file.
    std::optional<std::string> load(const std::string& path);
    /// The config as a JSON object with every key.
    std::string toJson() const;
};

} // namespace app
