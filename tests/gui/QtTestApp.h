#pragma once
// The Qt application object the tests need for queued calls, timers and signals.

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <functional>

namespace gui_testing {

inline QCoreApplication& qtApp() {
    // A test program with windows makes its QGuiApplication first; that one serves.
    if (QCoreApplication* made = QCoreApplication::instance())
        return *made;
    static int argc = 1;
    static char name[] = "tamberlinove-tests";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return app;
}

/// Runs the event loop until `done` holds (sleeping while no event arrives).
inline void waitUntil(const std::function<bool()>& done) {
    qtApp();
    while (!done())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents | QEventLoop::AllEvents);
}

/// Handles every event already queued, deferred deletions included.
inline void drain() {
    qtApp();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace gui_testing
