#pragma once

#include <memory>
#include <string>

class Connection;
class LockFile;

// A project database as the tools open it: checked to be a project of this program and
// intact before anything is read, then either a private copy in memory (the file is only
// read) or the file itself under the project's lock, so that no session has it open and
// undoes the change with its next save.
class ProjectAccess {
public:
    enum class Mode { Read, Write };

    // Why the project cannot be opened is in problem(); then there is no database.
    ProjectAccess(const std::string& path, Mode mode);
    ~ProjectAccess();

    const std::string& problem() const { return problem_; }
    const std::shared_ptr<Connection>& database() const { return database_; }
    // The folder of the project.
    const std::string& folder() const { return folder_; }

private:
    std::string problem_;
    std::string folder_;
    std::unique_ptr<LockFile> lock_;
    std::shared_ptr<Connection> database_;
};
