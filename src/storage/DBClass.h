#pragma once
/// @file
/// The database wrapper through which every screen and feed reads and writes the local
/// SQLite file.

#include "storage/Row.h"

#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace platform {
class Clock;
}

namespace storage {

/// Result rows in the order SQLite returns them.
using Rows = std::vector<Row>;

/// File name of the database inside the documents directory.
inline constexpr std::string_view kDatabaseFileName = "tamberlinove_v2.sqlite3";

/// Statement results of DBClass::InsertUpdateDeleteExcuteQuery.
inline constexpr std::string_view kStatementDone = "0";
inline constexpr std::string_view kStatementFailed = "-1";
inline constexpr std::string_view kStatementError = "ERROR";

/// True for SQLite result codes that concern one statement's values (a key or constraint the
/// row breaks, a value that does not fit): the next row may well succeed. Any other failure
/// concerns the file or the connection (full disk, I/O error, locked, read-only, damaged).
bool rowLevelFailure(int code);

/// Thin synchronous wrapper over one SQLite connection.
///
/// Each user makes its own instance and brackets a piece of work with ConnectDB() and
/// DisConnectDB(). Statements run one after another; the most recent one is kept until the
/// next statement replaces it or the connection ends, and is finalized then.
///
/// Values read back are the columns' UTF-8 text; a NULL column reads as the empty string.
/// Failures are values: an empty row list, "-1" or "ERROR".
class DBClass {
public:
    /// @param databaseFile full path of the database file (see databasePath()).
    explicit DBClass(std::string databaseFile);
    ~DBClass();
    DBClass(const DBClass&) = delete;
    DBClass& operator=(const DBClass&) = delete;

    /// The database file inside @p documentsDir: documentsDir + "/tamberlinove_v2.sqlite3".
    static std::string databasePath(const std::string& documentsDir);

    /// Full path of the database file this instance opens.
    const std::string& databaseFile() const { return databaseFile_; }
    /// True while a connection is open.
    bool isOpen() const { return contactDB_ != nullptr; }

    /// Opens (creating if needed) the database file. Returns 1 also when SQLite cannot open
    /// the file; statements then fail as failed preparations. Returns 0 only after an
    /// exception, logged as "Exception = <description>". An open connection is closed first.
    int ConnectDB();
    /// Finalizes the current statement and closes the connection. Returns 1, or 0 after an
    /// exception (logged).
    int DisConnectDB();
    /// Creates missing tables and migrates the schema to version 13: older files keep
    /// aRegistration and lose the other four tables' rows. Results of the individual
    /// statements are not examined. When the version cannot be read nothing is dropped.
    void createDatabase();
    /// The start-up check: createDatabase(), after a file that cannot be read (not a database,
    /// or damaged as SQLite or its quick_check finds it) has been moved aside, never deleted,
    /// as "<file>.corrupt-yyyyMMdd-HHmmss" (local time of @p clock) with its journal, and
    /// replaced by a new file holding the rows of aRegistration and aFlightInfo that could
    /// still be read. A busy, locked or unreadable-for-now file (permissions, I/O errors) is
    /// left where it is. Logged either way.
    void createDatabase(const platform::Clock& clock);
    /// The file's user_version, read with a statement of its own. -1 when it cannot be read
    /// (logged as "queryUserVersion: ERROR Preparing: , <SQLite message>").
    int queryUserVersion();

    /// Runs a query; each row is keyed by column position "0", "1", ... An empty list means
    /// no row matched or the query failed.
    Rows SelectExcuteQuery(const std::string& sql);
    /// Runs a query; the first seven columns are keyed "sDATE", "CUR_UNIT", "CUR_NM", "TTB",
    /// "TTS", "DEAL_BAS_R", "LASTDATE" whatever the statement calls them; any further column
    /// goes under "" (the last one wins). Failure as SelectExcuteQuery().
    Rows SelectExcuteQuery_Name(const std::string& sql);
    /// Prepares and steps a statement once: "0" when it completed, "-1" when it failed to
    /// prepare or the step reported anything else (error, constraint violation, a row),
    /// "ERROR" after an exception.
    std::string InsertUpdateDeleteExcuteQuery(const std::string& sql);
    /// The same as InsertUpdateDeleteExcuteQuery(sqlFormat(tmpl, values)), for a statement
    /// run many times with different values: when every placeholder of the template is a
    /// quoted text value ('%@'), the values are bound as text rather than written into the
    /// statement, and the statement is prepared once per connection and reused. Other
    /// templates are composed with sqlFormat(). Missing values are taken as empty.
    std::string InsertUpdateDeleteExcuteTemplate(std::string_view tmpl,
                                                 std::initializer_list<std::string_view> values);
    /// SQLite's primary result code of the most recent statement of this instance: SQLITE_OK
    /// after a completed statement or a read query, else the code of the failed preparation or
    /// step (SQLITE_CONSTRAINT, SQLITE_FULL, SQLITE_IOERR, ...). SQLITE_MISUSE while no
    /// connection is open. Lets a caller tell a bad row from a failing file.
    int lastResultCode() const { return lastResultCode_; }

    /// Runs @p work inside one BEGIN IMMEDIATE ... COMMIT on the open connection. When the
    /// transaction cannot begin, @p work returns false or the commit fails, everything is
    /// rolled back and "<what> rolled back: <SQLite message>" logged. True when committed.
    bool inTransaction(std::string_view what, const std::function<bool()>& work);

private:
    struct CloseConnection {
        void operator()(sqlite3* db) const noexcept;
    };
    struct FinalizeStatement {
        void operator()(sqlite3_stmt* statement) const noexcept;
    };
    using Connection = std::unique_ptr<sqlite3, CloseConnection>;
    using Statement = std::unique_ptr<sqlite3_stmt, FinalizeStatement>;

    enum class Keys { Position, ExchangeNames };

    bool prepare(const std::string& sql);
    /// Records a step's or preparation's result code; failures of the file are logged.
    void noteResult(int rc, std::string_view sql);
    sqlite3_stmt* preparedTemplate(std::string_view tmpl);
    Rows readRows(const std::string& sql, Keys keys);
    std::optional<int> readUserVersion();
    // Recovery of a file that cannot be read (Recovery.cpp).
    std::optional<std::string> unreadableReason();
    std::optional<std::string> moveAside(const platform::Clock& clock);

    std::string databaseFile_;
    int lastResultCode_ = 0;
    // Declared before the statement so that the statement is finalized first.
    Connection contactDB_;
    Statement QueryStatement_;
    // Templates prepared on this connection, by their text; finalized before it closes.
    std::vector<std::pair<std::string, Statement>> templates_;
};

} // namespace storage
