#include "SessionContext.h"

#include "input/ProjectFile.h"
#include "platform/Connection.h"
#include "platform/DatabaseFiles.h"
#include "platform/ErrorTrap.h"
#include "platform/LoginName.h"
#include "platform/MessageService.h"
#include "platform/Recordset.h"
#include "platform/SettingsStore.h"
#include "platform/VbError.h"

#include <QString>

#include <atomic>
#include <cmath>
#include <ctime>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

const char* const code = "KVX";

std::string connectionString(const std::string& path)
{
    return "Provider=Microsoft.Jet.OLEDB.4.0; Data Source=" + path + ";Persist Security Info=False";
}

bool exists(const std::string& path)
{
    std::error_code ignored;
    return fs::exists(path, ignored);
}

}  // namespace

SessionContext::SessionContext(Environment environment)
    : environment_(std::move(environment)),
      locks_(environment_.messages, environment_.locale.SPRACHE == Locale::English, code)
{}

SessionContext::~SessionContext() = default;

std::string SessionContext::BENUTZER() const
{
    try {
        // A name that cannot be told is "UNBEK."; one of blanks alone is cleaned to nothing and refused.
        const std::string name = environment_.loginName ? environment_.loginName() : std::string();
        return name.empty() ? "UNBEK." : cleanedLoginName(name);
    } catch (const std::exception&) {
        return "UNBEK.";
    }
}

std::string SessionContext::DATENBANKPFAD() const
{
    return environment_.settings.value("KALMORA", "Extras", "Datenbankpfad");
}

void SessionContext::DATENBANKPFAD(const std::string& folder)
{
    environment_.settings.setValue("KALMORA", "Extras", "Datenbankpfad", folder);
}

std::string SessionContext::XMDBPFAD() const
{
    fs::path folder = fs::path(environment_.programFolder).parent_path() / "BENUTZER";
    std::error_code ignored;
    fs::create_directory(folder, ignored);
    folder /= BENUTZER();
    fs::create_directory(folder, ignored);
    return (folder / (std::string(code) + ".mdb")).string();
}

std::string SessionContext::projectFile() const
{
    return PROJEKTSPFAD_ + "/" + PROJEKT_ + "/" + code + ".mdb";
}

std::string SessionContext::text(const TextPair& pair) const
{
    return pair.in(english());
}

MessageService::Answer SessionContext::message(const std::string& text, MessageService::Buttons buttons,
                                               MessageService::Icon icon)
{
    return environment_.messages.show({code, text, buttons, icon});
}

bool SessionContext::start()
{
    Locale::setCurrent(environment_.locale);
    const bool started = startSteps();
    if (!started) {
        // A session that did not start leaves the suite as it found it: the frame program
        // has the user again, and no lock stays behind.
        if (adminWritten_)
            ErrorTrap(environment_.messages, code, ErrorPrefix::window).attempt([&] { handAdminBack(); });
        cnnX_.reset();
        locks_.release();
    }
    return started;
}

