#pragma once
// The app core on the simulated platform with the QML bridge watching its window.

#include "QtTestApp.h"
#include "SimulatedPlatform.h"
#include "app/AppContext.h"
#include "app/AppDelegate.h"
#include "bridge/ScreenItem.h"
#include "bridge/WindowBridge.h"

#include <fstream>
#include <gtest/gtest.h>

namespace gui_testing {

class CoreFixture : public ::testing::Test, protected testing_support::SimulatedPlatform {
protected:
    CoreFixture() { qtApp(); }
    ~CoreFixture() override {
        delegate.reset();
        bridge.reset();
        context.reset();
    }

    /// Starts the app with the bridge attached first, as the windowed app does.
    void launch() {
        plat = makePlatform(TAMBERLINOVE_ASSETS_DIR);
        context = std::make_unique<app::AppContext>(*plat, app::Config{});
        app::install(*context);
        bridge = std::make_unique<qtshell::WindowBridge>(context->window);
        delegate = std::make_unique<app::AppDelegate>(*context);
        delegate->didFinishLaunching(std::nullopt);
        settle();
    }

    /// Runs the core's loop and then Qt's until both are idle.
    void settle() {
        loop->runUntilIdle();
        bridge->afterEvent();
        drain();
    }

    /// The help overlay was dismissed for good in an earlier run.
    void helpAlreadySeen() {
        std::ofstream(data.file("Environment.plist"))
            << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><dict>"
               "<key>Help</key><string>1</string></dict></plist>\n";
    }

    qtshell::ScreenItem* item(int row) {
        return qobject_cast<qtshell::ScreenItem*>(bridge->stack()->get(row));
    }
    QVariantMap outlet(int row, const char* name) {
        return item(row)->outlets().value(QString::fromLatin1(name)).toMap();
    }

    std::unique_ptr<platform::Platform> plat;
    std::unique_ptr<app::AppContext> context;
    std::unique_ptr<qtshell::WindowBridge> bridge;
    std::unique_ptr<app::AppDelegate> delegate;
};

} // namespace gui_testing
