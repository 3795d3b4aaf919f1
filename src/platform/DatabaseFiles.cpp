#include "DatabaseFiles.h"

#include "VbError.h"

#include <sqlite3.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

const char* const companions[] = {"-wal", "-shm", "-journal"};

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

}  // namespace

void DatabaseFiles::copy(const std::string& from, const std::string& to)
{
    std::error_code error;
    if (!fs::is_regular_file(from, error))
        throw VbError(VbError::DatabaseError, "Could not find file '" + from + "'.");
    const std::string partial = to + ".part";
    remove(partial);
    {
        Handle source(from, SQLITE_OPEN_READONLY);
        Handle target(partial, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
        sqlite3_backup* backup = sqlite3_backup_init(target.get(), "main", source.get(), "main");
        if (!backup)
            throw fileError(to, sqlite3_errmsg(target.get()));
        sqlite3_busy_timeout(source.get(), 30000);
        const int stepped = sqlite3_backup_step(backup, -1);
        sqlite3_backup_finish(backup);
        if (stepped != SQLITE_DONE)
            throw fileError(to, sqlite3_errstr(stepped));
        // The copy stands alone: its content lives in the one file, not in a log beside it.
        if (sqlite3_exec(target.get(), "PRAGMA journal_mode=DELETE", nullptr, nullptr, nullptr) != SQLITE_OK)
            throw fileError(to, sqlite3_errmsg(target.get()));
    }
    rename(partial, to);
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
