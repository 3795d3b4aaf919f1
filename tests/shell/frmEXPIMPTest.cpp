#include "SuiteTree.h"
#include "shell/frmEXPIMP.h"

#include <QListWidget>

#include <gtest/gtest.h>

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
    // A folder without a project database: nothing is chosen, nothing can be exported.
    dialog.folderChanged(QString::fromStdString((tree.root / "DB").string()));
    EXPECT_EQ(dialog.lstEXP()->count(), 0);
    dialog.cmdEXP();
    dialog.accept();
    Recordset copied(Connection::openFile((tree.root / "PROJEKTE/P1/KVX.mdb").string()),
                     "SELECT [ID] FROM [E1] WHERE [KEN]='Schluff'");
    ASSERT_EQ(copied.recordCount(), 1);
    EXPECT_EQ(copied.field(0).toLong(), 2);
}

}  // namespace
