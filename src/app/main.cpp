// The program's entry. Until the main window exists it opens the project of a
// stand-alone installation and lists its records on the terminal.
#include "data/clsDATEN.h"
#include "platform/Connection.h"
#include "platform/Locale.h"
#include "platform/ProjectSession.h"
#include "platform/TerminalMessages.h"
#include "platform/VbError.h"

#include <cstdio>
#include <filesystem>
#include <iostream>

namespace fs = std::filesystem;

namespace {

void listRecords(Session& session)
{
    clsDATEN records(session);
    clsDATEN parameters(session);
    parameters.ETABELLE = "E2";
    std::vector<int32_t> ids;
    records.LID(ids, false);
    std::cout << ids.size() << " record(s)\n";
    for (int32_t id : ids) {
        records.ESPIDW = parameters.ESPIDW = id;
        std::string ken;
        std::string kom;
        records.DTVT("KEN", ken);
        records.DTVT("KOM", kom);
        std::cout << "\n" << id << "  " << ken << (kom.empty() ? "" : "  (" + kom + ")") << "\n";
        for (const char* column : {"SIB", "A", "C", "AR", "CR", "AB", "CB", "ARB", "CRB", "SIA", "SIMAX", "SI1", "SI2"}) {
            float value = 0;
            parameters.DTVS(column, value);
            std::cout << "  " << column << " = " << vb::singleText(value) << "\n";
        }
        int16_t steps = 0;
        parameters.DTVI("N", steps);
        std::cout << "  N = " << steps << "\n";
    }
}

}  // namespace

int main()
{
    const fs::path programFolder = fs::read_symlink("/proc/self/exe").parent_path();
    if (!Session::runsStandAlone(programFolder.string())) {
        std::cerr << "KVX: this build runs only stand-alone, from a program folder whose path contains \"source\".\n";
        return 1;
    }
    const fs::path project = programFolder.parent_path() / "TE0000.00" / "KVX.mdb";
    TerminalMessages messages;
    try {
        ProjectSession session(project.string(), messages, programFolder.string());
        std::cout << "KVX - project " << session.PROJEKT() << " in " << session.PROJEKTSPFAD() << "\n";
        listRecords(session);
    } catch (const VbError& error) {
        std::cerr << "KVX: " << error.description() << "\n";
        return 1;
    }
    return 0;
}
