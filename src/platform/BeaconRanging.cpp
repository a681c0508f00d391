#include "platform/BeaconRanging.h"

#include "platform/Lifetime.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <map>

namespace platform {
namespace {

struct TagKey {
    BeaconUuid uuid{};
    std::uint16_t major = 0;
    std::uint16_t minor = 0;
    auto operator<=>(const TagKey&) const = default;
};

struct Reading {
    long second;
    int rssi;
};

struct Tag {
    std::deque<Reading> readings;
    int measuredPower = 0;
    long lastHeard = 0;
    std::uint64_t order = 0; ///< first heard, for a stable order of equal distances
};

/// Readings kept per tag at most (a real radio may hear a tag many times a second).
constexpr std::size_t kMaxReadings = 64;

template <typename List> auto findRegion(List& list, const std::string& identifier) {
    return std::find_if(list.begin(), list.end(), [&](const auto& entry) {
        if constexpr (std::is_same_v<std::decay_t<decltype(entry)>, BeaconRegion>)
            return entry.identifier == identifier;
        else
            return entry.region.identifier == identifier;
    });
}

} // namespace

struct BeaconRanging::Core : std::enable_shared_from_this<Core> {
    Core(BeaconRanging& o, MainLoop& l, BluetoothAdapter& a)
        : owner(o), loop(l), adapter(a), lifetime(l, *this) {}

    BeaconRanging& owner;
    MainLoop& loop;
    BluetoothAdapter& adapter;
    long second = 0;
    std::uint64_t nextOrder = 0;
    std::map<TagKey, Tag> tags;
    std::vector<std::weak_ptr<Manager>> managers;
    Timer timer; ///< the one-second tick, while listening
    bool listening = false;
    Lifetime lifetime;

