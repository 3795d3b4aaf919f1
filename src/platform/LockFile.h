#pragma once

#include <optional>
#include <string>

// A lock file that names its holder (login name, host, process, time, project), in the
// manner of the lock files office suites keep beside an open document. Taking it is one
// exclusive create, so of two processes only one can succeed; a lock whose process no
// longer exists on this host is stale and may be taken over.
class LockFile {
public:
    struct Holder {
        std::string user;
        std::string host;
        long pid = 0;
        std::string since;    // local time, ISO 8601
        std::string project;  // what the holder works on
        std::string process;  // boot and start time of the process, so a reused pid is not taken for it

        // The holder as this process: its login name and project, now.
        static Holder self(const std::string& user, const std::string& project);
        // False only when the holder's process is known to be gone: a process of this host
        // that no longer exists, or a lock that never got its content. A holder on another
        // host cannot be asked and counts as alive.
        bool alive() const;
        // "08.12.26 14:05" in the current locale's short form, for messages.
        std::string sinceText() const;
    };

    enum class Outcome {
        Taken,           // the lock was free
        TakenOverStale,  // a stale lock was replaced; `previous` holds who had it
        HeldByOther,     // a live holder has it; `previous` holds who
        Unavailable,     // the lock file cannot be made (a folder without write access); see `error`
        Blocked,         // something that is no readable lock, or a stale lock that cannot be
                         // removed, is in the lock's place; see `error`
    };

    explicit LockFile(std::string path);
    LockFile(const LockFile&) = delete;
    LockFile& operator=(const LockFile&) = delete;
    ~LockFile();  // releases a lock this object holds

    Outcome take(const Holder& self);
    // What the last `take` came to.
    Outcome outcome() const { return outcome_; }
    // Names the project in a lock this object holds (it may be known only after taking).
    void setProject(const std::string& project);
    void release();
    bool held() const { return held_; }
    const std::string& path() const { return path_; }
    // Who had the lock when `take` found it taken.
    const std::optional<Holder>& previous() const { return previous_; }
    // The holder written in the file; nullopt when there is no lock file.
    std::optional<Holder> read() const;
    // Why the lock file could not be made, or what is in its way.
    const std::string& error() const { return error_; }

private:
    Outcome attempt(const Holder& self);
    // 0 when made, else the errno of the failure (EEXIST: someone has it).
    int create(const Holder& self);
    int createWithoutLink(const Holder& self);
    // Writes the text into a new file beside the lock; 0 with its path, else the errno.
    int writeBeside(const std::string& text, std::string& temporary) const;
    // 0 with the file's text, else the errno of the failure (ENOENT: no lock file; ENOTSUP:
    // no plain file; ELOOP: a link).
    int readText(std::string& text) const;
    static Holder parse(const std::string& text);
    static std::string content(const Holder& holder);

    std::string path_;
    bool held_ = false;
    std::optional<Holder> previous_;
    std::string error_;
    Outcome outcome_ = Outcome::Unavailable;
};
