#include "platform/Timer.h"

#include <utility>

namespace platform {

Timer Timer::after(MainLoop& loop, Duration delay, Task task) {
    Timer timer(loop, std::make_shared<bool>(true));
    timer.id_ = loop.postDelayed(
        delay, [pending = std::weak_ptr<bool>(timer.pending_), task = std::move(task)] {
            if (auto p = pending.lock())
                *p = false;
            task();
        });
    return timer;
}

Timer Timer::every(MainLoop& loop, Duration period, Task task) {
    Timer timer(loop, std::make_shared<bool>(true));
    timer.id_ = loop.startRepeating(period, std::move(task));
    return timer;
}

Timer::Timer(Timer&& other) noexcept
    : loop_(other.loop_), id_(other.id_), pending_(std::move(other.pending_)) {}

Timer& Timer::operator=(Timer&& other) noexcept {
    if (this != &other) {
        cancel();
        loop_ = other.loop_;
        id_ = other.id_;
        pending_ = std::move(other.pending_);
    }
    return *this;
}

void Timer::cancel() {
    if (running())
        loop_->cancel(id_);
    pending_.reset();
}

} // namespace platform
