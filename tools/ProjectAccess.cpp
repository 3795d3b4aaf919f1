#include "ProjectAccess.h"

#include "input/ProjectFile.h"
#include "input/SessionLocks.h"
#include "platform/Connection.h"
#include "platform/DatabaseFiles.h"
#include "platform/LockFile.h"
#include "platform/LoginName.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <unistd.h>

namespace fs = std::filesystem;

ProjectAccess::ProjectAccess(const std::string& path, Mode mode)
{
    std::error_code error;
    if (!fs::is_regular_file(path, error)) {
        problem_ = "no such file: " + path;
        return;
    }
    // Checked before anything is copied or written; a killed writer's journal is rolled back.
    if (const std::string problem = ProjectFile::prepare(path, true); !problem.empty()) {
        problem_ = "not a project database: " + problem;
        return;
    }
    // A damaged file would be read wrong, or made worse by writing into it.
    if (const std::string damage = DatabaseFiles::damage(path); !damage.empty()) {
        problem_ = path + " is damaged (" + damage + "); restore it from a backup";
        return;
    }
    folder_ = fs::absolute(path).parent_path().string();
    if (mode == Mode::Read) {
        database_ = Connection::privateCopy(path);
    } else {
        // Said once for the file, before a value is read (and refused column by column).
        for (const std::string& needed : {path, folder_}) {
            if (::access(needed.c_str(), W_OK) != 0) {
                problem_ = "cannot write " + needed + ": " + std::strerror(errno);
                return;
            }
        }
        lock_ = SessionLocks::borrow(ProjectFile::lockPath(path), loginName(), fs::path(folder_).filename().string());
        if (!lock_->held()) {
            problem_ = SessionLocks::refusal(*lock_, true);
            return;
        }
        database_ = Connection::openFile(path);
    }
    database_->execute(ProjectFile::lookupIndexes);
}

ProjectAccess::~ProjectAccess() = default;
