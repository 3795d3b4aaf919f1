#include "ProjectFile.h"

#include "platform/DatabaseFiles.h"
#include "platform/TextPair.h"
#include "platform/VbError.h"

#include <filesystem>
#include <map>
#include <set>

namespace {

// 'TRVV', written into every project database by its template.
constexpr long applicationId = 1414682198;

const std::map<std::string, std::set<std::string>>& requiredColumns()
{
    static const std::map<std::string, std::set<std::string>> columns = {
        {"E1", {"ID", "KEN", "KOM", "AKT", "SPR"}},
        {"E2", {"ID", "SIB", "A", "C", "AR", "CR", "AB", "CB", "ARB", "CRB", "SIA", "SIMAX", "SI1", "SI2", "N"}},
        {"A1", {"ID", "BONEU"}},
        {"G0",
         {"ID", "IDOBJEKT", "OX", "OY", "RL", "RR", "RO", "RU", "XMIN", "XMAX", "YMIN", "YMAX", "MX", "MY", "MYMX",
          "MSP"}},
    };
    return columns;
}

bool isProjectDatabase(const DatabaseFiles::Description& description)
{
    if (!description.database || description.applicationId != applicationId)
        return false;
    for (const auto& [table, columns] : requiredColumns()) {
        const auto found = description.tables.find(table);
        if (found == description.tables.end())
            return false;
        for (const std::string& column : columns) {
            if (!found->second.count(column))
                return false;
        }
    }
    return true;
}

}  // namespace

std::string ProjectFile::problem(const std::string& path, bool english)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return TextPair{"Die Projektdatenbank " + path + " existiert nicht.",
                        "The project database " + path + " does not exist."}
            .in(english);
    const DatabaseFiles::Description alone = DatabaseFiles::describe(path);
    if (!isProjectDatabase(alone))
        return TextPair{path + " ist keine Projektdatenbank dieses Programms.",
                        path + " is not a project database of this program."}
            .in(english);
    if (alone.logBeside) {
        // A project database keeps a rollback journal that SQLite removes when a transaction
        // ends, so a log beside it comes from a killed writer or from another database (a
        // restored backup, a killed tool). It is accepted when the file with the log applied
        // is still an intact project database: a write-ahead log only when the file is in log
        // mode (an earlier version), a journal always.
        const bool fits = !alone.logUnusable && (alone.writeAheadMode || alone.log.ends_with("-journal")) &&
                          isProjectDatabase(DatabaseFiles::describe(path, true));
        if (!fits)
            return TextPair{"Neben der Projektdatenbank " + path + " liegt ein Protokoll (" + alone.log +
                                "), das nicht zu ihr gehört. Es wurde nichts geändert; verschieben Sie das "
                                "Protokoll und versuchen Sie es erneut.",
                            "Beside the project database " + path + " lies a log (" + alone.log +
                                ") that does not belong to it. Nothing was changed; move the log away and "
                                "try again."}
                .in(english);
    }
    return {};
}

std::string ProjectFile::prepare(const std::string& path, bool english)
{
    std::string found = problem(path, english);
    try {
        if (found.empty())
            DatabaseFiles::rollBack(path);
    } catch (const VbError& error) {
        found = TextPair{"Das Protokoll neben " + path + " kann nicht zurückgespielt werden: " + error.description(),
                         "The journal beside " + path + " cannot be rolled back: " + error.description()}
                    .in(english);
    }
    return found;
}

const char* const ProjectFile::lookupIndexes = "CREATE INDEX IF NOT EXISTS [E1_AKT] ON [E1] ([AKT])";

std::string ProjectFile::lockPath(const std::string& path)
{
    const std::filesystem::path file(path);
    return (file.parent_path() / (".~lock." + file.filename().string() + "#")).string();
}
