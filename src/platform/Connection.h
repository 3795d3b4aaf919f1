#pragma once

#include "Variant.h"

#include <map>
#include <memory>
#include <string>

struct sqlite3;
struct sqlite3_stmt;

// An open database file. Statements arrive as text in the bracket-quoted dialect the
// program writes ("SELECT [ID] FROM [E1] WHERE [AKT]=true"). Opening a file that does
// not exist is an error: a connection never creates a database.
class Connection {
public:
    // A prepared statement on loan from the connection's cache, reset and given back when
    // released; a statement nobody else may share is its own and finalized instead.
    class Statement {
    public:
        Statement(sqlite3_stmt* statement, bool* onLoan) : statement_(statement), onLoan_(onLoan) {}
        Statement(const Statement&) = delete;
        Statement& operator=(const Statement&) = delete;
        ~Statement();

        void bind(int position, const Variant& value);  // positions from 1
        void bindRowid(int position, long long rowid);
        bool step();  // true while a row is there
        int columnCount() const;
        std::string columnName(int column) const;
        std::string declaredType(int column) const;
        // The table column a result column comes from; empty for computed columns.
        std::string originColumn(int column) const;
        // The table all result columns come from; empty when they come from several or
        // are computed.
        std::string sourceTable() const;
        Variant value(int column) const;  // the stored value in its natural type
        long long rowid(int column) const;
        sqlite3_stmt* handle() const { return statement_; }

    private:
        sqlite3_stmt* statement_;
        bool* onLoan_;  // the cache's mark while lent out; null for a statement of its own
    };

    // How commits reach the file. Files that others share (project and suite databases,
    // often on a file server) keep a rollback journal; only the private working copy on
    // the user's own disk writes ahead into a log, which needs shared memory.
    enum class Journal { Rollback, WriteAhead };

    // The statements run while it lives form one unit: kept by `commit`, undone when it ends
    // without (an error, an early return). Units may nest.
    class Savepoint {
    public:
        explicit Savepoint(Connection& connection);
        // Keeps the connection for its lifetime; none is an error (object not set).
        explicit Savepoint(const std::shared_ptr<Connection>& connection);
        Savepoint(const Savepoint&) = delete;
        Savepoint& operator=(const Savepoint&) = delete;
        ~Savepoint();
        void commit();

    private:
        Connection& connection_;
        std::shared_ptr<Connection> keep_;
        bool open_ = true;
    };

    // From a connection string: the path is the text after "Data Source=" up to the next ';'.
    static std::shared_ptr<Connection> open(const std::string& connectionString, int timeoutSeconds = 30,
                                            Journal journal = Journal::Rollback);
    static std::shared_ptr<Connection> openFile(const std::string& path, int timeoutSeconds = 30,
                                                Journal journal = Journal::Rollback);
    // A private copy of the database file, in memory, or for a file above 64 MB in a temporary
    // file of SQLite's that goes with the connection: the database file itself is only read.
    static std::shared_ptr<Connection> privateCopy(const std::string& path);
    static std::string dataSource(const std::string& connectionString);

    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
    ~Connection();

    const std::string& path() const { return path_; }
    bool isOpen() const { return db_ != nullptr; }
    void close();

    // Runs statements that return no rows.
    void execute(const std::string& sql);
    std::unique_ptr<Statement> prepare(const std::string& sql);
    long long lastInsertRowid() const;

    // Text for use between apostrophes in a statement: every apostrophe doubled, so no
    // value can end the literal early and change the statement.
    static std::string escaped(const std::string& text);

private:
    Connection(sqlite3* db, std::string path);
    sqlite3* handle() const;
    // Finalizes the cached statements no recordset has borrowed.
    void finalizeIdleStatements();

    sqlite3* db_;
    std::string path_;
    struct Cached {
        sqlite3_stmt* statement;
        bool onLoan;
    };
    // Prepared statements by their text; one lent out is never finalized under its borrower.
    std::map<std::string, Cached> statements_;
    // TARVELO_SQL_TRACE when the connection was opened: the file every statement the
    // engine starts is appended to.
    std::string tracePath_;
};
