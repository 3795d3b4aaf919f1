#include "Connection.h"

#include "DatabaseFiles.h"
#include "VbError.h"

#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace {

// Enough for the statements of one page load; the cache is emptied when it is full.
constexpr std::size_t statementCacheSize = 256;

VbError databaseError(sqlite3* db, int code)
{
    const std::string message = db ? sqlite3_errmsg(db) : sqlite3_errstr(code);
    long number = VbError::DatabaseError;
    if (message.rfind("no such table", 0) == 0)
        number = VbError::NoSuchTable;
    else if (message.rfind("no such column", 0) == 0)
        number = VbError::NoSuchColumn;
    else if (message.find("syntax error") != std::string::npos || message.find("incomplete input") != std::string::npos)
        number = VbError::SyntaxError;
    return VbError(number, message);
}

std::string upper(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

}  // namespace

Connection::Statement::~Statement()
{
    if (!onLoan_) {
        sqlite3_finalize(statement_);
        return;
    }
    sqlite3_reset(statement_);
    sqlite3_clear_bindings(statement_);
    *onLoan_ = false;
}

void Connection::Statement::bind(int position, const Variant& value)
{
    int code = SQLITE_OK;
    switch (value.type()) {
    case Variant::Type::Empty:
    case Variant::Type::Null: code = sqlite3_bind_null(statement_, position); break;
    case Variant::Type::Integer:
    case Variant::Type::Long: code = sqlite3_bind_int64(statement_, position, value.toLong()); break;
    case Variant::Type::Boolean: code = sqlite3_bind_int(statement_, position, value.toBoolean() ? 1 : 0); break;
    case Variant::Type::Single:
    case Variant::Type::Double:
    case Variant::Type::Date: code = sqlite3_bind_double(statement_, position, value.toDouble()); break;
    case Variant::Type::Text: {
        const std::string text = value.toText();
        code = sqlite3_bind_text(statement_, position, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
        break;
    }
    }
    if (code != SQLITE_OK)
        throw databaseError(sqlite3_db_handle(statement_), code);
}

void Connection::Statement::bindRowid(int position, long long rowid)
{
    const int code = sqlite3_bind_int64(statement_, position, rowid);
    if (code != SQLITE_OK)
        throw databaseError(sqlite3_db_handle(statement_), code);
}

long long Connection::Statement::rowid(int column) const
{
    return sqlite3_column_int64(statement_, column);
}

bool Connection::Statement::step()
{
    const int code = sqlite3_step(statement_);
    if (code == SQLITE_ROW)
        return true;
    if (code == SQLITE_DONE)
        return false;
    throw databaseError(sqlite3_db_handle(statement_), code);
}

int Connection::Statement::columnCount() const
{
    return sqlite3_column_count(statement_);
}

std::string Connection::Statement::columnName(int column) const
{
    const char* name = sqlite3_column_name(statement_, column);
    return name ? name : "";
}

std::string Connection::Statement::declaredType(int column) const
{
    const char* type = sqlite3_column_decltype(statement_, column);
    return type ? upper(type) : std::string();
}

std::string Connection::Statement::originColumn(int column) const
{
    const char* name = sqlite3_column_origin_name(statement_, column);
    return name ? name : "";
}

std::string Connection::Statement::sourceTable() const
{
    std::string table;
    for (int column = 0; column < columnCount(); ++column) {
        const char* name = sqlite3_column_table_name(statement_, column);
        if (!name || (column > 0 && table != name))
            return {};
        table = name;
    }
    return table;
}

Variant Connection::Statement::value(int column) const
{
    switch (sqlite3_column_type(statement_, column)) {
    case SQLITE_INTEGER: {
        const sqlite3_int64 number = sqlite3_column_int64(statement_, column);
        if (number >= INT32_MIN && number <= INT32_MAX)
            return Variant(static_cast<int32_t>(number));
        return Variant(static_cast<double>(number));
    }
    case SQLITE_FLOAT: return Variant(sqlite3_column_double(statement_, column));
    case SQLITE_TEXT:
    case SQLITE_BLOB: {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement_, column));
        return Variant(std::string(text, sqlite3_column_bytes(statement_, column)));
    }
    default: return Variant::null();
    }
}

std::string Connection::dataSource(const std::string& connectionString)
{
    const std::string key = "DATA SOURCE=";
    const auto start = upper(connectionString).find(key);
    if (start == std::string::npos)
        return {};
    const auto from = start + key.size();
    const auto end = connectionString.find(';', from);
    return connectionString.substr(from, end == std::string::npos ? std::string::npos : end - from);
}

std::shared_ptr<Connection> Connection::open(const std::string& connectionString, int timeoutSeconds, Journal journal)
{
    return openFile(dataSource(connectionString), timeoutSeconds, journal);
}

std::shared_ptr<Connection> Connection::openFile(const std::string& path, int timeoutSeconds, Journal journal)
{
    std::error_code ignored;
    if (path.empty() || !std::filesystem::is_regular_file(path, ignored))
        throw VbError(VbError::DatabaseError, "Could not find file '" + path + "'.");

    sqlite3* db = nullptr;
    const int code = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
    if (code != SQLITE_OK) {
        VbError error = databaseError(db, code);
        sqlite3_close_v2(db);
        throw error;
    }
    std::shared_ptr<Connection> connection(new Connection(db, path));
    sqlite3_busy_timeout(db, timeoutSeconds * 1000);
    // Reading the schema proves the file is a database at all.
    const int check = sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
    if (check != SQLITE_OK)
        throw VbError(VbError::DatabaseError, "Unrecognized database format '" + path + "'.");
    // The working copy takes many tiny transactions: the write-ahead log with normal sync
    // keeps each one cheap and loses no committed value when the process is killed. A
    // shared file is switched back to a rollback journal (a file that an earlier version
    // left in log mode is checkpointed on the way). A read-only file keeps its mode.
    if (journal == Journal::WriteAhead) {
        sqlite3_exec(db, "PRAGMA journal_mode=WAL", nullptr, nullptr, nullptr);
        sqlite3_exec(db, "PRAGMA synchronous=NORMAL", nullptr, nullptr, nullptr);
    } else {
        sqlite3_exec(db, "PRAGMA journal_mode=DELETE", nullptr, nullptr, nullptr);
    }
    return connection;
}

