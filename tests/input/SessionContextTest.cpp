#include "SuiteTree.h"

#include "platform/LockFile.h"

#include <QSysInfo>

#include <gtest/gtest.h>

#include <fstream>
#include <thread>

#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

using Answer = MessageService::Answer;
using namespace std::chrono_literals;

long records(const std::shared_ptr<Connection>& db)
{
    return Recordset(db, "SELECT [ID] FROM [E1]").recordCount();
}

TEST(SessionContextTest, StandAloneRunsOnTheFixedProjectBesideTheProgram)
{
    SuiteTree tree;
    auto session = tree.session("source");
    ASSERT_TRUE(session->start());
    EXPECT_TRUE(session->standAlone());
    EXPECT_EQ(session->PROJEKT(), "TE0000.00");
    EXPECT_EQ(session->PROJEKTSPFAD(), tree.root.string());
    EXPECT_EQ(session->BEARBEITER(), "SOMMER");
    EXPECT_EQ(session->XMDBPFAD(), (tree.root / "BENUTZER" / "SOMMER" / "KVX.mdb").string());
    ASSERT_TRUE(session->cnnX());
    EXPECT_EQ(records(session->cnnX()), 1);
    EXPECT_FALSE(session->cnnX_V());  // no suite database is opened
    EXPECT_TRUE(tree.messages.shown.empty());
}

TEST(SessionContextTest, SuiteModeTakesTheProjectFromTheAdminRowAndHandsItBack)
{
    SuiteTree tree;
    tree.addAdminRow("SOMMER");
    auto session = tree.session("KVX");
    ASSERT_TRUE(session->start());
    EXPECT_EQ(session->PROJEKT(), "P1");
    EXPECT_EQ(session->BEARBEITER(), "Dipl.-Ing. Sommer");
    EXPECT_EQ(tree.adminProgram("SOMMER"), "KVX");
    EXPECT_TRUE(session->cnnX_V());
    session->cnnX()->execute("INSERT INTO [E1] ([ID],[KEN],[AKT]) VALUES (2,'Ton',0)");
    EXPECT_EQ(session->save("Speichern"), SessionContext::SaveOutcome::Saved);
    EXPECT_EQ(records(Connection::openFile((tree.root / "PROJEKTE/P1/KVX.mdb").string())), 2);
    session->end();
    EXPECT_EQ(tree.adminProgram("SOMMER"), "KALMORA");
    EXPECT_FALSE(fs::exists(session->XMDBPFAD()));
}

TEST(SessionContextTest, WithoutAnAdminRowTheProgramEndsBeforeOpeningTheProject)
{
    SuiteTree tree;
    auto session = tree.session("KVX");
    EXPECT_FALSE(session->start());
    ASSERT_EQ(tree.messages.shown.size(), 1u);
    EXPECT_EQ(tree.messages.shown[0].title, "KVX");
    EXPECT_EQ(tree.messages.shown[0].text, "Programm KVX kann nur über das Rahmenprogramm ausgeführt werden!");
    EXPECT_FALSE(session->cnnX());
    EXPECT_FALSE(fs::exists(tree.root / "BENUTZER" / "SOMMER" / "KVX.mdb"));
}

TEST(SessionContextTest, AMissingProjectOrTemplateEndsTheProgram)
{
    SuiteTree tree;
    tree.addAdminRow("SOMMER");
    fs::remove(tree.root / "KVX" / "KVX.mdb");
    auto english = tree.session("KVX", {Locale::English, "."});
    EXPECT_FALSE(english->start());
    EXPECT_EQ(tree.messages.shown.back().text,
              "The empty database KVX.mdb dosn't exist!\nKalmora has to be installed again!");
    fs::remove_all(tree.root / "PROJEKTE" / "P1");
    EXPECT_FALSE(tree.session("KVX")->start());
    EXPECT_EQ(tree.messages.shown.back().text, "Projektsverzeichnis P1 existiert nicht!");
    // A folder that cannot be asked (a share that is down) is not called missing.
    fs::create_directory_symlink(tree.root / "PROJEKTE" / "P1", tree.root / "PROJEKTE" / "P1");
    EXPECT_FALSE(tree.session("KVX")->start());
    EXPECT_TRUE(tree.messages.shown.back().text.starts_with(
        "Projektsverzeichnis " + (tree.root / "PROJEKTE" / "P1").string() + " ist nicht erreichbar ("))
        << tree.messages.shown.back().text;
}

