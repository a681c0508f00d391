#pragma once
// A radio whose tags are placed from outside: by the automation driver, by tests and by the
// demo's scripted tags.

#include "platform/BeaconRanging.h"

#include <functional>
#include <vector>

namespace platform {

struct SimulatedTag {
    BeaconUuid uuid{};
    std::uint16_t major = 0;
    std::uint16_t minor = 0;
    int rssi = -60;        ///< dBm heard each second
    int measuredPower = 0; ///< dBm at one metre; 0 when the tag does not say
};

class SimulatedBeaconRadio final : public BeaconRanging {
public:
    SimulatedBeaconRadio(MainLoop& loop, BluetoothAdapter& adapter)
        : BeaconRanging(loop, adapter) {}
    ~SimulatedBeaconRadio() override { shutdown(); }

    /// The tag is in range and heard once a second with these values until it is removed;
    /// a tag already in range (same UUID, major and minor) takes the new values.
    void setTag(const SimulatedTag& tag);
    /// The tag is out of range from now on; false when it was not in range.
    bool removeTag(const BeaconUuid& uuid, std::uint16_t major, std::uint16_t minor);
    /// The tag is gone at once, as if it had been out of range for long: regions holding it
    /// are left at the next second (a scripted scene change, not a tag walking away).
    void takeAway(const BeaconUuid& uuid, std::uint16_t major, std::uint16_t minor);
    std::vector<SimulatedTag> tags() const;

    /// Called whenever a region is started or stopped.
    std::function<void()> onRegionsChanged;

protected:
    void collect() override;
    void regionsChanged() override;
    void scanningChanged(bool scanning) override;

private:
    struct Entry {
        SimulatedTag tag;
        long heardAt = -1;
    };
    std::vector<Entry> tags_;
};

} // namespace platform
