#pragma once
// A handle on one delayed task or repeating timer of the main loop: destroying the handle,
// or giving it another timer, cancels the one it holds.

#include "platform/MainLoop.h"

#include <memory>

namespace platform {

class Timer {
public:
    Timer() = default;
    /// Runs `task` once, `delay` from now, unless the handle is cancelled or gone first.
    [[nodiscard]] static Timer after(MainLoop& loop, Duration delay, Task task);
    /// Runs `task` every `period` (first run one period from now) while the handle holds it.
    [[nodiscard]] static Timer every(MainLoop& loop, Duration period, Task task);

    Timer(Timer&& other) noexcept;
    /// Cancels the timer held before.
    Timer& operator=(Timer&& other) noexcept;
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;
    ~Timer() { cancel(); }

    void cancel();
    /// True until cancelled; a one-shot stops running as it fires.
    [[nodiscard]] bool running() const { return pending_ && *pending_; }

private:
    Timer(MainLoop& loop, std::shared_ptr<bool> pending)
        : loop_(&loop), pending_(std::move(pending)) {}

    MainLoop* loop_ = nullptr;
    TimerId id_ = 0;
    /// Shared with a one-shot's task, which clears it as it runs.
    std::shared_ptr<bool> pending_;
};

} // namespace platform
