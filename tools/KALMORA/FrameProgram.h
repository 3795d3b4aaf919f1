#pragma once

#include <optional>
#include <string>
#include <vector>

class Recordset;
class SettingsStore;

// The suite's frame program: it keeps the suite databases (ARCHIV.mdb with the user
// table ADMIN, VORGABE.mdb) in the folder stored under KALMORA/Extras/Datenbankpfad,
// creates projects (a folder with a project database from the module's template) and
// hands the user's current project to the module through the user's ADMIN row.
class FrameProgram {
public:
    // suiteFolder holds the module's program folder "KVX", the projects and the databases.
    FrameProgram(std::string suiteFolder, SettingsStore& settings, std::string user);

    std::string moduleFolder() const { return suiteFolder_ + "/KVX"; }
    std::string projectsFolder() const { return suiteFolder_ + "/PROJEKTE"; }
    // The stored database folder, or <suite>/DB when none is stored yet.
    std::string databaseFolder() const;

    // Makes the suite databases where they are missing and stores their folder.
    void init(const std::string& databaseFolder = {});
    // A new project folder with an empty project database; false when it exists already.
    // A name that is not one folder's name (empty, with "/", "\\" or "..") is an error.
    bool newProject(const std::string& name);
    std::vector<std::string> projects() const;
    // Writes the user's ADMIN row: the project, the editor, PROG = "KALMORA". Without an
    // editor the one chosen before stays (the login name for a new user). A project that
    // does not exist, or a name that is not one folder's name, is an error.
    void choose(const std::string& project, const std::optional<std::string>& editor = std::nullopt);
    // Chooses the project, then starts the module on it; false when the module could not
    // be started.
    bool start(const std::string& project, const std::optional<std::string>& editor = std::nullopt);
    // The project of the user's ADMIN row; empty before the user's first choice.
    std::string currentProject() const;
    // The program that a start runs: the module in its program folder.
    std::string moduleProgram() const { return moduleFolder() + "/KVX"; }

private:
    static void checkName(const std::string& name);
    // The user's row of the ADMIN table, to read or write.
    Recordset adminRow() const;

    std::string suiteFolder_;
    SettingsStore& settings_;
    std::string user_;
};
