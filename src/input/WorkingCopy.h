#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

// The user's private copy of a project database, on which a session works. The copy
// records, in the same step as it is made, which project file it was taken from, when,
// and what that file held then; so a leftover copy is only ever offered for its own
// project, and a save notices when someone else changed the project meanwhile.
class LockFile;

class WorkingCopy {
public:
    struct Origin {
        std::string projectFile;  // absolute path of the project database
        std::string takenAt;      // local time, ISO 8601
        std::string fingerprint;  // the project file's content when the copy was taken or last saved
        std::string pending;      // what a save was about to put in its place; empty after the save

        std::string project() const;  // the project's name: the folder of its database
        std::string takenAtText() const;
    };

    explicit WorkingCopy(std::string path);

    const std::string& path() const { return path_; }
    bool exists() const;
    // False when the file or its folder refuses writing.
    bool writable() const;

    // Copies the project file over the working copy and records its origin.
    void take(const std::string& projectFile);
    // The recorded origin; nullopt for a copy without one (made by an earlier version, or not
    // a database at all).
    std::optional<Origin> origin() const;
    bool belongsTo(const std::string& projectFile) const;
    // True when the project file holds neither what the copy was taken from (or last saved
    // to) nor what a save killed after replacing it put there. A project file that is gone
    // has no changes to lose.
    static bool projectChanged(const Origin& origin);

    // What saveInto throws when, checked again right before replacing the project, the
    // project holds someone else's changes: nothing was replaced.
    struct Conflict {};
    // Copies the working copy over its project file, without the origin record. The project
    // is replaced under an exclusive marker beside it (".KVX.mdb.saving"): one save at a
    // time, each checking the project's state again before replacing it and reading it back
    // afterwards. What the file is about to hold is recorded before it is replaced, the new
    // state after: a save killed in between is told from a change by someone else.
    // `lastCheck` runs right before the project is replaced; what it throws stops the save.
    void saveInto(const std::string& projectFile, const std::function<void()>& lastCheck = {});
    // A free name for a separate file in `folder`, made of the copy's name, the user and the
    // time ("KVX-SOMMER-20261208-143005.mdb").
    std::string besideName(const std::string& folder, const std::string& user) const;
    // Saves the working copy as the separate file `target`, without the origin record.
    void saveAs(const std::string& target, const std::function<void()>& lastCheck = {}) const;
    // Both: saves under a free name in `folder` and returns its path.
    std::string saveBeside(const std::string& folder, const std::string& user) const;

    static std::string canonical(const std::string& path);

private:
    void recordOrigin(const Origin& origin);
    static std::unique_ptr<LockFile> takeSaveMarker(const std::string& projectFile);

    std::string path_;
};
