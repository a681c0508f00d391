#pragma once
// A running app core on the simulated platform with virtual time, in a temp data dir.

#include "SimulatedPlatform.h"
#include "app/AppContext.h"
#include "app/AppDelegate.h"
#include "app/ViewController.h"
#include "flights/FlightStatements.h"
#include "platform/CurlHttp.h"
#include "platform/Log.h"
#include "platform/TaskQueue.h"
#include "storage/DBClass.h"
#include "storage/SqlFormat.h"

#include <gtest/gtest.h>

namespace testing_support {

class AppFixture : public ::testing::Test, protected SimulatedPlatform {
protected:
    explicit AppFixture(const char* now = "2026-12-07T09:30:00+09:00") : SimulatedPlatform(now) {}
    ~AppFixture() override {
        delegate.reset();
        context.reset();
    }

    /// Launches the app (the main screen loads and appears) and runs the loop until idle.
    void launch(std::optional<std::string> shortcut = std::nullopt) {
        delegate.reset(); // a relaunch tears the previous app down first
        context.reset();
        plat = makePlatform(resources);
        context = std::make_unique<app::AppContext>(*plat, config);
        app::install(*context);
        if (!refreshForReal)
            context->refreshFlight = [this](app::ViewController&) { ++refreshes; };
        context->referenceCheck = [this] { ++referenceChecks; };
        for (auto& [name, factory] : extraScreens)
            context->screens[name] = factory;
        if (install)
            install(*context);
        delegate = std::make_unique<app::AppDelegate>(*context);
        delegate->didFinishLaunching(shortcut);
        loop->runUntilIdle();
    }

    app::ViewController& main() { return *delegate->mainScreen(); }
    ui::Window& window() { return context->window; }

    /// Runs a statement on the app's database, made first if need be.
    void execute(const std::string& sql) {
        storage::DBClass db(storage::DBClass::databasePath(data.str()));
        db.ConnectDB();
        db.createDatabase();
        EXPECT_EQ(db.InsertUpdateDeleteExcuteQuery(sql), "0") << sql;
        db.DisConnectDB();
    }
    storage::Rows query(const std::string& sql) {
        storage::DBClass db(storage::DBClass::databasePath(data.str()));
        db.ConnectDB();
        auto rows = db.SelectExcuteQuery(sql);
        db.DisConnectDB();
        return rows;
    }
    void storeFlight(const std::vector<std::string>& v) {
        execute(storage::sqlFormat(flights::kInsertFlight, v));
    }

    /// A departure from ICN with the given date, times and remark; other fields filled.
    static std::vector<std::string> flight(std::string flightId, std::string date,
                                           std::string depTime, std::string arrDate,
                                           std::string remark = "") {
        return {"대한항공", flightId, date,     date,  depTime, "", "", arrDate, "1300", "", "",
                "",         "인천",   "나리타", "ICN", "NRT",   "", "", "",      remark, "", "1"};
    }

    std::string resources = TAMBERLINOVE_ASSETS_DIR;
    std::unique_ptr<platform::Platform> plat;
    std::unique_ptr<app::AppContext> context;
    std::unique_ptr<app::AppDelegate> delegate;
    std::map<std::string, app::ScreenFactory> extraScreens;
    /// Installs a part's screens and hooks on each launch, over the stand-ins above.
    std::function<void(app::AppContext&)> install;
    /// The config the app starts with.
    app::Config config;
    /// When set, the main screen's flight refresh runs; otherwise it is only counted.
    bool refreshForReal = false;
    int refreshes = 0;
    int referenceChecks = 0;
};

} // namespace testing_support
