#include "platform/QtScreenSaver.h"

#include "platform/Log.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace qtshell {
namespace {

QDBusMessage screenSaverCall(const char* method) {
    return QDBusMessage::createMethodCall(
        QString::fromLatin1(QtScreenSaver::kService), QString::fromLatin1(QtScreenSaver::kPath),
        QString::fromLatin1(QtScreenSaver::kService), QString::fromLatin1(method));
}

} // namespace

QtScreenSaver::QtScreenSaver(QObject* parent) : QObject(parent) {}

QtScreenSaver::~QtScreenSaver() {
    // The desktop also drops an inhibition when its holder leaves the bus; saying so is
    // quicker and does not depend on it.
    release();
}

void QtScreenSaver::setInhibited(bool inhibited) {
    if (inhibited == wanted_)
        return;
    wanted_ = inhibited;
    reconcile();
}

void QtScreenSaver::reconcile() {
    // While an Inhibit call is out, its answer decides what happens next.
    if (waiting_)
        return;
    if (!wanted_) {
        release();
        return;
    }
    if (cookie_)
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    QDBusMessage call = screenSaverCall("Inhibit");
    call << QStringLiteral("tamberlinove") << QStringLiteral("다음 항공편을 표시하는 중");
    waiting_ = true;
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        w->deleteLater();
        waiting_ = false;
        const QDBusPendingReply<uint> reply = *w;
        if (reply.isError()) {
            // No screen saver on this desktop: nothing is retried until the next request.
            platform::logLine("screen saver: " + reply.error().message().toStdString());
            return;
        }
        cookie_ = reply.value();
        emit holdingChanged(true);
        reconcile();
    });
}

void QtScreenSaver::release() {
    if (!cookie_)
        return;
    QDBusMessage call = screenSaverCall("UnInhibit");
    call << *cookie_;
    QDBusConnection::sessionBus().call(call, QDBus::NoBlock);
    cookie_.reset();
    emit holdingChanged(false);
}

} // namespace qtshell
