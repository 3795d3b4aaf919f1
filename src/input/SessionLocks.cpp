#include "SessionLocks.h"

#include "platform/MessageService.h"

SessionLocks::SessionLocks(MessageService& messages, bool english, std::string title)
    : messages_(messages), english_(english), title_(std::move(title))
{
}

void SessionLocks::say(const std::string& text, bool warning)
{
    messages_.show({title_, text, MessageService::Buttons::Ok,
                    warning ? MessageService::Icon::Warning : MessageService::Icon::Information});
}

bool SessionLocks::takeWorkingCopy(const std::string& lockPath, const std::string& user, const std::string& project)
{
    auto lock = std::make_unique<LockFile>(lockPath);
    if (lock->take(LockFile::Holder::self(user, project)) == LockFile::Outcome::HeldByOther) {
        const LockFile::Holder& other = *lock->previous();
        say(english_ ? title_ + " is already running for " + other.user + ", project " + other.project + ", since " +
                           other.sinceText() + "."
                     : title_ + " läuft bereits für " + other.user + ", Projekt " + other.project + ", seit " +
                           other.sinceText() + ".",
            true);
        return false;
    }
    workingCopy_ = std::move(lock);
    return true;
}

bool SessionLocks::takeProject(const std::string& lockPath, const std::string& user, const std::string& project)
{
    auto lock = std::make_unique<LockFile>(lockPath);
    const LockFile::Outcome outcome = lock->take(LockFile::Holder::self(user, project));
    if (outcome == LockFile::Outcome::HeldByOther) {
        say(inUse(*lock->previous(), english_) +
                (english_ ? "\nIt can be opened when that session has ended."
                          : "\nEs kann geöffnet werden, wenn diese Sitzung beendet ist."),
            true);
        return false;
    }
    if (outcome == LockFile::Outcome::TakenOverStale) {
        const LockFile::Holder& other = *lock->previous();
        say(english_ ? "Project " + project + " was opened by " + other.user + " on " + other.host + " since " +
                           other.sinceText() + ", and that session ended without closing it. Its lock is taken over."
                     : "Projekt " + project + " war seit " + other.sinceText() + " von " + other.user + " auf " +
                           other.host + " geöffnet; diese Sitzung endete, ohne es zu schließen. Die Sperre wird "
                           "übernommen.",
            false);
    }
    project_ = std::move(lock);
    return true;
}

void SessionLocks::release()
{
    project_.reset();
    workingCopy_.reset();
}

std::unique_ptr<LockFile> SessionLocks::borrow(const std::string& lockPath, const std::string& user,
                                               const std::string& project)
{
    auto lock = std::make_unique<LockFile>(lockPath);
    lock->take(LockFile::Holder::self(user, project));
    return lock;
}

std::string SessionLocks::inUse(const LockFile::Holder& holder, bool english)
{
    return english ? "Project " + holder.project + " is in use by " + holder.user + " on " + holder.host + " since " +
                         holder.sinceText() + "."
                   : "Projekt " + holder.project + " wird seit " + holder.sinceText() + " von " + holder.user +
                         " auf " + holder.host + " bearbeitet.";
}
