#pragma once
/// @file
/// The core's main loop on Qt's event loop: posted tasks are queued invocations, delayed
/// tasks and timers are QTimers, and work handed back from other threads is queued onto
/// the GUI thread.

#include "platform/MainLoop.h"

#include <QObject>
#include <atomic>
#include <chrono>
#include <map>
#include <set>

class QTimer;

namespace qtshell {

class QtMainLoop final : public QObject, public platform::MainLoop {
    Q_OBJECT

public:
    explicit QtMainLoop(QObject* parent = nullptr);
    ~QtMainLoop() override;

    void cancel(platform::TimerId id) override;
    void beginExternal() override;
    /// Thread-safe.
    void finishExternal(platform::Task task) override;

    /// No posted task is waiting and no external work is open (timers may be pending).
    bool idle() const;
    /// Timers and delayed tasks not yet fired or cancelled.
    int pendingTimers() const { return static_cast<int>(timers_.size()); }
    /// A one-shot delayed task is due within `ms` milliseconds (work such as a request
    /// started half a second after a screen appears).
    bool oneShotDueWithin(int ms) const;

protected:
    platform::TimerId schedule(platform::Duration delay, platform::Duration repeat,
                               platform::Task task) override;

private:
    void run(const platform::Task& task);
    /// Time on the steady clock since the loop was made.
    platform::Duration sinceOrigin() const;

    struct Timer {
        QTimer* timer;
        /// Re-armed by hand for each tick, so its QTimer is single-shot all the same.
        bool repeating;
    };
    std::map<platform::TimerId, Timer> timers_;
    std::set<platform::TimerId> posted_;
    std::atomic<int> external_{0};
    platform::TimerId nextId_ = 1;
    std::chrono::steady_clock::time_point origin_ = std::chrono::steady_clock::now();
};

} // namespace qtshell
