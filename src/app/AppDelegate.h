#pragma once
// The application delegate: launch, home-screen shortcuts, push registration and the
// application's move to the background.

#include "app/AppContext.h"
#include "platform/Device.h"

#include <map>
#include <optional>
#include <string>

namespace app {

class ViewController;

class AppDelegate {
public:
    static constexpr const char* kFlightSearchShortcut = "kr.vorneth.UIAirportSchedule";
    static constexpr const char* kBackgroundWarning =
        "프로그램을 종료하시면 캐리어 검색이 안됩니다.";

    explicit AppDelegate(AppContext& context);

    std::string strDeviceToken;
    bool isState = false;

    /// Home-screen shortcut types and the screens they open.
    std::map<std::string, std::string> shortcuts{{kFlightSearchShortcut, "UIAirportSchedule"}};

    /// Launch: shortcut, push registration, then the main screen loads. A desktop keeps
    /// running in the background, so no background time is asked for.
    bool didFinishLaunching(const std::optional<std::string>& shortcutType);
    /// A shortcut arriving while the app runs. False when its screen is not available.
    bool performActionForShortcutItem(const std::string& type);

    void applicationDidEnterBackground();
    void applicationWillEnterForeground() {}

    /// The app's window went to the background (minimised, hidden, the screen locked):
    /// applicationDidEnterBackground, once until the window comes back.
    void enterBackground();
    /// The window came back: applicationWillEnterForeground, then the main screen comes on
    /// display again when it is the front screen.
    void enterForeground();
    bool inBackground() const { return inBackground_; }

    /// A scheduled local notification fires. In front the app does not present it (the
    /// notification centre's willPresent call only logs it); returns whether the platform
    /// should present it. `inFront` is the front-end's word (a desktop window must also have
    /// the focus); without it the app is in front unless it is in the background.
    [[nodiscard]] bool notificationFired(const platform::LocalNotification& n, bool inFront);
    [[nodiscard]] bool notificationFired(const platform::LocalNotification& n) {
        return notificationFired(n, !inBackground_);
    }
    /// The user opened a presented notification (clicked it on the desktop or tapped the
    /// window's banner).
    void notificationOpened(const platform::LocalNotification& n);
    /// A user-info dictionary written as the platform describes one: "{\n    key = value;\n}".
    static std::string describeUserInfo(const std::map<std::string, std::string>& userInfo);

    // ---- notifications
    void registerForRemoteNotifications();
    /// Main screen: settings for badge, sound and alert, then push registration.
    void registerUserNotificationSettings();
    void didRegisterForRemoteNotificationsWithDeviceToken(const std::string& description);
    void didFailToRegisterForRemoteNotificationsWithError(const std::string& error);
    void didReceiveRemoteNotification(const std::string& payload);
    void willPresentNotification(const std::string& userInfo);
    void didReceiveNotificationResponse(const std::string& userInfo);

    /// Schedules the app's one shape of local alert with `message`.
    void scheduleLocalAlert(const std::string& message);
    static platform::LocalNotification localAlert(const std::string& message);
    /// The token's description without "<", ">" at the ends and without spaces.
    static std::string formatDeviceToken(std::string_view description);

    ViewController* mainScreen() const;
    AppContext& context() { return context_; }

private:
    void showRoot();
    void platformRegisterForRemote();

    AppContext& context_;
    bool inBackground_ = false;
};

} // namespace app
