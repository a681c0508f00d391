#pragma once
// A minimal RAII wrapper over SQLite: one connection, prepared statements with bound text.
// Failures throw std::runtime_error carrying SQLite's message.
//
// The stand-in services keep this wrapper rather than the app's storage::DBClass on purpose:
// a request or a day's preparation either completes or fails as a whole, and every one runs
// under a single catch (StandIn's handlers) that logs the message and answers a SOAP fault or
// HTTP 500, while an open Transaction rolls back as the exception passes. No caller would
// decide anything per statement, which is what the app's status values are for, and checking
// each of them by hand would only add ways to forget one. The app cannot throw like this: its
// statements run on the main loop, where a failure must become a message or a log line.

#include <string>
#include <string_view>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace services {

class Statement {
public:
    Statement(sqlite3* db, std::string_view sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    /// Binds text to the 1-based parameter `index`.
    Statement& bind(int index, std::string_view value);
    Statement& bind(int index, long long value);
    /// Advances to the next row; false when done.
    bool step();
    /// Runs a statement that returns no rows.
    void run();
    std::string text(int column) const;
    long long integer(int column) const;
    void reset();

private:
    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
};

class Database {
public:
    /// The bytes of a database file.
    struct Image {
        std::string_view bytes;
    };

    explicit Database(const std::string& path);
    /// A private database in memory that starts as a copy of `image`.
    explicit Database(Image image);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    void exec(std::string_view sql);
    Statement prepare(std::string_view sql) { return Statement(db_, sql); }

private:
    sqlite3* db_ = nullptr;
};

/// Runs statements in one transaction, rolled back unless `commit` is called.
class Transaction {
public:
    explicit Transaction(Database& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    Database& db_;
    bool done_ = false;
};

} // namespace services
