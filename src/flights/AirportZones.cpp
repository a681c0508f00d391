#include "flights/AirportZones.h"

#include <algorithm>
#include <array>
#include <utility>

namespace flights {

namespace {

using Entry = std::pair<std::string_view, std::string_view>;

// Sorted by code, for binary search.
constexpr auto kZones = std::to_array<Entry>({
    {"AKL", "Pacific/Auckland"},    {"ALA", "Asia/Almaty"},         {"AMS", "Europe/Amsterdam"},
    {"ARN", "Europe/Stockholm"},    {"ATH", "Europe/Athens"},       {"ATL", "America/New_York"},
    {"BCN", "Europe/Madrid"},       {"BKI", "Asia/Kuching"},        {"BKK", "Asia/Bangkok"},
    {"BNE", "Australia/Brisbane"},  {"BOM", "Asia/Kolkata"},        {"BUD", "Europe/Budapest"},
    {"CAI", "Africa/Cairo"},        {"CAN", "Asia/Shanghai"},       {"CDG", "Europe/Paris"},
    {"CEB", "Asia/Manila"},         {"CGK", "Asia/Jakarta"},        {"CJJ", "Asia/Seoul"},
    {"CJU", "Asia/Seoul"},          {"CNX", "Asia/Bangkok"},        {"CPH", "Europe/Copenhagen"},
    {"CTS", "Asia/Tokyo"},          {"CXR", "Asia/Ho_Chi_Minh"},    {"DAD", "Asia/Ho_Chi_Minh"},
    {"DEL", "Asia/Kolkata"},        {"DFW", "America/Chicago"},     {"DLC", "Asia/Shanghai"},
    {"DOH", "Asia/Qatar"},          {"DPS", "Asia/Makassar"},       {"DXB", "Asia/Dubai"},
    {"FCO", "Europe/Rome"},         {"FRA", "Europe/Berlin"},       {"FUK", "Asia/Tokyo"},
    {"GMP", "Asia/Seoul"},          {"GRU", "America/Sao_Paulo"},   {"GUM", "Pacific/Guam"},
    {"HAN", "Asia/Ho_Chi_Minh"},    {"HEL", "Europe/Helsinki"},     {"HIN", "Asia/Seoul"},
    {"HKG", "Asia/Hong_Kong"},      {"HKT", "Asia/Bangkok"},        {"HND", "Asia/Tokyo"},
    {"HNL", "Pacific/Honolulu"},    {"IAD", "America/New_York"},    {"ICN", "Asia/Seoul"},
    {"IST", "Europe/Istanbul"},     {"JFK", "America/New_York"},    {"KHH", "Asia/Taipei"},
    {"KIX", "Asia/Tokyo"},          {"KOJ", "Asia/Tokyo"},          {"KPX", "Asia/Seoul"},
    {"KTM", "Asia/Kathmandu"},      {"KUL", "Asia/Kuala_Lumpur"},   {"KUV", "Asia/Seoul"},
    {"KWJ", "Asia/Seoul"},          {"LAS", "America/Los_Angeles"}, {"LAX", "America/Los_Angeles"},
    {"LHR", "Europe/London"},       {"LIS", "Europe/Lisbon"},       {"MAD", "Europe/Madrid"},
    {"MEL", "Australia/Melbourne"}, {"MEX", "America/Mexico_City"}, {"MFM", "Asia/Macau"},
    {"MNL", "Asia/Manila"},         {"MUC", "Europe/Berlin"},       {"MWX", "Asia/Seoul"},
    {"MXP", "Europe/Rome"},         {"NGO", "Asia/Tokyo"},          {"NRT", "Asia/Tokyo"},
    {"OKA", "Asia/Tokyo"},          {"ORD", "America/Chicago"},     {"PEK", "Asia/Shanghai"},
    {"PKX", "Asia/Shanghai"},       {"PRG", "Europe/Prague"},       {"PUS", "Asia/Seoul"},
    {"PVG", "Asia/Shanghai"},       {"RGN", "Asia/Yangon"},         {"RSU", "Asia/Seoul"},
    {"SDJ", "Asia/Tokyo"},          {"SEA", "America/Los_Angeles"}, {"SFO", "America/Los_Angeles"},
    {"SGN", "Asia/Ho_Chi_Minh"},    {"SHA", "Asia/Shanghai"},       {"SHE", "Asia/Shanghai"},
    {"SIN", "Asia/Singapore"},      {"SPN", "Pacific/Saipan"},      {"SVO", "Europe/Moscow"},
    {"SYD", "Australia/Sydney"},    {"SZX", "Asia/Shanghai"},       {"TAE", "Asia/Seoul"},
    {"TAO", "Asia/Shanghai"},       {"TAS", "Asia/Tashkent"},       {"TLV", "Asia/Jerusalem"},
    {"TPE", "Asia/Taipei"},         {"UBN", "Asia/Ulaanbaatar"},    {"USN", "Asia/Seoul"},
    {"VIE", "Europe/Vienna"},       {"VTE", "Asia/Vientiane"},      {"VVO", "Asia/Vladivostok"},
    {"WAW", "Europe/Warsaw"},       {"WJU", "Asia/Seoul"},          {"YNJ", "Asia/Shanghai"},
    {"YNY", "Asia/Seoul"},          {"YVR", "America/Vancouver"},   {"YYZ", "America/Toronto"},
    {"ZRH", "Europe/Zurich"},
});

static_assert(std::is_sorted(kZones.begin(), kZones.end(),
                             [](const Entry& a, const Entry& b) { return a.first < b.first; }));

} // namespace

std::string_view airportZone(std::string_view airportCode) {
    const auto it = std::lower_bound(
        kZones.begin(), kZones.end(), airportCode,
        [](const Entry& entry, std::string_view code) { return entry.first < code; });
    return it != kZones.end() && it->first == airportCode ? it->second : std::string_view();
}

} // namespace flights