    std::vector<std::shared_ptr<Manager>> liveManagers();
    bool inside(const BeaconRegion& region) const;
    std::vector<RangedBeacon> ranged(const BeaconRegion& region) const;
    void update();
    void tick();
};

class BeaconRanging::Manager final : public BeaconManager,
                                     public std::enable_shared_from_this<Manager> {
public:
    Manager(std::weak_ptr<Core> core, MainLoop& loop, std::weak_ptr<BeaconManagerDelegate> delegate)
        : core_(std::move(core)), delegate_(std::move(delegate)), lifetime_(loop, *this) {}
    ~Manager() override {
        monitored_.clear();
        ranged_.clear();
        if (auto core = core_.lock())
            core->update();
    }

    void setDesiredAccuracy(double metres) override { accuracy_ = metres; }
    void startUpdatingLocation() override { updating_ = true; }
    void stopUpdatingLocation() override { updating_ = false; }
    void requestWhenInUseAuthorization() override { ++authorizationRequests_; }

    void startMonitoring(const BeaconRegion& region) override {
        auto core = core_.lock();
        if (!core)
            return;
        if (auto it = findRegion(monitored_, region.identifier); it != monitored_.end())
            *it = {region, RegionState::Unknown};
        else
            monitored_.push_back({region, RegionState::Unknown});
        core->update();
        // Already inside when monitoring starts: no entry is reported, as on a phone.
        core->owner.collect();
        if (auto it = findRegion(monitored_, region.identifier); it != monitored_.end())
            it->state = core->inside(region) ? RegionState::Inside : RegionState::Outside;
    }
    void stopMonitoring(const BeaconRegion& region) override {
        std::erase_if(monitored_, [&](const Monitored& m) { return m.region == region; });
        if (auto core = core_.lock())
            core->update();
    }
    void startRanging(const BeaconRegion& region) override {
        if (auto it = findRegion(ranged_, region.identifier); it != ranged_.end())
            *it = region;
        else
            ranged_.push_back(region);
        if (auto core = core_.lock())
            core->update();
    }
    void stopRanging(const BeaconRegion& region) override {
        std::erase(ranged_, region);
        if (auto core = core_.lock())
            core->update();
    }
    void requestState(const BeaconRegion& region) override {
        if (core_.expired())
            return;
        lifetime_.post([this, region] {
            auto core = core_.lock();
            if (!core || !monitors(region))
                return;
            core->owner.collect();
            const auto state = core->inside(region) ? RegionState::Inside : RegionState::Outside;
            if (auto d = delegate_.lock())
                d->didDetermineState(state, region);
        });
    }

    bool updatingLocation() const override { return updating_; }
    double desiredAccuracy() const override { return accuracy_; }
    int authorizationRequests() const override { return authorizationRequests_; }
    std::vector<BeaconRegion> monitoredRegions() const override {
        std::vector<BeaconRegion> out;
        for (const auto& m : monitored_)
            out.push_back(m.region);
        return out;
    }
    std::vector<BeaconRegion> rangedRegions() const override { return ranged_; }

    bool active() const { return !monitored_.empty() || !ranged_.empty(); }
    bool monitors(const BeaconRegion& region) const {
        return std::any_of(monitored_.begin(), monitored_.end(),
                           [&](const Monitored& m) { return m.region == region; });
    }

    /// Reports the monitored regions entered or left since the last tick.
    void deliverTransitions(const Core& core) {
        for (const BeaconRegion& region : monitoredRegions()) {
            auto it = findRegion(monitored_, region.identifier);
            if (it == monitored_.end() || !(it->region == region))
                continue; // stopped by an earlier callback
            const bool inside = core.inside(region);
            if (inside == (it->state == RegionState::Inside))
                continue;
            it->state = inside ? RegionState::Inside : RegionState::Outside;
            auto d = delegate_.lock();
            if (!d)
                return;
            if (inside)
                d->didEnterRegion(region);
            else
                d->didExitRegion(region);
        }
    }

    /// Hands each ranged region its tags in range.
    void deliverRanging(const Core& core) {
        for (const BeaconRegion& region : std::vector(ranged_)) {
            if (std::find(ranged_.begin(), ranged_.end(), region) == ranged_.end())
                continue;
            auto d = delegate_.lock();
            if (!d)
                return;
            d->didRangeBeacons(core.ranged(region), region);
        }
    }

private:
    struct Monitored {
        BeaconRegion region;
        RegionState state = RegionState::Unknown;
    };

    std::weak_ptr<Core> core_;
    std::weak_ptr<BeaconManagerDelegate> delegate_;
    std::vector<Monitored> monitored_;
    std::vector<BeaconRegion> ranged_;
    bool updating_ = false;
    double accuracy_ = 0;
    int authorizationRequests_ = 0;
    Lifetime lifetime_;
};

// ---- Core ------------------------------------------------------------------------

std::vector<std::shared_ptr<BeaconRanging::Manager>> BeaconRanging::Core::liveManagers() {
    std::erase_if(managers, [](const auto& m) { return m.expired(); });
    std::vector<std::shared_ptr<Manager>> out;
    for (const auto& weak : managers)
        if (auto m = weak.lock())
            out.push_back(std::move(m));
    return out;
}

bool BeaconRanging::Core::inside(const BeaconRegion& region) const {
    for (const auto& [key, tag] : tags)
        if (region.matches(key.uuid, key.major, key.minor) && second - tag.lastHeard < kExitSeconds)
            return true;
    return false;
}

std::vector<RangedBeacon> BeaconRanging::Core::ranged(const BeaconRegion& region) const {
    std::vector<std::pair<std::uint64_t, RangedBeacon>> found;
    for (const auto& [key, tag] : tags) {
        if (!region.matches(key.uuid, key.major, key.minor) ||
            second - tag.lastHeard >= kRangingHoldSeconds)
            continue;
        RangedBeacon b{key.uuid, key.major, key.minor, -1, 0};
        if (second - tag.lastHeard <= 1) {
            std::vector<int> recent;
            for (const Reading& r : tag.readings)
                if (second - r.second < kSmoothingSeconds)
                    recent.push_back(r.rssi);
            b.rssi = smoothedRssi(recent);
            b.accuracy = distanceEstimate(b.rssi, tag.measuredPower);
        }
        found.emplace_back(tag.order, b);
    }
    // Nearest first; tags of unknown distance last; equal ones in the order first heard.
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
        const bool ua = a.second.accuracy < 0, ub = b.second.accuracy < 0;
        if (ua != ub)
            return ub;
        if (!ua && a.second.accuracy != b.second.accuracy)
            return a.second.accuracy < b.second.accuracy;
        return a.first < b.first;
    });
    std::vector<RangedBeacon> out;
    for (auto& f : found)
        out.push_back(f.second);
    return out;
}

