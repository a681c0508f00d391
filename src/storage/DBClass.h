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
#include <variant>
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

/// What became of a statement or a query. Callers in this code base decide on these; the
/// texts "0", "-1", "ERROR" and SQLite's result codes are the wrappers' results only.
enum class Status {
    Ok,          ///< done; for a query, every row was read (an empty list: nothing matched)
    RowReturned, ///< a statement run to change data stopped at a result row
    Refused,     ///< the table refused this row's values (key, constraint, type, size): the
                 ///< next row may well succeed
    Invalid,     ///< the text does not compile (syntax, no such table or column) or is empty
    NotOpen,     ///< no connection: never opened, closed, or the file could not be opened
    Busy,        ///< another connection holds the file (busy, locked)
    Damaged,     ///< not a database, or damaged
    FileFault,   ///< any other failure of the file: full, read-only, I/O error, permission
    Exception,   ///< the platform raised an exception (logged as "Exception = ...")
};

/// A value, or the status of the failure that kept it from being read.
template <typename T> class Result {
public:
    Result(T value) : state_(std::move(value)) {}
    Result(Status failure) : state_(failure) {}

    bool ok() const { return state_.index() == 0; }
    explicit operator bool() const { return ok(); }
    Status status() const { return ok() ? Status::Ok : std::get<Status>(state_); }
    /// The value; only when ok().
    const T& operator*() const { return std::get<T>(state_); }
    const T* operator->() const { return &std::get<T>(state_); }
    /// The value, or @p fallback after a failure.
    T valueOr(T fallback) && { return ok() ? std::move(std::get<T>(state_)) : std::move(fallback); }

private:
    std::variant<T, Status> state_;
};

/// Thin synchronous wrapper over one SQLite connection.
///
/// Each user makes its own instance and brackets a piece of work with a storage::Connection
/// (ConnectDB() and DisConnectDB()). Statements run one after another; the most recent one is
/// kept until the next statement replaces it or the connection ends, and is finalized then.
///
/// Values read back are the columns' UTF-8 text; a NULL column reads as the empty string.
/// Failures are values. The typed calls (open, query, execute) say what happened; the
/// original interface (ConnectDB ... lastResultCode) keeps its 1/0, empty-list and
/// "0"/"-1"/"ERROR" results as thin wrappers over them.
class DBClass {
public:
    /// Which keys a query's rows carry.
    enum class Keys {
        Position,      ///< "0", "1", ... by column position
        ExchangeNames, ///< "sDATE", "CUR_UNIT", "CUR_NM", "TTB", "TTS", "DEAL_BAS_R",
                       ///< "LASTDATE" for the first seven columns whatever the statement calls
                       ///< them; any further column under "" (the last one wins)
    };

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

    /// Runs a query. Ok with an empty list: nothing matched.
    Result<Rows> query(const std::string& sql, Keys keys = Keys::Position);
    /// Prepares and steps a statement once: Ok when it completed.
    Status execute(const std::string& sql);
    /// execute(sqlFormat(tmpl, values)), for a statement run many times with different
    /// values: when every placeholder of the template is a quoted text value ('%@'), the
    /// values are bound as text rather than written into the statement, and the statement is
    /// prepared once per connection and reused. Missing values are taken as empty.
    Status execute(std::string_view tmpl, std::initializer_list<std::string_view> values);

    /// open(): 1, also when SQLite cannot open the file; 0 only after an exception.
    int ConnectDB();
    /// close(): 1, or 0 after an exception (logged).
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

    /// query() keyed by position; the rows read before a failure, none after an exception.
    Rows SelectExcuteQuery(const std::string& sql);
    /// query() keyed by the exchange names; failure as SelectExcuteQuery().
    Rows SelectExcuteQuery_Name(const std::string& sql);
    /// execute(): "0" when Ok, "ERROR" after an exception, else "-1".
    std::string InsertUpdateDeleteExcuteQuery(const std::string& sql);
    /// The template execute() with the same results.
    std::string InsertUpdateDeleteExcuteTemplate(std::string_view tmpl,
                                                 std::initializer_list<std::string_view> values);
    /// SQLite's primary result code of the most recent statement: SQLITE_OK after a completed
    /// statement or a read query, else the code of the failed preparation or step.
    /// SQLITE_MISUSE while no connection is open.
    int lastResultCode() const { return lastResultCode_; }

    /// Runs @p work inside one BEGIN IMMEDIATE ... COMMIT on the open connection. When the
    /// transaction cannot begin, @p work returns false or the commit fails, everything is
    /// rolled back and "<what> rolled back: <SQLite message>" logged. True when committed.
    bool inTransaction(std::string_view what, const std::function<bool()>& work);

private:
    /// Opens (creating if needed) the database file, closing an open connection first.
    /// NotOpen when SQLite cannot open it (logged); statements then fail with NotOpen.
    Status open();
    /// Finalizes the statements and closes the connection.
    void close();

    struct CloseConnection {
        void operator()(sqlite3* db) const noexcept;
    };
    struct FinalizeStatement {
        void operator()(sqlite3_stmt* statement) const noexcept;
    };
    using Handle = std::unique_ptr<sqlite3, CloseConnection>;
    using Statement = std::unique_ptr<sqlite3_stmt, FinalizeStatement>;

    bool prepare(const std::string& sql);
    /// Records a step's or preparation's result code and its status; failures of the file
    /// are logged.
    void noteResult(int rc, std::string_view sql);
    /// Sets the status without a result code (an exception, an empty statement).
    Status noteStatus(Status status);
    Status step(sqlite3_stmt* statement, std::string_view sql);
    sqlite3_stmt* preparedTemplate(std::string_view tmpl);
    /// The query's rows into @p rows, also those read before a failure.
    Status readRows(const std::string& sql, Keys keys, Rows& rows);
    std::optional<int> readUserVersion();
    // Recovery of a file that cannot be read (Recovery.cpp).
    std::optional<std::string> unreadableReason();
    std::optional<std::string> moveAside(const platform::Clock& clock);

    std::string databaseFile_;
    int lastResultCode_ = 0;
    Status lastStatus_ = Status::Ok;
    // Declared before the statement so that the statement is finalized first.
    Handle contactDB_;
    Statement QueryStatement_;
    // Templates prepared on this connection, by their text; finalized before it closes.
    std::vector<std::pair<std::string, Statement>> templates_;
};

} // namespace storage