bool SessionContext::startSteps()
{
    ErrorTrap trap(environment_.messages, code, ErrorPrefix::window);
    const auto warn = [this](const TextPair& pair) {
        message(text(pair), MessageService::Buttons::Ok, MessageService::Icon::Warning);
    };
    if (BENUTZER().empty()) {
        warn({"Der Anmeldename besteht nur aus Leerzeichen; unter ihm kann keine Arbeitskopie angelegt werden.",
              "The login name consists of blanks alone; no working copy can be made under it."});
        return false;
    }
    const fs::path copyFolder = fs::path(XMDBPFAD()).parent_path();
    std::error_code refused;
    if (!fs::is_directory(copyFolder, refused) && !fs::create_directories(copyFolder, refused)) {
        const std::string reason = refused ? refused.message() : std::string("not a folder");
        warn({"Der Ordner der Arbeitskopie " + copyFolder.string() + " kann nicht angelegt werden: " + reason + ".",
              "The working copy's folder " + copyFolder.string() + " cannot be made: " + reason + "."});
        return false;
    }
    // Before anything is touched: one session per user and working copy.
    if (!locks_.takeWorkingCopy(XMDBPFAD() + ".lock", BENUTZER(), ""))
        return false;
    if (standAlone()) {
        PROJEKTSPFAD_ = fs::path(environment_.programFolder).parent_path().string();
        PROJEKT_ = "TE0000.00";
        BEARBEITER_ = BENUTZER();
    } else {
        if (!trap.attempt([&] { cnnARCHIV_ = Connection::open(connectionString(DATENBANKPFAD() + "/ARCHIV.mdb")); }) ||
            !trap.attempt([&] { cnnX_V_ = Connection::open(connectionString(DATENBANKPFAD() + "/VORGABE.mdb")); }))
            return false;
        bool found = false;
        if (!trap.attempt([&] { found = readAdminRow(); }))
            return false;
        if (!found) {
            warn({std::string("Programm ") + code + " kann nur über das Rahmenprogramm ausgeführt werden!",
                  std::string("Program ") + code + " can used only via the frame program!"});
            return false;
        }
        // The project is one folder of the projects folder, never a way out of it (to the
        // program's template, say).
        if (PROJEKT_.empty() || PROJEKT_.find_first_of("/\\") != std::string::npos ||
            PROJEKT_.find("..") != std::string::npos) {
            warn({"Der Projektname " + PROJEKT_ + " ist nicht der Name eines Ordners in " + PROJEKTSPFAD_ + ".",
                  "The project name " + PROJEKT_ + " is not the name of a folder in " + PROJEKTSPFAD_ + "."});
            return false;
        }
        std::error_code unreachable;
        const bool folderFound = fs::exists(PROJEKTSPFAD_ + "/" + PROJEKT_, unreachable);
        if (unreachable) {
            const std::string folder = PROJEKTSPFAD_ + "/" + PROJEKT_;
            warn({"Projektsverzeichnis " + folder + " ist nicht erreichbar (" + unreachable.message() +
                      ").\nEs wurde nichts verändert; starten Sie erneut, sobald es erreichbar ist.",
                  "Project directory " + folder + " cannot be reached (" + unreachable.message() +
                      ").\nNothing was changed; start again once it can be reached."});
            return false;
        }
        if (!folderFound) {
            warn({"Projektsverzeichnis " + PROJEKT_ + " existiert nicht!",
                  "Project directory " + PROJEKT_ + " dosn't exist!"});
            return false;
        }
        if (!exists(environment_.programFolder + "/" + code + ".mdb")) {
            warn(
                {std::string("Die leere Datenbank ") + code +
                     ".mdb existiert nicht!\nKalmora muß neu installiert werden!",
                 std::string("The empty database ") + code + ".mdb dosn't exist!\nKalmora has to be installed again!"});
            return false;
        }
    }
    if (!openProject())
        return false;
    bool recovered = false;
    if (!trap.attempt([&] { recovered = prepareWorkingCopy(); }))
        return false;
    if (!WorkingCopy(XMDBPFAD()).writable()) {
        warn({"Die Arbeitskopie " + XMDBPFAD() +
                  " kann nicht geschrieben werden (schreibgeschützt).\nDas Programm "
                  "kann nicht mit ihr arbeiten; sie bleibt unverändert. Machen Sie sie beschreibbar und starten Sie "
                  "erneut.",
              "The working copy " + XMDBPFAD() +
                  " cannot be written (read-only).\nThe program cannot work on it; it "
                  "is left as it is. Make it writable and start again."});
        return false;
    }
    // Work kept from an interrupted session is not in the project yet: closing asks to save it.
    GEAENDERT = recovered;
    trap.attempt([&] { cnnX_ = Connection::open(connectionString(XMDBPFAD()), 30, Connection::Journal::WriteAhead); });
    // Without its working copy the program cannot run; the error has been shown.
    return cnnX_ && cnnX_->isOpen();
}

bool SessionContext::openProject()
{
    locks_.setProject(PROJEKT_);
    // The project lock first: what follows reads and cleans the project folder.
    const std::string project = projectFile();
    if (!locks_.takeProject(ProjectFile::lockPath(project), BENUTZER(), PROJEKT_))
        return false;
    // A save that was killed leaves its unfinished copy (under the name of an earlier version,
    // or of its process); nobody else saves while we hold the lock.
    for (const char* suffix : {".part", ".part-journal"}) {
        std::error_code ignored;
        fs::remove(project + suffix, ignored);
    }
    DatabaseFiles::removeLeftoverCopies(fs::path(project).parent_path().string());
    if (const std::string problem = ProjectFile::prepare(project, english()); !problem.empty()) {
        message(problem, MessageService::Buttons::Ok, MessageService::Icon::Warning);
        return false;
    }
    // A project left in log mode (by an earlier version) gets its rollback journal back, so
    // that readers on other workstations leave no log beside it.
    if (DatabaseFiles::describe(project).writeAheadMode)
        return ErrorTrap(environment_.messages, code, ErrorPrefix::window).attempt([&] {
            Connection::openFile(project);
        });
    return true;
}

