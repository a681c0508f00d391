#pragma once
// When each registered carrier was last in range, kept across visits and restarts in a table
// of its own beside the schema's tables (aCarrierSeen), so that files opened by older builds
// are unaffected.

#include "carriers/RegistrationBeacon.h"
#include "platform/Clock.h"
#include "platform/MainLoop.h"
#include "storage/DBClass.h"

#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace carriers {

inline constexpr const char* kCreateSeenTable =
    "CREATE TABLE IF NOT EXISTS aCarrierSeen(sUUID varchar(120) not null, sMajor varchar(10) "
    "not null, sMinor varchar(10) not null, nSeenAt integer not null, constraint "
    "aCarrierSeen_PK PRIMARY KEY(sUUID, sMajor, sMinor))";
/// nSeenAt: seconds since 1970-01-01 UTC.
inline constexpr const char* kWriteSeen = "INSERT OR REPLACE INTO aCarrierSeen(sUUID, sMajor, "
                                          "sMinor, nSeenAt) VALUES('%@','%@','%@',%@)";
inline constexpr const char* kSelectSeen =
    "SELECT sUUID, sMajor, sMinor, nSeenAt FROM aCarrierSeen";
inline constexpr const char* kDeleteSeen =
    "DELETE FROM aCarrierSeen WHERE sUUID = '%@' AND sMajor = '%@' AND sMinor = '%@'";

/// A carrier's stored time is rewritten at most this often while it stays in range.
inline constexpr platform::Duration kSeenWriteInterval = std::chrono::minutes(1);
inline constexpr const char* kNeverSeenText = "본 적 없음";

/// The line under a carrier of the list: the word for this visit (near, still looking, not
/// found) followed by how long ago it was last in range ("찾지 못함 · 12분 전"); a carrier seen
/// in this visit reads just "근처에 있음" within its first minute, and one never seen reads
/// "본 적 없음" once the scan stopped looking.
[[nodiscard]] std::string seenLine(bool seen, bool looking, std::optional<long> minutesAgo);

/// Removes a carrier's last-seen time on the open connection of `db` (its result is that of
/// the statement; a table not made yet fails harmlessly).
storage::Status forgetSeen(storage::DBClass& db, const std::string& uuid, const std::string& major,
                           const std::string& minor);

/// The last-seen times of one screen, read once and written back as carriers are heard.
class CarrierSeen {
public:
    CarrierSeen(std::string databaseFile, const platform::Clock& clock);

    /// Creates the table when missing and reads every stored time.
    void load();
    /// `carrier` is in range now. Remembered at once; written when its stored time is a
    /// minute old or more (or lies ahead, after the clock was set back). A failed write is
    /// logged and tried again a minute later.
    void heard(const RegistrationBeacon& carrier);
    /// Whole minutes since `carrier` was last in range (0 for a time ahead of the clock);
    /// none when it never was.
    [[nodiscard]] std::optional<long> minutesAgo(const RegistrationBeacon& carrier) const;
    /// How long until the minutes of one of `carriers` next change; none when none was seen.
    /// Times only move later, so no line changes sooner.
    [[nodiscard]] std::optional<platform::Duration>
    untilNextMinute(const std::vector<BeaconRecord>& carriers) const;

private:
    using Key = std::tuple<std::string, std::string, std::string>;
    struct Times {
        platform::TimePoint seen;
        platform::TimePoint written;
    };
    static Key keyOf(const RegistrationBeacon& carrier);
    const Times* find(const RegistrationBeacon& carrier) const;

    storage::DBClass db_;
    const platform::Clock& clock_;
    std::map<Key, Times> times_;
};

} // namespace carriers
