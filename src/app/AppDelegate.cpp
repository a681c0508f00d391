#include "app/AppDelegate.h"

#include "app/ViewController.h"
#include "platform/Log.h"

#include <algorithm>
#include <cctype>

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

void AppDelegate::enterBackground() {
    if (inBackground_)
        return;
    inBackground_ = true;
    applicationDidEnterBackground();
}

void AppDelegate::enterForeground() {
    if (!inBackground_)
        return;
    inBackground_ = false;
    applicationWillEnterForeground();
    // Coming back shows the main screen again, which clears the badge and drops the
    // notifications that have not fired yet.
    if (ViewController* main = mainScreen(); main && context_.window.front() == main)
        main->returnedToForeground();
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

bool AppDelegate::notificationFired(const platform::LocalNotification& n, bool inFront) {
    if (!inFront)
        return true;
    willPresentNotification(describeUserInfo(n.userInfo));
    return false;
}

void AppDelegate::notificationOpened(const platform::LocalNotification& n) {
    didReceiveNotificationResponse(describeUserInfo(n.userInfo));
}

std::string AppDelegate::describeUserInfo(const std::map<std::string, std::string>& userInfo) {
    auto quoted = [](const std::string& text) {
        const bool plain = !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
            return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
        });
        if (plain)
            return text;
        std::string out = "\"";
        for (char c : text) {
            if (c == '"' || c == '\\')
                out += '\\';
            out += c;
        }
        return out + "\"";
    };
    std::string out = "{\n";
    for (const auto& [key, value] : userInfo)
        out += "    " + quoted(key) + " = " + quoted(value) + ";\n";
    return out + "}";
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
