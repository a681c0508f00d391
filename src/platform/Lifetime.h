#pragma once
// The one way a screen or controller posts and delays work, and hands callbacks to others:
// the work runs only while its owner lives. Declare the Lifetime as the owner's last member,
// so it ends first and no work reaches members already destroyed.

#include "platform/MainLoop.h"
#include "platform/Timer.h"

#include <memory>
#include <utility>

namespace platform {

class Lifetime {
public:
    /// For an owner not held by a shared_ptr: work runs while this object lives.
    explicit Lifetime(MainLoop& loop) : loop_(loop) {}
    /// For an owner held by a shared_ptr: work also holds the owner for the length of the
    /// call, so work that drops the owner's last reference finishes on a live object.
    template <typename T>
    Lifetime(MainLoop& loop, std::enable_shared_from_this<T>& owner)
        : loop_(loop), owner_(&owner), weakOwner_([](const void* o) {
              return std::weak_ptr<const void>(
                  static_cast<const std::enable_shared_from_this<T>*>(o)->weak_from_this());
          }) {}
    Lifetime(const Lifetime&) = delete;
    Lifetime& operator=(const Lifetime&) = delete;

    /// `f` wrapped to run only while the owner lives; for callbacks handed to others (an
    /// answer, a capture, an alert's button). Call the result on the loop's thread.
    template <typename F> [[nodiscard]] auto guard(F f) const {
        return [this, token = std::weak_ptr<const char>(token_), f = std::move(f)](auto&&... args) {
            if (token.expired())
                return;
            const auto keep = hold();
            if (!keep.first)
                return;
            f(std::forward<decltype(args)>(args)...);
        };
    }

    /// Runs `task` on a later turn of the loop.
    void post(Task task) const { loop_.post(guard(std::move(task))); }
    /// Runs `task` once, `delay` from now.
    void post(Duration delay, Task task) const { loop_.postDelayed(delay, guard(std::move(task))); }
    /// As post(delay, task), but cancelled with the handle.
    [[nodiscard]] Timer after(Duration delay, Task task) const {
        return Timer::after(loop_, delay, guard(std::move(task)));
    }
    /// Runs `task` every `period` while the handle holds it.
    [[nodiscard]] Timer every(Duration period, Task task) const {
        return Timer::every(loop_, period, guard(std::move(task)));
    }

private:
    /// Whether the owner may be called, and a reference that keeps it alive meanwhile.
    std::pair<bool, std::shared_ptr<const void>> hold() const;

    MainLoop& loop_;
    const void* owner_ = nullptr;
    std::weak_ptr<const void> (*weakOwner_)(const void*) = nullptr;
    std::shared_ptr<const char> token_ = std::make_shared<const char>();
};

} // namespace platform
