#include "platform/QtMainLoop.h"

#include "platform/Log.h"

#include <QTimer>
#include <algorithm>
#include <exception>
#include <memory>

namespace qtshell {

QtMainLoop::QtMainLoop(QObject* parent) : QObject(parent) {}

platform::Duration QtMainLoop::sinceOrigin() const {
    return std::chrono::duration_cast<platform::Duration>(std::chrono::steady_clock::now() -
                                                          origin_);
}

QtMainLoop::~QtMainLoop() = default;

void QtMainLoop::run(const platform::Task& task) {
    // An exception must not unwind through Qt's event loop.
    platform::runTask(task);
}

platform::TimerId QtMainLoop::schedule(platform::Duration delay, platform::Duration repeat,
                                       platform::Task task) {
    const platform::TimerId id = nextId_++;
    if (delay <= platform::Duration::zero() && repeat <= platform::Duration::zero()) {
        // Queued invocations keep the order in which tasks were posted.
        posted_.insert(id);
        QMetaObject::invokeMethod(
            this,
            [this, id, task = std::move(task)] {
                if (posted_.erase(id))
                    run(task);
            },
            Qt::QueuedConnection);
        return id;
    }
    auto* timer = new QTimer(this);
    // Precise timers fire in the order they are due; coarse ones may reorder close deadlines.
    timer->setTimerType(Qt::PreciseTimer);
    timer->setSingleShot(true);
    const platform::Duration first = std::max(delay, platform::Duration::zero());
    timer->setInterval(first);
    auto shared = std::make_shared<platform::Task>(std::move(task));
    if (repeat <= platform::Duration::zero()) {
        connect(timer, &QTimer::timeout, this, [this, id, timer, shared] {
            timers_.erase(id);
            timer->deleteLater();
            run(*shared);
        });
    } else {
        // A repeating timer is re-armed for each tick by hand: after a gap (the process was
        // stopped, a task blocked the loop) it fires once and keeps its phase, where a
        // repeating QTimer would restart its period from the late tick.
        auto due = std::make_shared<platform::Duration>(sinceOrigin() + first);
        connect(timer, &QTimer::timeout, this, [this, timer, repeat, due, shared] {
            const platform::Duration now = sinceOrigin();
            *due = platform::nextTick(*due, repeat, now);
            timer->start(*due - now);
            run(*shared);
        });
    }
    timers_.emplace(id, Timer{timer, repeat > platform::Duration::zero()});
    timer->start();
    return id;
}

void QtMainLoop::cancel(platform::TimerId id) {
    if (posted_.erase(id))
        return;
    auto it = timers_.find(id);
    if (it == timers_.end())
        return;
    it->second.timer->stop();
    it->second.timer->deleteLater();
    timers_.erase(it);
}

void QtMainLoop::beginExternal() {
    ++external_;
}

void QtMainLoop::finishExternal(platform::Task task) {
    // The work stays open until its answer has run, so idle() never sees a gap.
    QMetaObject::invokeMethod(
        this,
        [this, task = std::move(task)] {
            run(task);
            --external_;
        },
        Qt::QueuedConnection);
}

bool QtMainLoop::oneShotDueWithin(int ms) const {
    for (const auto& [id, t] : timers_)
        if (!t.repeating && t.timer->isActive() && t.timer->remainingTime() <= ms)
            return true;
    return false;
}

bool QtMainLoop::idle() const {
    return posted_.empty() && external_.load() == 0;
}

} // namespace qtshell
