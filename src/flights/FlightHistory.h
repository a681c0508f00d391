#pragma once
/// @file
/// What the refresh keeps of a tracked flight beside its row: every change it announced and
/// when its values were last confirmed by a source, in the app's own tables
/// (aFlightHistory, aFlightConfirmed, keyed like the row). Both go when the row goes.

#include "flights/FlightStatements.h"
#include "flights/FlightText.h"
#include "platform/Clock.h"
#include "storage/DBClass.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace flights {

/// One kept change and when the refresh saw it.
struct HistoryEntry {
    platform::TimePoint seenAt;
    FieldChange change;
};

/// Writes the changes of one announcement on an open connection. A row that cannot be
/// written is logged; false then.
bool recordChanges(storage::DBClass& db, const FlightKey& key, platform::TimePoint seenAt,
                   const std::vector<FieldChange>& changes);
/// The flight's kept changes, newest first; the lines of one announcement in its order.
std::vector<HistoryEntry> flightHistory(storage::DBClass& db, const FlightKey& key);

/// Stores when a source last confirmed the flight's values (logged when it cannot).
bool recordConfirmation(storage::DBClass& db, const FlightKey& key, platform::TimePoint at);
std::optional<platform::TimePoint> lastConfirmation(storage::DBClass& db, const FlightKey& key);

/// Drops what is kept of a flight whose row was deleted.
void forgetFlight(storage::DBClass& db, const FlightKey& key);

/// A history row "09:41" "게이트번호 132 → 252": the local time seen ("12/06 09:41" on
/// another day than @p today, "yyyyMMdd"); the field's word and both values, "-" for an
/// empty one and times as HH:mm.
std::string historyTime(const platform::Clock& clock, const HistoryEntry& entry,
                        std::string_view today);
std::string historyChange(const HistoryEntry& entry);

/// The card's freshness line: "방금 확인" within a minute, "n분 전 확인" within an hour,
/// "n시간 전 확인" within a day, else "MM/dd HH:mm 확인"; empty when never confirmed.
std::string freshnessText(const platform::Clock& clock,
                          const std::optional<platform::TimePoint>& confirmed,
                          platform::TimePoint now);

/// After this many ticks in a row whose requests all failed, the values may be stale.
inline constexpr int kStaleTicks = 3;
inline constexpr std::string_view kStaleMark = "연결 확인 필요";

} // namespace flights
