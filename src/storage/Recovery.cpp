// The start-up check of the database file: a file that cannot be read is set aside and
// replaced, keeping the user's carriers and tracked flights that can still be read.

#include "platform/Clock.h"
#include "platform/Log.h"
#include "storage/DBClass.h"

#include <filesystem>
#include <sqlite3.h>

namespace storage {
namespace {

namespace fs = std::filesystem;

/// The tables whose rows are the user's own; the others are refilled from the services.
constexpr const char* kKeptTables[] = {"aRegistration", "aFlightInfo"};

/// Files that belong to the database, moved with it.
constexpr const char* kCompanions[] = {"-journal", "-wal", "-shm"};

} // namespace

std::optional<std::string> DBClass::unreadableReason() {
    if (!contactDB_)
        return std::nullopt;
    // Preparing reads the header and the schema; stepping walks every page once (a file of
    // 10,000 cities takes a few milliseconds).
    const auto rows = query("PRAGMA quick_check(1)");
    if (rows.status() == Status::Damaged)
        return sqlite3_errstr(lastResultCode_);
    if (rows && !rows->empty() && rows->front().at("0") != "ok")
        return rows->front().at("0");
    // Busy, locked, no permission, I/O errors: the file may read well next time.
    return std::nullopt;
}

std::optional<std::string> DBClass::moveAside(const platform::Clock& clock) {
    const std::string stamp = platform::formatLocal(clock, clock.now(), "yyyyMMdd-HHmmss");
    const std::string base = databaseFile_ + ".corrupt-" + stamp;
    std::string target = base;
    std::error_code ec;
    // Never over an earlier copy: a second recovery in the same second gets its own name.
    for (int n = 2; fs::exists(target, ec) || fs::exists(target + "-journal", ec); ++n)
        target = base + "-" + std::to_string(n);
    fs::rename(databaseFile_, target, ec);
    if (ec) {
        platform::logLine("database " + databaseFile_ + " cannot be moved aside: " + ec.message());
        return std::nullopt;
    }
    // A journal left beside the new file would be played back into it.
    for (const char* suffix : kCompanions) {
        if (!fs::exists(databaseFile_ + suffix, ec))
            continue;
        fs::rename(databaseFile_ + suffix, target + suffix, ec);
        if (ec)
            platform::logLine("database " + databaseFile_ + suffix +
                              " cannot be moved aside: " + ec.message());
    }
    return target;
}

void DBClass::createDatabase(const platform::Clock& clock) {
    const auto reason = unreadableReason();
    if (!reason) {
        createDatabase();
        return;
    }
    // What can still be read, in table order and, past a damaged page, from the far end.
    std::vector<std::pair<const char*, Rows>> kept;
    for (const char* table : kKeptTables) {
        Rows rows;
        if (readRows(std::string("SELECT * FROM ") + table, Keys::Position, rows) != Status::Ok)
            (void)readRows(std::string("SELECT * FROM ") + table + " ORDER BY rowid DESC",
                           Keys::Position, rows);
        kept.emplace_back(table, std::move(rows));
    }
    DisConnectDB();
    const auto target = moveAside(clock);
    ConnectDB();
    if (!target)
        return;
    createDatabase();
    std::string counts;
    const bool stored = inTransaction("database recovery", [&] {
        for (const auto& [table, rows] : kept) {
            int stored = 0;
            for (const Row& row : rows) {
                std::string sql = std::string("INSERT OR IGNORE INTO ") + table + " VALUES (";
                for (std::size_t i = 0; i < row.size(); ++i)
                    sql += i ? ",?" : "?";
                sql += ")";
                sqlite3_stmt* raw = nullptr;
                sqlite3_prepare_v2(contactDB_.get(), sql.c_str(), -1, &raw, nullptr);
                const Statement statement(raw);
                if (!statement)
                    continue; // a row of another shape than the current table
                int column = 0;
                for (const auto& [key, value] : row)
                    sqlite3_bind_text(statement.get(), ++column, value.data(),
                                      static_cast<int>(value.size()), SQLITE_TRANSIENT);
                noteResult(sqlite3_step(statement.get()), sql);
                if (lastStatus_ == Status::Ok)
                    stored += sqlite3_changes(contactDB_.get());
                else if (lastStatus_ != Status::Refused)
                    return false;
            }
            counts += std::string(counts.empty() ? "" : ", ") + std::to_string(stored) + " " +
                      table + " rows";
        }
        return true;
    });
    platform::logLine("database " + databaseFile_ + " cannot be read (" + *reason +
                      "): moved aside as " + fs::path(*target).filename().string() + ", kept " +
                      (stored && !counts.empty() ? counts : std::string("nothing")));
}

} // namespace storage
