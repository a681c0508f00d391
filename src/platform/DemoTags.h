#pragma once
// The demo's scripted tags: luggage tags of the stand-in service's UUIDs that are with the
// traveller while tags are registered, and that reach the baggage belt some seconds after a
// search for them starts.

#include "platform/SimulatedRadio.h"
#include "platform/Timer.h"

#include <vector>

namespace platform {

class DemoTags {
public:
    /// Seconds after a search for a tag starts until it is in range, per tag in order.
    static constexpr int kArrivalSeconds[] = {8, 12, 16};

    /// Places one tag per UUID (at most three; the first UUID is reused when fewer are given)
    /// near the phone.
    DemoTags(MainLoop& loop, SimulatedBeaconRadio& radio, const std::vector<BeaconUuid>& uuids);
    ~DemoTags();
    DemoTags(const DemoTags&) = delete;
    DemoTags& operator=(const DemoTags&) = delete;

    const std::vector<SimulatedTag>& tags() const { return tags_; }

private:
    /// A search for a tag ranges its exact region (UUID, major and minor).
    void regionsChanged();
    bool searched(const SimulatedTag& tag) const;

    MainLoop& loop_;
    SimulatedBeaconRadio& radio_;
    std::vector<SimulatedTag> tags_;
    std::vector<bool> searching_;
    std::vector<Timer> arrivals_; ///< per tag, the way to the belt
};

} // namespace platform