bool SessionContext::readAdminRow()
{
    if (!cnnARCHIV_)
        throw VbError::of(VbError::ObjectNotSet);
    Recordset row(cnnARCHIV_, "SELECT * FROM [ADMIN] WHERE [BENUTZER]='" + Connection::escaped(BENUTZER()) + "'");
    if (row.isEOF())
        return false;
    row.moveFirst();
    row.setField("PROG", code);
    row.update();
    adminWritten_ = true;
    PROJEKTSPFAD_ = row.field("PROJEKTSPFAD").text();
    PROJEKT_ = row.field("PROJEKT").text();
    BEARBEITER_ = row.field("BEARBEITER").text();
    row.close();
    return true;
}

bool SessionContext::prepareWorkingCopy()
{
    // A working copy left behind means the last session of this user did not end normally.
    WorkingCopy copy(XMDBPFAD());
    std::error_code ignored;
    fs::remove(copy.path() + ".part", ignored);
    DatabaseFiles::removeLeftoverCopies(fs::path(copy.path()).parent_path().string());
    if (copy.exists()) {
        const std::optional<WorkingCopy::Origin> origin = copy.origin();
        if (!origin) {
            setAside(copy);
        } else if (origin->projectFile != WorkingCopy::canonical(projectFile())) {
            recoverElsewhere(copy, *origin);
        } else if (message(text({"Programm wurde während der Ausführung unterbrochen!\nSoll die bis zum Abbruch "
                                 "vorhandenen Daten gepeichert werden?",
                                 "Program was interuped during the execution!\nDo you want to save the changes till "
                                 "the interuption?"}),
                           MessageService::Buttons::YesNo,
                           MessageService::Icon::Question) == MessageService::Answer::Yes) {
            return true;
        }
    }
    copy.take(projectFile());
    return false;
}

void SessionContext::recoverElsewhere(WorkingCopy& leftover, const WorkingCopy::Origin& origin)
{
    const std::string other = origin.project();
    const MessageService::Answer answer = message(
        text({"Programm wurde während der Ausführung unterbrochen!\nSeine Arbeitskopie gehört zu Projekt " + other +
                  " (angelegt " + origin.takenAtText() + "), nicht zu Projekt " + PROJEKT_ +
                  ".\nSollen die bis zum Abbruch vorhandenen Daten in Projekt " + other + " gespeichert werden?",
              "Program was interuped during the execution!\nIts working copy belongs to project " + other + " (taken " +
                  origin.takenAtText() + "), not to project " + PROJEKT_ +
                  ".\nDo you want to save the changes till the interuption into project " + other + "?"}),
        MessageService::Buttons::YesNo, MessageService::Icon::Question);
    if (answer != MessageService::Answer::Yes)
        return;
    const std::string written = saveIntoOrBeside(leftover, origin);
    message(written == origin.projectFile
                ? text({"Die Änderungen wurden in Projekt " + other + " gespeichert.",
                        "The changes were saved into project " + other + "."})
                : text({"Projekt " + other +
                            " wurde inzwischen geändert oder wird bearbeitet; die Änderungen wurden "
                            "in der eigenen Datei " +
                            written + " gespeichert.",
                        "Project " + other +
                            " was changed meanwhile or is in use; the changes were saved as the "
                            "separate file " +
                            written + "."}),
            MessageService::Buttons::Ok, MessageService::Icon::Information);
}

std::string SessionContext::saveIntoOrBeside(WorkingCopy& copy, const WorkingCopy::Origin& origin)
{
    const std::string folder = fs::path(origin.projectFile).parent_path().string();
    if (!exists(folder))
        return copy.saveBeside(fs::path(copy.path()).parent_path().string(), BENUTZER());
    const std::unique_ptr<LockFile> lock =
        SessionLocks::borrow(ProjectFile::lockPath(origin.projectFile), BENUTZER(), origin.project());
    if (!lock->held() || WorkingCopy::projectChanged(origin) || !ProjectFile::problem(origin.projectFile, true).empty())
        return copy.saveBeside(folder, BENUTZER());
    try {
        copy.saveInto(origin.projectFile);
    } catch (const WorkingCopy::Conflict&) {
        return copy.saveBeside(folder, BENUTZER());
    }
    return origin.projectFile;
}

