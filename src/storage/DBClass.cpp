#include "storage/DBClass.h"

#include "platform/Log.h"
#include "storage/Schema.h"
#include "storage/SqlFormat.h"

#include <algorithm>
#include <climits>
#include <exception>
#include <iterator>
#include <sqlite3.h>
#include <utility>

namespace storage {
namespace {

constexpr const char* kExchangeNames[] = {"sDATE", "CUR_UNIT",   "CUR_NM",  "TTB",
                                          "TTS",   "DEAL_BAS_R", "LASTDATE"};
constexpr int kExchangeNameCount = static_cast<int>(std::size(kExchangeNames));

void logException(const std::exception& e) {
    platform::logLine(std::string("Exception = ") + e.what());
}

// The keys of a query's rows and, slot by slot, the result column read into each. The key list
// is built once per query and shared by its rows. A key named by several columns keeps the last
// of them, as repeated assignment to a map would, in that column's place.
struct KeyLayout {
    std::shared_ptr<const RowKeys> keys;
    std::vector<int> columns;
};

KeyLayout keyLayout(int columnCount, bool exchangeNames) {
    KeyLayout layout;
    if (!exchangeNames) {
        layout.keys = RowKeys::positions(static_cast<std::size_t>(columnCount));
        for (int column = 0; column < columnCount; ++column)
            layout.columns.push_back(column);
        return layout;
    }
    // Only the columns past the seventh share a key (""): the last of them survives.
    std::vector<std::string> names;
    for (int column = 0; column < columnCount; ++column) {
        if (column < kExchangeNameCount || column == columnCount - 1) {
            names.emplace_back(column < kExchangeNameCount ? kExchangeNames[column] : "");
            layout.columns.push_back(column);
        }
    }
    layout.keys = RowKeys::of(std::move(names));
    return layout;
}

// The template with each quoted placeholder '%@' turned into a parameter "?"; nothing when a
// placeholder stands anywhere else.
std::optional<std::string> boundTemplate(std::string_view tmpl) {
    std::string out;
    out.reserve(tmpl.size());
    bool quoted = false;
    for (std::size_t i = 0; i < tmpl.size(); ++i) {
        if (!quoted && tmpl.substr(i, 4) == "'%@'") {
            out += '?';
            i += 3;
            continue;
        }
        if (tmpl.substr(i, 2) == "%@")
            return std::nullopt;
        if (tmpl[i] == '\'')
            quoted = !quoted;
        out += tmpl[i];
    }
    return out;
}

// The statement's opening words, up to its first value or column list: enough to tell which
// statement failed without writing the user's values to the log.
std::string_view statementHead(std::string_view sql) {
    sql = sql.substr(0, std::min(sql.find_first_of("('"), std::size_t{48}));
    while (!sql.empty() && sql.back() == ' ')
        sql.remove_suffix(1);
    return sql;
}

// What a primary result code of a preparation or a step means to a caller.
Status statusOf(int code) {
    switch (code & 0xff) {
    case SQLITE_OK:
    case SQLITE_DONE:
        return Status::Ok;
    case SQLITE_ROW:
        return Status::RowReturned;
    case SQLITE_CONSTRAINT:
    case SQLITE_MISMATCH:
    case SQLITE_TOOBIG:
    case SQLITE_RANGE:
        return Status::Refused;
    case SQLITE_ERROR:
        return Status::Invalid;
    case SQLITE_MISUSE:
        return Status::NotOpen;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return Status::Busy;
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return Status::Damaged;
    default:
        return Status::FileFault;
    }
}

// The wrapper texts of a statement's status.
std::string statementText(Status status) {
    return status == Status::Ok ? "0" : status == Status::Exception ? "ERROR" : "-1";
}

} // namespace

void DBClass::noteResult(int rc, std::string_view sql) {
    lastResultCode_ = rc == SQLITE_DONE || rc == SQLITE_ROW ? SQLITE_OK : (rc & 0xff);
    lastStatus_ = statusOf(rc);
    // Errors in the statement itself, rows a table refuses and a closed connection (logged
    // when it failed to open) are left to the caller; failures of the file are what a person
    // looking into a problem needs to see.
    if (lastStatus_ != Status::Busy && lastStatus_ != Status::Damaged &&
        lastStatus_ != Status::FileFault)
        return;
    platform::logLine("database " + databaseFile_ + ": " +
                      (contactDB_ ? sqlite3_errmsg(contactDB_.get()) : sqlite3_errstr(rc)) + " (" +
                      std::string(statementHead(sql)) + ")");
}

Status DBClass::noteStatus(Status status) {
    return lastStatus_ = status;
}

void DBClass::CloseConnection::operator()(sqlite3* db) const noexcept {
    // close_v2 still releases the handle once any statement we did not own is finalized.
    sqlite3_close_v2(db);
}

void DBClass::FinalizeStatement::operator()(sqlite3_stmt* statement) const noexcept {
    sqlite3_finalize(statement);
}

DBClass::DBClass(std::string databaseFile) : databaseFile_(std::move(databaseFile)) {}

DBClass::~DBClass() = default;

std::string DBClass::databasePath(const std::string& documentsDir) {
    if (documentsDir.empty())
        return std::string(kDatabaseFileName);
    if (documentsDir.back() == '/')
        return documentsDir + std::string(kDatabaseFileName);
    return documentsDir + "/" + std::string(kDatabaseFileName);
}

Status DBClass::open() {
    close();
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open(databaseFile_.c_str(), &raw);
    Handle handle(raw);
    if (rc != SQLITE_OK) {
        // The half-open handle is closed here; every later statement then fails to prepare.
        platform::logLine("ConnectDB: cannot open " + databaseFile_ + ": " +
                          (raw ? sqlite3_errmsg(raw) : sqlite3_errstr(rc)));
        return Status::NotOpen;
    }
    contactDB_ = std::move(handle);
    return Status::Ok;
}

void DBClass::close() {
    QueryStatement_.reset();
    templates_.clear();
    contactDB_.reset();
}

int DBClass::ConnectDB() {
    try {
        (void)open();
        return 1;
    } catch (const std::exception& e) {
        logException(e);
        return 0;
    }
}

int DBClass::DisConnectDB() {
    try {
        close();
        return 1;
    } catch (const std::exception& e) {
        logException(e);
        return 0;
    }
}

void DBClass::createDatabase() {
    (void)execute(schema::kCreateRegistration);
    // A version that cannot be read says nothing about the tables: migrate only on a real one.
    if (const auto version = readUserVersion(); version && *version < schema::kVersion) {
        (void)execute(schema::kSetVersionPrefix + std::to_string(schema::kVersion));
        for (const char* drop : schema::kMigrationDrops)
            (void)execute(drop);
        for (const char* drop : schema::kFlightCompanionDrops)
            (void)execute(drop);
    }
    for (const char* create :
         {schema::kCreateFlightInfo, schema::kCreateNation, schema::kCreateCityInfo,
          schema::kCreateExchange, schema::kCreateFlightHistory, schema::kCreateFlightConfirmed})
        (void)execute(create);
}

int DBClass::queryUserVersion() {
    return readUserVersion().value_or(-1);
}

std::optional<int> DBClass::readUserVersion() {
    const auto fail = [](const char* message) -> std::optional<int> {
        platform::logLine(std::string("queryUserVersion: ERROR Preparing: , ") + message);
        return std::nullopt;
    };
    if (!contactDB_)
        return fail("database is not open");
    sqlite3_stmt* raw = nullptr;
    const int rc = sqlite3_prepare_v2(contactDB_.get(), "PRAGMA user_version;", -1, &raw, nullptr);
    const Statement statement(raw);
    if (rc != SQLITE_OK || !statement)
        return fail(sqlite3_errmsg(contactDB_.get()));
    if (sqlite3_step(statement.get()) != SQLITE_ROW)
        return std::nullopt;
    return sqlite3_column_int(statement.get(), 0);
}

bool DBClass::prepare(const std::string& sql) {
    QueryStatement_.reset();
    if (!contactDB_) {
        lastResultCode_ = SQLITE_MISUSE;
        return noteStatus(Status::NotOpen) == Status::Ok;
    }
    if (sql.size() >= static_cast<std::size_t>(INT_MAX)) {
        lastResultCode_ = SQLITE_TOOBIG;
        return noteStatus(Status::Refused) == Status::Ok;
    }
    sqlite3_stmt* raw = nullptr;
    // The length includes the terminating NUL, which spares SQLite a copy of the text.
    const int rc = sqlite3_prepare_v2(contactDB_.get(), sql.c_str(),
                                      static_cast<int>(sql.size() + 1), &raw, nullptr);
    QueryStatement_.reset(raw);
    noteResult(rc, sql);
    // Text holding only blanks or comments prepares to no statement at all.
    if (rc == SQLITE_OK && !QueryStatement_) {
        lastResultCode_ = SQLITE_MISUSE;
        noteStatus(Status::Invalid);
    }
    return lastStatus_ == Status::Ok;
}

Status DBClass::readRows(const std::string& sql, Keys keys, Rows& rows) {
    try {
        if (!prepare(sql))
            return lastStatus_;
        sqlite3_stmt* statement = QueryStatement_.get();
        const auto layout = keyLayout(sqlite3_column_count(statement), keys == Keys::ExchangeNames);
        int rc = SQLITE_ROW;
        while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
            std::vector<std::string> values;
            values.reserve(layout.columns.size());
            for (const int column : layout.columns) {
                // column_text before column_bytes, so the size is that of the UTF-8 text.
                const auto* text =
                    reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
                const auto size = static_cast<std::size_t>(sqlite3_column_bytes(statement, column));
                // NULL reads as "" (text is null then, and size 0).
                values.emplace_back(text ? text : "", size);
            }
            rows.emplace_back(layout.keys, std::move(values));
        }
        noteResult(rc, sql);
        // Ends the statement's read transaction while it waits to be replaced.
        sqlite3_reset(statement);
        return lastStatus_;
    } catch (const std::exception& e) {
        logException(e);
        rows.clear();
        return noteStatus(Status::Exception);
    }
}