void BeaconRanging::Core::update() {
    const auto live = liveManagers();
    const bool now =
        std::any_of(live.begin(), live.end(), [](const auto& m) { return m->active(); });
    owner.regionsChanged();
    if (now == listening)
        return;
    listening = now;
    if (listening) {
        timer = lifetime.every(seconds(1), [this] { tick(); });
    } else {
        timer.cancel();
        tags.clear();
    }
    owner.scanningChanged(listening);
}

void BeaconRanging::Core::tick() {
    ++second;
    owner.collect();
    for (auto it = tags.begin(); it != tags.end();) {
        Tag& tag = it->second;
        while (!tag.readings.empty() && second - tag.readings.front().second >= kSmoothingSeconds)
            tag.readings.pop_front();
        if (second - tag.lastHeard > kExitSeconds)
            it = tags.erase(it);
        else
            ++it;
    }
    // A callback may stop regions, drop managers or end listening altogether; the core
    // itself lives on while its radio does.
    const auto live = liveManagers();
    for (const auto& m : live)
        m->deliverTransitions(*this);
    for (const auto& m : live)
        m->deliverRanging(*this);
}

// ---- BeaconRanging ------------------------------------------------------------------

BeaconRanging::BeaconRanging(MainLoop& loop, BluetoothAdapter& adapter)
    : loop_(loop), core_(std::make_shared<Core>(*this, loop, adapter)) {}

BeaconRanging::~BeaconRanging() {
    shutdown();
}

void BeaconRanging::shutdown() {
    if (!core_)
        return;
    core_->timer.cancel();
    core_.reset();
}

std::shared_ptr<BeaconManager>
BeaconRanging::makeManager(std::weak_ptr<BeaconManagerDelegate> delegate) {
    auto manager = std::make_shared<Manager>(core_, loop_, std::move(delegate));
    if (core_)
        core_->managers.push_back(manager);
    return manager;
}

void BeaconRanging::hear(const IBeaconFrame& frame, int rssi) {
    if (!core_ || !core_->listening || core_->adapter.state() != AdapterState::PoweredOn)
        return;
    auto [it, added] = core_->tags.try_emplace(TagKey{frame.uuid, frame.major, frame.minor});
    Tag& tag = it->second;
    if (added)
        tag.order = core_->nextOrder++;
    if (rssi != 0) {
        tag.readings.push_back({core_->second, rssi});
        if (tag.readings.size() > kMaxReadings)
            tag.readings.pop_front();
    }
    tag.measuredPower = frame.measuredPower;
    tag.lastHeard = core_->second;
}

void BeaconRanging::forget(const BeaconUuid& uuid, std::uint16_t major, std::uint16_t minor) {
    if (core_)
        core_->tags.erase(TagKey{uuid, major, minor});
}

bool BeaconRanging::scanning() const {
    return core_ && core_->listening;
}

std::vector<BeaconRegion> BeaconRanging::rangedRegions() const {
    std::vector<BeaconRegion> out;
    if (!core_)
        return out;
    for (const auto& m : core_->liveManagers())
        for (auto& r : m->rangedRegions())
            out.push_back(std::move(r));
    return out;
}

long BeaconRanging::currentSecond() const {
    return core_ ? core_->second : 0;
}

double BeaconRanging::distanceEstimate(int rssi, int measuredPower) {
    if (rssi == 0 || measuredPower == 0)
        return -1;
    return std::pow(10.0, (measuredPower - rssi) / 20.0);
}

int BeaconRanging::smoothedRssi(std::span<const int> readings) {
    if (readings.empty())
        return 0;
    std::vector<int> sorted(readings.begin(), readings.end());
    std::sort(sorted.begin(), sorted.end());
    std::size_t trim = sorted.size() / 5;
    if (sorted.size() >= 3)
        trim = std::max<std::size_t>(trim, 1);
    double sum = 0;
    for (std::size_t i = trim; i < sorted.size() - trim; ++i)
        sum += sorted[i];
    return static_cast<int>(std::lround(sum / static_cast<double>(sorted.size() - 2 * trim)));
}

} // namespace platform
