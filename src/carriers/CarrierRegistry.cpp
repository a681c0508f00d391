#include "carriers/CarrierRegistry.h"

#include "carriers/CarrierSeen.h"
#include "storage/SqlFormat.h"

namespace carriers::registry {

std::string insert(storage::DBClass& db, const std::string& mac, const std::string& uuid,
                   const std::string& major, const std::string& minor, const std::string& name) {
    return db.InsertUpdateDeleteExcuteQuery(
        storage::sqlFormat(kInsert, {mac, uuid, major, minor, name}));
}

std::string updateName(storage::DBClass& db, const std::string& name, const std::string& uuid,
                       const std::string& major, const std::string& minor) {
    return db.InsertUpdateDeleteExcuteQuery(
        storage::sqlFormat(kUpdateName, {name, uuid, major, minor}));
}

std::string remove(storage::DBClass& db, const std::string& uuid, const std::string& major,
                   const std::string& minor) {
    std::string result =
        db.InsertUpdateDeleteExcuteQuery(storage::sqlFormat(kDelete, {uuid, major, minor}));
    if (result == "0")
        (void)forgetSeen(db, uuid, major, minor); // a removed carrier keeps no last-seen time
    return result;
}

std::string name(storage::DBClass& db, const std::string& uuid, const std::string& major,
                 const std::string& minor) {
    const auto rows = db.SelectExcuteQuery(storage::sqlFormat(kSelectName, {uuid, major, minor}));
    if (rows.empty())
        return {};
    auto it = rows.front().find("0");
    return it == rows.front().end() ? std::string() : it->second;
}

storage::Rows keys(storage::DBClass& db) {
    return db.SelectExcuteQuery(kSelectKeys);
}

storage::Rows withNames(storage::DBClass& db) {
    return db.SelectExcuteQuery(kSelectWithNames);
}

storage::Rows readKeys(storage::DBClass& db) {
    db.ConnectDB();
    auto rows = keys(db);
    db.DisConnectDB();
    return rows;
}

} // namespace carriers::registry
