// The app's writes on a real database file when storage fails: a data folder it may not
// write, a file another process holds locked, a full disk, a damaged file at start-up, and
// SIGKILL at random moments of each write (TAMBERLINOVE_CRASH_KILLS per write, default 10).

#include "ChildProcess.h"
#include "FaultyVfs.h"
#include "SimulatedPlatform.h"
#include "app/AppDelegate.h"
#include "carriers/UIRegstrationViewController.h"
#include "flights/UIAirportDetailViewController.h"
#include "services/SoapMessage.h"
#include "storage/Connection.h"
#include "tools/ReferenceCache.h"
#include "tools/ToolServer.h"
#include "tools/UIExchange.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <random>
#include <sys/stat.h>

using testing_support::ChildProcess;
using testing_support::FaultyVfs;
namespace fs = std::filesystem;

namespace {

using Contents = std::map<std::string, std::string>; // table → its rows in key order
constexpr const char* kTables[] = {"aRegistration", "aFlightInfo", "aNation", "aCityInfo",
                                   "aExchange"};
constexpr const char* kOldRows[] = {
    "INSERT INTO aRegistration VALUES ('', 'E2C56DB5', '1', '2', '가방')",
    ("INSERT INTO aFlightInfo VALUES ('KE','KE901','20261201','20261201','1030','20261201',"
     "'1530','','','','','','인천','파리','ICN','CDG','251','','','','D01-D10','1')"),
    "INSERT INTO aNation VALUES (392, 'Japan', '일본', 'japan.jpg', '20261201')",
    "INSERT INTO aCityInfo VALUES ('NRT', 'Narita', '나리타', 'I', '392', NULL)",
    "INSERT INTO aExchange VALUES ('20261206','USD','달러','1380','1380','1380','2026120611')"};

std::string answer(int n, services::DataRow (*row)(const std::string&)) {
    std::vector<services::DataRow> rows;
    for (int i = 1000; i < 1000 + n; ++i)
        rows.push_back(row(std::to_string(i)));
    return services::dataSetDocument(rows);
}

struct StorageFaults : ::testing::Test, testing_support::SimulatedPlatform {
    StorageFaults() {
        FaultyVfs::install();
        {
            const storage::Connection db(file());
            db->createDatabase();
            for (const char* sql : kOldRows)
                EXPECT_EQ(db->InsertUpdateDeleteExcuteQuery(sql), "0") << sql;
        }
        fs::copy_file(file(), pristine);
        old = contents();
        exchange->loadViewIfNeeded();
        registration->loadViewIfNeeded();
        for (std::size_t f = 0; f < flights::AirportInfo::kFieldCount; ++f)
            flight.set(static_cast<flights::AirportInfo::Field>(f), f == 1 ? "OZ102" : "1");
    }

    std::string file() const { return storage::DBClass::databasePath(data.str()); }
    void restore() const { fs::copy_file(pristine, file(), fs::copy_options::overwrite_existing); }
    Contents contents() const {
        const storage::Connection db(file());
        Contents out;
        for (const char* table : kTables)
            for (const auto& row : db->SelectExcuteQuery(std::string("SELECT * FROM ") + table +
                                                         " ORDER BY 1, 2, 3, 4, 5"))
                for (const auto& [key, value] : row)
                    out[table] += value + (key == std::to_string(row.size() - 1) ? "\n" : "|");
        return out;
    }
    /// The tables whose rows differ from @p expected.
    std::vector<std::string> changedFrom(Contents expected) const {
        std::vector<std::string> out;
        Contents now = contents();
        for (const char* table : kTables)
            if (now[table] != expected[table])
                out.push_back(table);
        return out;
    }
    /// What the start-up check must leave: SQLite finds no fault, the schema is current.
    std::string health() const {
        const storage::Connection db(file());
        const auto check = db->SelectExcuteQuery("PRAGMA integrity_check");
        return (check.empty() ? "?" : check[0].at("0")) + ", version " +
               std::to_string(db->queryUserVersion());
    }
    /// A line of the log holds @p text, or an alert says it.
    bool reported(const std::string& text) const {
        const auto lines = log.lines();
        const auto& alerts = context->window.alerts();
        return std::any_of(lines.begin(), lines.end(),
                           [&](const auto& l) { return l.find(text) != std::string::npos; }) ||
               std::any_of(alerts.begin(), alerts.end(),
                           [&](const auto& a) { return a.message == text; });
    }
    std::vector<std::string> setAside() const {
        auto names = data.names();
        std::erase_if(names,
                      [](const auto& n) { return n.find(".corrupt-") == std::string::npos; });
        return names;
    }
    /// The app starts on the file: the main screen loads and runs the start-up check.
    void startUp() {
        app::AppContext fresh(*plat, config());
        app::AppDelegate delegate(fresh);
        EXPECT_TRUE(delegate.didFinishLaunching(std::nullopt));
        loop->runUntilIdle();
    }
    /// Another process in a write transaction (BEGIN IMMEDIATE or EXCLUSIVE, a row deleted)
    /// until the returned child is destroyed.
    std::unique_ptr<ChildProcess> lockHolder(const std::string& how) {
        auto holder = std::make_unique<ChildProcess>([&](ChildProcess& self) {
            const storage::Connection db(file());
            EXPECT_EQ(db->InsertUpdateDeleteExcuteQuery("BEGIN " + how), "0");
            EXPECT_EQ(db->InsertUpdateDeleteExcuteQuery("DELETE FROM aNation"), "0");
            self.ready();
            ::pause();
        });
        EXPECT_TRUE(holder->waitReady());
        return holder;
    }

