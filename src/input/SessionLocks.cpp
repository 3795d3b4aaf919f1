#include "SessionLocks.h"

#include "platform/MessageService.h"
#include "platform/TextPair.h"

SessionLocks::SessionLocks(MessageService& messages, bool english, std::string title)
    : messages_(messages), english_(english), title_(std::move(title))
{}

void SessionLocks::say(const std::string& text, bool warning)
{
    messages_.show({title_, text, MessageService::Buttons::Ok,
                    warning ? MessageService::Icon::Warning : MessageService::Icon::Information});
}

std::unique_ptr<LockFile> SessionLocks::take(const std::string& lockPath, const std::string& user,
                                             const std::string& project, const Wording& held, const Wording& stale)
{
    auto lock = std::make_unique<LockFile>(lockPath);
    const LockFile::Outcome outcome = lock->take(LockFile::Holder::self(user, project));
    if (outcome == LockFile::Outcome::HeldByOther) {
        const LockFile::Holder& holder = *lock->previous();
        say((holder.user.empty() ? inUse(holder) : held(holder)) + wayOut(*lock, english_), true);
        return nullptr;
    }
    if (outcome != LockFile::Outcome::Taken && outcome != LockFile::Outcome::TakenOverStale) {
        say(refusal(*lock, english_), true);
        return nullptr;
    }
    if (outcome == LockFile::Outcome::TakenOverStale && stale)
        say(stale(*lock->previous()), false);
    return lock;
}

bool SessionLocks::takeWorkingCopy(const std::string& lockPath, const std::string& user, const std::string& project)
{
    workingCopy_ = take(lockPath, user, project, [this](const LockFile::Holder& other) {
        return TextPair{title_ + " läuft bereits für " + other.user + ", Projekt " + other.project + ", seit " +
                            other.sinceText() + ".",
                        title_ + " is already running for " + other.user + ", project " + other.project + ", since " +
                            other.sinceText() + "."}
            .in(english_);
    });
    return workingCopy_ != nullptr;
}

bool SessionLocks::takeProject(const std::string& lockPath, const std::string& user, const std::string& project)
{
    const auto held = [this](const LockFile::Holder& other) {
        return inUse(other) + TextPair{"\nEs kann geöffnet werden, wenn diese Sitzung beendet ist.",
                                       "\nIt can be opened when that session has ended."}
                                  .in(english_);
    };
    const auto stale = [this, &project](const LockFile::Holder& other) {
        return TextPair{"Projekt " + project + " war seit " + other.sinceText() + " von " + other.user + " auf " +
                            other.host +
                            " geöffnet; diese Sitzung endete, ohne es zu schließen. Die Sperre wird "
                            "übernommen.",
                        "Project " + project + " was opened by " + other.user + " on " + other.host + " since " +
                            other.sinceText() + ", and that session ended without closing it. Its lock is taken over."}
            .in(english_);
    };
    project_ = take(lockPath, user, project, held, stale);
    return project_ != nullptr;
}

void SessionLocks::setProject(const std::string& project)
{
    if (workingCopy_)
        workingCopy_->setProject(project);
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

std::string SessionLocks::refusal(const LockFile& lock, bool english)
{
    const std::string& path = lock.path();
    if (lock.outcome() == LockFile::Outcome::Blocked)
        return TextPair{"Die Sperrdatei " + path + " ist im Weg: " + lock.error() +
                            ". Arbeitet keine Sitzung mehr an diesem Projekt, kann sie gelöscht werden (von "
                            "ihrem Besitzer oder dem Administrator).",
                        "The lock file " + path + " is in the way: " + lock.error() +
                            ". If no session works on this project any more, it can be deleted (by its owner or "
                            "the administrator)."}
            .in(english);
    if (!lock.previous())
        return TextPair{"Die Sperrdatei " + path + " kann nicht angelegt werden: " + lock.error() + ".",
                        "The lock file " + path + " cannot be made: " + lock.error() + "."}
            .in(english);
    return inUse(*lock.previous(), english) + wayOut(lock, english);
}

std::string SessionLocks::wayOut(const LockFile& lock, bool english)
{
    if (lock.previous() && lock.previous()->user.empty())
        return TextPair{"\nDie Sperrdatei " + lock.path() + " wird gerade angelegt; bitte gleich noch einmal versuchen.",
                        "\nThe lock file " + lock.path() + " is being made right now; please try again in a moment."}
            .in(english);
    return TextPair{"\nSperrdatei: " + lock.path() +
                        ". Ist jene Sitzung sicher beendet (etwa ihr Rechner abgestürzt), kann die Datei gelöscht "
                        "werden.",
                    "\nLock file: " + lock.path() +
                        ". If that session has certainly ended (its computer crashed, say), the file can be deleted."}
        .in(english);
}

std::string SessionLocks::inUse(const LockFile::Holder& holder) const
{
    return inUse(holder, english_);
}

std::string SessionLocks::inUse(const LockFile::Holder& holder, bool english)
{
    if (holder.user.empty())
        return TextPair{"Das Projekt wird gerade von einer anderen Sitzung geöffnet.",
                        "The project is being opened by another session."}
            .in(english);
    return TextPair{"Projekt " + holder.project + " wird seit " + holder.sinceText() + " von " + holder.user + " auf " +
                        holder.host + " bearbeitet.",
                    "Project " + holder.project + " is in use by " + holder.user + " on " + holder.host + " since " +
                        holder.sinceText() + "."}
        .in(english);
}