void SessionContext::setAside(WorkingCopy& leftover)
{
    std::string kept;
    try {
        kept = leftover.saveBeside(fs::path(leftover.path()).parent_path().string(), BENUTZER());
    } catch (const VbError&) {
        // Not even a database: the file itself is moved aside, unread.
        kept = leftover.path() + "." + std::to_string(std::time(nullptr)) + ".unbekannt";
        fs::rename(leftover.path(), kept);
    }
    message(text({"Programm wurde während der Ausführung unterbrochen!\nSeine Arbeitskopie sagt nicht, zu welchem "
                  "Projekt sie gehört; sie wurde als Datei " +
                      kept + " aufbewahrt.",
                  "Program was interuped during the execution!\nIts working copy does not say which project it "
                  "belongs to; it was kept as the file " +
                      kept + "."}),
            MessageService::Buttons::Ok, MessageService::Icon::Information);
}

bool SessionContext::onShare(const std::string& title, const std::string& folder,
                             const std::function<void(const std::function<void()>& lastCheck)>& work)
{
    // Once the waiting is given up, the work may still end on its own, but replaces nothing.
    struct GivenUp {};
    const auto givenUp = std::make_shared<std::atomic<bool>>(false);
    const std::function<void()> lastCheck = [givenUp] {
        if (*givenUp)
            throw GivenUp{};
    };
    const std::string nothingLost =
        text({"Es ging nichts verloren: Ihre Änderungen bleiben in Ihrer Arbeitskopie. Speichern Sie erneut, "
              "sobald der Ordner wieder erreichbar ist.",
              "Nothing was lost: your changes stay in your working copy. Save again once the folder can be "
              "reached."});
    try {
        if (environment_.messages.await(title,
                                        text({"Projekt " + PROJEKT_ + " wird in " + folder + " gespeichert …",
                                              "Saving project " + PROJEKT_ + " to " + folder + " …"}),
                                        [work, lastCheck] { work(lastCheck); }))
            return true;
        *givenUp = true;
        environment_.messages.show(
            {title,
             text({"Der Ordner " + folder + " antwortet nicht; Projekt " + PROJEKT_ + " wurde nicht gespeichert.\n" +
                       nothingLost,
                   "The folder " + folder + " does not answer; project " + PROJEKT_ + " was not saved.\n" +
                       nothingLost}),
             MessageService::Buttons::Ok, MessageService::Icon::Warning});
    } catch (const VbError& error) {
        environment_.messages.show(
            {title,
             text({"Projekt " + PROJEKT_ + " konnte nicht in " + folder + " gespeichert werden:\n" +
                       error.description() + "\n" + nothingLost,
                   "Project " + PROJEKT_ + " could not be saved to " + folder + ":\n" + error.description() + "\n" +
                       nothingLost}),
             MessageService::Buttons::Ok, MessageService::Icon::Warning});
    }
    return false;
}

SessionContext::SaveOutcome SessionContext::save(const std::string& title)
{
    const std::string workingCopy = XMDBPFAD(), project = projectFile();
    const std::string folder = fs::path(project).parent_path().string();
    // Set by the save when someone else saved the project since the copy was taken.
    const auto changed = std::make_shared<std::optional<WorkingCopy::Origin>>();
    if (!onShare(title, folder, [=](const std::function<void()>& lastCheck) {
            WorkingCopy copy(workingCopy);
            const std::optional<WorkingCopy::Origin> origin = copy.origin();
            if (!origin || !WorkingCopy::projectChanged(*origin)) {
                try {
                    copy.saveInto(project, lastCheck);
                    return;
                } catch (const WorkingCopy::Conflict&) {
                    // Someone saved while this save was being made: the same choice as below.
                }
            }
            *changed = origin;
        }))
        return SaveOutcome::Cancelled;
    if (!*changed) {
        savedTo_ = project;
        return SaveOutcome::Saved;
    }
    const std::string beside = WorkingCopy(workingCopy).besideName(folder, BENUTZER());
    const MessageService::Answer answer = environment_.messages.show(
        {title,
         text({"Projekt " + PROJEKT_ + " wurde seit dem Anlegen Ihrer Arbeitskopie (" + (*changed)->takenAtText() +
                   ") von jemand anderem geändert.\nOK: diese Änderungen behalten und Ihre Arbeitskopie als "
                   "eigene Datei " +
                   fs::path(beside).filename().string() +
                   " im Projektordner speichern.\nAbbrechen: jetzt nichts speichern.",
               "Project " + PROJEKT_ + " was changed by someone else since your working copy was taken (" +
                   (*changed)->takenAtText() +
                   ").\nOK: keep those changes and save your working copy as the "
                   "separate file " +
                   fs::path(beside).filename().string() + " in the project folder.\nCancel: save nothing now."}),
         MessageService::Buttons::OkCancel, MessageService::Icon::Warning});
    if (answer != MessageService::Answer::Ok ||
        !onShare(title, folder, [=](const std::function<void()>& lastCheck) {
            WorkingCopy(workingCopy).saveAs(beside, lastCheck);
        }))
        return SaveOutcome::Cancelled;
    savedTo_ = beside;
    return SaveOutcome::SavedBeside;
}