    // The app's writes, with what each says when the file fails: an alert or a log line.
    struct Write {
        const char* name;
        void (*run)(StorageFaults&);
        std::string failure;
    };
    static const std::vector<Write>& writes() {
        static const std::vector<Write> all{
            {"nation and city refill",
             [](StorageFaults& t) {
                 storage::DBClass db(t.file());
                 tools::ReferenceCache cache(db, [&] { return t.context->commands(); });
                 cache.storeCardData(t.nations, t.cities, "20261207");
             },
             "reference refill rolled back"},
            {"exchange-rate refill",
             [](StorageFaults& t) { t.exchange->applyExchangeAnswer(t.rates); },
             "exchange-rate refill rolled back"},
            {"flight save",
             [](StorageFaults& t) {
                 t.context->window.setRoot(t.detail);
                 t.detail->getAirportInfo(t.flight);
                 t.detail->insertInfo();
             },
             flights::detail_text::kSaveFailed},
            {"carrier registration",
             [](StorageFaults& t) {
                 t.registration->sendCarrierName(carriers::RegistrationBeacon::ranged(
                     "새가방", "7", "8", "E2C56DB5", "1.0", "-60"));
             },
             "update failed!!"}};
        return all;
    }

    static app::Config config() {
        app::Config c; // nothing listens there: every remote call fails at once
        c.airportServiceURL = c.carrierServiceURL = c.internationalAirportAPI =
            c.domesticAirportsAPI = c.timetableAPI = "http://127.0.0.1:1/";
        return c;
    }
    std::unique_ptr<platform::Platform> plat = makePlatform(TAMBERLINOVE_ASSETS_DIR);
    std::unique_ptr<app::AppContext> context = std::make_unique<app::AppContext>(*plat, config());
    const std::string pristine = data.file("pristine.sqlite3");
    Contents old;
    std::shared_ptr<tools::UIExchange> exchange = std::make_shared<tools::UIExchange>(*context);
    std::shared_ptr<carriers::UIRegstrationViewController> registration =
        std::make_shared<carriers::UIRegstrationViewController>(context->carrierContext());
    std::shared_ptr<flights::UIAirportDetailViewController> detail =
        std::make_shared<flights::UIAirportDetailViewController>(*context);
    flights::AirportInfo flight;
    const std::string nations = answer(
        250, [](const std::string& n) { return tools_test::nationRow(n, "Nation " + n, "나라"); });
    const std::string cities = answer(3000, [](const std::string& n) {
        return tools_test::cityRow("C" + n, "City " + n, "도시", "1000");
    });
    const std::string rates =
        answer(40, [](const std::string& n) { return tools_test::rateRow("X" + n, "통화", n); });
};

} // namespace

TEST_F(StorageFaults, WritesOnAFailingFileChangeNothingSaySoAndTheAppStillStarts) {
    struct Fault {
        const char* name;
        const char* logged;
        void (*inChild)(StorageFaults&); // none: another process holds the file locked
    };
    const Fault faults[] = {
        {"unwritable data folder", "attempt to write a readonly database",
         [](StorageFaults& t) {
             // The file may be written, the folder (for the journal) may not; root's rights
             // would ignore that, so the child runs as nobody then.
             ::chmod(t.file().c_str(), 0666);
             ::chmod(t.data.str().c_str(), 0555);
             const bool root = ::geteuid() == 0;
             EXPECT_TRUE(!root || (::setgid(65534) == 0 && ::setuid(65534) == 0));
         }},
        {"locked by another process", "database is locked", nullptr},
        {"full disk", "database or disk is full",
         [](StorageFaults&) {
             FaultyVfs::arm(FaultyVfs::Target::Journal, 0, FaultyVfs::Fault::Full);
         }},
    };
    for (const Fault& fault : faults) {
        for (const Write& write : writes()) {
            SCOPED_TRACE(std::string(fault.name) + ", " + write.name);
            auto holder = fault.inChild ? nullptr : lockHolder("IMMEDIATE");
            ChildProcess child([&](ChildProcess&) {
                if (fault.inChild)
                    fault.inChild(*this);
                log.clear();
                write.run(*this);
                EXPECT_TRUE(reported(write.failure)) << write.failure;
                EXPECT_TRUE(reported(fault.logged))
                    << fault.logged << " not in " << testing::PrintToString(log.lines());
                startUp();
            });
            EXPECT_EQ(child.wait(), 0);
            holder.reset();
            ::chmod(data.str().c_str(), 0700);
            EXPECT_EQ(changedFrom(old), std::vector<std::string>{});
            EXPECT_EQ(setAside(), std::vector<std::string>{});
        }
    }
}