Result<Rows> DBClass::query(const std::string& sql, Keys keys) {
    Rows rows;
    if (const Status status = readRows(sql, keys, rows); status != Status::Ok)
        return status;
    return Result<Rows>(std::move(rows));
}

Rows DBClass::SelectExcuteQuery(const std::string& sql) {
    Rows rows;
    (void)readRows(sql, Keys::Position, rows);
    return rows;
}

Rows DBClass::SelectExcuteQuery_Name(const std::string& sql) {
    Rows rows;
    (void)readRows(sql, Keys::ExchangeNames, rows);
    return rows;
}

Status DBClass::step(sqlite3_stmt* statement, std::string_view sql) {
    noteResult(sqlite3_step(statement), sql);
    // A statement stopped at a row would otherwise keep the file locked until replaced.
    sqlite3_reset(statement);
    return lastStatus_;
}

Status DBClass::execute(const std::string& sql) {
    try {
        return prepare(sql) ? step(QueryStatement_.get(), sql) : lastStatus_;
    } catch (const std::exception& e) {
        logException(e);
        return noteStatus(Status::Exception);
    }
}

std::string DBClass::InsertUpdateDeleteExcuteQuery(const std::string& sql) {
    return statementText(execute(sql));
}

sqlite3_stmt* DBClass::preparedTemplate(std::string_view tmpl) {
    for (auto& [text, statement] : templates_)
        if (text == tmpl)
            return statement.get();
    const auto bound = boundTemplate(tmpl);
    if (!bound || !contactDB_)
        return nullptr;
    sqlite3_stmt* raw = nullptr;
    const int rc = sqlite3_prepare_v2(contactDB_.get(), bound->c_str(),
                                      static_cast<int>(bound->size() + 1), &raw, nullptr);
    Statement statement(raw);
    if (rc != SQLITE_OK || !statement) {
        noteResult(rc != SQLITE_OK ? rc : SQLITE_MISUSE, tmpl);
        return nullptr;
    }
    templates_.emplace_back(std::string(tmpl), std::move(statement));
    return templates_.back().second.get();
}

