// Projects shared by sessions and users, with the real programs: killed sessions, project
// switches, a second session of one user, a second user, foreign files beside a project.
// Every check reads the project files through a fresh connection afterwards.
#include "SuiteProcesses.h"

#include "platform/DatabaseFiles.h"

#include <QFile>
#include <QStandardPaths>

#include <functional>
#include <random>

#include <sys/stat.h>
#include <sys/wait.h>

namespace fs = std::filesystem;

namespace {

class SharedProjectTest : public SuiteProcesses {
protected:
    // A session of SOMMER on P1 saves a record with two test results into its working copy
    // and is killed.
    void killedSessionOnP1(const std::string& ken)
    {
        std::string script = record(ken);
        script.insert(script.find("panel 8\n"), "paste 25\\t15,8\\t12,1\\n50\\t29,6\\t24,3\n");
        QProcess& session = startModule(script + "wait 600000\n");
        ASSERT_TRUE(awaitRecord("SOMMER", ken));
        kill(session);
    }
    std::vector<fs::path> besideFiles(const std::string& project)
    {
        std::vector<fs::path> files;
        for (const auto& entry : fs::directory_iterator(root / "PROJEKTE" / project)) {
            if (entry.path().filename().string().rfind("KVX-", 0) == 0)
                files.push_back(entry.path());
        }
        return files;
    }
    // A writer of the database killed inside its transaction, after its journal reached the
    // disk: the journal beside it is hot.
    static void leaveHotJournal(const fs::path& database)
    {
        const pid_t writer = fork();
        if (writer == 0) {
            auto db = Connection::openFile(database.string());
            db->execute("PRAGMA cache_size=2; BEGIN; CREATE TABLE IF NOT EXISTS [BIG] ([B]); "
                        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i<2000) "
                        "INSERT INTO [BIG] SELECT randomblob(400) FROM n");
            _exit(0);
        }
        waitpid(writer, nullptr, 0);
        ASSERT_GT(fs::file_size(database.string() + "-journal"), 512u);
    }
    static bool rollbackMode(const fs::path& file)
    {
        return !DatabaseFiles::describe(file.string()).writeAheadMode && !fs::exists(file.string() + "-wal");
    }
};

TEST_F(SharedProjectTest, AKilledSessionIsRecoveredIntoItsOwnProjectAfterASwitch)
{
    ASSERT_EQ(frame({"new", "P2"}), 0);
    killedSessionOnP1("Geotextil");
    ASSERT_EQ(frame({"choose", "P2"}), 0);

    // "Yes" saves the leftover into P1, where it was made; P2 opens untouched.
    EXPECT_EQ(module("answer Yes\ntrigger mnuSPEICHERN\nquit\n"), 0) << log;
    EXPECT_NE(log.find("gehört zu Projekt P1"), std::string::npos) << log;
    EXPECT_NE(log.find("Die Änderungen wurden in Projekt P1 gespeichert."), std::string::npos) << log;
    EXPECT_EQ(count("P1", "SELECT [ID] FROM [E1] WHERE [KEN]='Geotextil'"), 1);
    EXPECT_EQ(count("P1", "SELECT [ID] FROM [E2] WHERE [A]=28.5"), 1);
    EXPECT_EQ(count("P1", "SELECT [NR] FROM [E3] JOIN [E1] USING ([ID]) WHERE [KEN]='Geotextil' AND "
                          "[TAUF] IN (15.8, 29.6) AND [TAUR] IN (12.1, 24.3)"),
              2);
    EXPECT_EQ(count("P2", "SELECT [ID] FROM [E1]"), 0);
    EXPECT_EQ(count("P2", "SELECT [name] FROM [sqlite_master] WHERE [name]='E3'"), 0);
    EXPECT_TRUE(rollbackMode(projectFile("P1")));
    EXPECT_EQ(count("P1", "SELECT [name] FROM [sqlite_master] WHERE [name]='ARBEITSKOPIE'"), 0);
}

TEST_F(SharedProjectTest, AKilledSessionOfAnotherProjectIsDiscardedOnNo)
{
    ASSERT_EQ(frame({"new", "P2"}), 0);
    killedSessionOnP1("Geotextil");
    ASSERT_EQ(frame({"choose", "P2"}), 0);
    EXPECT_EQ(module("answer No\nselect\ntrigger mnuSPEICHERN\nquit\n"), 0) << log;
    EXPECT_EQ(count("P1", "SELECT [ID] FROM [E1]"), 0);
    EXPECT_EQ(count("P2", "SELECT [ID] FROM [E1]"), 0);
    EXPECT_FALSE(fs::exists(workingCopy("SOMMER")));
}

