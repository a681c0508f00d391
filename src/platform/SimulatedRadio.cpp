#include "platform/SimulatedRadio.h"

#include <algorithm>

namespace platform {
namespace {

bool same(const SimulatedTag& t, const BeaconUuid& uuid, std::uint16_t major, std::uint16_t minor) {
    return t.uuid == uuid && t.major == major && t.minor == minor;
}

} // namespace

void SimulatedBeaconRadio::setTag(const SimulatedTag& tag) {
    auto it = std::find_if(tags_.begin(), tags_.end(), [&](const Entry& e) {
        return same(e.tag, tag.uuid, tag.major, tag.minor);
    });
    if (it != tags_.end())
        it->tag = tag;
    else
        tags_.push_back({tag});
}

bool SimulatedBeaconRadio::removeTag(const BeaconUuid& uuid, std::uint16_t major,
                                     std::uint16_t minor) {
    return std::erase_if(tags_, [&](const Entry& e) { return same(e.tag, uuid, major, minor); }) >
           0;
}

void SimulatedBeaconRadio::takeAway(const BeaconUuid& uuid, std::uint16_t major,
                                    std::uint16_t minor) {
    removeTag(uuid, major, minor);
    forget(uuid, major, minor);
}

std::vector<SimulatedTag> SimulatedBeaconRadio::tags() const {
    std::vector<SimulatedTag> out;
    for (const Entry& e : tags_)
        out.push_back(e.tag);
    return out;
}

void SimulatedBeaconRadio::collect() {
    if (!scanning())
        return;
    // Each tag advertises once a second.
    const long now = currentSecond();
    for (Entry& e : tags_) {
        if (e.heardAt == now)
            continue;
        e.heardAt = now;
        hear(IBeaconFrame{e.tag.uuid, e.tag.major, e.tag.minor,
                          static_cast<std::int8_t>(e.tag.measuredPower)},
             e.tag.rssi);
    }
}

void SimulatedBeaconRadio::scanningChanged(bool) {
    // What was heard before is forgotten: the tags are heard afresh.
    for (Entry& e : tags_)
        e.heardAt = -1;
}

void SimulatedBeaconRadio::regionsChanged() {
    if (onRegionsChanged)
        onRegionsChanged();
}

} // namespace platform
