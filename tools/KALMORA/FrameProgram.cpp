#include "FrameProgram.h"

#include "platform/Connection.h"
#include "platform/DatabaseFiles.h"
#include "platform/FileName.h"
#include "platform/Recordset.h"
#include "platform/SharedFolder.h"
#include "platform/SettingsStore.h"
#include "platform/VbError.h"

#include <QProcess>

#include <algorithm>
#include <filesystem>

namespace fs = std::filesystem;

FrameProgram::FrameProgram(std::string suiteFolder, SettingsStore& settings, std::string user)
    : suiteFolder_(std::move(suiteFolder)), settings_(settings), user_(std::move(user))
{}

std::string FrameProgram::databaseFolder() const
{
    const std::string stored = settings_.value("KALMORA", "Extras", "Datenbankpfad");
    return stored.empty() ? suiteFolder_ + "/DB" : stored;
}

void FrameProgram::init(const std::string& folder)
{
    const std::string target = folder.empty() ? databaseFolder() : folder;
    fs::create_directories(target);
    fs::create_directories(projectsFolder());
    for (const std::string& shared : {target, projectsFolder()})
        SharedFolder::adopt(shared);
    for (const char* database : {"ARCHIV.mdb", "VORGABE.mdb"}) {
        if (!fs::exists(fs::path(target) / database))
            DatabaseFiles::copy(moduleFolder() + "/" + database, (fs::path(target) / database).string());
    }
    // Every user of the suite finds its databases, where this user may say so for all.
    const std::string absolute = fs::absolute(target).string();
    if (!settings_.setSharedValue("KALMORA", "Extras", "Datenbankpfad", absolute))
        settings_.setValue("KALMORA", "Extras", "Datenbankpfad", absolute);
}

void FrameProgram::checkName(const std::string& name)
{
    // A project is a folder every user of the suite must be able to type, list and share.
    const bool clean = !name.empty() && name.size() <= 255 && name == FileName::safe(name) && name.front() != ' ' &&
                       name.back() != ' ' && name.find("..") == std::string::npos;
    // The name as typed, only its control characters made visible.
    std::string shown = name;
    for (char& c : shown) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            c = '?';
    }
    if (!clean)
        throw VbError(VbError::DatabaseError,
                      "The project name \"" + shown +
                          "\" must be 1 to 255 bytes long, must not begin or end with a blank nor begin with \".\", "
                          "and must not contain \"..\", control characters or any of / \\ : * ? \" < > | ;");
}

bool FrameProgram::newProject(const std::string& name)
{
    checkName(name);
    const fs::path folder = fs::path(projectsFolder()) / name;
    if (fs::exists(folder))
        return false;
    fs::create_directories(folder);
    SharedFolder::adopt(folder.string());
    DatabaseFiles::copy(moduleFolder() + "/KVX.mdb", (folder / "KVX.mdb").string());
    return true;
}

std::vector<std::string> FrameProgram::projects() const
{
    std::vector<std::string> names;
    std::error_code ignored;
    for (const auto& entry : fs::directory_iterator(projectsFolder(), ignored)) {
        if (entry.is_directory() && fs::exists(entry.path() / "KVX.mdb"))
            names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

bool FrameProgram::start(const std::string& project, const std::optional<std::string>& editor)
{
    choose(project, editor);
    return QProcess::startDetached(QString::fromStdString(moduleProgram()), {});
}

Recordset FrameProgram::adminRow() const
{
    return Recordset(Connection::openFile(databaseFolder() + "/ARCHIV.mdb"),
                     "SELECT * FROM [ADMIN] WHERE [BENUTZER]='" + Connection::escaped(user_) + "'");
}

std::string FrameProgram::currentProject() const
{
    Recordset row = adminRow();
    return row.isEOF() ? std::string() : row.field("PROJEKT").text();
}

void FrameProgram::choose(const std::string& project, const std::optional<std::string>& editor)
{
    checkName(project);
    std::error_code ignored;
    if (!fs::is_regular_file(fs::path(projectsFolder()) / project / "KVX.mdb", ignored))
        throw VbError(VbError::DatabaseError, "There is no project " + project + " in " + projectsFolder() + ".");
    Recordset row = adminRow();
    std::string chosen = editor.value_or(user_);
    if (row.isEOF()) {
        row.addNew();
        row.setField("BENUTZER", user_);
    } else if (!editor && !row.field("BEARBEITER").text().empty()) {
        chosen = row.field("BEARBEITER").text();
    }
    row.setField("PROG", "KALMORA");
    row.setField("PROJEKTSPFAD", fs::absolute(projectsFolder()).string());
    row.setField("PROJEKT", project);
    row.setField("BEARBEITER", chosen);
    row.update();
    row.close();
}
