#include "platform/QtMainLoop.h"

#include "platform/Log.h"

#include <QTimer>
#include <exception>
#include <memory>

namespace qtshell {

QtMainLoop::QtMainLoop(QObject* parent) : QObject(parent) {}

QtMainLoop::~QtMainLoop() = default;

void QtMainLoop::run(const platform::Task& task) {
    // An exception must not unwind through Qt's event loop.
    try {
        if (task)
            task();
    } catch (const std::exception& e) {
        platform::logLine(std::string("Exception = ") + e.what());
    } catch (...) {
        platform::logLine("Exception = unknown");
    }
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
    timer->setSingleShot(repeat <= platform::Duration::zero());
    timer->setInterval(std::max<platform::Duration>(delay, platform::Duration::zero()));
    auto shared = std::make_shared<platform::Task>(std::move(task));
    connect(timer, &QTimer::timeout, this, [this, id, timer, repeat, shared] {
        if (timer->isSingleShot()) {
            timers_.erase(id);
            timer->deleteLater();
        } else if (timer->interval() != repeat.count()) {
            timer->setInterval(repeat);
        }
        run(*shared);
    });
    timers_.emplace(id, timer);
    timer->start();
    return id;
}

void QtMainLoop::cancel(platform::TimerId id) {
    if (posted_.erase(id))
        return;
    auto it = timers_.find(id);
    if (it == timers_.end())
        return;
    it->second->stop();
    it->second->deleteLater();
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
    for (const auto& [id, timer] : timers_)
        if (timer->isSingleShot() && timer->isActive() && timer->remainingTime() <= ms)
            return true;
    return false;
}

bool QtMainLoop::idle() const {
    return posted_.empty() && external_.load() == 0;
}

} // namespace qtshell
