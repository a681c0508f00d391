#pragma once
// The statements on the local carrier table aRegistration. Callers connect and disconnect
// the database around them. Values are escaped, so a name with a quote is stored as typed.

#include "storage/DBClass.h"

#include <string>

namespace carriers::registry {

inline constexpr const char* kInsert = "INSERT INTO aRegistration(sMac, sUUID, sMajor, sMinor, "
                                       "sName) VALUES('%@','%@','%@','%@','%@')";
inline constexpr const char* kUpdateName =
    "UPDATE aRegistration SET sName='%@' WHERE sUUID = '%@' AND sMajor = '%@' AND sMinor = '%@'";
inline constexpr const char* kSelectName =
    "SELECT sName FROM aRegistration WHERE sUUID = '%@' AND sMajor = '%@' AND sMinor = '%@'";
inline constexpr const char* kSelectKeys = "SELECT sUUID, sMajor, sMinor FROM aRegistration";
inline constexpr const char* kSelectWithNames =
    "SELECT sUUID, sMajor, sMinor, sName FROM aRegistration";
inline constexpr const char* kDelete =
    "DELETE FROM aRegistration WHERE sUUID = '%@' AND sMajor = '%@' AND sMinor = '%@'";

/// What became of each statement (Refused: the table refused the row).
[[nodiscard]] storage::Status insert(storage::DBClass& db, const std::string& mac,
                                     const std::string& uuid, const std::string& major,
                                     const std::string& minor, const std::string& name);
[[nodiscard]] storage::Status updateName(storage::DBClass& db, const std::string& name,
                                         const std::string& uuid, const std::string& major,
                                         const std::string& minor);
/// A carrier removed from the table also loses its last-seen time (CarrierSeen).
[[nodiscard]] storage::Status remove(storage::DBClass& db, const std::string& uuid,
                                     const std::string& major, const std::string& minor);
/// The stored name of a carrier, or empty text when it is not registered.
[[nodiscard]] std::string name(storage::DBClass& db, const std::string& uuid,
                               const std::string& major, const std::string& minor);
/// Rows of "0" UUID, "1" major, "2" minor.
[[nodiscard]] storage::Rows keys(storage::DBClass& db);
/// Rows of "0" UUID, "1" major, "2" minor, "3" name.
[[nodiscard]] storage::Rows withNames(storage::DBClass& db);

/// Connects `db`, reads keys() and disconnects.
[[nodiscard]] storage::Rows readKeys(storage::DBClass& db);

} // namespace carriers::registry