TEST_F(SharedProjectTest, ASecondSessionOfOneUserEndsWithoutTouchingTheFirst)
{
    QProcess& first = startModule(record("Geotextil") + "wait 600000\n");
    ASSERT_TRUE(awaitRecord("SOMMER", "Geotextil"));
    EXPECT_EQ(module("answer No\nquit\n"), 1);
    EXPECT_NE(log.find("KVX läuft bereits für SOMMER, Projekt P1, seit "), std::string::npos) << log;
    EXPECT_EQ(log.find("unterbrochen"), std::string::npos) << log;
    EXPECT_EQ(first.state(), QProcess::Running);
    EXPECT_EQ(countFile(workingCopy("SOMMER"), "SELECT [ID] FROM [E1] WHERE [KEN]='Geotextil'"), 1);

    // Once the first one is gone, its lock is stale: the next start recovers its work.
    kill(first);
    log.clear();
    EXPECT_EQ(module("answer Yes\ntrigger mnuSPEICHERN\nquit\n"), 0) << log;
    EXPECT_NE(log.find("Programm wurde während der Ausführung unterbrochen!"), std::string::npos) << log;
    EXPECT_EQ(count("P1", "SELECT [ID] FROM [E1] WHERE [KEN]='Geotextil'"), 1);
}

TEST_F(SharedProjectTest, ASecondUserIsToldWhoHoldsTheProject)
{
    ASSERT_EQ(frame({"choose", "P1", "Dr. Schmidt"}, "SCHMIDT"), 0);
    QProcess& first = startModule(record("Geotextil") + "wait 600000\n");
    ASSERT_TRUE(awaitRecord("SOMMER", "Geotextil"));
    EXPECT_EQ(module(record("Ton") + "trigger mnuSPEICHERN\nquit\n", "SCHMIDT"), 1);
    EXPECT_NE(log.find("Projekt P1 wird seit "), std::string::npos) << log;
    EXPECT_NE(log.find(" von SOMMER auf "), std::string::npos) << log;
    EXPECT_FALSE(fs::exists(workingCopy("SCHMIDT")));
    EXPECT_EQ(admin("SCHMIDT"), "KALMORA");

    // A lock whose holder is gone is taken over after saying so.
    kill(first);
    log.clear();
    EXPECT_EQ(module(record("Ton") + "trigger mnuSPEICHERN\nquit\n", "SCHMIDT"), 0) << log;
    EXPECT_NE(log.find("Die Sperre wird übernommen."), std::string::npos) << log;
    EXPECT_EQ(count("P1", "SELECT [ID] FROM [E1] WHERE [KEN]='Ton'"), 1);
}

TEST_F(SharedProjectTest, ASaveNeverRemovesWhatAnotherUserSavedMeanwhile)
{
    ASSERT_EQ(frame({"choose", "P1", "Dr. Schmidt"}, "SCHMIDT"), 0);
    const fs::path go = root / "go";
    QProcess& sommer = startModule(record("Geotextil") + "await " + go.string() + "\ntrigger mnuSPEICHERN\nquit\n");
    ASSERT_TRUE(awaitRecord("SOMMER", "Geotextil"));
    // The lock is lost (deleted by hand, or the share does not keep it): SCHMIDT gets in and saves.
    fs::remove(root / "PROJEKTE" / "P1" / ".~lock.KVX.mdb#");
    EXPECT_EQ(module(record("Ton") + "trigger mnuSPEICHERN\nquit\n", "SCHMIDT"), 0) << log;
    ASSERT_EQ(count("P1", "SELECT [ID] FROM [E1] WHERE [KEN]='Ton'"), 1);

    std::ofstream(go) << "";
    ASSERT_TRUE(sommer.waitForFinished(60000));
    log += sommer.readAllStandardError().toStdString();
    EXPECT_NE(log.find("von jemand anderem geändert"), std::string::npos) << log;
    // SCHMIDT's record stays; SOMMER's work is in a separate file in the project folder.
    EXPECT_EQ(count("P1", "SELECT [ID] FROM [E1] WHERE [KEN]='Ton'"), 1);
    EXPECT_EQ(count("P1", "SELECT [ID] FROM [E1] WHERE [KEN]='Geotextil'"), 0);
    const std::vector<fs::path> beside = besideFiles("P1");
    ASSERT_EQ(beside.size(), 1u);
    EXPECT_EQ(beside[0].filename().string().rfind("KVX-SOMMER-", 0), 0u);
    EXPECT_EQ(countFile(beside[0], "SELECT [ID] FROM [E1] WHERE [KEN]='Geotextil'"), 1);
}

