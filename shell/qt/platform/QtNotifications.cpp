#include "platform/QtNotifications.h"

#include "platform/Log.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QGuiApplication>
#include <QTimer>
#include <QVariantMap>
#include <QWindow>
#include <QtMath>
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>

namespace qtshell {
namespace {

/// Sets or clears the ICCCM urgency hint in the window's WM_HINTS on X11. Qt's alert asks
/// only a window manager that supports the EWMH "demands attention" state; taskbars and
/// bare X servers read the urgency hint.
void setX11Urgency(QWindow& window, bool urgent) {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !window.handle())
        return;
    constexpr std::uint32_t kUrgencyHint = 1u << 8;
    xcb_connection_t* c = x11->connection();
    const auto id = static_cast<xcb_window_t>(window.winId());
    // flags, input, initial_state, icon_pixmap, icon_window, icon_x, icon_y, icon_mask,
    // window_group: the other fields stay as Qt wrote them.
    std::array<std::uint32_t, 9> hints{};
    const auto cookie =
        xcb_get_property(c, 0, id, XCB_ATOM_WM_HINTS, XCB_ATOM_WM_HINTS, 0, hints.size());
    if (xcb_get_property_reply_t* reply = xcb_get_property_reply(c, cookie, nullptr)) {
        const auto bytes = std::min<std::size_t>(
            static_cast<std::size_t>(xcb_get_property_value_length(reply)), sizeof hints);
        std::memcpy(hints.data(), xcb_get_property_value(reply), bytes);
        std::free(reply);
    }
    hints[0] = urgent ? hints[0] | kUrgencyHint : hints[0] & ~kUrgencyHint;
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, XCB_ATOM_WM_HINTS, XCB_ATOM_WM_HINTS, 32,
                        hints.size(), hints.data());
    xcb_flush(c);
}

} // namespace

QtNotifications::QtNotifications(QObject* parent) : QObject(parent) {}

void QtNotifications::setWindow(QWindow* window) {
    window_ = window;
    if (!window)
        return;
    // The person looks at the window again: the urgency ends.
    connect(window, &QWindow::activeChanged, this, [this] {
        if (urgent_ && window_ && window_->isActive()) {
            urgent_ = false;
            setX11Urgency(*window_, false);
        }
    });
}

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

void QtNotifications::present(const platform::LocalNotification& n) {
    fire(n);
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
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    QDBusMessage update = QDBusMessage::createSignal(QString::fromLatin1(kLauncherPath),
                                                     QString::fromLatin1(kLauncherInterface),
                                                     QStringLiteral("Update"));
    update << QStringLiteral("application://%1.desktop").arg(QLatin1String(kDesktopEntry))
           << QVariantMap{{QStringLiteral("count"), QVariant::fromValue<qint64>(value)},
                          {QStringLiteral("count-visible"), value > 0}};
    bus.send(update);
}

void QtNotifications::requestAuthorization(std::function<void(bool, std::string)> done) {
    if (done)
        done(true, {});
}

void QtNotifications::requestAttention() {
    platform::logLine("attention requested");
    if (window_ && !window_->isActive()) {
        window_->alert(0);
        urgent_ = true;
        setX11Urgency(*window_, true);
    }
    emit attentionRequested();
}

void QtNotifications::fire(const platform::LocalNotification& n) {
    if (shouldPresent && !shouldPresent(n))
        return;
    if (n.badge > 0)
        setBadge(n.badge);
    if (!serverAvailable()) {
        showBanner(n);
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        QString::fromLatin1(kService), QStringLiteral("/org/freedesktop/Notifications"),
        QString::fromLatin1(kService), QStringLiteral("Notify"));
    QVariantMap hints;
    hints.insert(QStringLiteral("desktop-entry"), QString::fromLatin1(kDesktopEntry));
    if (n.sound == "default")
        hints.insert(QStringLiteral("sound-name"), QStringLiteral("message-new-instant"));
    // app_name, replaces_id, app_icon, summary, body, actions, hints, expire_timeout
    // The "default" action is what a click on the notification invokes.
    const QString body = QString::fromStdString(n.body);
    call << QStringLiteral("tamberlinove") << 0u << QStringLiteral("tamberlinove")
         << (n.title.empty() ? QStringLiteral("토벨라문") : QString::fromStdString(n.title)) << body
         << QStringList{QStringLiteral("default"), QStringLiteral("열기")} << hints << -1;
    listen();
    auto* watcher =
        new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, n, body](QDBusPendingCallWatcher* w) {
                const QDBusPendingReply<uint> reply = *w;
                w->deleteLater();
                if (reply.isError()) {
                    // The server went away or refused: the window still tells the person.
                    platform::logLine("notification server: " +
                                      reply.error().message().toStdString());
                    showBanner(n);
                    return;
                }
                shown_[reply.value()] = n;
                emit delivered(body);
            });
    platform::logLine("notification (desktop): " + n.body);
}

void QtNotifications::showBanner(const platform::LocalNotification& n) {
    platform::logLine("notification (in-app banner): " + n.body);
    // Nobody may be looking at the window: it asks for attention too.
    requestAttention();
    banner_ = n;
    emit banner(QString::fromStdString(n.body));
}

void QtNotifications::bannerTapped() {
    if (!banner_)
        return;
    const platform::LocalNotification n = *banner_;
    banner_.reset();
    if (opened)
        opened(n);
}

void QtNotifications::listen() {
    if (listening_)
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    const QString path = QStringLiteral("/org/freedesktop/Notifications");
    const QString interface = QString::fromLatin1(kService);
    listening_ = true;
    if (!bus.connect(QString(), path, interface, QStringLiteral("ActionInvoked"), this,
                     SLOT(actionInvoked(uint, QString))) ||
        !bus.connect(QString(), path, interface, QStringLiteral("NotificationClosed"), this,
                     SLOT(notificationClosed(uint, uint))))
        platform::logLine("notification server: cannot listen for clicks and closes");
}

void QtNotifications::raiseWindow() {
    if (!window_)
        return;
    // A maximised window stays maximised; a minimised or hidden one comes back.
    window_->setWindowStates(window_->windowStates() & ~Qt::WindowMinimized);
    window_->show();
    window_->raise();
    window_->requestActivate();
}

void QtNotifications::actionInvoked(uint id, const QString& action) {
    auto it = shown_.find(id);
    if (it == shown_.end() || action != QLatin1String("default"))
        return;
    const platform::LocalNotification n = it->second;
    shown_.erase(it);
    raiseWindow();
    if (opened)
        opened(n);
}

void QtNotifications::notificationClosed(uint id, uint) {
    shown_.erase(id);
}

} // namespace qtshell
