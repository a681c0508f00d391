#include "carriers/CarrierRegistry.h"

#include "carriers/CarrierSeen.h"
#include "storage/Connection.h"
#include "storage/SqlFormat.h"

namespace carriers::registry {

storage::Status insert(storage::DBClass& db, const std::string& mac, const std::string& uuid,
                       const std::string& major, const std::string& minor,
                       const std::string& name) {
    return db.execute(storage::sqlFormat(kInsert, {mac, uuid, major, minor, name}));
}

storage::Status updateName(storage::DBClass& db, const std::string& name, const std::string& uuid,
                           const std::string& major, const std::string& minor) {
    return db.execute(storage::sqlFormat(kUpdateName, {name, uuid, major, minor}));
}

storage::Status remove(storage::DBClass& db, const std::string& uuid, const std::string& major,
                       const std::string& minor) {
    const storage::Status result = db.execute(storage::sqlFormat(kDelete, {uuid, major, minor}));
    if (result == storage::Status::Ok)
        (void)forgetSeen(db, uuid, major, minor); // a removed carrier keeps no last-seen time
    return result;
}

std::string name(storage::DBClass& db, const std::string& uuid, const std::string& major,
                 const std::string& minor) {
    const auto rows = db.query(storage::sqlFormat(kSelectName, {uuid, major, minor})).valueOr({});
    if (rows.empty())
        return {};
    return rows.front().value("0");
}

storage::Rows keys(storage::DBClass& db) {
    return db.query(kSelectKeys).valueOr({});
}

storage::Rows withNames(storage::DBClass& db) {
    return db.query(kSelectWithNames).valueOr({});
}

storage::Rows readKeys(storage::DBClass& db) {
    const storage::Connection connection(db);
    return keys(db);
}

} // namespace carriers::registry
