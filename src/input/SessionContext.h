#pragma once

#include "input/SessionLocks.h"
#include "input/WorkingCopy.h"
#include "platform/Locale.h"
#include "platform/Session.h"
#include "platform/TextPair.h"

#include "platform/MessageService.h"

#include <functional>
#include <memory>
#include <string>

class Connection;
class SettingsStore;

// The session of the program, from the main window's load to its unload: language and
// number format, the mode (suite or stand-alone), the user's ADMIN row, the project, and
// the private working copy of the project database on which everything runs.
class SessionContext : public Session {
public:
    // What the operating system and the user's settings tell; tests pass their own.
    struct Environment {
        std::string programFolder;
        std::function<std::string()> loginName;  // the raw name; upper case is made here
        Locale locale;
        SettingsStore& settings;
        MessageService& messages;
    };

    explicit SessionContext(Environment environment);
    ~SessionContext() override;

    // The start-up steps; false when the program has to end (its message was shown), also
    // when the working copy could not be opened. A session that does not start holds no lock.
    bool start();

    std::shared_ptr<Connection> cnnX() const override { return cnnX_; }
    std::shared_ptr<Connection> cnnX_V() const override { return cnnX_V_; }
    std::string PROJEKTSPFAD() const override { return PROJEKTSPFAD_; }
    std::string PROJEKT() const override { return PROJEKT_; }
    std::string programFolder() const override { return environment_.programFolder; }
    MessageService& messages() const override { return environment_.messages; }
    // The login name in upper case, asked anew on every read.
    std::string BENUTZER() const override;

    std::string BEARBEITER() const override { return BEARBEITER_; }
    int16_t SPRACHE() const { return environment_.locale.SPRACHE; }
    // The windows speak English only in an English session.
    bool english() const { return SPRACHE() == Locale::English; }
    // The text in the session's language.
    std::string text(const TextPair& pair) const;
    std::string DEZIMALPUNKT() const { return environment_.locale.DEZIMALPUNKT; }
    std::string DATENBANKPFAD() const;
    void DATENBANKPFAD(const std::string& folder);
    // The working copy: <parent of the program folder>/BENUTZER/<BENUTZER>/KVX.mdb;
    // missing folders are made.
    std::string XMDBPFAD() const;
    std::string projectFile() const;
    bool standAlone() const { return Session::runsStandAlone(environment_.programFolder); }

    bool GEAENDERT = false;
    bool RAHMENSTART = false;

    enum class SaveOutcome { Saved, SavedBeside, Cancelled };
    // Copies the working copy over the project database. When someone else changed the
    // project file since the copy was taken, nothing is overwritten: one question (titled
    // `title`) offers to save the working copy as a separate file in the project folder.
    // Cancelled, after a message, also when the project folder failed or stopped answering.
    SaveOutcome save(const std::string& title);
    // The file the last save wrote: the project, or the separate file.
    const std::string& savedTo() const { return savedTo_; }

    // Sizes in MB (in KB when the copy was below 1 MB), rounded to one decimal, and the
    // reduction in percent.
    struct Compaction {
        float before, after, reduction;
        bool megabytes;
    };
    // The size of the working copy with its log folded in.
    std::uintmax_t workingCopyBytes();
    // Rewrites the working copy without its free space; cnnX is open again afterwards.
    // When compacting fails, the working copy stays as it was and cnnX stays open on it.
    Compaction compact();
    // The end of a session: ADMIN handed back to the frame program (suite mode),
    // connections closed, the working copy deleted (unless it is read-only: then it may
    // hold work that never reached the project), the locks released.
    void end();

    // Panel 1's text: the path cut at folder boundaries to at most 20 characters, behind " ... ".
    static std::string shortenedPath(const std::string& path);

private:
    MessageService::Answer message(const std::string& text, MessageService::Buttons buttons, MessageService::Icon icon);
    bool startSteps();
    bool readAdminRow();
    // The ADMIN row's PROG back to the frame program (suite mode).
    void handAdminBack();
    bool openProject();
    // True when the working copy of an interrupted session was kept.
    bool prepareWorkingCopy();
    // A leftover working copy of another project: saved into it, or discarded.
    void recoverElsewhere(WorkingCopy& leftover, const WorkingCopy::Origin& origin);
    // A leftover working copy that does not say where it comes from: kept as a file beside it.
    void setAside(WorkingCopy& leftover);
    // Saves a working copy into its project under that project's lock; a separate file when
    // the project changed meanwhile or is in use. Returns the path written.
    std::string saveIntoOrBeside(WorkingCopy& copy, const WorkingCopy::Origin& origin);
    // Runs a save to the project folder `folder` through the message service's waiting. False,
    // after saying so under `title`, when the folder failed or stopped answering; the work is
    // told `lastCheck`, to be run right before it replaces anything.
    bool onShare(const std::string& title, const std::string& folder,
                 const std::function<void(const std::function<void()>& lastCheck)>& work);

    Environment environment_;
    std::shared_ptr<Connection> cnnARCHIV_;
    std::shared_ptr<Connection> cnnX_;
    std::shared_ptr<Connection> cnnX_V_;
    std::string PROJEKTSPFAD_;
    std::string PROJEKT_;
    std::string BEARBEITER_;
    SessionLocks locks_;
    bool adminWritten_ = false;
    std::string savedTo_;
};
