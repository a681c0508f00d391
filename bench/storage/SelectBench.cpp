// Reading the flight table through DBClass::SelectExcuteQuery against the same read with the
// bare SQLite API, on a temp file of 10,000 rows shaped like aFlightInfo. With timed_free:0
// the result is freed outside the timing, which isolates the cost of building it.

#include "TempDir.h"
#include "storage/DBClass.h"
#include "storage/Schema.h"
#include "storage/SqlFormat.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr int kRows = 10000;

constexpr const char* kSelect =
    "SELECT airline, flightId, scheduleDate, scheduleDate_Departure, scheduleTime_Departure, "
    "scheduleDate_Arrival, scheduleTime_Arrival, estimatedDate_Departure, estimatedTime_Departure, "
    "estimatedDate_Arrival, estimatedTime_Arrival, airport, airport_departure, airport_arrival, "
    "airportcode_departure, airportcode_arrival, gatenumber, carousel, exitnumber, remark, "
    "chkinrange, io FROM aFlightInfo";

// A database file filled once per process, removed at exit.
class FlightFile {
public:
    FlightFile() { fill(); }
    const std::string& path() const { return path_; }

private:
    void fill() {
        static const char* airlines[] = {"KE", "OZ", "7C", "LJ", "AF", "JL"};
        static const char* places[][2] = {{"인천", "ICN"},
                                          {"파리 샤를드골", "CDG"},
                                          {"도쿄 나리타", "NRT"},
                                          {"제주", "CJU"},
                                          {"로스앤젤레스", "LAX"}};
        static const char* remarks[] = {"출발", "지연", "탑승중", "도착", "결항"};
        storage::DBClass db(path_);
        db.ConnectDB();
        db.createDatabase();
        db.InsertUpdateDeleteExcuteQuery("BEGIN");
        for (int i = 0; i < kRows; ++i) {
            const auto& from = places[i % 5];
            const auto& to = places[(i + 1 + i / 5) % 5];
            const std::string day = "202403" + std::to_string(10 + i % 20);
            const std::string hhmm = std::to_string(1000 + (i * 7) % 1300);
            const std::string flight = std::string(airlines[i % 6]) + std::to_string(100 + i);
            db.InsertUpdateDeleteExcuteQuery(storage::sqlFormat(
                "INSERT INTO aFlightInfo VALUES ('%@','%@','%@','%@','%@','%@','%@','%@','%@',"
                "'%@','%@','%@','%@','%@','%@','%@','%@','%@','%@','%@','%@','%@')",
                {airlines[i % 6],
                 flight,
                 day,
                 day,
                 hhmm,
                 day,
                 hhmm,
                 day,
                 hhmm,
                 day,
                 hhmm,
                 from[0],
                 from[0],
                 to[0],
                 from[1],
                 to[1],
                 std::to_string(1 + i % 250),
                 std::to_string(i % 20),
                 i % 2 ? "A" : "B",
                 remarks[i % 5],
                 "D01-D16",
                 i % 2 ? "1" : "2"}));
        }
        db.InsertUpdateDeleteExcuteQuery("COMMIT");
        db.DisConnectDB();
    }

    testing_support::TempDir dir_;
    std::string path_ = storage::DBClass::databasePath(dir_.str());
};

const FlightFile& flightFile() {
    static const FlightFile file;
    return file;
}

// The bare read: one vector of column texts per row.
std::vector<std::vector<std::string>> bareRead(sqlite3* db) {
    std::vector<std::vector<std::string>> rows;
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db, kSelect, -1, &statement, nullptr);
    const int columns = sqlite3_column_count(statement);
    while (sqlite3_step(statement) == SQLITE_ROW) {
        std::vector<std::string> row;
        row.reserve(static_cast<std::size_t>(columns));
        for (int c = 0; c < columns; ++c) {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, c));
            row.emplace_back(text ? text : "",
                             static_cast<std::size_t>(sqlite3_column_bytes(statement, c)));
        }
        rows.push_back(std::move(row));
    }
    sqlite3_finalize(statement);
    return rows;
}

// Both reads must yield the same texts under the position keys, or the timings compare
// different work.
bool sameAsBareRead(const storage::Rows& rows) {
    sqlite3* db = nullptr;
    sqlite3_open(flightFile().path().c_str(), &db);
    const auto bare = bareRead(db);
    sqlite3_close(db);
    if (rows.size() != bare.size())
        return false;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (rows[r].size() != bare[r].size())
            return false;
        for (std::size_t c = 0; c < bare[r].size(); ++c)
            if (rows[r].at(std::to_string(c)) != bare[r][c])
                return false;
    }
    return true;
}

void BM_BareSqliteSelect(benchmark::State& state) {
    sqlite3* db = nullptr;
    sqlite3_open(flightFile().path().c_str(), &db);
    for (auto _ : state) {
        auto rows = bareRead(db);
        if (rows.size() != kRows)
            state.SkipWithError("wrong row count");
        benchmark::DoNotOptimize(rows);
        if (state.range(0) == 0) {
            state.PauseTiming();
            rows = {};
            state.ResumeTiming();
        }
    }
    sqlite3_close(db);
    state.SetItemsProcessed(state.iterations() * kRows);
}

void BM_DBClassSelect(benchmark::State& state) {
    storage::DBClass db(flightFile().path());
    db.ConnectDB();
    if (!sameAsBareRead(db.SelectExcuteQuery(kSelect)))
        state.SkipWithError("rows differ from the bare read");
    for (auto _ : state) {
        auto rows = db.SelectExcuteQuery(kSelect);
        if (rows.size() != kRows)
            state.SkipWithError("wrong row count");
        benchmark::DoNotOptimize(rows);
        if (state.range(0) == 0) {
            state.PauseTiming();
            rows = {};
            state.ResumeTiming();
        }
    }
    db.DisConnectDB();
    state.SetItemsProcessed(state.iterations() * kRows);
}

} // namespace

BENCHMARK(BM_DBClassSelect)->ArgName("timed_free")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareSqliteSelect)
    ->ArgName("timed_free")
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