Status DBClass::execute(std::string_view tmpl, std::initializer_list<std::string_view> values) {
    try {
        sqlite3_stmt* statement = contactDB_ && tmpl.size() < static_cast<std::size_t>(INT_MAX)
                                      ? preparedTemplate(tmpl)
                                      : nullptr;
        if (!statement)
            return execute(sqlFormat(tmpl, values));
        const int parameters = sqlite3_bind_parameter_count(statement);
        auto value = values.begin();
        for (int i = 1; i <= parameters; ++i) {
            const std::string_view v = value != values.end() ? *value++ : std::string_view();
            if (v.size() >= static_cast<std::size_t>(INT_MAX))
                return execute(sqlFormat(tmpl, values));
            sqlite3_bind_text(statement, i, v.data(), static_cast<int>(v.size()), SQLITE_TRANSIENT);
        }
        const Status status = step(statement, tmpl);
        sqlite3_clear_bindings(statement);
        return status;
    } catch (const std::exception& e) {
        logException(e);
        return noteStatus(Status::Exception);
    }
}

std::string
DBClass::InsertUpdateDeleteExcuteTemplate(std::string_view tmpl,
                                          std::initializer_list<std::string_view> values) {
    return statementText(execute(tmpl, values));
}

bool DBClass::inTransaction(std::string_view what, const std::function<bool()>& work) {
    bool done =
        execute("BEGIN IMMEDIATE") == Status::Ok && work() && execute("COMMIT") == Status::Ok;
    if (!done) {
        const int code = lastResultCode_;
        const Status status = lastStatus_;
        // Outside a transaction (BEGIN failed) the ROLLBACK fails harmlessly.
        (void)execute("ROLLBACK");
        platform::logLine(std::string(what) + " rolled back: " + sqlite3_errstr(code));
        lastResultCode_ = code;
        lastStatus_ = status;
    }
    return done;
}

} // namespace storage
