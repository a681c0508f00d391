#include "services/Sqlite.h"

#include <sqlite3.h>

#include <cstring>
#include <stdexcept>

namespace services {
namespace {

[[noreturn]] void fail(sqlite3* db, std::string_view what) {
    throw std::runtime_error(std::string(what) + ": " + (db ? sqlite3_errmsg(db) : "no database"));
}

} // namespace

Statement::Statement(sqlite3* db, std::string_view sql) : db_(db) {
    if (sqlite3_prepare_v2(db, sql.data(), static_cast<int>(sql.size()), &stmt_, nullptr) !=
        SQLITE_OK)
        fail(db, "prepare");
}

Statement::~Statement() {
    sqlite3_finalize(stmt_);
}

Statement& Statement::bind(int index, std::string_view value) {
    if (sqlite3_bind_text(stmt_, index, value.data(), static_cast<int>(value.size()),
                          SQLITE_TRANSIENT) != SQLITE_OK)
        fail(db_, "bind");
    return *this;
}

Statement& Statement::bind(int index, long long value) {
    if (sqlite3_bind_int64(stmt_, index, value) != SQLITE_OK)
        fail(db_, "bind");
    return *this;
}

bool Statement::step() {
    int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    fail(db_, "step");
}

void Statement::run() {
    while (step()) {
    }
    reset();
}

std::string Statement::text(int column) const {
    const unsigned char* data = sqlite3_column_text(stmt_, column);
    if (!data)
        return {};
    return std::string(reinterpret_cast<const char*>(data),
                       static_cast<std::size_t>(sqlite3_column_bytes(stmt_, column)));
}

long long Statement::integer(int column) const {
    return sqlite3_column_int64(stmt_, column);
}

void Statement::reset() {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

Database::Database(const std::string& path) {
    if (sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
        SQLITE_OK) {
        std::string message = db_ ? sqlite3_errmsg(db_) : "out of memory";
        sqlite3_close(db_);
        throw std::runtime_error("cannot open " + path + ": " + message);
    }
    sqlite3_busy_timeout(db_, 5000);
}

Database::Database(Image image) {
    if (sqlite3_open_v2(":memory:", &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
        SQLITE_OK) {
        sqlite3_close(db_);
        throw std::runtime_error("cannot open a database in memory");
    }
    const auto size = static_cast<sqlite3_int64>(image.bytes.size());
    auto* copy = static_cast<unsigned char*>(sqlite3_malloc64(image.bytes.size()));
    if (copy)
        std::memcpy(copy, image.bytes.data(), image.bytes.size());
    // SQLite owns the copy from here on, and frees it even when this fails.
    if (!copy || sqlite3_deserialize(db_, "main", copy, size, size,
                                     SQLITE_DESERIALIZE_FREEONCLOSE |
                                         SQLITE_DESERIALIZE_RESIZEABLE) != SQLITE_OK) {
        std::string message = sqlite3_errmsg(db_);
        sqlite3_close(db_);
        throw std::runtime_error("cannot load a database image: " + message);
    }
}

Database::~Database() {
    sqlite3_close(db_);
}

void Database::exec(std::string_view sql) {
    std::string text(sql);
    if (sqlite3_exec(db_, text.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK)
        fail(db_, "exec");
}

Transaction::Transaction(Database& db) : db_(db) {
    db_.exec("BEGIN IMMEDIATE");
}

Transaction::~Transaction() {
    if (!done_) {
        try {
            db_.exec("ROLLBACK");
        } catch (...) {
            // The transaction is gone already; nothing more to undo.
        }
    }
}

void Transaction::commit() {
    db_.exec("COMMIT");
    done_ = true;
}

} // namespace services
