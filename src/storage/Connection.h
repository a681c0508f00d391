#pragma once
/// @file
/// One piece of work on the database: a connection that closes on every path out of it.

#include "storage/DBClass.h"

#include <memory>
#include <string>

namespace platform {
class Clock;
}

namespace storage {

/// Connects a DBClass when made (ConnectDB) and disconnects it when it ends (DisConnectDB),
/// whatever way the work between ends. Connections on one DBClass do not nest: connecting
/// closes an open connection first, so inner work on the same DBClass ends the outer's.
class Connection {
public:
    /// Works on the caller's @p db (a screen's own, say).
    explicit Connection(DBClass& db) : db_(db) { db_.ConnectDB(); }
    /// Works on a DBClass of its own, made for the occasion, on @p databaseFile.
    explicit Connection(std::string databaseFile)
        : owned_(std::make_unique<DBClass>(std::move(databaseFile))), db_(*owned_) {
        db_.ConnectDB();
    }
    ~Connection() { db_.DisConnectDB(); }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    DBClass& operator*() const { return db_; }
    DBClass* operator->() const { return &db_; }

private:
    std::unique_ptr<DBClass> owned_;
    DBClass& db_;
};

/// What a screen runs as it loads: connects @p db, creates missing tables and migrates the
/// schema (DBClass::createDatabase), disconnects. With @p startUpCheck, the main screen's
/// start-up check of the file first (DBClass::createDatabase(const platform::Clock&)).
inline void createDatabase(DBClass& db, const platform::Clock* startUpCheck = nullptr) {
    const Connection connection(db);
    if (startUpCheck)
        db.createDatabase(*startUpCheck);
    else
        db.createDatabase();
}

} // namespace storage
