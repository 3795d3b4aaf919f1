#pragma once

#include <string>

// Whole database files. A database in write-ahead-log mode has companion files
// ("-wal", "-shm"); these functions handle them, so no stale journal is ever replayed
// into another file.
namespace DatabaseFiles {

// Copies a consistent snapshot of the database at `from` over `to`, committed log
// content included. The target is replaced only when the copy is complete.
void copy(const std::string& from, const std::string& to);

// Deletes a database file and its companions; a missing file is no error.
void remove(const std::string& path);

// Renames a database file; any companions of the old target are removed first.
void rename(const std::string& from, const std::string& to);

}  // namespace DatabaseFiles
