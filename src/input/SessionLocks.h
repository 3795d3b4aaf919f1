#pragma once

#include "platform/LockFile.h"

#include <functional>
#include <memory>
#include <string>

class MessageService;

// The two locks of a session. The working-copy lock keeps a second session of the same
// user off the one working copy; the project lock keeps a second user off the project,
// whose file every save replaces. Each refusal and each take-over of a stale lock is said
// in one message.
class SessionLocks {
public:
    SessionLocks(MessageService& messages, bool english, std::string title);

    // False, after saying who runs since when, while another live session of this user holds
    // the working copy. A lock left by a session that ended abnormally is taken silently:
    // that session counts as interrupted.
    bool takeWorkingCopy(const std::string& lockPath, const std::string& user, const std::string& project);
    // Names the project in the working-copy lock once it is known.
    void setProject(const std::string& project);
    // False, after saying who holds it since when, while another live session has the
    // project; a stale project lock is taken over after saying so.
    bool takeProject(const std::string& lockPath, const std::string& user, const std::string& project);
    void release();

    // Takes the lock of another project for one step (a recovery, an export); false when a
    // live session holds it.
    static std::unique_ptr<LockFile> borrow(const std::string& lockPath, const std::string& user,
                                            const std::string& project);
    // Why a lock was not taken: "Project P1 is in use by SCHMIDT on host h since …", or that
    // its file cannot be made; in the language.
    static std::string refusal(const LockFile& lock, bool english);

private:
    using Wording = std::function<std::string(const LockFile::Holder&)>;
    // Takes a lock, or says why not (`held` words a live holder) and gives nothing; a stale
    // lock is taken over, after saying so in `stale`'s words when given.
    std::unique_ptr<LockFile> take(const std::string& lockPath, const std::string& user, const std::string& project,
                                   const Wording& held, const Wording& stale = {});
    static std::string inUse(const LockFile::Holder& holder, bool english);
    // Which file holds a refusing lock, and how a user gets past it.
    static std::string wayOut(const LockFile& lock, bool english);
    std::string inUse(const LockFile::Holder& holder) const;
    void say(const std::string& text, bool warning);

    MessageService& messages_;
    bool english_;
    std::string title_;
    std::unique_ptr<LockFile> workingCopy_;
    std::unique_ptr<LockFile> project_;
};
