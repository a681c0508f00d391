#include "app/AppDelegate.h"

#include "app/ViewController.h"
#include "platform/Log.h"

namespace app {

AppDelegate::AppDelegate(AppContext& context) : context_(context) {}

ViewController* AppDelegate::mainScreen() const {
    return dynamic_cast<ViewController*>(context_.window.root());
}

void AppDelegate::showRoot() {
    if (!context_.window.root())
        context_.window.setRoot(std::make_shared<ViewController>(context_, *this));
}

bool AppDelegate::didFinishLaunching(const std::optional<std::string>& shortcutType) {
    if (shortcutType)
        performActionForShortcutItem(*shortcutType);
    registerForRemoteNotifications();
    showRoot();
    return true;
}

bool AppDelegate::performActionForShortcutItem(const std::string& type) {
    auto it = shortcuts.find(type);
    if (it == shortcuts.end())
        return true; // another shortcut type does nothing
    showRoot();
    auto screen = context_.makeScreen(it->second);
    if (!screen)
        return false;
    context_.window.root()->present(std::move(screen), false);
    return true;
}

void AppDelegate::applicationDidEnterBackground() {
    platform::logLine("applicationDidEnterBackground");
    if (isState)
        scheduleLocalAlert(kBackgroundWarning);
}

// ---- notifications --------------------------------------------------------------

void AppDelegate::registerForRemoteNotifications() {
    context_.platform.notifications.requestAuthorization([this](bool, std::string error) {
        if (error.empty())
            platformRegisterForRemote();
        else
            platform::logLine("notification authorization failed: " + error);
    });
}

void AppDelegate::registerUserNotificationSettings() {
    platformRegisterForRemote();
}

void AppDelegate::platformRegisterForRemote() {
    context_.platform.push.registerForRemote(
        [this](std::string token) { didRegisterForRemoteNotificationsWithDeviceToken(token); },
        [this](std::string error) { didFailToRegisterForRemoteNotificationsWithError(error); });
}

std::string AppDelegate::formatDeviceToken(std::string_view d) {
    while (!d.empty() && (d.front() == '<' || d.front() == '>'))
        d.remove_prefix(1);
    while (!d.empty() && (d.back() == '<' || d.back() == '>'))
        d.remove_suffix(1);
    std::string out;
    for (char c : d)
        if (c != ' ')
            out += c;
    return out;
}

void AppDelegate::didRegisterForRemoteNotificationsWithDeviceToken(const std::string& d) {
    strDeviceToken = formatDeviceToken(d);
    platform::logLine("Device Token = " + strDeviceToken);
}

void AppDelegate::didFailToRegisterForRemoteNotificationsWithError(const std::string& error) {
    platform::logLine("application:didFailToRegisterForRemoteNotificationsWithError: = " + error);
    platform::logLine("Error = " + error);
}

void AppDelegate::didReceiveRemoteNotification(const std::string& payload) {
    platform::logLine("Push Notification Information : " + payload);
}

void AppDelegate::willPresentNotification(const std::string& userInfo) {
    platform::logLine("Handle push from foreground");
    platform::logLine(userInfo);
}

void AppDelegate::didReceiveNotificationResponse(const std::string& userInfo) {
    platform::logLine("Handle push from background or closed");
    platform::logLine(userInfo);
}

platform::LocalNotification AppDelegate::localAlert(const std::string& message) {
    platform::LocalNotification n;
    n.body = message;
    n.action = "GOGO";
    n.badge = 1;
    n.fireInSeconds = 1;
    n.sound = "default";
    n.userInfo = {{"User Info", "My User Info"}};
    return n;
}

void AppDelegate::scheduleLocalAlert(const std::string& message) {
    context_.platform.notifications.schedule(localAlert(message));
}

} // namespace app
