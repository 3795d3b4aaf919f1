#include "shell/frmEXPIMP.h"
#include "SuiteTree.h"
#include "input/ProjectFile.h"
#include "platform/LockFile.h"

#include <QListWidget>

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

TEST(frmEXPIMPTest, ExportsToAnotherProjectButNeverOpensTheOwnWorkingCopy)
{
    SuiteTree tree;
    auto session = tree.session("source");
    ASSERT_TRUE(session->start());
    frmEXPIMP dialog(*session);
    EXPECT_EQ(dialog.findChild<QWidget*>("fraIMP")->property("title").toString(), "Aktuelles Projekt: TE0000.00");
    ASSERT_EQ(dialog.lstIMP()->count(), 1);
    EXPECT_EQ(dialog.lstIMP()->item(0)->text(), "Sand (erster)");

    dialog.folderChanged(QString::fromStdString((tree.root / "BENUTZER" / "SOMMER").string()));
    EXPECT_EQ(dialog.lstEXP()->count(), 0);
    EXPECT_FALSE(dialog.opened());

    dialog.folderChanged(QString::fromStdString((tree.root / "PROJEKTE" / "P1").string()));
    EXPECT_TRUE(dialog.opened());
    ASSERT_EQ(dialog.lstEXP()->count(), 1);
    EXPECT_EQ(dialog.findChild<QWidget*>("fraEXP")->property("title").toString(), "Projekt P1");

    session->cnnX()->execute("UPDATE [E1] SET [KEN]='Schluff' WHERE [ID]=1");
    dialog.folderChanged(QString::fromStdString((tree.root / "PROJEKTE" / "P1").string()));
    dialog.lstIMP()->item(0)->setSelected(true);  // the list still shows the loaded text; the ID counts
    dialog.cmdEXP();
    EXPECT_EQ(dialog.lstEXP()->count(), 2);
    EXPECT_EQ(tree.messages.shown.back().text, "1 Datensatz nach P1 kopiert.");
    // A folder without a project database: nothing is chosen, nothing can be exported.
    dialog.folderChanged(QString::fromStdString((tree.root / "DB").string()));
    EXPECT_EQ(dialog.lstEXP()->count(), 0);
    dialog.cmdEXP();
    dialog.accept();
    Recordset copied(Connection::openFile((tree.root / "PROJEKTE/P1/KVX.mdb").string()),
                     "SELECT [ID] FROM [E1] WHERE [KEN]='Schluff' AND [AKT]=false");
    ASSERT_EQ(copied.recordCount(), 1);  // a copy arrives unselected
    EXPECT_EQ(copied.field(0).toLong(), 2);
}

TEST(frmEXPIMPTest, NeverWritesIntoTheTemplateAForeignFileOrAProjectInUse)
{
    SuiteTree tree;
    auto session = tree.session("source");
    ASSERT_TRUE(session->start());
    frmEXPIMP dialog(*session);
    const auto choose = [&](const fs::path& folder) {
        tree.messages.shown.clear();
        dialog.folderChanged(QString::fromStdString(folder.string()));
        return dialog.lstEXP()->count();
    };
    // The program's template and the own project: records there would appear in every new
    // project, or be overwritten by the next save.
    // Chosen, they are named as what they are, not shown as an empty project.
    fs::copy_file(tree.root / "KVX" / "KVX.mdb", tree.root / "source" / "KVX.mdb");
    for (const char* own : {"source", "TE0000.00"}) {
        EXPECT_EQ(choose(tree.root / own), 0);
        ASSERT_EQ(tree.messages.shown.size(), 1u) << own;
        EXPECT_NE(tree.messages.shown[0].text.find("eigene Projekt"), std::string::npos);
    }
    // Export without an external project, or without a record, says what is missing.
    tree.messages.shown.clear();
    dialog.cmdEXP();
    ASSERT_EQ(tree.messages.shown.size(), 1u);
    EXPECT_NE(tree.messages.shown[0].text.find("kein externes Projekt"), std::string::npos);

    // A project another session has open is refused, saying who has it.
    {
        LockFile other(ProjectFile::lockPath((tree.root / "PROJEKTE" / "P1" / "KVX.mdb").string()));
        ASSERT_EQ(other.take(LockFile::Holder::self("SCHMIDT", "P1")), LockFile::Outcome::Taken);
        EXPECT_EQ(choose(tree.root / "PROJEKTE" / "P1"), 0);
        ASSERT_EQ(tree.messages.shown.size(), 1u);
        EXPECT_NE(tree.messages.shown[0].text.find("von SCHMIDT"), std::string::npos);
    }
    // While it is open here, the external project is locked against other sessions.
    EXPECT_EQ(choose(tree.root / "PROJEKTE" / "P1"), 1);
    EXPECT_TRUE(fs::exists(tree.root / "PROJEKTE" / "P1" / ".~lock.KVX.mdb#"));
    EXPECT_EQ(choose(tree.root / "DB"), 0);
    EXPECT_FALSE(fs::exists(tree.root / "PROJEKTE" / "P1" / ".~lock.KVX.mdb#"));

    // A file that is no project database is refused by reading alone.
    fs::create_directories(tree.root / "PROJEKTE" / "FREMD");
    fs::copy_file(tree.root / "DB" / "ARCHIV.mdb", tree.root / "PROJEKTE" / "FREMD" / "KVX.mdb");
    EXPECT_EQ(choose(tree.root / "PROJEKTE" / "FREMD"), 0);
    ASSERT_EQ(tree.messages.shown.size(), 1u);
    EXPECT_NE(tree.messages.shown[0].text.find("keine Projektdatenbank"), std::string::npos);
}

}  // namespace
