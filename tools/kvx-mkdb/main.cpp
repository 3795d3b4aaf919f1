// kvx-mkdb OUT.mdb SCHEMA.sql [MORE.sql ...]
// Writes a fresh database file from SQL scripts. Used by the build to make the empty
// project template and the suite databases, and by the demo layout to fill example records.
#include "ToolCommandLine.h"

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
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    describeTool(parser, QStringLiteral("Writes a fresh database file from SQL scripts."),
                 {{QStringLiteral("OUT.mdb"), QStringLiteral("the database file to write")},
                  {QStringLiteral("SCHEMA.sql [MORE.sql ...]"), QStringLiteral("scripts run in order")}});
    parser.process(app);
    const QStringList arguments = parser.positionalArguments();
    if (arguments.size() < 2) {
        std::fprintf(stderr, "%s", parser.helpText().toLocal8Bit().constData());
        return ExitBadArguments;
    }
    const std::string out = arguments.front().toStdString();
    const std::string partial = out + ".part";
    std::remove(partial.c_str());

    sqlite3* db = nullptr;
    if (sqlite3_open_v2(partial.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "kvx-mkdb: cannot create %s: %s\n", partial.c_str(), sqlite3_errmsg(db));
        sqlite3_close(db);
        return ExitFailure;
    }
    for (const QString& script : arguments.mid(1)) {
        const std::string path = script.toStdString();
        std::string sql;
        if (!readFile(path.c_str(), sql)) {
            std::fprintf(stderr, "kvx-mkdb: cannot read %s\n", path.c_str());
            sqlite3_close(db);
            return ExitFailure;
        }
        char* error = nullptr;
        if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
            std::fprintf(stderr, "kvx-mkdb: %s: %s\n", path.c_str(), error ? error : "unknown error");
            sqlite3_free(error);
            sqlite3_close(db);
            return ExitFailure;
        }
    }
    sqlite3_close(db);
    // Only a complete file takes the final name.
    if (std::rename(partial.c_str(), out.c_str()) != 0) {
        std::perror("kvx-mkdb: rename");
        return ExitFailure;
    }
    return ExitSuccess;
}
