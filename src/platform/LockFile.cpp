#include "LockFile.h"

#include "Clock.h"
#include "SharedFolder.h"

#include <QDateTime>
#include <QFileInfo>
#include <QSysInfo>

#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace {

bool writeAll(int fd, const std::string& text)
{
    const bool written = ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    return ::fsync(fd) == 0 && written;
}

// A lock file still without content is being written; after this long its writer is gone.
constexpr int emptyLockSeconds = 10;

std::string thisHost()
{
    return QSysInfo::machineHostName().toStdString();
}

std::string oneLine(const std::string& text)
{
    std::string line = text;
    for (char& c : line) {
        if (c == '\n' || c == '\r')
            c = ' ';
    }
    return line;
}

// What /proc tells of a process: its state letter and its start, with the boot of this
// machine ("<boot id>:<start time>"); empty when not to be told.
struct ProcessStat {
    char state = 0;
    std::string stamp;
};

ProcessStat processStat(long pid)
{
    std::ifstream boot("/proc/sys/kernel/random/boot_id");
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string bootId, line;
    if (!std::getline(boot, bootId) || !std::getline(stat, line))
        return {};
    // The fields after the command name (which may hold blanks) end in ')'; the state is the
    // first of them, the start time the 20th.
    const auto end = line.rfind(')');
    if (end == std::string::npos)
        return {};
    std::istringstream fields(line.substr(end + 1));
    std::string field;
    ProcessStat found;
    for (int i = 0; i < 20 && fields >> field; ++i) {
        if (i == 0)
            found.state = field.front();
    }
    found.stamp = bootId + ":" + field;
    return found;
}

}  // namespace

LockFile::Holder LockFile::Holder::self(const std::string& user, const std::string& project)
{
    const long pid = getpid();
    return {user, thisHost(), pid, localTimeNow(), project, processStat(pid).stamp};
}

bool LockFile::Holder::alive() const
{
    if (pid <= 0)
        return false;
    if (host != thisHost())
        return true;
    // Signal 0 only asks whether the process exists; EPERM means it does, under another user.
    if (kill(static_cast<pid_t>(pid), 0) != 0 && errno != EPERM)
        return false;
    // A zombie has ended and holds nothing, though its parent has not reaped it yet. The
    // number may belong to a later process by now (after a restart of the machine, say).
    const ProcessStat now = processStat(pid);
    if (now.state == 'Z')
        return false;
    return process.empty() || now.stamp.empty() || now.stamp == process;
}

std::string LockFile::Holder::sinceText() const
{
    return shortDateTime(since);
}

LockFile::LockFile(std::string path) : path_(std::move(path)) {}

LockFile::~LockFile()
{
    release();
}

LockFile::Outcome LockFile::take(const Holder& self)
{
    outcome_ = attempt(self);
    return outcome_;
}

LockFile::Outcome LockFile::attempt(const Holder& self)
{
    previous_.reset();
    error_.clear();
    // Two rounds: a stale lock is removed once, then taken like a free one.
    for (int round = 0; round < 2; ++round) {
        const int failure = create(self);
        if (failure == 0)
            return previous_ ? Outcome::TakenOverStale : Outcome::Taken;
        if (failure != EEXIST) {
            error_ = std::strerror(failure);
            return Outcome::Unavailable;
        }
        std::string text;
        const int unreadable = readText(text);
        if (unreadable == ENOENT)
            continue;  // released meanwhile
        if (unreadable != 0) {
            error_ = unreadable == ELOOP     ? "it is a symbolic link"
                     : unreadable == ENOTSUP ? "it is not a plain file"
                                             : std::strerror(unreadable);
            return Outcome::Blocked;
        }
        const Holder holder = parse(text);
        if (!text.empty() && holder.pid <= 0) {
            error_ = "it holds no lock of this program";
            return Outcome::Blocked;
        }
        const QFileInfo info(QString::fromStdString(path_));
        const bool writing = text.empty() && info.lastModified().secsTo(QDateTime::currentDateTime()) < emptyLockSeconds;
        previous_ = holder;
        if (writing || holder.alive())
            return Outcome::HeldByOther;
        if (::unlink(path_.c_str()) != 0 && errno != ENOENT) {
            // A sticky shared folder keeps another user's file: its session has ended, but
            // only its owner can remove it.
            error_ = std::string("its session has ended, but it cannot be removed: ") + std::strerror(errno);
            return Outcome::Blocked;
        }
    }
    if (previous_)
        return Outcome::HeldByOther;
    error_ = "it came and went twice while it was taken; another program is taking it right now";
    return Outcome::Blocked;
}