// Logs beside the project that do not belong to it: a committed log or a hot journal of
// another database (a restored backup, a killed tool), a link, a file with the name alone.
// Two users press "Speichern" at the same moment on one project whose lock was lost: each
// record ends in the project or in a file beside it named after its user, never nowhere.
TEST_F(SharedProjectTest, TwoSavesAtOnceLoseNoRecord)
{
    ASSERT_EQ(frame({"choose", "P1", "Dr. Schmidt"}, "SCHMIDT"), 0);
    const fs::path lock = root / "PROJEKTE" / "P1" / ".~lock.KVX.mdb#";
    for (int round = 0; round < 6; ++round) {
        const std::string go = "go" + std::to_string(round), mine = "S" + std::to_string(round),
                          theirs = "T" + std::to_string(round);
        QProcess& sommer = startModule(record(mine) + await(go) + "trigger mnuSPEICHERN\nquit\n");
        ASSERT_TRUE(awaitRecord("SOMMER", mine));
        fs::remove(lock);
        QProcess& schmidt = startModule(record(theirs) + await(go) + "trigger mnuSPEICHERN\nquit\n", "SCHMIDT");
        ASSERT_TRUE(awaitRecord("SCHMIDT", theirs));
        this->go(go);
        for (QProcess* session : {&sommer, &schmidt}) {
            ASSERT_TRUE(session->waitForFinished(60000));
            EXPECT_EQ(session->exitCode(), 0) << session->readAllStandardError().toStdString();
        }
        for (const auto& [user, ken] : {std::pair{std::string("SOMMER"), mine}, std::pair{std::string("SCHMIDT"), theirs}}) {
            bool kept = count("P1", "SELECT [ID] FROM [E1] WHERE [KEN]='" + ken + "'") == 1;
            for (const fs::path& beside : besideFiles("P1")) {
                if (beside.filename().string().rfind("KVX-" + user + "-", 0) == 0)
                    kept = kept || countFile(beside, "SELECT [ID] FROM [E1] WHERE [KEN]='" + ken + "'") == 1;
            }
            EXPECT_TRUE(kept) << "round " << round << ": " << ken << " of " << user << " is lost";
        }
        EXPECT_TRUE(rollbackMode(projectFile("P1")));
        EXPECT_EQ(stored("P1", "PRAGMA integrity_check").text(), "ok");
    }
}

TEST_F(SharedProjectTest, AForeignLogBesideTheProjectIsRefusedAndChangesNothing)
{
    const fs::path other = root / "other.db";
    DatabaseFiles::copy((root / "KVX" / "VORGABE.mdb").string(), other.string());
    {
        auto db = Connection::openFile(other.string(), 30, Connection::Journal::WriteAhead);
        db->execute("PRAGMA wal_autocheckpoint=0; CREATE TABLE [X] ([Y]); INSERT INTO [X] VALUES (1)");
        fs::copy_file(other.string() + "-wal", root / "foreign-wal");
    }
    fs::copy_file(root / "KVX" / "VORGABE.mdb", root / "other.mdb");
    leaveHotJournal(root / "other.mdb");
    const std::string project = projectFile("P1").string();
    const std::string before = DatabaseFiles::fingerprint(project);
    struct Case {
        std::string log;
        std::function<void(const std::string&)> plant;  // puts the log at its path
    };
    for (const Case& c : std::initializer_list<Case>{
             {"-wal", [&](const std::string& at) { fs::copy_file(root / "foreign-wal", at); }},
             {"-journal", [&](const std::string& at) { fs::copy_file(root / "other.mdb-journal", at); }},
             {"-journal", [&](const std::string& at) { fs::create_symlink(root / "other.mdb-journal", at); }},
             {"-journal", [&](const std::string& at) { std::ofstream(at) << "no journal at all"; }}}) {
        const std::string companion = project + c.log;
        c.plant(companion);
        log.clear();
        EXPECT_EQ(module("quit\n"), 1);
        EXPECT_NE(log.find("liegt ein Protokoll (" + companion + ")"), std::string::npos) << log;
        EXPECT_FALSE(fs::exists(workingCopy("SOMMER")));
        EXPECT_EQ(run(KVX_SHEET, {QString::fromStdString(project), "--in-place", "--pdf",
                                  QString::fromStdString((root / "s.pdf").string())}),
                  1);
        EXPECT_NE(log.find("does not belong to it"), std::string::npos) << log;
        EXPECT_EQ(DatabaseFiles::fingerprint(project), before) << companion;
        EXPECT_TRUE(fs::exists(fs::symlink_status(companion)));
        fs::remove(companion);
    }
    // The project's own journal, left by a writer killed in its transaction, is rolled back.
    fs::copy_file(project, root / "other.mdb", fs::copy_options::overwrite_existing);
    fs::remove(root / "other.mdb-journal");
    leaveHotJournal(root / "other.mdb");
    fs::copy_file(root / "other.mdb-journal", project + "-journal");
    EXPECT_EQ(module(record("Sand") + "trigger mnuSPEICHERN\nquit\n"), 0) << log;
    EXPECT_EQ(count("P1", "SELECT [ID] FROM [E1] WHERE [KEN]='Sand'"), 1);
    EXPECT_EQ(stored("P1", "PRAGMA integrity_check").text(), "ok");
}

