#pragma once

#include <functional>
#include <map>
#include <set>
#include <string>

// Whole database files. A database in write-ahead-log mode has companion files
// ("-wal", "-shm"); these functions handle them, so no stale journal is ever replayed
// into another file.
struct sqlite3;

namespace DatabaseFiles {

// Copies everything committed in the file `from` into the open database `target` (SQLite's
// backup API: a consistent snapshot, committed log content included).
void backup(const std::string& from, sqlite3* target);

// Copies a consistent snapshot of the database at `from` over `to`, committed log
// content included. The copy is made under a name of this process beside the target
// ("<to>.part-<host>-<pid>") and replaces the target only when complete; `finishing`
// statements run on the copy before it takes the target's place, so whatever they write
// arrives in the same step as the copy; `beforeReplacing` is told the finished copy's
// path last (to note what the target is about to hold).
void copy(const std::string& from, const std::string& to, const std::string& finishing = {},
          const std::function<void(const std::string&)>& beforeReplacing = {});

// Removes what copies into `folder` left when their process was killed: the unfinished
// copies of processes of this host that have ended.
void removeLeftoverCopies(const std::string& folder);

// The content of a file in a short text (its size and a SHA-256 digest); equal texts mean
// equal content. Empty for a missing file.
std::string fingerprint(const std::string& path);

// What a database file holds, read without writing anything and without applying a log
// that lies beside it (`withLog` false), or as SQLite would open it (`withLog` true).
struct Description {
    bool database = false;  // a readable SQLite database at all
    long applicationId = 0;
    std::map<std::string, std::set<std::string>> tables;  // table name -> column names
    bool writeAheadMode = false;                          // the file's header says it keeps a write-ahead log
    bool logBeside = false;  // a "-wal" or a non-empty "-journal" companion exists
    std::string log;         // its path
    bool logUnusable = false;  // a link, no plain file, or no journal at all: never to be applied
};
// With a "-journal" beside it, `withLog` rolls the journal back on copies of both files, as
// SQLite would on opening the file, and reports no database unless the result is intact.
Description describe(const std::string& path, bool withLog = false);

// What SQLite's quick check finds wrong in the file (its first finding); empty for a sound
// file. Reads only.
std::string damage(const std::string& path);

// Rolls back a journal beside the file that a writer killed in its transaction left, as
// SQLite does when it opens the file for writing; nothing happens without one.
void rollBack(const std::string& path);

// Deletes a database file and its companions; a missing file is no error.
void remove(const std::string& path);

// Renames a database file; any companions of the old target are removed first.
void rename(const std::string& from, const std::string& to);

}  // namespace DatabaseFiles
