#include "flights/FlightHistory.h"

#include "platform/Log.h"
#include "storage/SqlFormat.h"

#include <algorithm>
#include <array>

namespace flights {
namespace {

// Fields are stored by a code of their own, not by the words shown, which may change.
constexpr std::array<std::pair<ChangedField, std::string_view>, 6> kCodes{{
    {ChangedField::Time, "time"},
    {ChangedField::Gate, "gate"},
    {ChangedField::Carousel, "carousel"},
    {ChangedField::Exit, "exit"},
    {ChangedField::Status, "status"},
    {ChangedField::CheckIn, "checkin"},
}};

constexpr std::string_view kInsertChange =
    "INSERT INTO aFlightHistory(airportcode_departure, airportcode_arrival, flightId, "
    "scheduleDate, seenAt, field, oldValue, newValue) VALUES('%@','%@','%@','%@','%@','%@','%@',"
    "'%@')";
constexpr std::string_view kSelectChanges =
    "SELECT seenAt, field, oldValue, newValue FROM aFlightHistory WHERE airportcode_departure = "
    "'%@' AND airportcode_arrival = '%@' AND flightId = '%@' AND scheduleDate = '%@' ORDER BY "
    "seenAt DESC, rowid";
constexpr std::string_view kStoreConfirmation =
    "INSERT OR REPLACE INTO aFlightConfirmed(airportcode_departure, airportcode_arrival, "
    "flightId, scheduleDate, confirmedAt) VALUES('%@','%@','%@','%@','%@')";
constexpr std::string_view kSelectConfirmation =
    "SELECT confirmedAt FROM aFlightConfirmed WHERE airportcode_departure = '%@' AND "
    "airportcode_arrival = '%@' AND flightId = '%@' AND scheduleDate = '%@'";
constexpr std::string_view kForget[] = {
    "DELETE FROM aFlightHistory WHERE airportcode_departure = '%@' AND airportcode_arrival = "
    "'%@' AND flightId = '%@' AND scheduleDate = '%@'",
    "DELETE FROM aFlightConfirmed WHERE airportcode_departure = '%@' AND airportcode_arrival = "
    "'%@' AND flightId = '%@' AND scheduleDate = '%@'",
};

std::string seconds(platform::TimePoint at) {
    return std::to_string(
        std::chrono::duration_cast<std::chrono::seconds>(at.time_since_epoch()).count());
}

platform::TimePoint fromSeconds(const std::string& text) {
    return platform::TimePoint(std::chrono::seconds(leadingInteger(text)));
}

std::string keyed(std::string_view tmpl, const FlightKey& k) {
    return storage::sqlFormat(
        tmpl, {k.airportcode_departure, k.airportcode_arrival, k.flightId, k.scheduleDate});
}

std::string shownValue(ChangedField field, const std::string& value) {
    if (value.empty())
        return "-";
    if (field == ChangedField::Time && charCount(value) >= 4)
        return std::string(chars(value, 0, 2)) + ":" + std::string(chars(value, 2, 2));
    return value;
}

} // namespace

bool recordChanges(storage::DBClass& db, const FlightKey& k, platform::TimePoint seenAt,
                   const std::vector<FieldChange>& changes) {
    bool written = true;
    const std::string at = seconds(seenAt);
    for (const auto& c : changes) {
        const auto code = std::find_if(kCodes.begin(), kCodes.end(),
                                       [&](const auto& p) { return p.first == c.field; });
        if (db.execute(kInsertChange, {k.airportcode_departure, k.airportcode_arrival, k.flightId,
                                       k.scheduleDate, at, code->second, c.before, c.after}) !=
            storage::Status::Ok) {
            platform::logLine("flight history could not be written: " + k.flightId + " " +
                              std::string(code->second));
            written = false;
        }
    }
    return written;
}

std::vector<HistoryEntry> flightHistory(storage::DBClass& db, const FlightKey& key) {
    std::vector<HistoryEntry> out;
    for (const auto& row : db.query(keyed(kSelectChanges, key)).valueOr({})) {
        const auto code = std::find_if(kCodes.begin(), kCodes.end(),
                                       [&](const auto& p) { return p.second == row.at("1"); });
        if (code == kCodes.end())
            continue; // a field a later build added
        out.push_back({fromSeconds(row.at("0")), {code->first, row.at("2"), row.at("3")}});
    }
    return out;
}

bool recordConfirmation(storage::DBClass& db, const FlightKey& k, platform::TimePoint at) {
    if (db.execute(kStoreConfirmation, {k.airportcode_departure, k.airportcode_arrival, k.flightId,
                                        k.scheduleDate, seconds(at)}) == storage::Status::Ok)
        return true;
    platform::logLine("flight confirmation could not be written: " + k.flightId);
    return false;
}

std::optional<platform::TimePoint> lastConfirmation(storage::DBClass& db, const FlightKey& key) {
    const auto rows = db.query(keyed(kSelectConfirmation, key)).valueOr({});
    if (rows.empty())
        return std::nullopt;
    return fromSeconds(rows.front().at("0"));
}

void forgetFlight(storage::DBClass& db, const FlightKey& key) {
    for (const auto tmpl : kForget)
        if (db.execute(keyed(tmpl, key)) != storage::Status::Ok)
            platform::logLine("flight history could not be removed: " + key.flightId);
}

std::string historyTime(const platform::Clock& clock, const HistoryEntry& e,
                        std::string_view today) {
    const bool sameDay = platform::formatLocal(clock, e.seenAt, "yyyyMMdd") == today;
    return platform::formatLocal(clock, e.seenAt, sameDay ? "HH:mm" : "MM/dd HH:mm");
}

std::string historyChange(const HistoryEntry& e) {
    return std::string(fieldWord(e.change.field)) + " " +
           shownValue(e.change.field, e.change.before) + " → " +
           shownValue(e.change.field, e.change.after);
}

std::string freshnessText(const platform::Clock& clock,
                          const std::optional<platform::TimePoint>& confirmed,
                          platform::TimePoint now) {
    if (!confirmed)
        return "";
    const auto minutes = std::chrono::duration_cast<std::chrono::minutes>(now - *confirmed).count();
    if (minutes < 1)
        return "방금 확인";
    if (minutes < 60)
        return std::to_string(minutes) + "분 전 확인";
    if (minutes < 24 * 60)
        return std::to_string(minutes / 60) + "시간 전 확인";
    return platform::formatLocal(clock, *confirmed, "MM/dd HH:mm 확인");
}

} // namespace flights