TEST_F(SharedProjectTest, LeftoversOfKilledSavesAndReadOnlyWorkingCopies)
{
    // A save killed half-way leaves its unfinished copy; the next session removes it.
    std::ofstream(projectFile("P1").string() + ".part") << "half";
    EXPECT_EQ(module(record("Geotextil") + "trigger mnuSPEICHERN\nquit\n"), 0) << log;
    EXPECT_FALSE(fs::exists(projectFile("P1").string() + ".part"));
    EXPECT_TRUE(rollbackMode(projectFile("P1")));

    // A leftover working copy marked read-only is never deleted with its work.
    killedSessionOnP1("Ton");
    ASSERT_EQ(chmod(workingCopy("SOMMER").c_str(), 0444), 0);
    log.clear();
    EXPECT_EQ(module("answer Yes\nquit\n"), 1);
    EXPECT_NE(log.find("schreibgeschützt"), std::string::npos) << log;
    EXPECT_EQ(countFile(workingCopy("SOMMER"), "SELECT [ID] FROM [E1] WHERE [KEN]='Ton'"), 1);
}

TEST_F(SharedProjectTest, TheFrameProgramAndTheModuleKeepToTheProjectsFolder)
{
    EXPECT_EQ(frame({"choose", "../KVX"}), 1);
    EXPECT_EQ(frame({"start", "NOPE"}), 1);
    EXPECT_NE(log.find("There is no project NOPE"), std::string::npos) << log;
    EXPECT_EQ(frame({"new", "a/b"}), 1);
    // An ADMIN row written by another tool cannot lead the module out of the projects folder.
    Connection::openFile((root / "DB" / "ARCHIV.mdb").string())
        ->execute("UPDATE [ADMIN] SET [PROJEKT]='../KVX' WHERE [BENUTZER]='SOMMER'");
    log.clear();
    EXPECT_EQ(module(record("Sand") + "trigger mnuSPEICHERN\nquit\n"), 1);
    EXPECT_NE(log.find("Der Projektname ../KVX ist nicht der Name eines Ordners"), std::string::npos) << log;
    EXPECT_EQ(countFile(root / "KVX" / "KVX.mdb", "SELECT [ID] FROM [E1]"), 0);
    EXPECT_EQ(admin(), "KALMORA");
}

// Kills at any moment of a session that saves again and again: the next start recovers the
// work into the project, never takes its own save for someone else's change (which made a
// needless KVX-SOMMER-… file), and no unfinished copy stays behind.
TEST_F(SharedProjectTest, KillsDuringSavesNeitherFakeAConflictNorLeaveCopies)
{
    // A project of some megabytes, so that recording a save's new state takes a while.
    Connection::openFile(projectFile("P1").string())
        ->execute("CREATE TABLE [BALLAST] ([B]); WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n "
                  "WHERE i<16000) INSERT INTO [BALLAST] SELECT randomblob(1000) FROM n");
    std::string saves;
    for (const char* ken : {"A", "B", "C", "D", "E", "F"})
        saves += record(ken) + "trigger mnuSPEICHERN\n";
    std::mt19937 random(20261208);
    for (int round = 0; round < 16; ++round) {
        QProcess& session = startModule(saves + "wait 600000\n");
        QThread::msleep(std::uniform_int_distribution<int>(300, 1500)(random));
        kill(session);
        log.clear();
        ASSERT_EQ(module("answer Yes\ntrigger mnuSPEICHERN\nquit\n"), 0) << log;
        ASSERT_TRUE(besideFiles("P1").empty()) << "round " << round << ": " << log;
        EXPECT_EQ(stored("P1", "PRAGMA integrity_check").text(), "ok");
        for (const auto& entry : fs::directory_iterator(root / "PROJEKTE" / "P1"))
            EXPECT_EQ(entry.path().filename().string().find(".part"), std::string::npos) << entry.path();
    }
}

