#include "platform/TaskQueue.h"

#include "platform/Clock.h"
#include "platform/Log.h"

#include <algorithm>

namespace platform {

TimerId TaskQueue::add(Instant due, Duration repeat, Task task) {
    std::lock_guard lock(mutex_);
    TimerId id = nextId_++;
    auto key = std::make_pair(due, seq_++);
    timers_.emplace(key, Entry{id, repeat, std::make_shared<Task>(std::move(task))});
    index_[id] = key;
    return id;
}

void TaskQueue::cancel(TimerId id) {
    std::lock_guard lock(mutex_);
    auto it = index_.find(id);
    if (it == index_.end())
        return;
    auto range = timers_.equal_range(it->second);
    for (auto t = range.first; t != range.second; ++t) {
        if (t->second.id == id) {
            timers_.erase(t);
            break;
        }
    }
    index_.erase(it);
}

void TaskQueue::addFromThread(Task task) {
    {
        std::lock_guard lock(mutex_);
        arrivals_.push_back(std::move(task));
    }
    cv_.notify_all();
}

std::optional<Task> TaskQueue::takeDue(Instant now) {
    std::lock_guard lock(mutex_);
    if (!arrivals_.empty()) {
        Task t = std::move(arrivals_.front());
        arrivals_.pop_front();
        return t;
    }
    if (timers_.empty() || timers_.begin()->first.first > now)
        return std::nullopt;
    auto node = timers_.extract(timers_.begin());
    Entry entry = std::move(node.mapped());
    if (entry.repeat > Duration::zero()) {
        // Re-arm before running, so the task may cancel its own timer.
        auto key = std::make_pair(nextTick(node.key().first, entry.repeat, now), seq_++);
        index_[entry.id] = key;
        timers_.emplace(key, entry);
    } else {
        index_.erase(entry.id);
    }
    auto task = entry.task;
    return Task([task] { (*task)(); });
}

std::optional<TaskQueue::Instant> TaskQueue::nextDue() const {
    std::lock_guard lock(mutex_);
    if (timers_.empty())
        return std::nullopt;
    return timers_.begin()->first.first;
}

void TaskQueue::beginExternal() {
    std::lock_guard lock(mutex_);
    ++external_;
}

void TaskQueue::finishExternal(Task task) {
    {
        std::lock_guard lock(mutex_);
        arrivals_.push_back(std::move(task));
        --external_;
    }
    cv_.notify_all();
}

int TaskQueue::externalCount() const {
    std::lock_guard lock(mutex_);
    return external_;
}

bool TaskQueue::waitForArrival(std::optional<std::chrono::steady_clock::time_point> until) {
    std::unique_lock lock(mutex_);
    auto ready = [this] { return !arrivals_.empty() || woken_; };
    bool got = until ? cv_.wait_until(lock, *until, ready) : (cv_.wait(lock, ready), true);
    woken_ = false;
    return got;
}

void TaskQueue::wake() {
    {
        std::lock_guard lock(mutex_);
        woken_ = true;
    }
    cv_.notify_all();
}

void runTask(const Task& task) noexcept {
    try {
        if (task)
            task();
    } catch (const std::exception& e) {
        logLine(std::string("Exception = ") + e.what());
    } catch (...) {
        logLine("Exception = unknown");
    }
}

// ---- StdMainLoop -------------------------------------------------------------

TaskQueue::Instant StdMainLoop::now() const {
    return std::chrono::duration_cast<TaskQueue::Instant>(std::chrono::steady_clock::now() -
                                                          origin_);
}

TimerId StdMainLoop::schedule(Duration delay, Duration repeat, Task task) {
    TimerId id = queue_.add(now() + delay, repeat, std::move(task));
    queue_.wake();
    return id;
}

void StdMainLoop::run() {
    quit_ = false;
    while (!quit_) {
        while (!quit_) {
            auto task = queue_.takeDue(now());
            if (!task)
                break;
            runTask(*task);
        }
        if (quit_)
            break;
        std::optional<std::chrono::steady_clock::time_point> until;
        if (auto due = queue_.nextDue())
            until = origin_ + *due;
        queue_.waitForArrival(until);
    }
}

void StdMainLoop::quit() {
    quit_ = true;
    queue_.wake();
}

// ---- VirtualMainLoop ---------------------------------------------------------

VirtualMainLoop::VirtualMainLoop(VirtualClock& clock)
    : clock_(clock), now_(clock.now().time_since_epoch()) {}

TimerId VirtualMainLoop::schedule(Duration delay, Duration repeat, Task task) {
    return queue_.add(now_ + delay, repeat, std::move(task));
}

bool VirtualMainLoop::runOneDue() {
    auto task = queue_.takeDue(now_);
    if (!task)
        return false;
    runTask(*task);
    return true;
}

void VirtualMainLoop::runUntilIdle() {
    for (;;) {
        while (runOneDue()) {
        }
        if (queue_.externalCount() == 0) {
            // An answer may have arrived between the last take and the count.
            if (!runOneDue())
                return;
            continue;
        }
        queue_.waitForArrival(std::nullopt);
    }
}

bool VirtualMainLoop::idle() const {
    auto due = queue_.nextDue();
    return queue_.externalCount() == 0 && !(due && *due <= now_);
}

std::optional<Duration> VirtualMainLoop::nextDueIn() const {
    auto due = queue_.nextDue();
    if (!due)
        return std::nullopt;
    return *due > now_ ? *due - now_ : Duration::zero();
}

void VirtualMainLoop::advance(Duration by) {
    const auto target = now_ + by;
    runUntilIdle();
    for (;;) {
        auto due = queue_.nextDue();
        if (!due || *due > target)
            break;
        if (*due > now_) {
            now_ = *due;
            clock_.set(TimePoint(now_));
        }
        runOneDue();
        runUntilIdle();
    }
    now_ = target;
    clock_.set(TimePoint(now_));
    runUntilIdle();
}

void VirtualMainLoop::jump(Duration by) {
    runUntilIdle();
    now_ += std::max(by, Duration::zero());
    clock_.set(TimePoint(now_));
    runUntilIdle();
}

} // namespace platform
