#include "services/Feeds.h"

#include "services/Boards.h"
#include "services/SoapMessage.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdio>

namespace services {
namespace {

constexpr const char* kXmlType = "text/xml; charset=utf-8";
constexpr const char* kJsonType = "application/json; charset=utf-8";

// Result codes of the airport services, carried in the answer's header.
struct Result {
    const char* code;
    const char* message;
};
constexpr Result kNormal{"00", "NORMAL SERVICE."};
constexpr Result kBadParameter{"10", "INVALID REQUEST PARAMETER."};
constexpr Result kMissingParameter{"11", "MISSING REQUEST PARAMETER."};
constexpr Result kUnknownKey{"30", "SERVICE KEY IS NOT REGISTERED."};

// The timetable's window around now, in minutes.
constexpr int kTimetableBefore = 6 * 60;
constexpr int kTimetableAfter = 18 * 60;

/// The first value of `key`, or empty text.
std::string param(const Query& query, const std::string& key) {
    auto it = query.find(key);
    return it == query.end() ? std::string() : it->second;
}

/// A time bound "HHmm" from 0000 to 2400 in minutes; `fallback` when the key is absent or
/// empty; nothing when it is malformed.
std::optional<int> timeBound(const Query& query, const std::string& key, int fallback) {
    std::string text = param(query, key);
    if (text.empty())
        return fallback;
    if (text == "2400")
        return 24 * 60;
    return parseClock(text);
}

/// A positive decimal number of at most six digits; `fallback` when absent or empty.
std::optional<long> count(const Query& query, const std::string& key, long fallback) {
    std::string text = param(query, key);
    if (text.empty())
        return fallback;
    if (text.size() > 6 || text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    long n = std::stol(text);
    return n >= 1 ? std::optional<long>(n) : std::nullopt;
}

/// One element per line, as the airport services write their answers.
class Document {
public:
    explicit Document(const Result& result) {
        out_ = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n<response>\n"
               "<header>\n";
        element("resultCode", result.code);
        element("resultMsg", result.message);
        out_ += "</header>\n";
    }
    void open(std::string_view name) { out_ += "<" + std::string(name) + ">\n"; }
    void close(std::string_view name) { out_ += "</" + std::string(name) + ">\n"; }
    void element(std::string_view name, std::string_view value) {
        std::string n(name);
        out_ +=
            value.empty() ? "<" + n + "/>\n" : "<" + n + ">" + xmlEscape(value) + "</" + n + ">\n";
    }
    FeedAnswer finish() {
        out_ += "</response>\n";
        return FeedAnswer{200, kXmlType, std::move(out_)};
    }

private:
    std::string out_;
};

FeedAnswer airportError(const Result& result) {
    return Document(result).finish();
}

bool keyAccepted(const Query& query) {
    return param(query, "ServiceKey") == kDemoServiceKey;
}

/// An item list with its paging figures.
FeedAnswer itemList(const std::vector<std::vector<std::pair<const char*, std::string>>>& items,
                    std::size_t first, std::size_t rows, long page) {
    Document doc(kNormal);
    doc.open("body");
    doc.open("items");
    for (std::size_t i = first; i < items.size() && i < first + rows; ++i) {
        doc.open("item");
        for (const auto& [name, value] : items[i])
            doc.element(name, value);
        doc.close("item");
    }
    doc.close("items");
    doc.element("numOfRows", std::to_string(rows));
    doc.element("pageNo", std::to_string(page));
    doc.element("totalCount", std::to_string(items.size()));
    doc.close("body");
    return doc.finish();
}

const std::string& sideTime(const Flight& f, Side side) {
    return f.columns[side == Side::Departure ? ScheduleTimeDeparture : ScheduleTimeArrival];
}

bool inWindow(const Flight& f, Side side, int from, int to) {
    std::optional<int> at = parseClock(sideTime(f, side));
    return at && *at >= from && *at <= to;
}

std::string isoTime(const LocalMoment& m) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02dT%02d:%02d:00.000", m.date.year, m.date.month,
                  m.date.day, m.minuteOfDay / 60, m.minuteOfDay % 60);
    return buf;
}

FeedAnswer jsonError(int status, std::string_view code, std::string_view text) {
    nlohmann::ordered_json error;
    error["error"]["code"] = code;
    error["error"]["text"] = text;
    return FeedAnswer{status, kJsonType, error.dump()};
}

} // namespace

