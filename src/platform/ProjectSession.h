#pragma once

#include "Connection.h"
#include "Session.h"

#include <memory>
#include <string>

// A session over one project database file, for programs without a main window: the
// file is the working connection and the preset connection alike, the project is the
// given project folder (by default the file's folder).
class ProjectSession : public Session {
public:
    ProjectSession(const std::string& databaseFile, MessageService& messages, std::string programFolder = {},
                   const std::string& projectFolder = {}, Connection::Journal journal = Connection::Journal::Rollback);
    // Over an open connection (a copy in memory, say) of the database in projectFolder.
    ProjectSession(std::shared_ptr<Connection> connection, MessageService& messages, const std::string& projectFolder);

    std::shared_ptr<Connection> cnnX() const override { return connection_; }
    std::shared_ptr<Connection> cnnX_V() const override { return connection_; }
    std::string PROJEKTSPFAD() const override { return projectsPath_; }
    std::string PROJEKT() const override { return project_; }
    std::string programFolder() const override { return programFolder_; }
    std::string BENUTZER() const override;
    MessageService& messages() const override { return messages_; }

private:
    std::shared_ptr<Connection> connection_;
    std::string projectsPath_;
    std::string project_;
    std::string programFolder_;
    MessageService& messages_;
};