// Whatever stands in the project lock's place is named with a way out: no crash, no hang,
// no blank holder, and the thing itself is left for its owner.
TEST_F(SharedProjectTest, WhatStandsInTheLocksPlaceIsNamedWithAWayOut)
{
    const fs::path lock = root / "PROJEKTE" / "P1" / ".~lock.KVX.mdb#";
    const std::string before = DatabaseFiles::fingerprint(projectFile("P1").string());
    struct Case {
        std::function<void()> plant;
        std::string said;
    };
    for (const Case& c : std::initializer_list<Case>{
             {[&] { ::mkfifo(lock.c_str(), 0644); }, "not a plain file"},
             {[&] { fs::create_symlink(root / "nowhere", lock); }, "symbolic link"},
             {[&] { fs::create_directory(lock); }, "not a plain file"},
             {[&] { std::ofstream(lock) << "Lorem ipsum\n"; }, "holds no lock"},
             {[&] { std::ofstream(lock) << "user=SCHMIDT\nhost=elsewhere\npid=77\nsince=2026-12-01T08:00:00\n"; },
              "Sperrdatei: " + lock.string() + ". Ist jene Sitzung sicher beendet"}}) {
        c.plant();
        log.clear();
        EXPECT_EQ(module("quit\n"), 1) << c.said;
        EXPECT_NE(log.find(c.said), std::string::npos) << log;
        EXPECT_NE(log.find(lock.string()), std::string::npos) << log;
        EXPECT_EQ(run(KVX_SHEET, {QString::fromStdString(projectFile("P1").string()), "--in-place", "--pdf",
                                  QString::fromStdString((root / "s.pdf").string())}),
                  1);
        EXPECT_NE(log.find(lock.string()), std::string::npos) << log;
        EXPECT_EQ(DatabaseFiles::fingerprint(projectFile("P1").string()), before);
        EXPECT_TRUE(fs::exists(fs::symlink_status(lock)));
        fs::remove_all(lock);
    }
}

// A second operating-system user, where the tests may switch users (as root, with setpriv).
TEST_F(SharedProjectTest, ASecondOperatingSystemUserIsKeptOffAnOpenProject)
{
    const QString setpriv = QStandardPaths::findExecutable("setpriv");
    if (geteuid() != 0 || setpriv.isEmpty())
        GTEST_SKIP() << "needs root and setpriv to run as another user";
    QProcess& first = startModule(record("Geotextil") + "wait 600000\n");
    ASSERT_TRUE(awaitRecord("SOMMER", "Geotextil"));
    // The suite's folders are open to every user of the machine, as on a shared drive.
    fs::permissions(root, fs::perms::all, fs::perm_options::add);
    for (const auto& entry : fs::recursive_directory_iterator(root))
        fs::permissions(entry.path(), fs::perms::all, fs::perm_options::add);
    const QString asNobody = setpriv + " --reuid=nobody --regid=nogroup --clear-groups";
    ASSERT_EQ(run((root / "KALMORA").string(), {"choose", "P1", "Gast"}, {}, "", asNobody), 0) << log;
    EXPECT_EQ(run(modulePath(), {}, "quit\n", "", asNobody), 1) << log;
    EXPECT_NE(log.find(" von SOMMER auf "), std::string::npos) << log;
    EXPECT_EQ(first.state(), QProcess::Running);
    EXPECT_EQ(countFile(workingCopy("SOMMER"), "SELECT [ID] FROM [E1] WHERE [KEN]='Geotextil'"), 1);

    // A lock the other user may not read (made under umask 077) is named, not a crash.
    kill(first);
    const fs::path lock = root / "PROJEKTE" / "P1" / ".~lock.KVX.mdb#";
    fs::permissions(lock, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::replace);
    log.clear();
    EXPECT_EQ(run(modulePath(), {}, "quit\n", "", asNobody), 1) << log;
    EXPECT_NE(log.find("Die Sperrdatei " + lock.string() + " ist im Weg: "), std::string::npos) << log;
}

}  // namespace
