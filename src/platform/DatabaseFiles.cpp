#include "DatabaseFiles.h"

#include "LockFile.h"
#include "SharedFolder.h"
#include "VbError.h"

#include <QCryptographicHash>
#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QUrl>

#include <sqlite3.h>

#include <charconv>
#include <filesystem>
#include <string_view>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const char* const companions[] = {"-wal", "-shm", "-journal"};

// What marks the unfinished copies of this host's processes beside their targets
// ("<target>.part-<host>-<pid>").
std::string partialMark()
{
    return ".part-" + QSysInfo::machineHostName().toStdString() + "-";
}

VbError fileError(const std::string& what, const std::string& detail)
{
    return VbError(VbError::DatabaseError, what + ": " + detail);
}

class Handle {
public:
    Handle(const std::string& path, int flags)
    {
        if (sqlite3_open_v2(path.c_str(), &db_, flags, nullptr) != SQLITE_OK) {
            const std::string message = db_ ? sqlite3_errmsg(db_) : "out of memory";
            sqlite3_close_v2(db_);
            db_ = nullptr;
            throw fileError(path, message);
        }
    }
    ~Handle() { sqlite3_close_v2(db_); }
    sqlite3* get() const { return db_; }

private:
    sqlite3* db_ = nullptr;
};

// A file's URI for SQLite, with a query ("mode=ro", "immutable=1").
std::string uriOf(const std::string& path, const char* query)
{
    return QUrl::fromLocalFile(QString::fromStdString(fs::absolute(path).string()))
               .toString(QUrl::FullyEncoded)
               .toStdString() +
           "?" + query;
}

// Whether a database file's header says it keeps a write-ahead log.
bool inLogMode(const QByteArray& header)
{
    return header.size() >= 20 && (header.at(18) == 2 || header.at(19) == 2);
}

// The URI that reads a file and changes nothing beside it: a file in log mode without a log
// would get one (and its index) from a reader that opens it the usual way, so it is read
// alone.
std::string readingUri(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    const QByteArray header = file.open(QIODevice::ReadOnly) ? file.read(20) : QByteArray();
    std::error_code missing;
    return uriOf(path, inLogMode(header) && !fs::exists(path + "-wal", missing) ? "immutable=1" : "mode=ro");
}

void check(sqlite3* db, int code, const std::string& what)
{
    if (code != SQLITE_OK)
        throw fileError(what, sqlite3_errmsg(db));
}

void writeCopy(const std::string& from, const std::string& partial, const std::string& finishing)
{
    Handle target(partial, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    DatabaseFiles::backup(from, target.get());
    // The copy stands alone: its content lives in the one file, not in a log beside it.
    check(target.get(), sqlite3_exec(target.get(), "PRAGMA journal_mode=DELETE", nullptr, nullptr, nullptr), partial);
    if (!finishing.empty())
        check(target.get(), sqlite3_exec(target.get(), finishing.c_str(), nullptr, nullptr, nullptr), partial);
}

// A rollback journal starts with SQLite's magic number, or with zeros once its transaction
// has ended; anything else only carries the name.
bool isJournal(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray start = file.read(8);
    return start == QByteArray("\xd9\xd5\x05\xf9\x20\xa1\x63\xd7", 8) || start == QByteArray(start.size(), '\0');
}

// The database with its journal rolled back, as SQLite would on opening it, done on copies
// in a folder of their own: the files themselves stay as they are.
DatabaseFiles::Description rolledBack(const std::string& path, const std::string& journal)
{
    const QTemporaryDir folder;
    const std::string copy = folder.path().toStdString() + "/database";
    if (!folder.isValid() || !QFile::copy(QString::fromStdString(path), QString::fromStdString(copy)) ||
        !QFile::copy(QString::fromStdString(journal), QString::fromStdString(copy + "-journal")))
        return {};
    try {
        DatabaseFiles::rollBack(copy);
    } catch (const VbError&) {
        return {};
    }
    const bool intact = DatabaseFiles::damage(copy).empty();
    DatabaseFiles::Description description = DatabaseFiles::describe(copy);
    description.database = description.database && intact;
    return description;
}

}  // namespace

void DatabaseFiles::backup(const std::string& from, sqlite3* target)
{
    Handle source(readingUri(from), SQLITE_OPEN_READONLY | SQLITE_OPEN_URI);
    sqlite3_backup* backup = sqlite3_backup_init(target, "main", source.get(), "main");
    if (!backup)
        throw fileError(from, sqlite3_errmsg(target));
    sqlite3_busy_timeout(source.get(), 30000);
    const int stepped = sqlite3_backup_step(backup, -1);
    sqlite3_backup_finish(backup);
    if (stepped != SQLITE_DONE) {
        // A copy that could not be written names the file it was writing (on a share, say),
        // not the one it read.
        const int detail = sqlite3_extended_errcode(target);
        const bool writing = stepped == SQLITE_FULL || detail == SQLITE_FULL || detail == SQLITE_IOERR_WRITE ||
                             detail == SQLITE_IOERR_FSYNC || detail == SQLITE_IOERR_TRUNCATE;
        const char* written = sqlite3_db_filename(target, "main");
        throw fileError(writing && written ? std::string(written) : from, sqlite3_errstr(stepped));
    }
}