TEST(SessionContextTest, ASaveToAShareThatFailsOrStopsAnsweringLosesNothingAndSaysSo)
{
    SuiteTree tree;
    tree.addAdminRow("SOMMER");
    auto session = tree.session("KVX");
    ASSERT_TRUE(session->start());
    session->cnnX()->execute("INSERT INTO [E1] ([ID],[KEN],[AKT]) VALUES (2,'Ton',0)");
    const fs::path folder = tree.root / "PROJEKTE" / "P1", project = folder / "KVX.mdb";
    const std::string stored = DatabaseFiles::fingerprint(project.string());
    const std::string nothingLost = "Es ging nichts verloren: Ihre Änderungen bleiben in Ihrer Arbeitskopie.";
    // The last message begins with `start` and says that nothing was lost.
    const auto saysNothingLost = [&](const std::string& start) {
        const std::string& text = tree.messages.shown.back().text;
        EXPECT_TRUE(text.starts_with(start) && text.find(nothingLost) != std::string::npos) << text;
    };
    const auto waitForTheWork = [&](int works) {
        for (int tries = 0; tries < 200 && *tree.messages.worksEnded < works; ++tries)
            std::this_thread::sleep_for(50ms);
        EXPECT_EQ(*tree.messages.worksEnded, works);
    };

    // The copy cannot be written: the message names the file on the share.
    const std::string partial =
        project.string() + ".part-" + QSysInfo::machineHostName().toStdString() + "-" + std::to_string(::getpid());
    fs::create_directories(fs::path(partial) / "x");
    EXPECT_EQ(session->save("Speichern"), SessionContext::SaveOutcome::Cancelled);
    saysNothingLost("Projekt P1 konnte nicht in " + folder.string() + " gespeichert werden:\n" + partial);
    fs::remove_all(partial);

    // Reading the project hangs inside the file system (a pipe without a writer); the
    // waiting is given up, and the work, once the share answers, ends without replacing.
    tree.messages.giveUpAfter = 300ms;
    fs::rename(project, folder / "aside");
    ASSERT_EQ(::mkfifo(project.c_str(), 0600), 0);
    fs::create_hard_link(project, folder / "pipe");
    EXPECT_EQ(session->save("Speichern"), SessionContext::SaveOutcome::Cancelled);
    EXPECT_EQ(tree.messages.waitedFor.back(), "Projekt P1 wird in " + folder.string() + " gespeichert …");
    saysNothingLost("Der Ordner " + folder.string() + " antwortet nicht; Projekt P1 wurde nicht gespeichert.\n");
    fs::rename(folder / "aside", project);
    std::ofstream(folder / "pipe") << "answer";
    waitForTheWork(2);
    fs::remove(folder / "pipe");

    // Another save holds the project for longer than the user waits: once it ends, the
    // given-up save is past its last check and replaces nothing.
    auto other = std::make_unique<LockFile>((folder / ".KVX.mdb.saving").string());
    ASSERT_EQ(other->take(LockFile::Holder::self("KLEIN", "P1")), LockFile::Outcome::Taken);
    EXPECT_EQ(session->save("Speichern"), SessionContext::SaveOutcome::Cancelled);
    other.reset();
    waitForTheWork(3);
    EXPECT_EQ(DatabaseFiles::fingerprint(project.string()), stored);

    tree.messages.giveUpAfter.reset();
    EXPECT_EQ(session->save("Speichern"), SessionContext::SaveOutcome::Saved);
    EXPECT_EQ(records(Connection::openFile(project.string())), 2);
}

TEST(SessionContextTest, AnInterruptedSessionKeepsOrReplacesTheWorkingCopy)
{
    SuiteTree tree;
    {
        auto first = tree.session("source");
        ASSERT_TRUE(first->start());
        first->cnnX()->execute("INSERT INTO [E1] ([ID],[KEN],[AKT]) VALUES (2,'Ton',0)");
        // The session ends without end(): the working copy stays behind.
    }
    tree.messages.answers = {Answer::Yes};
    auto kept = tree.session("source");
    ASSERT_TRUE(kept->start());
    ASSERT_EQ(tree.messages.shown.size(), 1u);
    EXPECT_EQ(tree.messages.shown[0].text, "Programm wurde während der Ausführung unterbrochen!\n"
                                           "Soll die bis zum Abbruch vorhandenen Daten gepeichert werden?");
    EXPECT_EQ(tree.messages.shown[0].buttons, MessageService::Buttons::YesNo);
    EXPECT_EQ(records(kept->cnnX()), 2);
    EXPECT_TRUE(kept->GEAENDERT);  // recovered work still has to reach the project
    kept.reset();

    tree.messages.answers = {Answer::No};
    auto replaced = tree.session("source");
    ASSERT_TRUE(replaced->start());
    EXPECT_EQ(records(replaced->cnnX()), 1);
}

TEST(SessionContextTest, WithoutAProjectDatabaseTheProgramDoesNotRun)
{
    SuiteTree tree;
    fs::remove(tree.root / "TE0000.00" / "KVX.mdb");
    auto session = tree.session("source");
    EXPECT_FALSE(session->start());
    EXPECT_FALSE(session->cnnX());
    ASSERT_EQ(tree.messages.shown.size(), 1u);
    EXPECT_EQ(tree.messages.shown[0].text,
              "Die Projektdatenbank " + (tree.root / "TE0000.00" / "KVX.mdb").string() + " existiert nicht.");
}

