#pragma once
// The Qt application object the tests need for windows, fonts, queued calls, timers and
// signals: one for the whole program, drawing offscreen.

#include <QEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <functional>

namespace gui_testing {

inline QGuiApplication& qtApp() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "tamberlinove-tests";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
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
