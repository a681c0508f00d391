#include "platform/QtNotifications.h"

#include "platform/Log.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QTimer>
#include <QVariantMap>
#include <QtMath>

namespace qtshell {

QtNotifications::QtNotifications(QObject* parent) : QObject(parent) {}

bool QtNotifications::serverAvailable() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface())
        return false;
    return bus.interface()->isServiceRegistered(QString::fromLatin1(kService)).value();
}

void QtNotifications::schedule(const platform::LocalNotification& n) {
    const int id = nextId_++;
    auto* timer = new QTimer(this);
    timer->setSingleShot(true);
    timer->setInterval(static_cast<int>(qCeil(std::max(0.0, n.fireInSeconds) * 1000)));
    connect(timer, &QTimer::timeout, this, [this, id, timer, n] {
        pending_.erase(id);
        timer->deleteLater();
        fire(n);
    });
    pending_.emplace(id, timer);
    timer->start();
}

void QtNotifications::cancelAll() {
    for (auto& [id, timer] : pending_) {
        timer->stop();
        timer->deleteLater();
    }
    pending_.clear();
}

void QtNotifications::setBadge(int value) {
    if (badge_ == value)
        return;
    badge_ = value;
    platform::logLine("badge = " + std::to_string(value));
    emit badgeChanged(value);
}

void QtNotifications::requestAuthorization(std::function<void(bool, std::string)> done) {
    if (done)
        done(true, {});
}

void QtNotifications::fire(const platform::LocalNotification& n) {
    if (shouldPresent && !shouldPresent(n))
        return;
    if (n.badge > 0)
        setBadge(n.badge);
    const QString body = QString::fromStdString(n.body);
    if (!serverAvailable()) {
        platform::logLine("notification (in-app banner): " + n.body);
        emit banner(body);
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        QString::fromLatin1(kService), QStringLiteral("/org/freedesktop/Notifications"),
        QString::fromLatin1(kService), QStringLiteral("Notify"));
    QVariantMap hints;
    hints.insert(QStringLiteral("desktop-entry"), QStringLiteral("tamberlinove"));
    if (n.sound == "default")
        hints.insert(QStringLiteral("sound-name"), QStringLiteral("message-new-instant"));
    // app_name, replaces_id, app_icon, summary, body, actions, hints, expire_timeout
    // The "default" action is what a click on the notification invokes.
    call << QStringLiteral("tamberlinove") << 0u << QStringLiteral("tamberlinove")
         << QStringLiteral("토벨라문") << body
         << QStringList{QStringLiteral("default"), QStringLiteral("열기")} << hints << -1;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!listening_)
        listening_ = bus.connect(QString(), QStringLiteral("/org/freedesktop/Notifications"),
                                 QString::fromLatin1(kService), QStringLiteral("ActionInvoked"),
                                 this, SLOT(actionInvoked(uint, QString)));
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, n](QDBusPendingCallWatcher* w) {
                const QDBusPendingReply<uint> reply = *w;
                if (!reply.isError())
                    shown_[reply.value()] = n;
                w->deleteLater();
            });
    platform::logLine("notification (desktop): " + n.body);
    emit delivered(body);
}

void QtNotifications::actionInvoked(uint id, const QString& action) {
    auto it = shown_.find(id);
    if (it == shown_.end() || action != QLatin1String("default"))
        return;
    const platform::LocalNotification n = it->second;
    shown_.erase(it);
    if (opened)
        opened(n);
}

} // namespace qtshell
