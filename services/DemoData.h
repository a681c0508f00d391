#pragma once
// The demo data set the stand-in services answer from: airports, nations, airlines, the
// facilities of the Korean airports, exchange rates, beacon UUIDs and scheduled services.

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace services {

/// Nation code of Korea; its airports are the domestic ones.
inline constexpr std::string_view kKoreaNationCode = "410";
/// Korea's offset from UTC in minutes, which the data's offsets are measured against.
inline constexpr int kKoreaUtcOffsetMinutes = 540;

struct Airport {
    std::string code; ///< IATA three-letter code
    std::string cityEng;
    std::string cityKor;
    std::string boardName; ///< the name flight rows show for the airport
    std::string nationCode;
    int utcOffsetMinutes = 0;
    bool domestic() const { return nationCode == kKoreaNationCode; }
    /// Minutes this airport's clock runs ahead of the Korean airports'.
    int offsetFromHome() const { return utcOffsetMinutes - kKoreaUtcOffsetMinutes; }
};

struct Nation {
    std::string code;
    std::string eng;
    std::string kor;
    std::string fileName;
};

struct ExchangeRate {
    std::string unit; ///< "USD", "JPY(100)", ...
    std::string name;
    std::string ttb;
    std::string tts;
    std::string baseRate;
};

/// Facilities of one Korean airport; ranges already expanded.
struct Facility {
    std::vector<std::string> gates;
    std::vector<std::string> counterRows;
    int counterBlock = 8;
    std::vector<std::string> carousels;
    std::vector<std::string> exits;
};

struct Route {
    std::string flightId;
    std::string airline; ///< IATA code of the airline
    std::string from;
    std::string to;
    int departureMinutes = 0; ///< local time after midnight
    int blockMinutes = 0;
    std::string days; ///< ISO weekday digits flown
};

struct DemoData {
    std::vector<Airport> airports;
    std::vector<Nation> nations;
    std::map<std::string, std::string, std::less<>> airlineNames;   ///< code -> Korean name
    std::map<std::string, std::string, std::less<>> airlineEnglish; ///< code -> English name
    std::map<std::string, Facility, std::less<>> facilities;        ///< airport code -> facility
    std::vector<ExchangeRate> rates;
    std::vector<std::string> beaconUuids;
    std::vector<Route> routes;
    std::string nationsModified;   ///< "yyyyMMdd"
    std::string citiesModified;    ///< "yyyyMMdd"
    std::uint64_t fingerprint = 0; ///< changes whenever any data file changes

    /// Loads and cross-checks the embedded data files. Throws std::runtime_error naming the
    /// file and line of the first problem.
    static DemoData load();

    const Airport* airport(std::string_view code) const;
    /// The facilities of a Korean airport; nothing for airports abroad.
    const Facility* facility(std::string_view code) const;
};

/// Codes and flight numbers compare in upper case (ASCII only; other bytes are kept).
std::string upperCase(std::string text);

/// The classification carried as `cityFlag`. For one city: "1" for a Korean airport, "4" for
/// one abroad. For a route from `from` to `to`: "1" domestic, "2" from Korea abroad, "3" from
/// abroad into Korea, "4" between two airports abroad.
std::string cityFlag(bool domestic);
std::string routeFlag(bool fromDomestic, bool toDomestic);

} // namespace services
