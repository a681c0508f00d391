// Refilling the nation and city tables (250 nations, 10,000 cities) through the reference
// cache, against the same rows written with the bare SQLite API in one transaction with one
// prepared statement per table, on the same kind of file. The row-by-row refill without a
// transaction (each insert committed on its own) is measured for contrast.

#include "TempDir.h"
#include "remote/DataRow.h"
#include "storage/DBClass.h"
#include "storage/SqlFormat.h"
#include "tools/ReferenceCache.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr int kNations = 250;
constexpr int kCities = 10000;

struct Rows {
    std::vector<remote::DataRow> nations, cities;
};

const Rows& rows() {
    static const Rows r = [] {
        Rows out;
        for (int i = 0; i < kNations; ++i)
            out.nations.push_back({{"NationCode", std::to_string(100 + i)},
                                   {"NationEng", "Nation Number " + std::to_string(i)},
                                   {"NationKor", "나라 " + std::to_string(i)},
                                   {"sFileName", "nationnumber" + std::to_string(i) + ".jpg"}});
        for (int i = 0; i < kCities; ++i) {
            std::string code;
            for (int n = i, k = 0; k < 4; ++k, n /= 26)
                code += static_cast<char>('A' + n % 26);
            out.cities.push_back({{"cityCode", code},
                                  {"cityEng", "City " + code},
                                  {"cityKor", "도시 " + std::to_string(i)},
                                  {"cityFlag", i % 3 ? "I" : "D"},
                                  {"NationCode", std::to_string(100 + i % kNations)}});
        }
        return out;
    }();
    return r;
}

class BenchFile {
public:
    BenchFile() {
        storage::DBClass db(path_);
        db.ConnectDB();
        db.createDatabase();
        db.DisConnectDB();
    }
    const std::string& path() const { return path_; }

private:
    testing_support::TempDir dir_;
    std::string path_ = storage::DBClass::databasePath(dir_.str());
};

std::string text(const remote::DataRow& row, std::string_view key) {
    return std::string(row.value(key));
}

void CacheRefill(benchmark::State& state) {
    BenchFile file;
    storage::DBClass db(file.path());
    // The refill from rows in hand makes no remote call.
    tools::ReferenceCache cache(db, []() -> remote::CacheDBCommands { std::abort(); });
    for (auto _ : state) {
        if (!cache.refillNationRows(rows().nations, "20261207") ||
            !cache.refillCityRows(rows().cities))
            state.SkipWithError("refill failed");
    }
    state.SetItemsProcessed(state.iterations() * (kNations + kCities));
}

void exec(sqlite3* db, const char* sql) {
    if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        std::abort();
}

template <typename Bind>
void insertAll(sqlite3* db, const char* deleteSql, const char* insertSql,
               const std::vector<remote::DataRow>& table, Bind bind) {
    exec(db, "BEGIN IMMEDIATE");
    exec(db, deleteSql);
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(db, insertSql, -1, &insert, nullptr);
    for (const auto& row : table) {
        bind(insert, row);
        if (sqlite3_step(insert) != SQLITE_DONE)
            std::abort();
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    exec(db, "COMMIT");
}

void bindText(sqlite3_stmt* s, int i, std::string_view v) {
    sqlite3_bind_text(s, i, v.data(), static_cast<int>(v.size()), SQLITE_TRANSIENT);
}

// The baseline: the same rows, one transaction and one prepared statement per table.
void SqliteOneTransaction(benchmark::State& state) {
    BenchFile file;
    for (auto _ : state) {
        sqlite3* db = nullptr;
        sqlite3_open(file.path().c_str(), &db);
        insertAll(db, "DELETE FROM aNation",
                  "INSERT INTO aNation(NationCode, NationEng, NationKor, sFileName, sDate) "
                  "VALUES(?,?,?,?,?)",
                  rows().nations, [](sqlite3_stmt* s, const remote::DataRow& r) {
                      bindText(s, 1, r.value("NationCode"));
                      bindText(s, 2, r.value("NationEng"));
                      bindText(s, 3, r.value("NationKor"));
                      bindText(s, 4, r.value("sFileName"));
                      bindText(s, 5, "20261207");
                  });
        sqlite3_close(db);
        sqlite3_open(file.path().c_str(), &db);
        insertAll(db, "DELETE FROM aCityInfo",
                  "INSERT INTO aCityInfo(cityCode, cityEng, cityKor, cityFlag, NationCode) "
                  "VALUES(?,?,?,?,?)",
                  rows().cities, [](sqlite3_stmt* s, const remote::DataRow& r) {
                      bindText(s, 1, r.value("cityCode"));
                      bindText(s, 2, r.value("cityEng"));
                      bindText(s, 3, r.value("cityKor"));
                      bindText(s, 4, r.value("cityFlag"));
                      bindText(s, 5, r.value("NationCode"));
                  });
        sqlite3_close(db);
    }
    state.SetItemsProcessed(state.iterations() * (kNations + kCities));
}

// The refill as first described: emptied, then each row inserted on its own, committed
// row by row.
void RowByRowAutocommit(benchmark::State& state) {
    BenchFile file;
    storage::DBClass db(file.path());
    for (auto _ : state) {
        db.ConnectDB();
        (void)db.InsertUpdateDeleteExcuteQuery(tools::ReferenceCache::kDeleteNations);
        db.DisConnectDB();
        db.ConnectDB();
        for (const auto& r : rows().nations)
            if (db.InsertUpdateDeleteExcuteQuery(storage::sqlFormat(
                    tools::ReferenceCache::kInsertNation,
                    {text(r, "NationCode"), text(r, "NationEng"), text(r, "NationKor"),
                     text(r, "sFileName"), "20261207"})) != "0")
                state.SkipWithError("insert failed");
        db.DisConnectDB();
        db.ConnectDB();
        (void)db.InsertUpdateDeleteExcuteQuery(tools::ReferenceCache::kDeleteCities);
        db.DisConnectDB();
        db.ConnectDB();
        for (const auto& r : rows().cities)
            if (db.InsertUpdateDeleteExcuteQuery(
                    storage::sqlFormat(tools::ReferenceCache::kInsertCity,
                                       {text(r, "cityCode"), text(r, "cityEng"), text(r, "cityKor"),
                                        text(r, "cityFlag"), text(r, "NationCode")})) != "0")
                state.SkipWithError("insert failed");
        db.DisConnectDB();
    }
    state.SetItemsProcessed(state.iterations() * (kNations + kCities));
}

} // namespace

BENCHMARK(SqliteOneTransaction)->Unit(benchmark::kMillisecond);
BENCHMARK(CacheRefill)->Unit(benchmark::kMillisecond);
BENCHMARK(RowByRowAutocommit)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(1);
