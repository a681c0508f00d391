#include "platform/DemoTags.h"

#include <algorithm>
#include <iterator>

namespace platform {
namespace {

struct Placement {
    std::uint16_t major, minor;
    int rssi; ///< near the phone
};
constexpr Placement kPlacements[] = {{100, 1, -58}, {200, 7, -66}, {300, 12, -73}};
constexpr int kMeasuredPower = -59;

} // namespace

DemoTags::DemoTags(MainLoop& loop, SimulatedBeaconRadio& radio,
                   const std::vector<BeaconUuid>& uuids)
    : loop_(loop), radio_(radio) {
    if (uuids.empty())
        return;
    for (std::size_t i = 0; i < std::size(kPlacements); ++i) {
        const auto& p = kPlacements[i];
        tags_.push_back(
            {uuids[i < uuids.size() ? i : 0], p.major, p.minor, p.rssi, kMeasuredPower});
        radio_.setTag(tags_.back());
    }
    searching_.assign(tags_.size(), false);
    arrivals_.resize(tags_.size());
    radio_.onRegionsChanged = [this] { regionsChanged(); };
}

DemoTags::~DemoTags() {
    radio_.onRegionsChanged = nullptr;
}

bool DemoTags::searched(const SimulatedTag& tag) const {
    const auto regions = radio_.rangedRegions();
    return std::any_of(regions.begin(), regions.end(), [&](const BeaconRegion& r) {
        return r.major && r.minor && r.matches(tag.uuid, tag.major, tag.minor);
    });
}

void DemoTags::regionsChanged() {
    for (std::size_t i = 0; i < tags_.size(); ++i) {
        const bool now = searched(tags_[i]);
        if (now == searching_[i])
            continue;
        searching_[i] = now;
        arrivals_[i].cancel();
        if (!now) {
            // The search is over: the tag is with the traveller again.
            radio_.setTag(tags_[i]);
            continue;
        }
        // The bag is in the hold; it reaches the belt a little later, a few metres away.
        radio_.takeAway(tags_[i].uuid, tags_[i].major, tags_[i].minor);
        SimulatedTag onBelt = tags_[i];
        onBelt.rssi = -75;
        arrivals_[i] = Timer::after(loop_, seconds(kArrivalSeconds[i]),
                                    [this, onBelt] { radio_.setTag(onBelt); });
    }
}

} // namespace platform
