#include "services/DemoData.h"

#include "services/Csv.h"
#include "services/Dates.h"
#include "services/EmbeddedFiles.h"

#include <algorithm>
#include <charconv>
#include <set>
#include <stdexcept>

namespace services {
namespace {

std::vector<CsvRecord> readFile(std::string_view name) {
    auto text = embeddedFile(name);
    if (!text)
        throw std::runtime_error("missing data file " + std::string(name));
    return parseCsv(*text, name);
}

[[noreturn]] void fail(std::string_view file, const std::string& what) {
    throw std::runtime_error(std::string(file) + ": " + what);
}

int toInt(std::string_view file, std::string_view text) {
    int value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        fail(file, "not a number: " + std::string(text));
    return value;
}

std::vector<std::string> splitList(std::string_view text) {
    std::vector<std::string> items;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = std::min(text.find(';', start), text.size());
        if (end > start)
            items.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    return items;
}

/// "1-50;101-132" -> "1" ... "50", "101" ... "132"; items without '-' are kept as they are.
std::vector<std::string> expandRanges(std::string_view file, std::string_view text) {
    std::vector<std::string> values;
    for (const std::string& item : splitList(text)) {
        auto dash = item.find('-');
        if (dash == std::string::npos) {
            values.push_back(item);
            continue;
        }
        int first = toInt(file, std::string_view(item).substr(0, dash));
        int last = toInt(file, std::string_view(item).substr(dash + 1));
        if (last < first || last - first > 1000)
            fail(file, "bad range " + item);
        for (int n = first; n <= last; ++n)
            values.push_back(std::to_string(n));
    }
    return values;
}

std::uint64_t fnv1a(std::uint64_t hash, std::string_view bytes) {
    for (unsigned char c : bytes) {
        hash ^= c;
        hash *= 1099511628211ULL;
    }
    return hash;
}

void loadPlaces(DemoData& data) {
    for (auto& r : readFile("nations.csv"))
        data.nations.push_back({r["NationCode"], r["NationEng"], r["NationKor"], r["sFileName"]});
    std::set<std::string, std::less<>> nationCodes;
    for (const Nation& n : data.nations) {
        toInt("nations.csv", n.code);
        if (!nationCodes.insert(n.code).second)
            fail("nations.csv", "duplicate nation " + n.code);
    }
    std::set<std::string, std::less<>> codes;
    for (auto& r : readFile("airports.csv")) {
        Airport a{r["cityCode"],  r["cityEng"],    r["cityKor"],
                  r["boardName"], r["NationCode"], toInt("airports.csv", r["utcOffset"])};
        if (a.boardName.empty())
            a.boardName = a.cityKor;
        if (a.code.size() != 3 || !codes.insert(a.code).second)
            fail("airports.csv", "bad or duplicate code " + a.code);
        if (!nationCodes.count(a.nationCode))
            fail("airports.csv", a.code + " names unknown nation " + a.nationCode);
        data.airports.push_back(std::move(a));
    }
    for (auto& r : readFile("facilities.csv")) {
        const std::string& code = r["cityCode"];
        if (!data.airport(code))
            fail("facilities.csv", "unknown airport " + code);
        Facility f{expandRanges("facilities.csv", r["gates"]), splitList(r["counterRows"]),
                   toInt("facilities.csv", r["counterBlock"]),
                   expandRanges("facilities.csv", r["carousels"]), splitList(r["exits"])};
        if (f.gates.empty() || f.counterRows.empty() || f.carousels.empty() || f.exits.empty() ||
            f.counterBlock < 1)
            fail("facilities.csv", "incomplete facilities for " + code);
        data.facilities.emplace(code, std::move(f));
    }
}

void loadSchedule(DemoData& data) {
    for (auto& r : readFile("airlines.csv")) {
        data.airlineNames.emplace(r["code"], r["nameKor"]);
        data.airlineEnglish.emplace(r["code"], r["nameEng"]);
    }
    for (auto& r : readFile("routes.csv")) {
        Route route;
        route.flightId = r["flightId"];
        route.airline = route.flightId.substr(0, std::min<std::size_t>(2, route.flightId.size()));
        route.from = r["from"];
        route.to = r["to"];
        auto departure = parseClock(r["departure"]);
        route.blockMinutes = toInt("routes.csv", r["minutes"]);
        route.days = r["days"] == "daily" ? "1234567" : r["days"];
        if (!departure || route.blockMinutes <= 0 || route.blockMinutes > 24 * 60)
            fail("routes.csv", "bad times for " + route.flightId);
        route.departureMinutes = *departure;
        if (!data.airlineNames.count(route.airline))
            fail("routes.csv", "unknown airline of " + route.flightId);
        if (!data.airport(route.from) || !data.airport(route.to) || route.from == route.to)
            fail("routes.csv", "bad airports for " + route.flightId);
        if (route.days.empty() || route.days.find_first_not_of("1234567") != std::string::npos)
            fail("routes.csv", "bad weekdays for " + route.flightId);
        data.routes.push_back(std::move(route));
    }
}

void loadRest(DemoData& data) {
    for (auto& r : readFile("exchange.csv")) {
        ExchangeRate rate{r["CUR_UNIT"], r["CUR_NM"], r["TTB"], r["TTS"], r["DEAL_BAS_R"]};
        // Callers read the base rate as a plain decimal number: no grouping, no sign.
        if (rate.unit.empty() || rate.baseRate.empty() ||
            rate.baseRate.find_first_not_of("0123456789.") != std::string::npos)
            fail("exchange.csv", "bad base rate for " + rate.unit);
        data.rates.push_back(std::move(rate));
    }
    for (auto& r : readFile("beacons.csv"))
        data.beaconUuids.push_back(r["sUnitUUID"]);
    for (auto& r : readFile("dataset.csv")) {
        if (!Date::parse(r["modified"]))
            fail("dataset.csv", "bad date " + r["modified"]);
        if (r["list"] == "nations")
            data.nationsModified = r["modified"];
        else if (r["list"] == "cities")
            data.citiesModified = r["modified"];
    }
    if (data.nationsModified.empty() || data.citiesModified.empty())
        fail("dataset.csv", "both lists need a modification date");
}

} // namespace

DemoData DemoData::load() {
    DemoData data;
    loadPlaces(data);
    loadSchedule(data);
    loadRest(data);
    std::uint64_t hash = 14695981039346656037ULL;
    for (std::string_view name : embeddedFileNames()) {
        hash = fnv1a(hash, name);
        hash = fnv1a(hash, *embeddedFile(name));
    }
    data.fingerprint = hash;
    return data;
}

const Airport* DemoData::airport(std::string_view code) const {
    for (const Airport& a : airports)
        if (a.code == code)
            return &a;
    return nullptr;
}

const Facility* DemoData::facility(std::string_view code) const {
    auto it = facilities.find(code);
    return it == facilities.end() ? nullptr : &it->second;
}

std::string upperCase(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return text;
}

std::string cityFlag(bool domestic) {
    return domestic ? "1" : "4";
}

std::string routeFlag(bool fromDomestic, bool toDomestic) {
    if (fromDomestic)
        return toDomestic ? "1" : "2";
    return toDomestic ? "3" : "4";
}

} // namespace services