std::string percentEncodeKey(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c == '+')
            out += "%2B";
        else if (c == '/')
            out += "%2F";
        else if (c == '=')
            out += "%3D";
        else
            out += c;
    }
    return out;
}

FeedAnswer internationalFlights(Side side, const Query& query, const FeedSource& source) {
    if (!keyAccepted(query))
        return airportError(kUnknownKey);
    std::optional<int> from = timeBound(query, "from_time", 0);
    std::optional<int> to = timeBound(query, "to_time", 24 * 60);
    if (!from || !to || *from > *to)
        return airportError(kBadParameter);
    std::string other = upperCase(param(query, "airport"));
    std::string flightId = upperCase(param(query, "flight_id"));
    bool departures = side == Side::Departure;

    std::string today = localMoment(source.now).date.text();
    std::vector<std::vector<std::pair<const char*, std::string>>> items;
    for (Flight& f : source.store.board(std::string(kInternationalAirport), side, today, today)) {
        const auto& c = f.columns;
        const std::string& otherCode = c[departures ? AirportCodeArrival : AirportCodeDeparture];
        if ((!other.empty() && otherCode != other) ||
            (!flightId.empty() && c[FlightId] != flightId) || !inWindow(f, side, *from, *to))
            continue;
        auto live = source.live.at(f, source.now);
        if (!live)
            continue;
        const auto& [flight, state] = *live;
        LocalMoment expected = departures ? localAt(*flight.from, state.departure)
                                          : localAt(*flight.to, state.arrival);
        auto& item = items.emplace_back();
        item.emplace_back("airline", c[Airline]);
        item.emplace_back("flightId", c[FlightId]);
        item.emplace_back("scheduleDateTime", sideTime(f, side));
        item.emplace_back("estimatedDateTime", expected.clock());
        item.emplace_back("airport", c[departures ? AirportArrival : AirportDeparture]);
        item.emplace_back("airportcode", otherCode);
        item.emplace_back("gatenumber", state.gate);
        if (departures) {
            item.emplace_back("remark", departureRemark(state));
            item.emplace_back("chkinrange", state.checkIn);
        } else {
            item.emplace_back("carousel", state.carousel);
            item.emplace_back("exitnumber", state.exit);
            item.emplace_back("remark", arrivalRemark(state));
        }
    }
    return itemList(items, 0, items.size(), 1);
}

FeedAnswer domesticFlights(const Query& query, const FeedSource& source) {
    if (!keyAccepted(query))
        return airportError(kUnknownKey);
    std::string code = upperCase(param(query, "schAirCode"));
    if (code.empty())
        return airportError(kMissingParameter);
    std::optional<int> from = timeBound(query, "schStTime", 0);
    std::optional<int> to = timeBound(query, "schEdTime", 24 * 60);
    std::string io = param(query, "schIOType");
    std::string line = param(query, "schLineType");
    std::optional<long> page = count(query, "pageNo", 1);
    std::optional<long> rows = count(query, "numOfRows", 10);
    if (!from || !to || *from > *to || (io != "" && io != "O" && io != "I") ||
        (line != "" && line != "D" && line != "I") || !page || !rows)
        return airportError(kBadParameter);

    struct Row {
        Side side;
        Flight flight;
    };
    std::vector<Row> listed;
    const Airport* airport = source.live.scenario().data().airport(code);
    if (airport && airport->domestic() && code != kInternationalAirport) {
        std::string today = localMoment(source.now).date.text();
        for (Side side : {Side::Departure, Side::Arrival}) {
            if (!io.empty() && (io == "O") != (side == Side::Departure))
                continue;
            for (Flight& f : source.store.board(code, side, today, today))
                listed.push_back({side, std::move(f)});
        }
    }
    std::stable_sort(listed.begin(), listed.end(), [](const Row& a, const Row& b) {
        return sideTime(a.flight, a.side) < sideTime(b.flight, b.side);
    });

    std::vector<std::vector<std::pair<const char*, std::string>>> items;
    for (const Row& row : listed) {
        const auto& c = row.flight.columns;
        if (!inWindow(row.flight, row.side, *from, *to))
            continue;
        auto live = source.live.at(row.flight, source.now);
        if (!live)
            continue;
        const auto& [flight, state] = *live;
        bool domestic = flight.from->domestic() && flight.to->domestic();
        if ((line == "D" && !domestic) || (line == "I" && domestic))
            continue;
        bool departure = row.side == Side::Departure;
        LocalMoment expected =
            departure ? localAt(*flight.from, state.departure) : localAt(*flight.to, state.arrival);
        auto& item = items.emplace_back();
        item.emplace_back("airFln", c[FlightId]);
        item.emplace_back("airlineKorean", c[Airline]);
        item.emplace_back("airport", departure ? c[AirportDeparture] : c[AirportArrival]);
        item.emplace_back("city", departure ? c[AirportArrival] : c[AirportDeparture]);
        item.emplace_back("etd", expected.clock());
        // An arrival's "gate" is the exit its passengers leave by.
        item.emplace_back("gate", departure ? state.gate : state.exit);
        item.emplace_back("io", departure ? "O" : "I");
        item.emplace_back("rmkKor", departure ? departureRemark(state) : arrivalRemark(state));
        item.emplace_back("std", sideTime(row.flight, row.side));
    }
    std::size_t first = static_cast<std::size_t>((*page - 1) * *rows);
    return itemList(items, first, static_cast<std::size_t>(*rows), *page);
}

