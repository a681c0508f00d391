#pragma once
/// @file
/// Local notifications on a desktop: a freedesktop notification over D-Bus when a
/// notification server is on the session bus, otherwise a banner drawn in the window.

#include "platform/Device.h"

#include <QObject>
#include <QString>
#include <map>

class QTimer;

namespace qtshell {

class QtNotifications final : public QObject, public platform::Notifications {
    Q_OBJECT
    Q_PROPERTY(int badge READ badge NOTIFY badgeChanged)

public:
    static constexpr const char* kService = "org.freedesktop.Notifications";

    explicit QtNotifications(QObject* parent = nullptr);

    /// Fires `n` after n.fireInSeconds.
    void schedule(const platform::LocalNotification& n) override;
    /// Drops every notification that has not fired yet.
    void cancelAll() override;
    void setBadge(int value) override;
    /// A desktop grants at once.
    void requestAuthorization(std::function<void(bool, std::string)> done) override;

    /// Asked as a notification fires; false keeps it from being shown (the app is in front).
    std::function<bool(const platform::LocalNotification&)> shouldPresent;
    /// The user opened a notification the desktop showed.
    std::function<void(const platform::LocalNotification&)> opened;

    int badge() const { return badge_; }
    int pending() const { return static_cast<int>(pending_.size()); }
    /// Whether a notification server is registered on the session bus right now.
    static bool serverAvailable();

signals:
    /// No notification server: the window shows `body` in a banner.
    void banner(const QString& body);
    /// Sent to the notification server.
    void delivered(const QString& body);
    void badgeChanged(int badge);

private slots:
    /// The notification server's signal: the user clicked notification `id`.
    void actionInvoked(uint id, const QString& action);

private:
    void fire(const platform::LocalNotification& n);

    std::map<int, QTimer*> pending_;
    /// What the notification server showed, by the id it gave.
    std::map<uint, platform::LocalNotification> shown_;
    bool listening_ = false;
    int nextId_ = 1;
    int badge_ = 0;
};

} // namespace qtshell
