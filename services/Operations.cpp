#include "services/Operations.h"

#include "services/Boards.h"
#include "services/SoapMessage.h"

#include <algorithm>

namespace services {

const std::array<const char*, 22> kFlightLogParameters = {
    "airportcode_departure",
    "airportcode_arrival",
    "scheduleDate",
    "scheduleTime",
    "estimatedDate",
    "EstimatedTime",
    "exitnumber",
    "gatenumber",
    "chkinrange",
    "carousel",
    "remark",
    "flag",
    "inputTime",
    "etc",
    "scheduleDate1",
    "scheduleTime1",
    "estimatedDate1",
    "EstimatedTime1",
    "sUnitUUID",
    "sUnitMajor",
    "sUnitMinor",
    "sLogStatus",
};

const std::array<const char*, 5> kUnitParameters = {"sUserTelnum", "sUnitMacAddress", "sUnitUUID",
                                                    "sUnitMajor", "sUnitMinor"};

const Operations::Entry Operations::kEntries[] = {
    {"Unit_AllSearch01", Service::Carrier, &Operations::unitAllSearch},
    {"Flight_List03", Service::Airport, &Operations::flightList},
    {"Flight_List04", Service::Airport, &Operations::flightOne},
    {"Unit_Join01", Service::Carrier, &Operations::unitJoin},
    {"Log_Unit_SearchOK01", Service::Carrier, &Operations::unitSearchLog},
    {"Log_FilghtInput01", Service::Airport, &Operations::flightLog},
    {"City_View03", Service::Airport, &Operations::cityView},
    {"City_List02", Service::Airport, &Operations::cityList},
    {"Nation_List02", Service::Airport, &Operations::nationList},
    {"Nation_Modify_List01", Service::Airport, &Operations::nationModified},
    {"Exchange_List01", Service::Airport, &Operations::exchangeList},
};

namespace {

std::string param(const Parameters& p, const char* name) {
    auto it = p.find(name);
    return it == p.end() ? std::string() : it->second;
}

std::string trimmed(std::string text) {
    auto blank = [](unsigned char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(static_cast<unsigned char>(text.back())))
        text.pop_back();
    std::size_t start = 0;
    while (start < text.size() && blank(static_cast<unsigned char>(text[start])))
        ++start;
    return text.substr(start);
}

/// A positive decimal number of at most six digits.
std::optional<int> pageNumber(const std::string& text) {
    if (text.empty() || text.size() > 6 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    int page = std::stoi(text);
    return page >= 1 ? std::optional<int>(page) : std::nullopt;
}

/// A beacon's major or minor: a decimal number from 0 to 65535.
bool validBeaconNumber(const std::string& text) {
    return !text.empty() && text.size() <= 5 &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }) &&
           std::stoi(text) <= 65535;
}

Record pick(const Parameters& p, const auto& names) {
    Record record;
    for (const char* name : names)
        record[name] = param(p, name);
    return record;
}

/// Reads the shared parameters of Flight_List03 and Flight_List04; false on a bad date.
bool flightQuery(const Parameters& p, Date today, FlightQuery& query) {
    std::string date = trimmed(param(p, "scheduleDateTime"));
    if (date.empty()) {
        query.date = today.text();
    } else if (Date::parse(date)) {
        query.date = date;
    } else {
        return false;
    }
    query.departure = upperCase(trimmed(param(p, "airportcode_departure")));
    query.arrival = upperCase(trimmed(param(p, "airportcode_arrival")));
    query.flightId = upperCase(trimmed(param(p, "filghtid")));
    query.flag = trimmed(param(p, "flag"));
    return true;
}

} // namespace

const Operations::Entry* Operations::find(std::string_view operation) {
    for (const Entry& entry : kEntries)
        if (entry.name == operation)
            return &entry;
    return nullptr;
}

std::optional<Service> Operations::serviceOf(std::string_view operation) {
    const Entry* entry = find(operation);
    return entry ? std::optional<Service>(entry->service) : std::nullopt;
}

std::string Operations::call(std::string_view operation, const Parameters& parameters,
                             HomeMinute now) {
    const Entry* entry = find(operation);
    if (!entry)
        return std::string(kAnswerError);
    now_ = now;
    today_ = localMoment(now).date;
    return (this->*entry->run)(parameters);
}

std::vector<DataRow> Operations::liveRows(std::vector<Flight> flights) const {
    std::vector<DataRow> rows;
    if (flights.empty())
        return rows;
    rows.reserve(flights.size());
    const LiveFlights& live = live_();
    for (Flight& f : flights) {
        if (auto state = live.at(f, now_))
            applyState(f, state->first, state->second);
        DataRow& row = rows.emplace_back();
        for (std::size_t i = 0; i < FlightColumnCount; ++i)
            row.emplace_back(kFlightColumnNames[i], std::move(f.columns[i]));
    }
    return rows;
}

std::string Operations::unitAllSearch(const Parameters&) {
    std::vector<DataRow> rows;
    for (std::string& uuid : store_.beaconUuids())
        rows.push_back({{"sUnitUUID", std::move(uuid)}});
    return dataSetDocument(rows);
}

