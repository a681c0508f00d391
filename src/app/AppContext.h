#pragma once
// What the app's objects share: the platform, the config, the window, the registry of
// screens, and the hooks that later subsystems fill in.

#include "app/Config.h"
#include "carriers/CarrierContext.h"
#include "platform/Lifetime.h"
#include "platform/Platform.h"
#include "remote/CacheDBCommands.h"
#include "ui/Screen.h"
#include "ui/Window.h"

#include <functional>
#include <map>
#include <memory>
#include <string>

namespace app {

class ViewController;
struct AppContext;

using ScreenFactory = std::function<std::shared_ptr<ui::Screen>(AppContext&)>;

struct AppContext {
    AppContext(platform::Platform& p, Config c);
    /// Lets the display sleep again if the app still held it awake.
    ~AppContext();
    AppContext(const AppContext&) = delete;
    AppContext& operator=(const AppContext&) = delete;

    platform::Platform& platform;
    Config config;
    ui::Window window;

    /// Screens by class name; subsystems register theirs at start-up.
    std::map<std::string, ScreenFactory> screens;
    /// Makes a registered screen, or nothing (with a log line) when none is registered.
    std::shared_ptr<ui::Screen> makeScreen(const std::string& name);

    /// Refresh of the shown flight after the card was drawn (the main screen's getRenewData
    /// once installed).
    std::function<void(ViewController&)> refreshFlight;
    /// Modification check of the nation and city tables, run after start-up.
    std::function<void()> referenceCheck;
    /// Opens the arrival-card guide for the nation of an airport code.
    std::function<void(ViewController&, const std::string& airportCode)> openCardGuide;

    /// Size of the phone screen in points.
    double screenWidth = 375, screenHeight = 667;
    /// While true the display does not dim or lock (the main screen is on display); each
    /// change is passed to the platform's screen saver.
    void setIdleTimerDisabled(bool disabled);
    bool idleTimerDisabled() const { return idleTimerDisabled_; }

    /// Opens an address with the desktop's default handler (the browser for a web page); when
    /// the desktop cannot open it, an alert shows `failedMessage` and then `shown` (the
    /// address itself unless given) so it can be copied.
    void openUrl(const std::string& url, const char* failedMessage = kUrlFailedMessage,
                 std::string shown = {});
    /// That alert's texts for a web page; the address follows the message.
    static constexpr const char* kUrlFailedTitle = "알림";
    static constexpr const char* kUrlFailedMessage =
        "브라우저를 열지 못했습니다. 아래 주소를 복사하여 브라우저에서 열어 주십시오.";

    std::string databaseFile() const;
    /// The maker's two services as the config names them.
    remote::ServiceEndpoints serviceEndpoints() const;
    /// A catalogue for one remote call or one piece of work.
    remote::CacheDBCommands commands() { return {platform.http, serviceEndpoints()}; }
    /// What the carrier screens need of the app.
    carriers::CarrierContext carrierContext() const;

private:
    bool idleTimerDisabled_ = false;
    platform::Lifetime lifetime_{platform.loop};
};

/// Installs the app's own features: the main screen's flight refresh and the carrier screens.
void install(AppContext& context);

} // namespace app
