#include "WindowLifecycle.h"

#include <QDBusConnection>

namespace qtshell {

WindowLifecycle::WindowLifecycle(QWindow& window, std::function<void(bool)> changed,
                                 QObject* parent)
    : QObject(parent), window_(window), changed_(std::move(changed)) {
    connect(&window_, &QWindow::visibilityChanged, this, [this] { update(); });
    // The lock screen, as the freedesktop and the GNOME sessions announce it.
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.isConnected()) {
        bus.connect(QString(), QStringLiteral("/org/freedesktop/ScreenSaver"),
                    QStringLiteral("org.freedesktop.ScreenSaver"), QStringLiteral("ActiveChanged"),
                    this, SLOT(screenLockChanged(bool)));
        bus.connect(QString(), QStringLiteral("/org/gnome/ScreenSaver"),
                    QStringLiteral("org.gnome.ScreenSaver"), QStringLiteral("ActiveChanged"), this,
                    SLOT(screenLockChanged(bool)));
    }
    // The app starts in front; only later changes count.
}

bool WindowLifecycle::isBackground(QWindow::Visibility visibility, bool screenLocked) {
    return screenLocked || visibility == QWindow::Minimized || visibility == QWindow::Hidden;
}

bool WindowLifecycle::inFront(QWindow::Visibility visibility, bool active, bool screenLocked) {
    return active && !isBackground(visibility, screenLocked);
}

bool WindowLifecycle::inFront() const {
    return inFront(window_.visibility(), window_.isActive(), locked_);
}

void WindowLifecycle::screenLockChanged(bool locked) {
    locked_ = locked;
    update();
}

void WindowLifecycle::update() {
    const bool now = isBackground(window_.visibility(), locked_);
    if (now == background_)
        return;
    background_ = now;
    if (changed_)
        changed_(now);
}

} // namespace qtshell