std::string Operations::flightList(const Parameters& p) {
    FlightQuery query;
    std::optional<int> page = pageNumber(trimmed(param(p, "sPageNum")));
    if (!page || !flightQuery(p, today_, query))
        return std::string(kAnswerError);
    // A complete flight number finds that flight; anything shorter (an airline code, the
    // first digits) lists every flight number that starts with it.
    query.prefix = !query.flightId.empty() && store_.countFlights(query) == 0;
    query.limit = kFlightPageSize;
    query.offset = (*page - 1) * kFlightPageSize;
    std::vector<DataRow> rows = liveRows(store_.flights(query));
    return rows.empty() ? std::string(kAnswerNo) : dataSetDocument(rows);
}

std::string Operations::flightOne(const Parameters& p) {
    FlightQuery query;
    std::string page = trimmed(param(p, "sPageNum"));
    if (!flightQuery(p, today_, query) || query.flightId.empty() ||
        (!page.empty() && !pageNumber(page)))
        return std::string(kAnswerError);
    std::vector<DataRow> rows = liveRows(store_.flights(query));
    return rows.empty() ? std::string(kAnswerNo) : dataSetDocument(rows);
}

std::string Operations::unitJoin(const Parameters& p) {
    Record unit = pick(p, kUnitParameters);
    std::string flag = trimmed(param(p, "sFlag"));
    if (unit["sUnitUUID"].empty() || !validBeaconNumber(unit["sUnitMajor"]) ||
        !validBeaconNumber(unit["sUnitMinor"]))
        return std::string(kAnswerError);
    if (flag == "1")
        store_.registerUnit(unit);
    else if (flag == "2")
        store_.removeUnit(unit["sUnitUUID"], unit["sUnitMajor"], unit["sUnitMinor"]);
    else
        return std::string(kAnswerError);
    return std::string(kAnswerYes);
}

std::string Operations::unitSearchLog(const Parameters& p) {
    store_.addLog("Log_Unit_SearchOK01", pick(p, kUnitParameters));
    return std::string(kAnswerYes);
}

std::string Operations::flightLog(const Parameters& p) {
    Record log = pick(p, kFlightLogParameters);
    store_.addLog("Log_FilghtInput01", log);
    // The log names a flight by its route and scheduled departure; "1" means that tracking
    // started.
    if (trimmed(log["sLogStatus"]) == "1" && Date::parse(log["scheduleDate"])) {
        std::string to = upperCase(trimmed(log["airportcode_arrival"]));
        for (const Flight& f :
             store_.board(upperCase(trimmed(log["airportcode_departure"])), Side::Departure,
                          log["scheduleDate"], log["scheduleDate"]))
            if (f.columns[AirportCodeArrival] == to &&
                f.columns[ScheduleTimeDeparture] == trimmed(log["scheduleTime"]))
                live_().track(f, now_);
    }
    return std::string(kAnswerYes);
}

std::string Operations::cityView(const Parameters& p) {
    std::string first = upperCase(trimmed(param(p, "cityCode1")));
    std::string second = upperCase(trimmed(param(p, "cityCode2")));
    if (first.empty() && second.empty())
        return std::string(kAnswerError);
    std::optional<City> from = store_.city(first);
    std::optional<City> to = store_.city(second);
    // Every row carries the class of the route between the two, which is what callers read;
    // an unknown code counts as an airport abroad.
    std::string flag = routeFlag(from && from->domestic, to && to->domestic);
    std::vector<DataRow> rows;
    for (const std::optional<City>& c : {from, to})
        if (c)
            rows.push_back({{"cityCode", c->code},
                            {"cityEng", c->eng},
                            {"cityKor", c->kor},
                            {"cityFlag", flag},
                            {"NationCode", c->nationCode}});
    return dataSetDocument(rows);
}

std::string Operations::cityList(const Parameters&) {
    return dataSetDocument(store_.cities());
}

std::string Operations::nationList(const Parameters& p) {
    std::string code = upperCase(trimmed(param(p, "cityCode")));
    if (code.empty())
        return dataSetDocument(store_.nations(""));
    std::optional<City> c = store_.city(code);
    return dataSetDocument(c ? store_.nations(c->nationCode) : std::vector<DataRow>());
}

std::string Operations::nationModified(const Parameters&) {
    std::string nations = store_.meta("nationsModified");
    std::string cities = store_.meta("citiesModified");
    return dataSetDocument(
        {{{"Nation", nations}, {"CityInfo", cities}, {"sDate", std::max(nations, cities)}}});
}

std::string Operations::exchangeList(const Parameters&) {
    std::string day = today_.text();
    std::vector<DataRow> rows = store_.rates();
    for (DataRow& row : rows) {
        row.insert(row.begin(), {"sDATE", day});
        row.emplace_back("LASTDATE", day + "110000");
    }
    return dataSetDocument(rows);
}

} // namespace services
