#include "ProjectSession.h"

#include "Connection.h"

#include <filesystem>

ProjectSession::ProjectSession(const std::string& databaseFile, MessageService& messages, std::string programFolder)
    : connection_(Connection::openFile(databaseFile)), programFolder_(std::move(programFolder)), messages_(messages)
{
    const std::filesystem::path folder = std::filesystem::absolute(databaseFile).parent_path();
    project_ = folder.filename().string();
    projectsPath_ = folder.parent_path().string();
}
