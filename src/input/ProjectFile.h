#pragma once

#include <string>

// The check every project database passes before the program takes it as a working copy
// or writes into it: a database of this program (its application id), with the tables
// E1, E2, A1 and G0 and their columns, and no log beside it that belongs to another
// database. The check only reads; it never applies a log.
namespace ProjectFile {

// Empty when the file is a project database; otherwise what is wrong, naming the file,
// in English or German.
std::string problem(const std::string& path, bool english);

// problem(), and for a project database that passes it, the journal of a writer killed in
// its transaction rolled back, so that the file reads alone. For the one about to open it.
std::string prepare(const std::string& path, bool english);

// Indexes a page's lookups need to cost the same in a project of any size (the selected
// record is asked for many times per page). Files made before them get them where the
// program works on a copy; earlier versions read files with them as before.
extern const char* const lookupIndexes;

// The lock file that marks a project database as open: ".~lock.KVX.mdb#" beside it.
std::string lockPath(const std::string& path);

}  // namespace ProjectFile
