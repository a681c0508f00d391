#pragma once
/// @file
/// Local notifications on a desktop: a freedesktop notification over D-Bus when a
/// notification server is on the session bus, otherwise a banner drawn in the window that
/// stays until the person sees it. The badge goes to docks and task managers as a launcher
/// entry count; a request for attention sets the window's urgency hint.

#include "platform/Device.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWindow>
#include <map>
#include <optional>

class QTimer;

namespace qtshell {

class QtNotifications final : public QObject, public platform::Notifications {
    Q_OBJECT
    Q_PROPERTY(int badge READ badge NOTIFY badgeChanged)

public:
    static constexpr const char* kService = "org.freedesktop.Notifications";
    static constexpr const char* kDesktopEntry = "kr.vorneth.tamberlinove";
    /// The launcher entry's interface, read by docks and task managers for the badge.
    static constexpr const char* kLauncherInterface = "com.canonical.Unity.LauncherEntry";
    static constexpr const char* kLauncherPath = "/kr/vorneth/tamberlinove/LauncherEntry";

    explicit QtNotifications(QObject* parent = nullptr);

    /// The window a click on a notification raises and whose urgency hint is set.
    void setWindow(QWindow* window);

    /// Fires `n` after n.fireInSeconds.
    void schedule(const platform::LocalNotification& n) override;
    /// Fires `n` now; cancelAll cannot withdraw it.
    void present(const platform::LocalNotification& n) override;
    /// Drops every notification that has not fired yet.
    void cancelAll() override;
    /// Also sent as the launcher entry's count (shown while above 0).
    void setBadge(int value) override;
    /// A desktop grants at once.
    void requestAuthorization(std::function<void(bool, std::string)> done) override;
    /// The window manager's urgency hint until the window is activated (none for a window
    /// that already has the focus).
    void requestAttention() override;

    /// Asked as a notification fires; false keeps it from being shown (the app is in front).
    std::function<bool(const platform::LocalNotification&)> shouldPresent;
    /// The person opened a notification: clicked it on the desktop or tapped the banner.
    std::function<void(const platform::LocalNotification&)> opened;

    int badge() const { return badge_; }
    int pending() const { return static_cast<int>(pending_.size()); }
    /// Whether a notification server is registered on the session bus right now.
    static bool serverAvailable();

    /// The person tapped the window's banner: it counts as opening its notification.
    Q_INVOKABLE void bannerTapped();

signals:
    /// No notification server: the window shows `body` in a banner.
    void banner(const QString& body);
    /// The notification server took the notification.
    void delivered(const QString& body);
    void badgeChanged(int badge);
    void attentionRequested();

private slots:
    /// The notification server's signal: the user clicked notification `id`.
    void actionInvoked(uint id, const QString& action);
    /// The notification server's signal: notification `id` is gone (expired, dismissed,
    /// closed).
    void notificationClosed(uint id, uint reason);

private:
    void fire(const platform::LocalNotification& n);
    void showBanner(const platform::LocalNotification& n);
    void listen();
    void raiseWindow();

    QPointer<QWindow> window_;
    std::map<int, QTimer*> pending_;
    /// What the notification server shows, by the id it gave, until clicked or closed.
    std::map<uint, platform::LocalNotification> shown_;
    /// What the window's banner shows.
    std::optional<platform::LocalNotification> banner_;
    /// The urgency hint is set and waits for the window to become active.
    bool urgent_ = false;
    bool listening_ = false;
    int nextId_ = 1;
    int badge_ = 0;
};

} // namespace qtshell