int LockFile::create(const Holder& self)
{
    // The lock appears complete in one step, so a reader on another workstation never sees
    // a blank holder: written beside under a name of its own, then linked into place, which
    // fails when a lock exists.
    std::string temporary;
    int failure = writeBeside(content(self), temporary);
    if (failure != 0)
        return failure;
    if (::link(temporary.c_str(), path_.c_str()) != 0)
        failure = errno;
    ::unlink(temporary.c_str());
    if (failure == EPERM || failure == ENOTSUP || failure == EOPNOTSUPP)
        failure = createWithoutLink(self);
    if (failure != 0)
        return failure;
    held_ = true;
    return 0;
}

int LockFile::createWithoutLink(const Holder& self)
{
    // Some shares know no hard links, and some answer an existing file with EPERM.
    struct stat existing = {};
    if (::lstat(path_.c_str(), &existing) == 0)
        return EEXIST;
    const int fd = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0)
        return errno == EPERM && ::lstat(path_.c_str(), &existing) == 0 ? EEXIST : errno;
    ::fchmod(fd, 0644);
    SharedFolder::adopt(path_);
    const bool written = writeAll(fd, content(self));
    ::close(fd);
    if (!written) {
        ::unlink(path_.c_str());
        return ENOSPC;
    }
    return 0;
}

std::string LockFile::content(const Holder& holder)
{
    std::ostringstream text;
    text << "user=" << oneLine(holder.user) << "\nhost=" << oneLine(holder.host) << "\npid=" << holder.pid
         << "\nsince=" << oneLine(holder.since) << "\nproject=" << oneLine(holder.project)
         << "\nprocess=" << oneLine(holder.process) << "\n";
    return text.str();
}

void LockFile::setProject(const std::string& project)
{
    std::optional<Holder> holder = read();
    if (!held_ || !holder)
        return;
    holder->project = project;
    // Renamed over the lock, so a reader never sees half a lock.
    std::string temporary;
    if (writeBeside(content(*holder), temporary) == 0 && ::rename(temporary.c_str(), path_.c_str()) != 0)
        ::unlink(temporary.c_str());
}

int LockFile::writeBeside(const std::string& text, std::string& temporary) const
{
    // A new name of its own: never through a file or link someone put there.
    temporary = path_ + ".XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return errno;
    // Everyone who is refused must be able to read who holds it, whatever the umask; in a
    // shared folder the group may take it over once it is stale.
    ::fchmod(fd, 0644);
    SharedFolder::adopt(temporary);
    const bool written = writeAll(fd, text);
    ::close(fd);
    if (written)
        return 0;
    ::unlink(temporary.c_str());
    return ENOSPC;
}

int LockFile::readText(std::string& text) const
{
    // Without following a link, and without waiting on a pipe someone named like the lock.
    const int fd = ::open(path_.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno;
    struct stat info = {};
    char buffer[4096];
    ssize_t length = -1;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode))
        length = ::read(fd, buffer, sizeof buffer);
    const int failure = length < 0 && S_ISREG(info.st_mode) ? errno : 0;
    ::close(fd);
    if (!S_ISREG(info.st_mode))
        return ENOTSUP;
    if (length < 0)
        return failure;
    text.assign(buffer, static_cast<std::size_t>(length));
    return 0;
}

LockFile::Holder LockFile::parse(const std::string& text)
{
    Holder holder;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        const auto equals = line.find('=');
        if (equals == std::string::npos)
            continue;
        const std::string key = line.substr(0, equals), value = line.substr(equals + 1);
        if (key == "user")
            holder.user = value;
        else if (key == "host")
            holder.host = value;
        else if (key == "pid")
            std::from_chars(value.data(), value.data() + value.size(), holder.pid);
        else if (key == "since")
            holder.since = value;
        else if (key == "project")
            holder.project = value;
        else if (key == "process")
            holder.process = value;
    }
    return holder;
}

std::optional<LockFile::Holder> LockFile::read() const
{
    std::string text;
    if (readText(text) != 0)
        return std::nullopt;
    return parse(text);
}

void LockFile::release()
{
    if (!held_)
        return;
    held_ = false;
    // Only our own lock is removed: a lock taken over by someone else after ours was judged
    // stale stays theirs.
    const std::optional<Holder> holder = read();
    if (holder && holder->pid == getpid() && holder->host == thisHost())
        ::unlink(path_.c_str());
}
