// One refresh tick's local work on the main screen — read the next flight, parse a typical
// international-airport answer, compare, write the change with its history row in one
// commit, reload — against the same SQL (read, update, read) through the bare SQLite API, on
// the same database file. The calendar file is rewritten a second after the tick, once for
// all its writes, and is not part of it.
//
// The database lives in $TMPDIR (default /tmp); each UPDATE commits, so the file system's
// sync cost is part of both timings.

#include "SimulatedPlatform.h"
#include "app/AppContext.h"
#include "app/AppDelegate.h"
#include "app/ViewController.h"
#include "flights/FlightStatements.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <fstream>
#include <iterator>

namespace {

std::string fixture() {
    std::ifstream in(std::string(TAMBERLINOVE_TEST_DATA) + "/flights/international_departures.xml",
                     std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The fixture's KE701, stored with gate 23.
const std::vector<std::string> kFlight{
    "대한항공", "KE701", "20261207", "20261207", "1030",    "20261207", "1030", "20261207",
    "1255",     "",      "",         "",         "인천",    "나리타",   "ICN",  "NRT",
    "23",       "",      "",         "탑승준비", "A01-A12", "1"};

// The two answers a tick alternates between, so that every tick finds a change.
std::array<std::string, 2> answers() {
    std::string moved = fixture();
    moved.replace(moved.find("<gatenumber>23<"), 15, "<gatenumber>25<");
    return {moved, fixture()};
}

// The app's main screen on the simulated platform, with a stored flight and no network.
struct MainScreen : testing_support::SimulatedPlatform {
    MainScreen() {
        plat = makePlatform(TAMBERLINOVE_ASSETS_DIR);
        storage::DBClass db(storage::DBClass::databasePath(data.str()));
        db.ConnectDB();
        db.createDatabase();
        db.InsertUpdateDeleteExcuteQuery(
            flights::insertFlightStatement(flights::AirportInfo::fromListRow(
                storage::Row(storage::RowKeys::positions(22), kFlight))));
        db.DisConnectDB();
        context = std::make_unique<app::AppContext>(*plat, app::Config{});
        app::install(*context);
        context->refreshFlight = [](app::ViewController&) {};
        delegate = std::make_unique<app::AppDelegate>(*context);
        delegate->didFinishLaunching(std::nullopt);
        loop->runUntilIdle();
    }
    ~MainScreen() {
        delegate.reset();
        context.reset();
    }
    std::string databaseFile() const { return storage::DBClass::databasePath(data.str()); }

    std::unique_ptr<platform::Platform> plat;
    std::unique_ptr<app::AppContext> context;
    std::unique_ptr<app::AppDelegate> delegate;
};

void BM_RefreshTickLocalWork(benchmark::State& state) {
    MainScreen app;
    app::ViewController& screen = *app.delegate->mainScreen();
    const auto texts = answers();
    std::size_t n = 0;
    for (auto _ : state) {
        screen.getAirportInfo();
        screen.receivedAirportData(texts[n++ % 2]);
    }
    // Every tick must have found, written and announced its change.
    app.loop->advance(std::chrono::seconds(1));
    if (app.context->window.alerts().size() != n ||
        screen.lbl_GateNumber.text() != (n % 2 ? "25" : "23"))
        state.SkipWithError("a tick did not find its change");
    storage::DBClass db(app.databaseFile());
    db.ConnectDB();
    if (db.SelectExcuteQuery("SELECT count(*) FROM aFlightHistory")[0].at("0") != std::to_string(n))
        state.SkipWithError("a tick did not keep its change");
    db.DisConnectDB();
}

std::vector<std::string> bareSelect(const std::string& file, const std::string& sql) {
    sqlite3* db = nullptr;
    sqlite3_open(file.c_str(), &db);
    std::vector<std::string> row;
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr) == SQLITE_OK &&
        sqlite3_step(statement) == SQLITE_ROW) {
        const int columns = sqlite3_column_count(statement);
        for (int c = 0; c < columns; ++c) {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, c));
            row.emplace_back(text ? text : "",
                             static_cast<std::size_t>(sqlite3_column_bytes(statement, c)));
        }
    }
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return row;
}

bool bareUpdate(const std::string& file, const std::string& sql) {
    sqlite3* db = nullptr;
    sqlite3_open(file.c_str(), &db);
    sqlite3_stmt* statement = nullptr;
    const bool done = sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr) == SQLITE_OK &&
                      sqlite3_step(statement) == SQLITE_DONE;
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return done;
}

void BM_BareSqliteSameStatements(benchmark::State& state) {
    MainScreen app;
    const std::string file = app.databaseFile();
    const std::string select = flights::nextFlightStatement("20261207");
    std::array<std::string, 2> updates;
    for (int i = 0; i < 2; ++i)
        updates[i] = flights::refreshFlightStatement({"20261207", "1030", "20261207", "1030",
                                                      i == 0 ? "25" : "23", "", "", "탑승준비",
                                                      "A01-A12", "20261207", "1255", "", ""},
                                                     {"ICN", "NRT", "KE701", "20261207"});
    std::size_t n = 0;
    for (auto _ : state) {
        auto before = bareSelect(file, select);
        const bool written = bareUpdate(file, updates[n++ % 2]);
        auto after = bareSelect(file, select);
        benchmark::DoNotOptimize(before);
        benchmark::DoNotOptimize(after);
        if (!written || after.size() != 22)
            state.SkipWithError("the bare statements failed");
    }
}

} // namespace

BENCHMARK(BM_RefreshTickLocalWork)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_BareSqliteSameStatements)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
