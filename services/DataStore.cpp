#include "services/DataStore.h"

#include "services/Timetable.h"

#include <nlohmann/json.hpp>

#include <algorithm>

namespace services {
namespace {

// Raised whenever the layout or the meaning of the rows below changes; an older file is
// rebuilt from scratch.
constexpr int kSchemaVersion = 3;

// Timetable window around today, in days.
constexpr int kDaysBefore = 3;
constexpr int kDaysAfter = 14;

const std::vector<std::string> kUnitColumns = {"sUserTelnum", "sUnitMacAddress", "sUnitUUID",
                                               "sUnitMajor", "sUnitMinor"};

std::string flightColumnList() {
    std::string list;
    for (const char* name : kFlightColumnNames) {
        if (!list.empty())
            list += ", ";
        list += name;
    }
    return list;
}

const char* const kFlightFilter =
    " FROM flight WHERE scheduleDate = ?1 AND (?2 = '' OR airportcode_departure = ?2)"
    " AND (?3 = '' OR airportcode_arrival = ?3) AND (?4 = '' OR flag = ?4)"
    " AND (?5 = '' OR (CASE WHEN ?6 THEN substr(flightId, 1, length(?5)) = ?5"
    " ELSE flightId = ?5 END))";

void bindFlightQuery(Statement& s, const FlightQuery& q) {
    s.bind(1, q.date).bind(2, q.departure).bind(3, q.arrival).bind(4, q.flag);
    s.bind(5, q.flightId).bind(6, static_cast<long long>(q.prefix));
}

} // namespace

DataStore::DataStore(const std::string& path) : db_(path) {
    createSchema();
}

DataStore::DataStore(Database::Image image) : db_(image), fromImage_(true) {
    createSchema();
}

void DataStore::seed(const DemoData& data) {
    Transaction t(db_);
    seedReference(data);
    t.commit();
}

void DataStore::createSchema() {
    Statement version = db_.prepare("PRAGMA user_version");
    version.step();
    if (version.integer(0) == kSchemaVersion)
        return;
    Transaction t(db_);
    for (const char* table :
         {"meta", "city", "nation", "rate", "beacon", "flight", "flightDay", "unit", "log"})
        db_.exec(std::string("DROP TABLE IF EXISTS ") + table);
    db_.exec("CREATE TABLE meta(key TEXT PRIMARY KEY, value TEXT NOT NULL)");
    db_.exec("CREATE TABLE city(seq INTEGER PRIMARY KEY, cityCode TEXT UNIQUE NOT NULL,"
             " cityEng TEXT, cityKor TEXT, cityFlag TEXT, NationCode TEXT)");
    db_.exec("CREATE TABLE nation(seq INTEGER PRIMARY KEY, NationCode TEXT UNIQUE NOT NULL,"
             " NationEng TEXT, NationKor TEXT, sFileName TEXT)");
    db_.exec("CREATE TABLE rate(seq INTEGER PRIMARY KEY, CUR_UNIT TEXT, CUR_NM TEXT, TTB TEXT,"
             " TTS TEXT, DEAL_BAS_R TEXT)");
    db_.exec("CREATE TABLE beacon(seq INTEGER PRIMARY KEY, sUnitUUID TEXT)");
    std::string flight = "CREATE TABLE flight(seq INTEGER PRIMARY KEY";
    for (const char* name : kFlightColumnNames)
        flight += std::string(", ") + name + " TEXT NOT NULL";
    db_.exec(flight + ", sortTime TEXT NOT NULL)");
    db_.exec("CREATE INDEX flight_day ON flight(scheduleDate, sortTime)");
    // The days whose flights are in `flight`.
    db_.exec("CREATE TABLE flightDay(day TEXT PRIMARY KEY)");
    db_.exec("CREATE TABLE unit(sUserTelnum TEXT, sUnitMacAddress TEXT, sUnitUUID TEXT,"
             " sUnitMajor TEXT, sUnitMinor TEXT,"
             " PRIMARY KEY(sUnitUUID, sUnitMajor, sUnitMinor))");
    db_.exec("CREATE TABLE log(seq INTEGER PRIMARY KEY AUTOINCREMENT, kind TEXT NOT NULL,"
             " params TEXT NOT NULL)");
    db_.exec("PRAGMA user_version = " + std::to_string(kSchemaVersion));
    t.commit();
}

void DataStore::prepare(DemoSource data, Date today) {
    data_ = std::move(data);
    today_ = today;
    Transaction t(db_);
    if (!fromImage_) {
        Statement count = db_.prepare("SELECT count(*) FROM city");
        count.step();
        const bool empty = count.integer(0) == 0;
        if (empty || meta("fingerprint") != std::to_string(data_().fingerprint)) {
            seedReference(data_());
            setMeta("timetableDay", "");
        }
    }
    if (meta("timetableDay") != today.text()) {
        db_.exec("DELETE FROM flight");
        db_.exec("DELETE FROM flightDay");
        setMeta("timetableDay", today.text());
    }
    t.commit();
}

void DataStore::seedReference(const DemoData& data) {
    for (const char* table : {"city", "nation", "rate", "beacon"})
        db_.exec(std::string("DELETE FROM ") + table);
    Statement city = db_.prepare("INSERT INTO city(cityCode, cityEng, cityKor, cityFlag,"
                                 " NationCode) VALUES(?, ?, ?, ?, ?)");
    for (const Airport& a : data.airports) {
        city.bind(1, a.code).bind(2, a.cityEng).bind(3, a.cityKor);
        city.bind(4, cityFlag(a.domestic())).bind(5, a.nationCode).run();
    }
    Statement nation = db_.prepare("INSERT INTO nation(NationCode, NationEng, NationKor,"
                                   " sFileName) VALUES(?, ?, ?, ?)");
    for (const Nation& n : data.nations)
        nation.bind(1, n.code).bind(2, n.eng).bind(3, n.kor).bind(4, n.fileName).run();
    Statement rate = db_.prepare("INSERT INTO rate(CUR_UNIT, CUR_NM, TTB, TTS, DEAL_BAS_R)"
                                 " VALUES(?, ?, ?, ?, ?)");
    for (const ExchangeRate& r : data.rates)
        rate.bind(1, r.unit)
            .bind(2, r.name)
            .bind(3, r.ttb)
            .bind(4, r.tts)
            .bind(5, r.baseRate)
            .run();
    Statement beacon = db_.prepare("INSERT INTO beacon(sUnitUUID) VALUES(?)");
    for (const std::string& uuid : data.beaconUuids)
        beacon.bind(1, uuid).run();
    setMeta("nationsModified", data.nationsModified);
    setMeta("citiesModified", data.citiesModified);
    setMeta("fingerprint", std::to_string(data.fingerprint));
}

void DataStore::ensureTimetable(const std::string& date) {
    if (std::optional<Date> day = Date::parse(date))
        ensureTimetable(*day, *day);
}

void DataStore::ensureTimetable(Date first, Date last) {
    if (!data_)
        return;
    const long begin = std::max(first.toDays(), today_.toDays() - kDaysBefore);
    const long end = std::min(last.toDays(), today_.toDays() + kDaysAfter);
    for (long d = begin; d <= end; ++d) {
        const Date day = Date::fromDays(d);
        Statement built = db_.prepare("SELECT 1 FROM flightDay WHERE day = ?");
        built.bind(1, day.text());
        if (built.step())
            continue;
        Transaction t(db_);
        std::string sql = "INSERT INTO flight(" + flightColumnList() + ", sortTime) VALUES(";
        for (std::size_t i = 0; i <= FlightColumnCount; ++i)
            sql += i == 0 ? "?" : ", ?";
        Statement insert = db_.prepare(sql + ")");
        for (const Flight& f : buildTimetableDay(data_(), day)) {
            int index = 1;
            for (const std::string& value : f.columns)
                insert.bind(index++, value);
            insert.bind(index, f.sortTime).run();
        }
        db_.prepare("INSERT INTO flightDay(day) VALUES(?)").bind(1, day.text()).run();
        t.commit();
    }
}

void DataStore::setMeta(const std::string& key, const std::string& value) {
    db_.prepare("INSERT OR REPLACE INTO meta(key, value) VALUES(?, ?)")
        .bind(1, key)
        .bind(2, value)
        .run();
}

std::string DataStore::meta(const std::string& key) {
    Statement s = db_.prepare("SELECT value FROM meta WHERE key = ?");
    s.bind(1, key);
    return s.step() ? s.text(0) : std::string();
}

std::vector<DataRow> DataStore::select(Statement& statement,
                                       const std::vector<std::string>& names) {
    std::vector<DataRow> rows;
    while (statement.step()) {
        DataRow row;
        for (std::size_t i = 0; i < names.size(); ++i)
            row.emplace_back(names[i], statement.text(static_cast<int>(i)));
        rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<DataRow> DataStore::cities() {
    Statement s = db_.prepare(
        "SELECT cityCode, cityEng, cityKor, cityFlag, NationCode FROM city ORDER BY seq");
    return select(s, {"cityCode", "cityEng", "cityKor", "cityFlag", "NationCode"});
}

std::optional<City> DataStore::city(const std::string& code) {
    Statement s =
        db_.prepare("SELECT cityCode, cityEng, cityKor, NationCode FROM city WHERE cityCode = ?");
    s.bind(1, code);
    if (!s.step())
        return std::nullopt;
    City c{s.text(0), s.text(1), s.text(2), s.text(3), false};
    c.domestic = c.nationCode == kKoreaNationCode;
    return c;
}

std::vector<DataRow> DataStore::nations(const std::string& code) {
    Statement s = db_.prepare("SELECT NationCode, NationEng, NationKor, sFileName FROM nation"
                              " WHERE ?1 = '' OR NationCode = ?1 ORDER BY seq");
    s.bind(1, code);
    return select(s, {"NationCode", "NationEng", "NationKor", "sFileName"});
}

std::vector<DataRow> DataStore::rates() {
    Statement s =
        db_.prepare("SELECT CUR_UNIT, CUR_NM, TTB, TTS, DEAL_BAS_R FROM rate ORDER BY seq");
    return select(s, {"CUR_UNIT", "CUR_NM", "TTB", "TTS", "DEAL_BAS_R"});
}

std::vector<std::string> DataStore::beaconUuids() {
    Statement s = db_.prepare("SELECT sUnitUUID FROM beacon ORDER BY seq");
    std::vector<std::string> uuids;
    while (s.step())
        uuids.push_back(s.text(0));
    return uuids;
}

std::vector<Flight> DataStore::selectFlights(Statement& statement) {
    std::vector<Flight> flights;
    while (statement.step()) {
        Flight& f = flights.emplace_back();
        for (std::size_t i = 0; i < FlightColumnCount; ++i)
            f.columns[i] = statement.text(static_cast<int>(i));
        f.sortTime = statement.text(static_cast<int>(FlightColumnCount));
    }
    return flights;
}

std::vector<Flight> DataStore::flights(const FlightQuery& query) {
    ensureTimetable(query.date);
    Statement s = db_.prepare("SELECT " + flightColumnList() + ", sortTime" + kFlightFilter +
                              " ORDER BY sortTime, flightId, seq LIMIT ?7 OFFSET ?8");
    bindFlightQuery(s, query);
    s.bind(7, static_cast<long long>(query.limit)).bind(8, static_cast<long long>(query.offset));
    return selectFlights(s);
}

std::vector<Flight> DataStore::board(const std::string& airport, Side side,
                                     const std::string& first, const std::string& last) {
    const char* end = side == Side::Departure ? "Departure" : "Arrival";
    std::string date = std::string("scheduleDate_") + end;
    std::string time = std::string("scheduleTime_") + end;
    std::string code = side == Side::Departure ? "airportcode_departure" : "airportcode_arrival";
    // Rows are dated by one end; the other end may lie up to two days either side of it.
    std::optional<Date> from = Date::parse(first);
    std::optional<Date> to = Date::parse(last);
    if (from && to)
        ensureTimetable(from->plusDays(-2), to->plusDays(2));
    Statement s = db_.prepare("SELECT " + flightColumnList() + ", sortTime FROM flight WHERE " +
                              code + " = ?1 AND " + date + " BETWEEN ?2 AND ?3 ORDER BY " + date +
                              ", " + time + ", flightId, seq");
    s.bind(1, airport).bind(2, first).bind(3, last);
    return selectFlights(s);
}

long DataStore::countFlights(const FlightQuery& query) {
    ensureTimetable(query.date);
    Statement s = db_.prepare(std::string("SELECT count(*)") + kFlightFilter);
    bindFlightQuery(s, query);
    s.step();
    return static_cast<long>(s.integer(0));
}

void DataStore::registerUnit(const Record& unit) {
    Statement s = db_.prepare("INSERT OR REPLACE INTO unit(sUserTelnum, sUnitMacAddress,"
                              " sUnitUUID, sUnitMajor, sUnitMinor) VALUES(?, ?, ?, ?, ?)");
    int index = 1;
    for (const std::string& name : kUnitColumns) {
        auto it = unit.find(name);
        s.bind(index++, it == unit.end() ? std::string() : it->second);
    }
    s.run();
}

void DataStore::removeUnit(const std::string& uuid, const std::string& major,
                           const std::string& minor) {
    db_.prepare("DELETE FROM unit WHERE sUnitUUID = ? AND sUnitMajor = ? AND sUnitMinor = ?")
        .bind(1, uuid)
        .bind(2, major)
        .bind(3, minor)
        .run();
}

std::vector<Record> DataStore::units() {
    Statement s = db_.prepare("SELECT sUserTelnum, sUnitMacAddress, sUnitUUID, sUnitMajor,"
                              " sUnitMinor FROM unit ORDER BY rowid");
    std::vector<Record> records;
    for (DataRow& row : select(s, kUnitColumns))
        records.emplace_back(row.begin(), row.end());
    return records;
}

void DataStore::addLog(const std::string& kind, const Record& params) {
    db_.prepare("INSERT INTO log(kind, params) VALUES(?, ?)")
        .bind(1, kind)
        .bind(2,
              nlohmann::json(params).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace))
        .run();
}

std::vector<Record> DataStore::logs(const std::string& kind) {
    Statement s = db_.prepare("SELECT params FROM log WHERE kind = ? ORDER BY seq");
    s.bind(1, kind);
    std::vector<Record> records;
    while (s.step())
        records.push_back(nlohmann::json::parse(s.text(0)).get<Record>());
    return records;
}

} // namespace services