std::shared_ptr<Connection> Connection::privateCopy(const std::string& path)
{
    std::error_code ignored;
    if (path.empty() || !std::filesystem::is_regular_file(path, ignored))
        throw VbError(VbError::DatabaseError, "Could not find file '" + path + "'.");
    // An empty name is SQLite's private temporary database on disk.
    const bool large = std::filesystem::file_size(path, ignored) > 64 * 1024 * 1024;
    sqlite3* copy = nullptr;
    if (sqlite3_open_v2(large ? "" : ":memory:", &copy, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        sqlite3_close_v2(copy);
        throw VbError(VbError::DatabaseError, "out of memory");
    }
    std::shared_ptr<Connection> connection(new Connection(copy, path));
    DatabaseFiles::backup(path, copy);
    return connection;
}

Connection::Savepoint::Savepoint(const std::shared_ptr<Connection>& connection)
    : Savepoint(connection ? *connection : throw VbError::of(VbError::ObjectNotSet))
{
    keep_ = connection;
}

Connection::Savepoint::Savepoint(Connection& connection) : connection_(connection)
{
    connection_.execute("SAVEPOINT [unit]");
}

Connection::Savepoint::~Savepoint()
{
    if (!open_)
        return;
    try {
        connection_.execute("ROLLBACK TO [unit]; RELEASE [unit]");
    } catch (const VbError&) {
        // A closed connection has nothing left to undo.
    }
}

void Connection::Savepoint::commit()
{
    connection_.execute("RELEASE [unit]");
    open_ = false;
}

namespace {

// Appends each statement the engine starts to the trace file (its path is the context).
int traceStatement(unsigned, void* file, void*, void* sql)
{
    if (std::FILE* out = std::fopen(static_cast<const std::string*>(file)->c_str(), "a")) {
        std::fprintf(out, "%s\n", static_cast<const char*>(sql));
        std::fclose(out);
    }
    return 0;
}

}  // namespace

Connection::Connection(sqlite3* db, std::string path) : db_(db), path_(std::move(path))
{
    if (const char* file = std::getenv("TARVELO_SQL_TRACE"); file && *file) {
        tracePath_ = file;
        sqlite3_trace_v2(db_, SQLITE_TRACE_STMT, &traceStatement, &tracePath_);
    }
}

Connection::~Connection()
{
    close();
    // No borrower outlives the connection: what close() left to them goes now.
    for (auto& [sql, cached] : statements_)
        sqlite3_finalize(cached.statement);
}

void Connection::close()
{
    // Statements on loan stay valid for their borrowers. They are finalized with the
    // connection object; the engine keeps the file open until then.
    finalizeIdleStatements();
    if (db_) {
        sqlite3_trace_v2(db_, 0, nullptr, nullptr);
        sqlite3_close_v2(db_);
    }
    db_ = nullptr;
}

void Connection::finalizeIdleStatements()
{
    std::erase_if(statements_, [](auto& entry) {
        if (entry.second.onLoan)
            return false;
        sqlite3_finalize(entry.second.statement);
        return true;
    });
}

sqlite3* Connection::handle() const
{
    if (!db_)
        throw VbError::of(VbError::ObjectClosed);
    return db_;
}

void Connection::execute(const std::string& sql)
{
    char* message = nullptr;
    const int code = sqlite3_exec(handle(), sql.c_str(), nullptr, nullptr, &message);
    sqlite3_free(message);
    if (code != SQLITE_OK)
        throw databaseError(db_, code);
}

std::unique_ptr<Connection::Statement> Connection::prepare(const std::string& sql)
{
    sqlite3* db = handle();
    const auto compile = [&] {
        sqlite3_stmt* statement = nullptr;
        const int code = sqlite3_prepare_v2(db, sql.c_str(), static_cast<int>(sql.size()), &statement, nullptr);
        if (code != SQLITE_OK)
            throw databaseError(db, code);
        if (!statement)  // nothing but blanks or comments
            throw VbError(VbError::SyntaxError, "empty statement");
        return statement;
    };
    auto cached = statements_.find(sql);
    if (cached != statements_.end() && cached->second.onLoan)
        return std::make_unique<Statement>(compile(), nullptr);  // the same text twice at once
    if (cached == statements_.end()) {
        if (statements_.size() >= statementCacheSize)
            finalizeIdleStatements();
        cached = statements_.emplace(sql, Cached{compile(), false}).first;
    }
    cached->second.onLoan = true;
    return std::make_unique<Statement>(cached->second.statement, &cached->second.onLoan);
}

long long Connection::lastInsertRowid() const
{
    return sqlite3_last_insert_rowid(handle());
}

std::string Connection::escaped(const std::string& text)
{
    std::string result;
    result.reserve(text.size());
    for (char c : text) {
        result += c;
        if (c == '\'')
            result += '\'';
    }
    return result;
}