void DatabaseFiles::copy(const std::string& from, const std::string& to, const std::string& finishing,
                         const std::function<void(const std::string&)>& beforeReplacing)
{
    std::error_code error;
    if (!fs::is_regular_file(from, error))
        throw VbError(VbError::DatabaseError, "Could not find file '" + from + "'.");
    // A name of this process: two copies onto one target never share their unfinished file.
    const std::string partial = to + partialMark() + std::to_string(::getpid());
    remove(partial);
    try {
        writeCopy(from, partial, finishing);
        SharedFolder::adopt(partial);
        if (beforeReplacing)
            beforeReplacing(partial);
    } catch (...) {
        // A copy that failed half-way leaves nothing behind.
        for (const char* suffix : {"", "-journal", "-wal", "-shm"})
            fs::remove(partial + suffix, error);
        throw;
    }
    rename(partial, to);
}

void DatabaseFiles::removeLeftoverCopies(const std::string& folder)
{
    const std::string prefix = partialMark();
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        const auto mark = name.rfind(prefix);
        if (mark == std::string::npos)
            continue;
        LockFile::Holder writer;
        writer.host = QSysInfo::machineHostName().toStdString();
        const char* digits = name.data() + mark + prefix.size();
        const auto [end, failed] = std::from_chars(digits, name.data() + name.size(), writer.pid);
        const std::string_view rest(end, name.data() + name.size() - end);
        const bool ours = failed == std::errc() && (rest.empty() || rest == "-journal" || rest == "-wal" || rest == "-shm");
        if (ours && writer.pid > 0 && !writer.alive())
            fs::remove(entry.path(), error);
    }
}

std::string DatabaseFiles::fingerprint(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash digest(QCryptographicHash::Sha256);
    digest.addData(&file);
    return std::to_string(file.size()) + ":" + digest.result().toHex().toStdString();
}

DatabaseFiles::Description DatabaseFiles::describe(const std::string& path, bool withLog)
{
    Description description;
    std::error_code error;
    for (const char* suffix : {"-wal", "-journal"}) {
        const std::string log = path + suffix;
        const fs::file_status status = fs::symlink_status(log, error);
        // An empty journal is what a finished transaction may leave: nothing to apply.
        const bool journal = std::string_view(suffix) == "-journal";
        const bool empty = journal && fs::is_regular_file(status) && fs::file_size(log, error) == 0;
        if (!fs::exists(status) || empty)
            continue;
        description.logBeside = true;
        description.log = log;
        description.logUnusable = !fs::is_regular_file(status) || (journal && !isJournal(log));
        break;
    }
    if (withLog && description.logBeside && !description.logUnusable && description.log.ends_with("-journal"))
        return rolledBack(path, description.log);
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        return description;
    const QByteArray header = file.read(100);
    if (header.size() < 100 || !header.startsWith(QByteArrayLiteral("SQLite format 3")))
        return description;
    description.writeAheadMode = inLogMode(header);
    // "immutable" reads the file alone: no lock, no journal, no log beside it.
    try {
        Handle db(uriOf(path, withLog ? "mode=ro" : "immutable=1"), SQLITE_OPEN_READONLY | SQLITE_OPEN_URI);
        sqlite3_stmt* statement = nullptr;
        const char* sql = "SELECT m.name, p.name, (SELECT application_id FROM pragma_application_id) FROM "
                          "sqlite_master AS m JOIN pragma_table_info(m.name) AS p WHERE m.type='table'";
        if (sqlite3_prepare_v2(db.get(), sql, -1, &statement, nullptr) != SQLITE_OK)
            return description;
        int code = SQLITE_ROW;
        while ((code = sqlite3_step(statement)) == SQLITE_ROW) {
            const auto text = [statement](int column) {
                const auto* value = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
                return std::string(value ? value : "");
            };
            description.tables[text(0)].insert(text(1));
            description.applicationId = static_cast<long>(sqlite3_column_int64(statement, 2));
        }
        sqlite3_finalize(statement);
        description.database = code == SQLITE_DONE;
    } catch (const VbError&) {
        description.database = false;
    }
    return description;
}

std::string DatabaseFiles::damage(const std::string& path)
{
    try {
        Handle db(readingUri(path), SQLITE_OPEN_READONLY | SQLITE_OPEN_URI);
        sqlite3_stmt* statement = nullptr;
        std::string finding = "it cannot be read";
        if (sqlite3_prepare_v2(db.get(), "PRAGMA quick_check(1)", -1, &statement, nullptr) == SQLITE_OK &&
            sqlite3_step(statement) == SQLITE_ROW) {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
            finding = text ? text : "";
        }
        sqlite3_finalize(statement);
        return finding == "ok" ? std::string() : finding;
    } catch (const VbError& error) {
        return error.description();
    }
}

void DatabaseFiles::rollBack(const std::string& path)
{
    std::error_code missing;
    if (!fs::exists(path + "-journal", missing))
        return;
    Handle db(path, SQLITE_OPEN_READWRITE);
    // The first read of a database with a hot journal rolls the journal back.
    check(db.get(), sqlite3_exec(db.get(), "PRAGMA schema_version", nullptr, nullptr, nullptr), path);
}

void DatabaseFiles::remove(const std::string& path)
{
    std::error_code error;
    for (const char* suffix : companions)
        fs::remove(path + suffix, error);
    fs::remove(path, error);
    if (error)
        throw fileError(path, error.message());
}

void DatabaseFiles::rename(const std::string& from, const std::string& to)
{
    std::error_code error;
    for (const char* suffix : companions)
        fs::remove(to + suffix, error);
    fs::rename(from, to, error);
    if (error)
        throw fileError(to, error.message());
}
