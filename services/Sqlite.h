#pragma once
// A minimal RAII wrapper over SQLite: one connection, prepared statements with bound text.
// Failures throw std::runtime_error carrying SQLite's message.

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
