// kvx-mkdb OUT.mdb SCHEMA.sql [MORE.sql ...]
// Writes a fresh database file from SQL scripts. Used by the build to make the empty
// project template and the suite databases, and by the demo layout to fill example records.
#include <sqlite3.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace {

bool readFile(const char* path, std::string& text)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    text = buffer.str();
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: kvx-mkdb OUT.mdb SCHEMA.sql [MORE.sql ...]\n");
        return 2;
    }
    const std::string out = argv[1];
    const std::string partial = out + ".part";
    std::remove(partial.c_str());

    sqlite3* db = nullptr;
    if (sqlite3_open_v2(partial.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "kvx-mkdb: cannot create %s: %s\n", partial.c_str(), sqlite3_errmsg(db));
        sqlite3_close(db);
        return 1;
    }
    for (int i = 2; i < argc; ++i) {
        std::string sql;
        if (!readFile(argv[i], sql)) {
            std::fprintf(stderr, "kvx-mkdb: cannot read %s\n", argv[i]);
            sqlite3_close(db);
            return 1;
        }
        char* error = nullptr;
        if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
            std::fprintf(stderr, "kvx-mkdb: %s: %s\n", argv[i], error ? error : "unknown error");
            sqlite3_free(error);
            sqlite3_close(db);
            return 1;
        }
    }
    sqlite3_close(db);
    // Only a complete file takes the final name.
    if (std::rename(partial.c_str(), out.c_str()) != 0) {
        std::perror("kvx-mkdb: rename");
        return 1;
    }
    return 0;
}
