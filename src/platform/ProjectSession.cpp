#include "ProjectSession.h"

#include "Connection.h"

#include <QString>

#include <cstdlib>
#include <filesystem>

ProjectSession::ProjectSession(const std::string& databaseFile, MessageService& messages, std::string programFolder,
                               const std::string& projectFolder, Connection::Journal journal)
    : connection_(Connection::openFile(databaseFile, 30, journal)), programFolder_(std::move(programFolder)),
      messages_(messages)
{
    const std::filesystem::path folder =
        std::filesystem::absolute(projectFolder.empty() ? std::filesystem::path(databaseFile).parent_path()
                                                        : std::filesystem::path(projectFolder));
    project_ = folder.filename().string();
    projectsPath_ = folder.parent_path().string();
}

ProjectSession::ProjectSession(std::shared_ptr<Connection> connection, MessageService& messages,
                               const std::string& projectFolder)
    : connection_(std::move(connection)), messages_(messages)
{
    const std::filesystem::path folder = std::filesystem::absolute(projectFolder);
    project_ = folder.filename().string();
    projectsPath_ = folder.parent_path().string();
}

std::string ProjectSession::BENUTZER() const
{
    const char* name = std::getenv("USER");
    if (!name || !*name)
        name = std::getenv("LOGNAME");
    return name && *name ? QString::fromLocal8Bit(name).toUpper().toStdString() : "UNBEK.";
}
