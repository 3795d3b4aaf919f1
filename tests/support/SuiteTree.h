#pragma once

#include "MemorySettings.h"
#include "ScriptedMessages.h"
#include "platform/Connection.h"
#include "platform/DatabaseFiles.h"
#include "platform/Recordset.h"
#include "input/SessionContext.h"

#include <filesystem>
#include <memory>
#include <random>

// An installed suite in a temporary folder: <root>/KVX (program folder with the template),
// <root>/DB (ARCHIV.mdb, VORGABE.mdb), <root>/PROJEKTE/P1 (a project with one record),
// and a stand-alone tree <root>/source beside <root>/TE0000.00.
class SuiteTree {
public:
    SuiteTree()
    {
        std::random_device random;
        root = std::filesystem::temp_directory_path() / ("tarvelo-suite-" + std::to_string(random()));
        namespace fs = std::filesystem;
        for (const char* folder : {"KVX", "DB", "PROJEKTE/P1", "source", "TE0000.00"})
            fs::create_directories(root / folder);
        const std::string databases = TARVELO_DATABASE_DIR;
        DatabaseFiles::copy(databases + "/KVX.mdb", (root / "KVX" / "KVX.mdb").string());
        DatabaseFiles::copy(databases + "/ARCHIV.mdb", (root / "DB" / "ARCHIV.mdb").string());
        DatabaseFiles::copy(databases + "/VORGABE.mdb", (root / "DB" / "VORGABE.mdb").string());
        for (const char* project : {"PROJEKTE/P1", "TE0000.00"}) {
            const std::string file = (root / project / "KVX.mdb").string();
            DatabaseFiles::copy(databases + "/KVX.mdb", file);
            Connection::openFile(file)->execute("INSERT INTO [E1] ([ID],[KEN],[KOM],[AKT],[SPR]) VALUES "
                                                "(1,'Sand','erster',1,3)");
        }
        settings.setValue("KALMORA", "Extras", "Datenbankpfad", (root / "DB").string());
    }
    ~SuiteTree()
    {
        std::error_code ignored;
        std::filesystem::remove_all(root, ignored);
    }
    void addAdminRow(const std::string& user)
    {
        Connection::openFile((root / "DB" / "ARCHIV.mdb").string())
            ->execute("INSERT INTO [ADMIN] VALUES ('" + user + "','KALMORA','" + (root / "PROJEKTE").string() +
                      "','P1','Dipl.-Ing. Sommer')");
    }
    std::string adminProgram(const std::string& user)
    {
        Recordset row(Connection::openFile((root / "DB" / "ARCHIV.mdb").string()),
                      "SELECT [PROG] FROM [ADMIN] WHERE [BENUTZER]='" + user + "'");
        return row.isEOF() ? std::string() : row.field(0).text();
    }
    std::unique_ptr<SessionContext> session(const std::string& programFolder, Locale locale = {Locale::German, ","})
    {
        return std::make_unique<SessionContext>(SessionContext::Environment{
            (root / programFolder).string(), [] { return std::string("sommer"); }, locale, settings, messages});
    }

    std::filesystem::path root;
    MemorySettings settings;
    ScriptedMessages messages;
};