TEST_F(StorageFaults, StartUpSetsAsideAFileThatCannotBeReadAndKeepsCarriersAndFlights) {
    const auto bytes = [](const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    const auto overwrite = [this](std::streamoff page) {
        std::fstream(file(), std::ios::in | std::ios::out | std::ios::binary).seekp(page * 4096)
            << std::string(4096, '\xAB');
    };
    // The root page of a table, in a file of 4096-byte pages.
    const auto root = [this](const char* table) {
        return std::stol(storage::Connection(file())
                             ->SelectExcuteQuery(std::string("SELECT rootpage FROM sqlite_master "
                                                             "WHERE name = '") +
                                                 table + "'")
                             .at(0)
                             .at("0"));
    };
    struct Damage {
        const char* name;
        std::function<void()> damage;
        bool keepsCarriers, keepsFlights;
        const char* logged;
    };
    const Damage cases[] = {
        {"not a database", [&] { overwrite(0); }, false, false, "file is not a database"},
        {"damaged city table", [&] { overwrite(root("aCityInfo") - 1); }, true, true,
         "kept 1 aRegistration rows, 1 aFlightInfo rows"},
        {"damaged flight table", [&] { overwrite(root("aFlightInfo") - 1); }, true, false,
         "kept 1 aRegistration rows, 0 aFlightInfo rows"},
    };
    const std::string aside = fs::path(file()).filename().string() + ".corrupt-20261207-093000";
    for (const Damage& c : cases) {
        SCOPED_TRACE(c.name);
        restore();
        c.damage();
        const std::string damaged = bytes(file());
        log.clear();
        startUp();
        EXPECT_TRUE(reported(c.logged)) << c.logged;
        EXPECT_EQ(setAside(), std::vector<std::string>{aside});
        EXPECT_EQ(bytes(data.file(aside)), damaged);
        fs::remove(data.file(aside));
        EXPECT_EQ(health(), "ok, version 13");
        Contents kept;
        for (const char* table : kTables)
            if ((table == kTables[0] && c.keepsCarriers) || (table == kTables[1] && c.keepsFlights))
                kept[table] = old[table];
        EXPECT_EQ(changedFrom(kept), std::vector<std::string>{});
    }

    // A file another process holds in an exclusive lock cannot be read now, and is kept.
    restore();
    {
        const auto holder = lockHolder("EXCLUSIVE");
        log.clear();
        startUp();
        EXPECT_TRUE(reported("database is locked"));
    }
    EXPECT_EQ(setAside(), std::vector<std::string>{});
    EXPECT_EQ(changedFrom(old), std::vector<std::string>{});
}

TEST_F(StorageFaults, KilledWritesLeaveEveryTableOldOrNewAndTheAppStarts) {
    const char* env = std::getenv("TAMBERLINOVE_CRASH_KILLS");
    const int kills = env ? std::atoi(env) : 10;
    std::mt19937 random(std::random_device{}());
    for (const Write& write : writes()) {
        SCOPED_TRACE(write.name);
        restore();
        const auto start = std::chrono::steady_clock::now();
        write.run(*this);
        const std::chrono::duration<double, std::micro> took =
            std::chrono::steady_clock::now() - start;
        Contents after = contents();
        ASSERT_NE(after, old);
        // Kills from the first microsecond to twice the write's length.
        std::uniform_real_distribution<double> delay(1, 2 * took.count());
        int fresh = 0, stale = 0, journals = 0;
        for (int i = 0; i < kills; ++i) {
            restore();
            ChildProcess child([&](ChildProcess& self) {
                self.ready();
                write.run(*this);
            });
            ASSERT_TRUE(child.waitReady());
            std::this_thread::sleep_for(std::chrono::microseconds(std::lround(delay(random))));
            child.kill();
            journals += fs::exists(file() + "-journal");
            Contents now = contents(); // a journal left behind is rolled back here
            for (const char* table : kTables)
                EXPECT_TRUE(now[table] == old[table] || now[table] == after[table])
                    << table << " is a mix after kill " << i;
            // The nations' date vouches for the cities: a new date never stands on old cities.
            if (now["aNation"] != old["aNation"]) {
                EXPECT_EQ(now["aCityInfo"], after["aCityInfo"]) << "stale cities after kill " << i;
            }
            fresh += now == after;
            stale += now == old;
            startUp();
            EXPECT_EQ(health(), "ok, version 13");
            EXPECT_EQ(setAside(), std::vector<std::string>{});
        }
        std::printf("%s: %d kills within %.0f ms: %d new, %d old, %d between its tables; %d "
                    "left a journal to roll back\n",
                    write.name, kills, 2 * took.count() / 1e3, fresh, stale, kills - fresh - stale,
                    journals);
    }
}
