#include "platform/Lifetime.h"

namespace platform {

std::pair<bool, std::shared_ptr<const void>> Lifetime::hold() const {
    if (!weakOwner_)
        return {true, nullptr};
    const std::weak_ptr<const void> weak = weakOwner_(owner_);
    auto strong = weak.lock();
    if (strong)
        return {true, std::move(strong)};
    // Never held by a shared_ptr (no control block): this object's life is the owner's.
    // Otherwise the owner is being destroyed and its work no longer runs.
    const std::weak_ptr<const void> none;
    return {!weak.owner_before(none) && !none.owner_before(weak), nullptr};
}

} // namespace platform
