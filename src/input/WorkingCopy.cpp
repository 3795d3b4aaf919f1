#include "WorkingCopy.h"

#include "input/ProjectFile.h"
#include "platform/Clock.h"
#include "platform/Connection.h"
#include "platform/DatabaseFiles.h"
#include "platform/FileName.h"
#include "platform/LockFile.h"
#include "platform/Recordset.h"
#include "platform/VbError.h"

#include <QDateTime>
#include <QThread>

#include <filesystem>
#include <memory>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// The origin record lives in the working copy only; a save leaves it out of the project.
const char* const dropOrigin = "DROP TABLE IF EXISTS [ARBEITSKOPIE]";

std::string originStatements(const WorkingCopy::Origin& origin)
{
    const auto literal = [](const std::string& text) { return "'" + Connection::escaped(text) + "'"; };
    return std::string(dropOrigin) +
           "; CREATE TABLE [ARBEITSKOPIE] ([PROJEKTDATEI] TEXT, [KOPIERT] TEXT, [STAND] TEXT, [NEU] TEXT)"
           "; INSERT INTO [ARBEITSKOPIE] VALUES (" +
           literal(origin.projectFile) + "," + literal(origin.takenAt) + "," + literal(origin.fingerprint) + "," +
           literal(origin.pending) + ")";
}

}  // namespace

std::string WorkingCopy::Origin::project() const
{
    return fs::path(projectFile).parent_path().filename().string();
}

std::string WorkingCopy::Origin::takenAtText() const
{
    return shortDateTime(takenAt);
}

WorkingCopy::WorkingCopy(std::string path) : path_(std::move(path)) {}

bool WorkingCopy::exists() const
{
    std::error_code ignored;
    return fs::exists(path_, ignored);
}

bool WorkingCopy::writable() const
{
    // The file's own permission counts even for a user who could override it: a copy
    // marked read-only is not written over, nor deleted.
    std::error_code error;
    const fs::perms permissions = fs::status(path_, error).permissions();
    const bool fileWritable = !exists() || (!error && (permissions & fs::perms::owner_write) != fs::perms::none &&
                                            ::access(path_.c_str(), W_OK) == 0);
    return fileWritable && ::access(fs::path(path_).parent_path().c_str(), W_OK) == 0;
}

std::string WorkingCopy::canonical(const std::string& path)
{
    std::error_code ignored;
    const fs::path result = fs::weakly_canonical(fs::absolute(path), ignored);
    return result.empty() ? path : result.string();
}

void WorkingCopy::take(const std::string& projectFile)
{
    const Origin origin{canonical(projectFile), localTimeNow(), DatabaseFiles::fingerprint(projectFile), {}};
    DatabaseFiles::copy(projectFile, path_, originStatements(origin) + "; " + ProjectFile::lookupIndexes);
}

std::optional<WorkingCopy::Origin> WorkingCopy::origin() const
{
    if (!exists() || !ProjectFile::problem(path_, true).empty())
        return std::nullopt;
    try {
        // Copies of earlier versions have no column of a pending save.
        Recordset row(Connection::openFile(path_, 30, Connection::Journal::WriteAhead),
                      "SELECT * FROM [ARBEITSKOPIE]");
        if (row.isEOF())
            return std::nullopt;
        return Origin{row.field(0).text(), row.field(1).text(), row.field(2).text(),
                      row.fieldCount() > 3 ? row.field(3).text() : std::string()};
    } catch (const std::exception&) {
        return std::nullopt;  // a copy from before origins were recorded
    }
}

bool WorkingCopy::belongsTo(const std::string& projectFile) const
{
    const std::optional<Origin> recorded = origin();
    return recorded && recorded->projectFile == canonical(projectFile);
}

bool WorkingCopy::projectChanged(const Origin& origin)
{
    const std::string current = DatabaseFiles::fingerprint(origin.projectFile);
    return !current.empty() && current != origin.fingerprint && current != origin.pending;
}

void WorkingCopy::saveInto(const std::string& projectFile, const std::function<void()>& lastCheck)
{
    const std::optional<Origin> before = origin();
    Origin saving = before.value_or(Origin{canonical(projectFile), localTimeNow(), {}, {}});
    saving.projectFile = canonical(projectFile);
    std::unique_ptr<LockFile> marker;
    DatabaseFiles::copy(path_, projectFile, dropOrigin, [&](const std::string& finished) {
        marker = takeSaveMarker(projectFile);
        if (before && projectChanged(*before))
            throw Conflict{};
        if (lastCheck)
            lastCheck();
        saving.pending = DatabaseFiles::fingerprint(finished);
        recordOrigin(saving);
    });
    // Read back: the project must hold what this save wrote, not a neighbour's file.
    saving.fingerprint = DatabaseFiles::fingerprint(projectFile);
    if (saving.fingerprint != saving.pending)
        throw VbError(VbError::DatabaseError, projectFile + ": after saving, the file does not hold what was saved.");
    saving.pending.clear();
    recordOrigin(saving);
}

std::unique_ptr<LockFile> WorkingCopy::takeSaveMarker(const std::string& projectFile)
{
    const fs::path file(projectFile);
    auto marker = std::make_unique<LockFile>((file.parent_path() / ("." + file.filename().string() + ".saving")).string());
    // Another save replaces the project now: it takes a moment. A marker of a killed save is
    // taken over at once.
    for (int waited = 0; waited < 300; ++waited) {
        const LockFile::Outcome outcome = marker->take(LockFile::Holder::self("", file.parent_path().filename()));
        if (outcome == LockFile::Outcome::Taken || outcome == LockFile::Outcome::TakenOverStale)
            return marker;
        if (outcome != LockFile::Outcome::HeldByOther)
            throw VbError(VbError::DatabaseError, marker->path() + ": " + marker->error());
        QThread::msleep(100);
    }
    throw VbError(VbError::DatabaseError, marker->path() + ": another save has not ended for 30 seconds.");
}

void WorkingCopy::recordOrigin(const Origin& saved)
{
    const auto copy = Connection::openFile(path_, 30, Connection::Journal::WriteAhead);
    Connection::Savepoint unit(*copy);
    copy->execute(originStatements(saved));
    unit.commit();
}

std::string WorkingCopy::besideName(const std::string& folder, const std::string& user) const
{
    const std::string stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")).toStdString();
    const std::string base = fs::path(path_).stem().string() + "-" + FileName::safe(user) + "-" + stamp;
    fs::path target = fs::path(folder) / (base + ".mdb");
    std::error_code ignored;
    for (int n = 2; fs::exists(target, ignored); ++n)
        target = fs::path(folder) / (base + "-" + std::to_string(n) + ".mdb");
    return target.string();
}

void WorkingCopy::saveAs(const std::string& target, const std::function<void()>& lastCheck) const
{
    DatabaseFiles::copy(path_, target, dropOrigin, [&](const std::string&) {
        if (lastCheck)
            lastCheck();
    });
}

std::string WorkingCopy::saveBeside(const std::string& folder, const std::string& user) const
{
    const std::string target = besideName(folder, user);
    saveAs(target);
    return target;
}
