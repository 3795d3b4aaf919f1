// Writes pictures of the windows for a person to look at, when TARVELO_SCREENSHOTS names
// a folder; otherwise the test is skipped.
#include "SuiteTree.h"
#include "data/AgsFile.h"
#include "data/SlopeChecks.h"
#include "shell/EvaluationRuns.h"
#include "shell/HelpWindow.h"
#include "shell/TestResultsTab.h"
#include "shell/frmAUSWAHL.h"
#include "shell/frmEXPIMP.h"
#include "shell/frmMAIN.h"
#include "shell/mdiEINGABE.h"
#include "shell/frmAGS.h"
#include "shell/frmANZEIGEN.h"
#include "shell/mdiSEITE1.h"

#include <QApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QTableWidget>
#include <QTabWidget>

#include <gtest/gtest.h>

namespace {

void shoot(QWidget& widget, const QString& file)
{
    QApplication::processEvents();
    ASSERT_TRUE(widget.grab().save(QString::fromLocal8Bit(qgetenv("TARVELO_SCREENSHOTS")) + "/" + file));
}

TEST(ScreenshotTest, WindowsInBothLanguages)
{
    if (qEnvironmentVariableIsEmpty("TARVELO_SCREENSHOTS"))
        GTEST_SKIP() << "TARVELO_SCREENSHOTS is not set";
    for (const auto& [language, suffix] :
         {std::pair{Locale{Locale::German, ","}, "de"}, {Locale{Locale::English, "."}, "en"}}) {
        SuiteTree tree;
        auto session = tree.session("source", language);
        ASSERT_TRUE(session->start());
        session->cnnX()->execute(
            "INSERT INTO [E1] ([ID],[KEN],[KOM],[AKT]) VALUES (2,'Concrete on clay','direct shear',0)");
        session->cnnX()->execute("INSERT INTO [A1] VALUES (1,0)");
        frmMAIN window(*session);
        window.resize(1100, 700);
        window.show();
        shoot(window, QStringLiteral("frmMAIN-%1.png").arg(suffix));
        window.mnuNEU();
        mdiEINGABE* form = window.inputForm();
        form->testResults()->paste("25\t15,8\t12,1\t21,5\t17,8\n50\t29,6\t24,3\t40,3\t35,2\n"
                                   "100\t58,1\t46,4\t78,6\t67,1\n200\t110,8\t91,2\t149\t130,9\n");
        for (int tab = 0; tab < 5; ++tab) {
            form->tabs()->setCurrentIndex(tab);
            shoot(window, QStringLiteral("mdiEINGABE-%1-tab%2.png").arg(suffix).arg(tab + 1));
        }
        QMenu tableMenu;
        tableMenu.addActions(form->testResults()->grid()->actions());
        tableMenu.popup(window.mapToGlobal(QPoint(300, 300)));
        shoot(tableMenu, QStringLiteral("mdiEINGABE-%1-table-menu.png").arg(suffix));
        tableMenu.close();
        window.panelClick(9);
        session->cnnX()->execute("INSERT INTO [E2] VALUES (1,60,22.5,-2,17,-1.5,35,-4,32,-3,10,200,10,60,100)");
        SlopeChecks::write(session->cnnX(), 1, SlidingCheck::Slope{SlidingCheck::degreesOf(3.5), 25, 0.5, 19, 1.5});
        window.runs().pauseMilliseconds = 0;
        window.runs().mnuNEUBERECHNEN();
        window.resize(1500, 950);
        shoot(window, QStringLiteral("mdiSEITE1-%1.png").arg(suffix));
        // A small screen: the page scrolls, and zooms to the window's width.
        window.resize(1024, 640);
        shoot(window, QStringLiteral("mdiSEITE1-%1-small.png").arg(suffix));
        if (auto* page = window.mdiArea()->findChild<mdiSEITE1*>()) {
            page->setZoom(1.6);
            shoot(window, QStringLiteral("mdiSEITE1-%1-zoomed.png").arg(suffix));
        }
        frmANZEIGEN choose(*window.mdiArea(), session->SPRACHE());
        choose.txtSEITE()->setText(QStringLiteral("2"));
        choose.cmdOK();
        window.resize(1500, 950);
        shoot(window, QStringLiteral("mdiSEITE2-%1.png").arg(suffix));
        window.panelClick(15);
        window.mnuSPEICHERN();
        shoot(window, QStringLiteral("frmMAIN-%1-saved.png").arg(suffix));
        frmAUSWAHL dialog(*session, "A", session->SPRACHE(), &window);
        dialog.show();
        shoot(dialog, QStringLiteral("frmAUSWAHL-%1.png").arg(suffix));
        dialog.close();
        HelpWindow help(QStringLiteral(TARVELO_DATABASE_DIR "/KVX.hlp"), 20, suffix == std::string("en"), &window);
        help.show();
        shoot(help, QStringLiteral("cdlHILFE-%1.png").arg(suffix));
        help.close();
        HelpWindow itemHelp(QStringLiteral(TARVELO_DATABASE_DIR "/KVX.hlp"), 18, suffix == std::string("en"), &window);
        itemHelp.show();
        shoot(itemHelp, QStringLiteral("cdlHILFE-%1-menu-item.png").arg(suffix));
        itemHelp.close();
        const AgsShearSets sets(AgsFile::read(TARVELO_SOURCE_DIR "/docs/samples/shear-box.ags"));
        frmAGS ags(sets, suffix == std::string("en"), &window);
        ags.show();
        shoot(ags, QStringLiteral("frmAGS-%1.png").arg(suffix));
        ags.close();
        frmEXPIMP exchange(*session, &window);
        exchange.show();
        exchange.folderChanged(QString::fromStdString((tree.root / "PROJEKTE" / "P1").string()));
        shoot(exchange, QStringLiteral("frmEXPIMP-%1.png").arg(suffix));
        exchange.close();
        session->GEAENDERT = false;
    }
}

}  // namespace
