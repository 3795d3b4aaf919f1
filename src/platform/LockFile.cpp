#include "LockFile.h"

#include "Clock.h"

#include <QDateTime>
#include <QFileInfo>
#include <QSysInfo>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace {

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
    previous_.reset();
    // Two rounds: a stale lock is removed once, then taken like a free one.
    for (int round = 0; round < 2; ++round) {
        const int failure = create(self);
        if (failure == 0)
            return previous_ ? Outcome::TakenOverStale : Outcome::Taken;
        if (failure != EEXIST) {
            error_ = std::strerror(failure);
            return Outcome::Unavailable;
        }
        std::optional<Holder> holder = read();
        if (!holder)
            continue;  // released meanwhile
        const bool empty = holder->pid == 0;
        const QFileInfo info(QString::fromStdString(path_));
        const bool writing = empty && info.lastModified().secsTo(QDateTime::currentDateTime()) < emptyLockSeconds;
        if (writing || holder->alive()) {
            previous_ = holder;
            return Outcome::HeldByOther;
        }
        previous_ = holder;
        std::error_code ignored;
        std::filesystem::remove(path_, ignored);
    }
    return Outcome::HeldByOther;
}

int LockFile::create(const Holder& self)
{
    const int fd = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0)
        return errno;
    const std::string text = content(self);
    const bool written = ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    ::fsync(fd);
    ::close(fd);
    if (!written) {
        ::unlink(path_.c_str());
        return ENOSPC;
    }
    held_ = true;
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
    // Written beside and renamed over, so a reader never sees half a lock.
    const std::string temporary = path_ + "." + std::to_string(getpid());
    std::ofstream(temporary) << content(*holder);
    std::error_code ignored;
    std::filesystem::rename(temporary, path_, ignored);
}

std::optional<LockFile::Holder> LockFile::read() const
{
    std::ifstream file(path_);
    if (!file)
        return std::nullopt;
    Holder holder;
    std::string line;
    while (std::getline(file, line)) {
        const auto equals = line.find('=');
        if (equals == std::string::npos)
            continue;
        const std::string key = line.substr(0, equals), value = line.substr(equals + 1);
        if (key == "user")
            holder.user = value;
        else if (key == "host")
            holder.host = value;
        else if (key == "pid")
            holder.pid = std::atol(value.c_str());
        else if (key == "since")
            holder.since = value;
        else if (key == "project")
            holder.project = value;
        else if (key == "process")
            holder.process = value;
    }
    return holder;
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