FeedAnswer timetable(const Query& query, const FeedSource& source) {
    if (param(query, "api_key") != kDemoTimetableKey)
        return jsonError(401, "invalid_api_key", "The api_key is missing or not valid.");
    std::string code = upperCase(param(query, "iata_code"));
    std::string type = param(query, "type");
    if (code.empty())
        return jsonError(400, "missing_parameter", "iata_code is required.");
    if (type != "departure" && type != "arrival")
        return jsonError(400, "invalid_parameter", "type must be departure or arrival.");
    Side side = type == "departure" ? Side::Departure : Side::Arrival;

    const DemoData& data = source.live.scenario().data();
    nlohmann::ordered_json answer;
    answer["response"] = nlohmann::ordered_json::array();
    const Airport* airport = data.airport(code);
    if (!airport)
        return FeedAnswer{200, kJsonType, answer.dump()};
    HomeMinute first = source.now - kTimetableBefore;
    HomeMinute last = source.now + kTimetableAfter;
    for (Flight& f : source.store.board(code, side, localAt(*airport, first).date.text(),
                                        localAt(*airport, last).date.text())) {
        auto live = source.live.at(f, source.now);
        if (!live)
            continue;
        const auto& [flight, state] = *live;
        HomeMinute scheduled = side == Side::Departure ? flight.departure : flight.arrival;
        if (scheduled < first || scheduled >= last)
            continue;
        const auto& c = f.columns;
        bool left = state.phase == Phase::Departed || state.phase == Phase::Arrived ||
                    state.phase == Phase::Diverted;
        nlohmann::ordered_json entry;
        entry["type"] = type;
        entry["status"] = timetableStatus(state);
        auto& dep = entry["departure"];
        dep["iata_code"] = flight.from->code;
        // The gate the flight's Korean boards show, whichever end that is.
        dep["gate"] = state.gate;
        dep["scheduled_time"] = isoTime(localAt(*flight.from, flight.departure));
        dep["estimated_time"] = isoTime(localAt(*flight.from, state.departure));
        if (left)
            dep["actual_time"] = isoTime(localAt(*flight.from, state.departure));
        auto& arr = entry["arrival"];
        arr["iata_code"] = flight.to->code;
        if (!state.exit.empty())
            arr["terminal"] = state.exit;
        if (!state.carousel.empty())
            arr["baggage"] = state.carousel;
        if (flight.inbound)
            arr["gate"] = state.gate;
        arr["scheduled_time"] = isoTime(localAt(*flight.to, flight.arrival));
        arr["estimated_time"] = isoTime(localAt(*flight.to, state.arrival));
        if (state.phase == Phase::Arrived)
            arr["actual_time"] = isoTime(localAt(*flight.to, state.arrival));
        std::string airline = c[FlightId].substr(0, 2);
        auto english = data.airlineEnglish.find(airline);
        entry["airline"]["name"] =
            english == data.airlineEnglish.end() ? c[Airline] : english->second;
        entry["airline"]["iata_code"] = airline;
        entry["flight"]["number"] =
            c[FlightId].substr(std::min<std::size_t>(2, c[FlightId].size()));
        entry["flight"]["iata_number"] = c[FlightId];
        answer["response"].push_back(std::move(entry));
    }
    return FeedAnswer{200, kJsonType, answer.dump()};
}

} // namespace services