SessionContext::Compaction SessionContext::compact()
{
    const std::string source = XMDBPFAD();
    // The temporary file lies beside the working copy, named after its file alone.
    const std::string temporary =
        (fs::path(source).parent_path() / (fs::path(source).stem().string() + "TEMP.mdb")).string();
    if (!cnnX_)
        throw VbError::of(VbError::ObjectNotSet);
    const std::uintmax_t bytesBefore = workingCopyBytes();
    DatabaseFiles::remove(temporary);
    try {
        cnnX_->execute("VACUUM INTO '" + Connection::escaped(temporary) + "'");
    } catch (const VbError&) {
        DatabaseFiles::remove(temporary);
        throw;
    }
    cnnX_->close();
    try {
        DatabaseFiles::rename(temporary, source);
    } catch (const VbError&) {
        cnnX_ = Connection::open(connectionString(source), 30, Connection::Journal::WriteAhead);
        throw;
    }
    cnnX_ = Connection::open(connectionString(source), 30, Connection::Journal::WriteAhead);
    // Sizes in MB, or in KB for a copy below 1 MB, rounded to one decimal.
    const double unit = bytesBefore >= 1000000 ? 1e6 : 1e3;
    const auto rounded = [unit](std::uintmax_t bytes) {
        return static_cast<float>(std::nearbyint(bytes / unit * 10) / 10);
    };
    const float before = rounded(bytesBefore), after = rounded(workingCopyBytes());
    const float reduction =
        before > 0 ? static_cast<float>(std::nearbyint((before - after) * 100 / before * 10) / 10) : 0;
    return {before, after, reduction, unit == 1e6};
}

std::uintmax_t SessionContext::workingCopyBytes()
{
    // Committed work may still lie in the log beside the file: fold it in before measuring.
    if (cnnX_ && cnnX_->isOpen())
        cnnX_->execute("PRAGMA wal_checkpoint(TRUNCATE)");
    std::error_code ignored;
    const std::uintmax_t bytes = fs::file_size(XMDBPFAD(), ignored);
    return bytes == static_cast<std::uintmax_t>(-1) ? 0 : bytes;
}

void SessionContext::handAdminBack()
{
    if (standAlone() || !cnnARCHIV_)
        return;
    Recordset row(cnnARCHIV_, "SELECT [PROG] FROM [ADMIN] WHERE [BENUTZER]='" + Connection::escaped(BENUTZER()) + "'");
    if (!row.isEOF()) {
        row.setField("PROG", "KALMORA");
        row.update();
    }
    row.close();
}

void SessionContext::end()
{
    ErrorTrap trap(environment_.messages, code, ErrorPrefix::window);
    trap.run({
        [&] { handAdminBack(); },
        [&] {
            cnnARCHIV_.reset();
            cnnX_V_.reset();
        },
        [&] {
            if (cnnX_)
                cnnX_->close();
            cnnX_.reset();
        },
        [&] {
            // A read-only working copy may hold work that never reached the project: it stays.
            if (WorkingCopy(XMDBPFAD()).writable())
                DatabaseFiles::remove(XMDBPFAD());
        },
        [&] { locks_.release(); },
    });
}

std::string SessionContext::shortenedPath(const std::string& path)
{
    if (path.size() <= 20)
        return path;
    std::string text = path;
    std::size_t cut = 2;  // 1-based
    while (text.size() > 20) {
        text = text.substr(cut - 1);
        const auto next = text.find('/', 2);
        if (next == std::string::npos) {
            // No folder boundary left to cut at: the last folder name is shown whole.
            const auto last = text.rfind('/');
            if (last != std::string::npos)
                text = text.substr(last);
            break;
        }
        cut = next + 1;
    }
    return " ... " + text;
}
