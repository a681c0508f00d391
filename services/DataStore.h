#pragma once
// The stand-in's own SQLite file: the reference lists and timetable the services answer
// from, the carrier registry and the logs the services receive. Not thread-safe; the
// caller serialises access.

#include "services/Dates.h"
#include "services/DemoData.h"
#include "services/Sqlite.h"
#include "services/Timetable.h"

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace services {

/// One row of an answer: column name and value, in column order.
using DataRow = std::vector<std::pair<std::string, std::string>>;
/// A record kept for tests: parameter name -> value.
using Record = std::map<std::string, std::string>;

struct FlightQuery {
    std::string date;      ///< "yyyyMMdd"
    std::string departure; ///< airport code, empty for any
    std::string arrival;   ///< airport code, empty for any
    std::string flightId;  ///< upper case, empty for any
    bool prefix = false;   ///< match flight numbers starting with `flightId`
    std::string flag;      ///< direction, empty for any
    int limit = -1;        ///< rows at most; negative for all
    int offset = 0;
};

/// Hands out the demo data set, loading it the first time it is asked for.
using DemoSource = std::function<const DemoData&()>;

/// One end of a flight.
enum class Side { Departure, Arrival };

struct City {
    std::string code, eng, kor, nationCode;
    bool domestic = false;
};

class DataStore {
public:
    /// Opens (creating if needed) the file at `path`. Throws std::runtime_error on failure.
    explicit DataStore(const std::string& path);
    /// A private store in memory that starts as a copy of `image`, the bytes of a store file
    /// seeded from the demo data this program carries (so its reference lists are current).
    explicit DataStore(Database::Image image);

    /// Replaces the reference lists with those of `data` (the timetable is left alone).
    void seed(const DemoData& data);

    /// Seeds the reference lists when the file holds none or was seeded from another data
    /// set, and drops the timetable when it was made for another day than `today`. A day of
    /// the timetable is built the first time it is asked for. The carrier registry and the
    /// logs are kept. `data` is asked for the demo data only when it is needed.
    void prepare(DemoSource data, Date today);

    /// Rows with cityCode, cityEng, cityKor, cityFlag, NationCode, in data-set order.
    std::vector<DataRow> cities();
    std::optional<City> city(const std::string& code);
    /// Rows with NationCode, NationEng, NationKor, sFileName; all nations when `code` is empty.
    std::vector<DataRow> nations(const std::string& code);
    /// Rows with CUR_UNIT, CUR_NM, TTB, TTS, DEAL_BAS_R.
    std::vector<DataRow> rates();
    std::vector<std::string> beaconUuids();
    /// A value kept by `prepare` ("nationsModified", "citiesModified"); empty when unknown.
    std::string meta(const std::string& key);

    /// Flights ordered by their time, then flight number.
    std::vector<Flight> flights(const FlightQuery& query);
    long countFlights(const FlightQuery& query);
    /// Flights leaving (or reaching) `airport` on a local date from `first` to `last`
    /// ("yyyyMMdd"), ordered by that end's scheduled date and time, then flight number.
    std::vector<Flight> board(const std::string& airport, Side side, const std::string& first,
                              const std::string& last);

    /// Registers a carrier unit (a repeated registration replaces the earlier one).
    void registerUnit(const Record& unit);
    void removeUnit(const std::string& uuid, const std::string& major, const std::string& minor);
    std::vector<Record> units();

    void addLog(const std::string& kind, const Record& params);
    std::vector<Record> logs(const std::string& kind);

private:
    void createSchema();
    void seedReference(const DemoData& data);
    /// Builds the timetable of the day `date` ("yyyyMMdd") unless it is built already or lies
    /// outside the timetable's window.
    void ensureTimetable(const std::string& date);
    /// Builds every day from `first` to `last` that lies in the window and is not built yet.
    void ensureTimetable(Date first, Date last);
    void setMeta(const std::string& key, const std::string& value);
    std::vector<DataRow> select(Statement& statement, const std::vector<std::string>& names);
    static std::vector<Flight> selectFlights(Statement& statement);

    Database db_;
    DemoSource data_;
    Date today_{};
    bool fromImage_ = false;
};

} // namespace services
