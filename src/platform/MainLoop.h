#pragma once
// The one main loop everything runs on: posted tasks, delayed tasks and timers.

#include <chrono>
#include <cstdint>
#include <functional>

namespace platform {

using Duration = std::chrono::milliseconds;
using Task = std::function<void()>;
using TimerId = std::uint64_t;

/// Seconds (possibly fractional) as a loop duration, rounded to the millisecond.
constexpr Duration seconds(double s) {
    return Duration(static_cast<std::int64_t>(s * 1000.0 + 0.5));
}

/// When a repeating timer with period `interval` whose tick was due at `due` is next due,
/// if that tick runs at `now`: the first later multiple of the period after `now`. Ticks
/// missed while the loop could not run (the process was stopped, a task blocked it) are
/// skipped rather than run in a burst, and the timer keeps its phase.
constexpr Duration nextTick(Duration due, Duration interval, Duration now) {
    if (now < due || interval <= Duration::zero())
        return due + interval;
    return due + interval * ((now - due) / interval + 1);
}

/// Runs one task of a loop. A task that throws is logged ("Exception = ...") and the loop
/// goes on: every loop runs its tasks through this, so no exception unwinds through a loop,
/// whichever front-end, timer or command made it run.
void runTask(const Task& task) noexcept;

class MainLoop {
public:
    virtual ~MainLoop() = default;

    /// Runs `task` on a later turn of the loop.
    void post(Task task) { schedule(Duration::zero(), Duration::zero(), std::move(task)); }
    /// Runs `task` once, `delay` from now.
    TimerId postDelayed(Duration delay, Task task) {
        return schedule(delay, Duration::zero(), std::move(task));
    }
    /// Runs `task` every `interval` (first run one interval from now) until cancelled.
    /// Ticks the loop missed run once, not once each; later ticks keep the timer's phase.
    TimerId startRepeating(Duration interval, Task task) {
        return schedule(interval, interval, std::move(task));
    }
    /// Cancels a delayed task or timer; unknown or finished ids are ignored.
    virtual void cancel(TimerId id) = 0;

    /// Marks work running outside the loop (an HTTP request on a worker thread) that will
    /// hand its result back through `finishExternal`. The loop is not idle while any is open.
    virtual void beginExternal() = 0;
    /// Thread-safe: posts `task` to the loop and closes one piece of external work.
    virtual void finishExternal(Task task) = 0;

protected:
    /// `repeat` of zero means one-shot.
    virtual TimerId schedule(Duration delay, Duration repeat, Task task) = 0;
};

} // namespace platform
