#include "carriers/CarrierSeen.h"

#include "carriers/ScanParts.h"
#include "platform/Log.h"
#include "storage/Connection.h"
#include "storage/SqlFormat.h"

#include <algorithm>
#include <charconv>

namespace carriers {
std::string seenLine(bool seen, bool looking, std::optional<long> minutesAgo) {
    if (!minutesAgo)
        return seen || looking ? carrierSeenText(seen, looking) : kNeverSeenText;
    std::string line = carrierSeenText(seen, looking);
    if (*minutesAgo > 0)
        line += " · " + std::to_string(*minutesAgo) + "분 전";
    else if (!seen)
        line += " · 방금 전";
    return line;
}

storage::Status forgetSeen(storage::DBClass& db, const std::string& uuid, const std::string& major,
                           const std::string& minor) {
    return db.execute(storage::sqlFormat(kDeleteSeen, {uuid, major, minor}));
}

CarrierSeen::CarrierSeen(std::string databaseFile, const platform::Clock& clock)
    : db_(std::move(databaseFile)), clock_(clock) {}

CarrierSeen::Key CarrierSeen::keyOf(const RegistrationBeacon& carrier) {
    return {carrier.sRegistration_UUID, carrier.sRegistration_Select_Major,
            carrier.sRegistration_Select_Minor};
}

const CarrierSeen::Times* CarrierSeen::find(const RegistrationBeacon& carrier) const {
    auto it = times_.find(keyOf(carrier));
    return it == times_.end() ? nullptr : &it->second;
}

void CarrierSeen::load() {
    const storage::Rows rows = [this] {
        const storage::Connection connection(db_);
        if (db_.execute(kCreateSeenTable) != storage::Status::Ok)
            platform::logLine("aCarrierSeen not created");
        return db_.query(kSelectSeen).valueOr({});
    }();
    times_.clear();
    for (const auto& row : rows) {
        const std::string& text = row.value("3");
        long long secs = 0;
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), secs);
        if (ec != std::errc() || end != text.data() + text.size())
            continue;
        const platform::TimePoint at{std::chrono::seconds(secs)};
        times_[{row.value("0"), row.value("1"), row.value("2")}] = {at, at};
    }
}

void CarrierSeen::heard(const RegistrationBeacon& carrier) {
    const platform::TimePoint now = clock_.now();
    auto [it, added] = times_.try_emplace(keyOf(carrier), Times{now, now});
    Times& times = it->second;
    if (!added) {
        times.seen = now;
        if (now - times.written < kSeenWriteInterval && now >= times.written)
            return;
        times.written = now;
    }
    const auto secs = std::chrono::floor<std::chrono::seconds>(now.time_since_epoch()).count();
    const storage::Connection connection(db_);
    // A failing file is logged by the database itself with SQLite's message.
    if (db_.execute(storage::sqlFormat(
            kWriteSeen, {carrier.sRegistration_UUID, carrier.sRegistration_Select_Major,
                         carrier.sRegistration_Select_Minor, std::to_string(secs)})) !=
        storage::Status::Ok)
        platform::logLine("Last-seen time of " + carrier.sRegistration_UUID + " " +
                          carrier.sRegistration_Select_Major + "/" +
                          carrier.sRegistration_Select_Minor + " not stored");
}

std::optional<long> CarrierSeen::minutesAgo(const RegistrationBeacon& carrier) const {
    const Times* times = find(carrier);
    if (!times)
        return std::nullopt;
    const auto elapsed = clock_.now() - times->seen;
    if (elapsed.count() < 0)
        return 0;
    return static_cast<long>(std::chrono::floor<std::chrono::minutes>(elapsed).count());
}

std::optional<platform::Duration>
CarrierSeen::untilNextMinute(const std::vector<BeaconRecord>& carriers) const {
    constexpr platform::Duration minute = std::chrono::minutes(1);
    const platform::TimePoint now = clock_.now();
    std::optional<platform::Duration> soonest;
    for (const auto& carrier : carriers) {
        const Times* times = find(*carrier);
        if (!times)
            continue;
        const platform::Duration elapsed = now - times->seen;
        const platform::Duration wait =
            elapsed.count() < 0 ? minute - elapsed : minute - elapsed % minute;
        soonest = soonest ? std::min(*soonest, wait) : wait;
    }
    return soonest;
}

} // namespace carriers