TEST(SessionContextTest, CompactionWorksBesideTheWorkingCopyWhateverTheFoldersAreCalled)
{
    SuiteTree tree;
    // The program folder lies under a folder whose name holds ".mdb".
    const fs::path suite = tree.root / "x.mdb-daten";
    fs::create_directories(suite / "source");
    fs::create_directories(suite / "TE0000.00");
    fs::copy_file(tree.root / "TE0000.00" / "KVX.mdb", suite / "TE0000.00" / "KVX.mdb");
    std::ofstream(tree.root / "xTEMP.mdb") << "someone else's file";
    auto session = tree.session("x.mdb-daten/source");
    ASSERT_TRUE(session->start());
    session->compact();
    EXPECT_TRUE(fs::exists(tree.root / "xTEMP.mdb"));
    EXPECT_FALSE(fs::exists(suite / "BENUTZER" / "SOMMER" / "KVXTEMP.mdb"));
    EXPECT_EQ(records(session->cnnX()), 1);
}

TEST(SessionContextTest, TheEndKeepsAReadOnlyWorkingCopyAndReleasesTheLocks)
{
    SuiteTree tree;
    auto session = tree.session("source");
    ASSERT_TRUE(session->start());
    EXPECT_TRUE(fs::exists(tree.root / "TE0000.00" / ".~lock.KVX.mdb#"));
    EXPECT_TRUE(fs::exists(session->XMDBPFAD() + ".lock"));
    fs::permissions(session->XMDBPFAD(), fs::perms::owner_read | fs::perms::group_read);
    session->end();
    EXPECT_TRUE(fs::exists(session->XMDBPFAD()));
    EXPECT_FALSE(fs::exists(tree.root / "TE0000.00" / ".~lock.KVX.mdb#"));
    EXPECT_FALSE(fs::exists(session->XMDBPFAD() + ".lock"));
}

TEST(SessionContextTest, LoginNamesAndTheDatabaseFolderSetting)
{
    SuiteTree tree;
    // A login name becomes a folder, a lock and a key: never a way out of the users' folder.
    for (const auto& [name, used] : std::initializer_list<std::pair<std::string, std::string>>{
             {"", "UNBEK."},
             {"../PROJEKTE/P1", "_._PROJEKTE_P1"},
             {"..", "_."},
             {"a;b", "A_B"},
             {" maier ", "MAIER"},
             {"  ", ""}}) {
        SessionContext context({(tree.root / "source").string(), [&] { return name; }, {}, tree.settings,
                                tree.messages});
        EXPECT_EQ(context.BENUTZER(), used) << name;
    }
    SessionContext blank({(tree.root / "source").string(), [] { return std::string("  "); }, {}, tree.settings,
                          tree.messages});
    EXPECT_FALSE(blank.start());
    EXPECT_NE(tree.messages.shown.back().text.find("Leerzeichen"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(tree.root / "BENUTZER" / "KVX.mdb"));
    auto session = tree.session("source");
    EXPECT_EQ(session->BENUTZER(), "SOMMER");
    session->DATENBANKPFAD("/srv/kalmora");
    EXPECT_EQ(tree.settings.value("KALMORA", "Extras", "Datenbankpfad"), "/srv/kalmora");
    EXPECT_EQ(session->DATENBANKPFAD(), "/srv/kalmora");
}

TEST(SessionContextTest, AWorkingCopyFolderThatCannotBeMadeIsNamed)
{
    SuiteTree tree;
    std::ofstream(tree.root / "BENUTZER") << "a file where the users' folder belongs";
    auto session = tree.session("source");
    EXPECT_FALSE(session->start());
    ASSERT_FALSE(tree.messages.shown.empty());
    EXPECT_NE(tree.messages.shown.back().text.find("Der Ordner der Arbeitskopie " + (tree.root / "BENUTZER").string()),
              std::string::npos)
        << tree.messages.shown.back().text;
}

TEST(SessionContextTest, ProjectPathsAreShortenedAtFolderBoundaries)
{
    EXPECT_EQ(SessionContext::shortenedPath("/home/sommer/proj/a1"), "/home/sommer/proj/a1");  // 20 characters
    EXPECT_EQ(SessionContext::shortenedPath("C:/Daten/Projekte/Stuetzmauer"), " ... /Stuetzmauer");
    EXPECT_EQ(SessionContext::shortenedPath("D:/Projekte/Hangsicherung/2002"), " ... /Hangsicherung/2002");
    EXPECT_EQ(SessionContext::shortenedPath("/home/sommer/proj/a12").rfind(" ... ", 0), 0u);  // 21: cut
    EXPECT_EQ(SessionContext::shortenedPath("/p/Eine_sehr_lange_Projektbezeichnung"),
              " ... /Eine_sehr_lange_Projektbezeichnung");
}

}  // namespace
