#pragma once
// Timer bookkeeping shared by the loop implementations: tasks ordered by due time, then
// by the order they were scheduled. Thread-safe; the loops decide how time passes.

#include "platform/MainLoop.h"

#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <optional>

namespace platform {

class TaskQueue {
public:
    using Instant = std::chrono::milliseconds; ///< the loop's own time axis

    TimerId add(Instant due, Duration repeat, Task task);
    void cancel(TimerId id);
    /// Tasks handed over from other threads run before timers that are due.
    void addFromThread(Task task);

    /// Takes the next task due at or before `now`. A repeating timer is re-armed for its
    /// first tick after `now`, so ticks missed in a gap run once.
    std::optional<Task> takeDue(Instant now);
    /// Due time of the earliest timer, if any.
    std::optional<Instant> nextDue() const;

    void beginExternal();
    void finishExternal(Task task);
    int externalCount() const;

    /// Waits until a task arrives from another thread, or `until` passes (if given).
    /// Returns true when woken by an arrival or a stop request.
    bool waitForArrival(std::optional<std::chrono::steady_clock::time_point> until);
    void wake();

private:
    struct Entry {
        TimerId id;
        Duration repeat;
        std::shared_ptr<Task> task;
    };
    mutable std::mutex mutex_;
    std::condition_variable cv_;
    std::multimap<std::pair<Instant, std::uint64_t>, Entry> timers_;
    std::map<TimerId, std::pair<Instant, std::uint64_t>> index_;
    std::deque<Task> arrivals_;
    std::uint64_t seq_ = 0;
    TimerId nextId_ = 1;
    int external_ = 0;
    bool woken_ = false;
};

/// The production loop: real (monotonic) time; `run` blocks until `quit`.
class StdMainLoop final : public MainLoop {
public:
    void cancel(TimerId id) override { queue_.cancel(id); }
    void beginExternal() override { queue_.beginExternal(); }
    void finishExternal(Task task) override { queue_.finishExternal(std::move(task)); }
    void run();
    void quit();

protected:
    TimerId schedule(Duration delay, Duration repeat, Task task) override;

private:
    TaskQueue::Instant now() const;
    TaskQueue queue_;
    bool quit_ = false;
    std::chrono::steady_clock::time_point origin_ = std::chrono::steady_clock::now();
};

/// A loop whose time moves only when advanced; it drives a VirtualClock.
class VirtualMainLoop final : public MainLoop {
public:
    explicit VirtualMainLoop(class VirtualClock& clock);
    void cancel(TimerId id) override { queue_.cancel(id); }
    void beginExternal() override { queue_.beginExternal(); }
    void finishExternal(Task task) override { queue_.finishExternal(std::move(task)); }

    /// Runs every task due now, waiting for outstanding external work to hand its answer
    /// back, until nothing is runnable and nothing is in flight.
    void runUntilIdle();
    /// Moves time forward by `by`, firing due timers in order and running until idle
    /// after each.
    void advance(Duration by);
    /// Moves time forward by `by` at once, as when the process was stopped or the machine
    /// slept, then runs until idle: what fell due in the gap runs once, in due order, with
    /// the clock reading the end of the gap.
    void jump(Duration by);
    bool idle() const;
    /// Time until the earliest timer is due (zero when one is due), if any.
    std::optional<Duration> nextDueIn() const;
    bool externalWorkPending() const { return queue_.externalCount() > 0; }

protected:
    TimerId schedule(Duration delay, Duration repeat, Task task) override;

private:
    bool runOneDue();
    class VirtualClock& clock_;
    TaskQueue queue_;
    TaskQueue::Instant now_{0};
};

} // namespace platform
