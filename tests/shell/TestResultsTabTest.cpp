#include "shell/TestResultsTab.h"
#include "TestSession.h"
#include "data/TestPoints.h"
#include "platform/Locale.h"
#include "shell/mdiEINGABE.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>

namespace {

using Answer = MessageService::Answer;

class Commands : public mdiEINGABE::Commands {
public:
    void save() override {}
    void quit() override {}
    void cancel() override {}
};

class TestResultsTabTest : public ::testing::Test {
protected:
    void SetUp() override { Locale::setCurrent({Locale::German, ","}); }
    QString cell(int row, int column) const
    {
        const QTableWidgetItem* item = tab->grid()->item(row, column);
        return item ? item->text() : QString();
    }
    void type(int row, int column, const QString& text)
    {
        tab->grid()->setItem(row, column, new QTableWidgetItem(text));
    }
    std::string lastMessage() const
    {
        return session.messages_.shown.empty() ? "" : session.messages_.shown.back().text;
    }

    TestSession session;
    Commands commands;
    mdiEINGABE form{session, 3, ",", commands};
    TestResultsTab* tab = form.testResults();
    QTemporaryDir folder;
};

TEST_F(TestResultsTabTest, TheFourthTabHoldsTwentyTestsInBothLanguages)
{
    EXPECT_EQ(form.tabs()->count(), 5);
    EXPECT_EQ(form.tabs()->tabText(4), "Böschung");
    EXPECT_EQ(form.tabs()->tabText(3), "Versuchswerte");
    EXPECT_EQ(tab->grid()->rowCount(), 20);
    EXPECT_EQ(tab->grid()->objectName(), "grdVERSUCHE");
    EXPECT_NE(tab->findChild<QPushButton*>("cmdANPASSEN"), nullptr);
    EXPECT_EQ(tab->findChild<QPushButton*>("cmdANPASSEN")->text(), "Anpassen");
    mdiEINGABE english(session, 1, ".", commands);
    EXPECT_EQ(english.tabs()->tabText(3), "Test results");
    EXPECT_EQ(english.testResults()->findChild<QPushButton*>("cmdANPASSEN")->text(), "Fit");
    EXPECT_EQ(tab->findChild<QPushButton*>("cmdEINFUEGEN")->text(), "Einfügen");
    EXPECT_EQ(english.testResults()->findChild<QPushButton*>("cmdEINFUEGEN")->text(), "Paste");
    EXPECT_EQ(tab->findChild<QPushButton*>("cmdCSV")->text(), "CSV importieren…");
    EXPECT_EQ(english.testResults()->findChild<QPushButton*>("cmdCSV")->text(), "Import CSV…");
    EXPECT_EQ(tab->grid()->horizontalHeaderItem(2)->toolTip(), "Kontaktrestfestigkeit");
    EXPECT_EQ(english.testResults()->grid()->horizontalHeaderItem(2)->toolTip(), "residual contact shear strength");
}

TEST_F(TestResultsTabTest, RowsPastedFromASpreadsheetWithCtrlV)
{
    QApplication::clipboard()->setText(QStringLiteral("25\t15,8\t12,1\n50\t29,6\t24,3\n"));
    tab->grid()->setCurrentCell(2, 0);
    QTest::keyClick(tab->grid(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(cell(2, 0), "25");
    EXPECT_EQ(cell(2, 1), "15,8");
    EXPECT_EQ(cell(2, 2), "12,1");
    EXPECT_EQ(cell(3, 2), "24,3");
    EXPECT_EQ(cell(0, 0), "");

    // One column copied from a spreadsheet keeps its decimal commas.
    tab->grid()->setCurrentCell(5, 1);
    ASSERT_TRUE(tab->paste("15,8\n29,6\n"));
    EXPECT_EQ(cell(5, 1), "15,8");
    EXPECT_EQ(cell(6, 1), "29,6");
    EXPECT_EQ(cell(5, 2), "");

    // Too many rows or a word among the numbers change nothing and say why.
    tab->grid()->setCurrentCell(19, 0);
    EXPECT_FALSE(tab->paste("1\t2\n3\t4\n"));
    EXPECT_NE(lastMessage().find("höchstens 20"), std::string::npos);
    tab->grid()->setCurrentCell(0, 0);
    EXPECT_FALSE(tab->paste("1\t2\n3\tvier\n"));
    EXPECT_EQ(lastMessage(), "Zeile 2, Spalte 2: \"vier\" ist keine Zahl.");
    // A decimal point in a decimal-comma session groups thousands somewhere: refused.
    EXPECT_FALSE(tab->paste("1.000\t800\n"));
    EXPECT_EQ(lastMessage(), "Zeile 1, Spalte 1: \"1.000\" ist keine Zahl.");
    EXPECT_EQ(cell(0, 0), "");
    EXPECT_EQ(cell(2, 1), "15,8");
}

// The keys a spreadsheet user corrects with: Ctrl+C copies the selection as tab-separated
// rows, Delete and Backspace clear the selected cells.
TEST_F(TestResultsTabTest, SelectedCellsAreCopiedAndClearedByKeys)
{
    ASSERT_TRUE(tab->paste("25\t15,8\t12,1\n50\t29,6\t24,3\n"));
    tab->grid()->setRangeSelected(QTableWidgetSelectionRange(0, 0, 1, 2), true);
    QTest::keyClick(tab->grid(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "25\t15,8\t12,1\n50\t29,6\t24,3\n");
    tab->grid()->clearSelection();
    for (const Qt::Key key : {Qt::Key_Delete, Qt::Key_Backspace}) {
        tab->grid()->setRangeSelected(QTableWidgetSelectionRange(key == Qt::Key_Delete ? 0 : 1, 1, key == Qt::Key_Delete ? 0 : 1, 2), true);
        QTest::keyClick(tab->grid(), key);
        tab->grid()->clearSelection();
    }
    EXPECT_EQ(cell(0, 0), "25");
    EXPECT_EQ(cell(0, 1), "");
    EXPECT_EQ(cell(1, 2), "");
    EXPECT_EQ(cell(1, 0), "50");
}

// The grid's context menu: each command on a grid of three rows, and the rows it leaves
// ("a|b" is a row's first two cells; the grid always keeps its twenty rows).
TEST_F(TestResultsTabTest, TheContextMenuCutsPastesAndMovesRows)
{
    struct Case {
        const char* command;
        QTableWidgetSelectionRange selection;
        QStringList rows;
    };
    const Case cases[] = {
        {"mnuAUSSCHNEIDEN", {0, 1, 0, 1}, {"25|", "50|29,6", "75|44,1"}},
        {"mnuLEEREN", {1, 0, 2, 1}, {"25|15,8", "|", "|"}},
        {"mnuZEILEEINFUEGEN", {1, 0, 1, 0}, {"25|15,8", "|", "50|29,6", "75|44,1"}},
        {"mnuZEILENLOESCHEN", {0, 0, 1, 4}, {"75|44,1", "|"}},
        {"mnuEINFUEGEN", {2, 0, 2, 0}, {"25|15,8", "50|29,6", "25|15,8"}},
    };
    for (const Case& test : cases) {
        tab->setPoints({});
        tab->grid()->setCurrentCell(0, 0);
        ASSERT_TRUE(tab->paste("25\t15,8\n50\t29,6\n75\t44,1\n"));
        QApplication::clipboard()->setText("25\t15,8\n");
        tab->grid()->clearSelection();
        tab->grid()->setCurrentCell(test.selection.topRow(), test.selection.leftColumn());
        tab->grid()->setRangeSelected(test.selection, true);
        auto* action = tab->grid()->findChild<QAction*>(QString::fromLatin1(test.command));
        ASSERT_NE(action, nullptr) << test.command;
        EXPECT_TRUE(tab->grid()->actions().contains(action));
        action->trigger();
        for (int row = 0; row < test.rows.size(); ++row)
            EXPECT_EQ(cell(row, 0) + "|" + cell(row, 1), test.rows[row]) << test.command << ", row " << row + 1;
        EXPECT_EQ(tab->grid()->rowCount(), 20) << test.command;
    }
    // Cut puts what it takes on the clipboard.
    EXPECT_EQ(QApplication::clipboard()->text(), "25\t15,8\n");
    // A row is not pushed off the end of a full table.
    tab->setPoints({});
    type(19, 0, "100");
    tab->grid()->setCurrentCell(0, 0);
    tab->grid()->findChild<QAction*>("mnuZEILEEINFUEGEN")->trigger();
    EXPECT_EQ(cell(19, 0), "100");
    EXPECT_EQ(lastMessage(), "Die Tabelle hat keinen Platz für eine weitere Zeile: Zeile 20 enthält Werte.");
}

TEST_F(TestResultsTabTest, ACsvFileReplacesTheGridUnlessItIsRefused)
{
    type(5, 0, "999");
    const QString path = folder.filePath("tests.csv");
    std::ofstream(path.toStdString()) << "sigma;tau;tau_r\n25;15,8;12,1\n50;29,6;24,3\n";
    // Values in the table are replaced only when the user agrees.
    session.messages_.answers = {Answer::No};
    EXPECT_FALSE(tab->importCsv(path));
    EXPECT_EQ(cell(5, 0), "999");
    ASSERT_TRUE(tab->importCsv(path));
    EXPECT_EQ(cell(0, 1), "15,8");
    EXPECT_EQ(cell(1, 2), "24,3");
    EXPECT_EQ(cell(5, 0), "");

    std::ofstream(path.toStdString()) << "sigma,tau\n25,15.8\n50,2x\n";
    EXPECT_FALSE(tab->importCsv(path));
    EXPECT_EQ(lastMessage(), "Zeile 3, Spalte 2: \"2x\" ist keine Zahl.");
    EXPECT_EQ(cell(0, 1), "15,8");  // the grid as it was
    EXPECT_FALSE(tab->importCsv(folder.filePath("missing.csv")));
}

TEST_F(TestResultsTabTest, TheFitIsShownAndCopiedIntoTheFieldsWhenConfirmed)
{
    // Peak 32°, 30°, 25° at σ'/σb = 0.1, 1, 10 with σb = 60: a = 29, c = −3.5.
    const auto tau = [](double sigma, double phi) {
        return QString::number(sigma * std::tan(phi * M_PI / 180), 'g', 15).replace(u'.', u',');
    };
    type(0, 0, "6");
    type(0, 1, tau(6, 32));
    type(1, 0, "60");
    type(1, 1, tau(60, 30));
    type(2, 0, "600");
    type(2, 1, tau(600, 25));
    type(0, 3, "4");  // one soil test alone cannot be fitted
    tab->fit();
    EXPECT_EQ(lastMessage(), "Boden: Die Anpassung braucht mindestens zwei Versuchswerte mit verschiedenen "
                             "Normalspannungen σ'.");
    type(0, 3, "");

    session.messages_.answers = {Answer::No};
    tab->fit();
    EXPECT_NE(
        lastMessage().find("Kontakt: a = 29,00°, c = -3,50°, R² = 0,942, größte Abweichung 1,00° (3 Versuchswerte)"),
        std::string::npos)
        << lastMessage();
    EXPECT_EQ(form.field("txtA")->text(), "");
    session.messages_.answers = {Answer::Yes};
    tab->fit();
    EXPECT_EQ(form.field("txtA")->text(), "29,00");
    EXPECT_EQ(form.field("txtC")->text(), "-3,50");
    EXPECT_EQ(form.field("txtAR")->text(), "");  // no residual tests: left as typed

    form.field("txtSIB")->setText("0");
    tab->fit();
    EXPECT_NE(lastMessage().find("Bezugsspannung"), std::string::npos);
    // σb as the record reads it: with a decimal comma here, so "1.5" is refused, not taken as 1,5.
    form.field("txtSIB")->setText("1.5");
    tab->fit();
    EXPECT_NE(lastMessage().find("Bezugsspannung"), std::string::npos);
}

TEST_F(TestResultsTabTest, TheTestsAreStoredAndOpenedWithTheRecord)
{
    type(0, 0, "25");
    type(0, 1, "15,8");
    type(0, 4, "17,8");
    type(3, 0, "100");
    type(3, 2, "46,4");
    EXPECT_EQ(form.testResultsProblem(), "");
    form.field("txtKEN")->setText("Kies 0/32");
    ASSERT_TRUE(form.OK(7));
    const std::vector<ShearTestPoint> stored = TestPoints::read(session.cnnX(), 7);
    ASSERT_EQ(stored.size(), 2u);
    EXPECT_EQ(stored[0], (ShearTestPoint{25, {15.8, std::nullopt, std::nullopt, 17.8}}));
    EXPECT_EQ(stored[1], (ShearTestPoint{100, {std::nullopt, 46.4, std::nullopt, std::nullopt}}));

    mdiEINGABE opened(session, 3, ",", commands);
    opened.OEFFNEN(7);
    EXPECT_EQ(opened.testResults()->grid()->item(0, 4)->text(), "17,8");
    EXPECT_EQ(opened.testResults()->grid()->item(1, 2)->text(), "46,4");

    // Rows that are no tests are named before anything is stored.
    type(4, 1, "12");
    EXPECT_EQ(form.testResultsProblem(), "Zeile 5: die Normalspannung σ' fehlt.");
    type(4, 0, "-3");
    EXPECT_EQ(form.testResultsProblem(), "Zeile 5, σ': \"-3\" ist kein Wert über 0.");
    type(4, 0, "1.000");
    EXPECT_EQ(form.testResultsProblem(), "Zeile 5, σ': \"1.000\" ist keine Zahl.");
}

}  // namespace
