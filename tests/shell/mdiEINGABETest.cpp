#include "shell/mdiEINGABE.h"
#include "ScriptedMessages.h"
#include "TestSession.h"
#include "input/EINGABEPRUEFUNG.h"
#include "platform/Locale.h"
#include "platform/Recordset.h"
#include "shell/frmAUSWAHL.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class Commands : public mdiEINGABE::Commands {
public:
    void save() override { ++saves; }
    void quit() override { ++quits; }
    void cancel() override { ++cancels; }
    int saves = 0, quits = 0, cancels = 0;
};

class mdiEINGABETest : public ::testing::Test {
protected:
    void SetUp() override { Locale::setCurrent({Locale::German, ","}); }
    bool check(const char* name, const QString& text)
    {
        form.field(name)->setText(text);
        return form.validate(form.field(name));
    }
    TestSession session;
    Commands commands;
    mdiEINGABE form{session, 3, ",", commands};
};

TEST_F(mdiEINGABETest, DesignValuesAndTheEnglishTexts)
{
    EXPECT_EQ(form.field("txtSIB")->text(), "60");
    EXPECT_EQ(form.field("txtSI2")->text(), "60");
    EXPECT_EQ(form.field("txtN")->text(), "100");
    EXPECT_EQ(form.cboSIMAX()->count(), 10);
    EXPECT_EQ(form.cboSIMAX()->currentText(), "100");
    EXPECT_EQ(form.cboSPR()->itemText(1), "Deutsch");
    EXPECT_EQ(form.tabs()->tabText(2), "Ausgabevorgaben");
    EXPECT_EQ(form.tabs()->currentIndex(), 0);

    mdiEINGABE english(session, 1, ".", commands);
    EXPECT_EQ(english.tabs()->tabText(0), "Mohr failure criterion");
    EXPECT_EQ(english.findChild<QLabel*>("lblKEN")->text(), "File");
    EXPECT_EQ(english.cboSPR()->itemText(0), "English");
    // A new record prints in the session's language.
    EXPECT_EQ(english.cboSPR()->currentIndex(), 0);
    EXPECT_EQ(form.cboSPR()->currentIndex(), 1);
    EXPECT_EQ(english.field("txtSIB")->toolTip(), "reference stress");

    // Every caption of the form in both languages.
    const QStringList germanTabs{"Mohrsche Bruchbedingung", "Coulombsche Bruchbedingung", "Ausgabevorgaben",
                                 "Versuchswerte"};
    const QStringList englishTabs{"Mohr failure criterion", "Coulomb failure criterion", "preset device",
                                  "Test results"};
    for (int tab = 0; tab < 4; ++tab) {
        EXPECT_EQ(form.tabs()->tabText(tab), germanTabs[tab]);
        EXPECT_EQ(english.tabs()->tabText(tab), englishTabs[tab]);
    }
    const std::tuple<const char*, const char*, const char*> labels[] = {{"lblKEN", "Datensatz", "File"},
                                                                        {"lblKOM", "Kommentar", "comment"},
                                                                        {"lblSPR", "Sprache", "language"},
                                                                        {"lblN", "Unterteilungen", "subdivisions"}};
    for (const auto& [name, german, inEnglish] : labels) {
        EXPECT_EQ(form.findChild<QLabel*>(name)->text(), german);
        EXPECT_EQ(english.findChild<QLabel*>(name)->text(), inEnglish);
    }
    EXPECT_EQ(form.findChild<QGroupBox*>("fraBODEN")->title(), "Boden");
    EXPECT_EQ(english.findChild<QGroupBox*>("fraBODEN")->title(), "Soil");
    EXPECT_EQ(form.cboSPR()->itemText(0), "Englisch");
    EXPECT_EQ(english.cboSPR()->itemText(1), "German");
    EXPECT_EQ(form.field("txtN")->toolTip(), "Anzahl der Punkte entlang der Kompressions- und Bruchkurven");
    EXPECT_EQ(english.field("txtN")->toolTip(), "number of points along compression- and failure polygons");
    EXPECT_EQ(form.cboSIMAX()->toolTip(), "Ende der Kompressions- und Bruchkurven");
    EXPECT_EQ(english.cboSIMAX()->toolTip(), "end of compression- and failure polygons");
}

TEST_F(mdiEINGABETest, FieldChecksKeepTheFocusOnWrongValues)
{
    EXPECT_TRUE(check("txtN", "10"));
    EXPECT_TRUE(check("txtN", " 1000 "));
    EXPECT_EQ(form.field("txtN")->text(), "1000");  // trimmed
    EXPECT_TRUE(check("txtN", ""));
    EXPECT_FALSE(check("txtN", "9"));
    EXPECT_EQ(session.messages_.shown.back().text,
              "Zahlenwert außerhalb der vorgegeben Schranken:\nMinimum: 10, Maximum: 1000");
    EXPECT_EQ(session.messages_.shown.back().title, "Unterteilungen");
    EXPECT_FALSE(check("txtN", "1001"));
    EXPECT_FALSE(check("txtN", "50,5"));
    EXPECT_EQ(session.messages_.shown.back().text, "Eingegeber Wert ist keine ganze Zahl!");
    EXPECT_FALSE(check("txtN", "viele"));
    EXPECT_EQ(session.messages_.shown.back().text, "Eingegeber Wert ist kein gültiges Zahlenformat!");

    EXPECT_TRUE(check("txtSI1", "10"));  // σa and σmax themselves pass
    EXPECT_TRUE(check("txtSI1", "100"));
    EXPECT_FALSE(check("txtSI1", "101"));
    EXPECT_EQ(session.messages_.shown.back().title, "Sigma 1");
    form.field("txtSIA")->setText("");  // limits that are no numbers fail the check
    EXPECT_FALSE(check("txtSI2", "50"));
    EXPECT_EQ(session.messages_.shown.back().text, "Eingegeber Wert ist kein gültiges Zahlenformat!");

    EXPECT_FALSE(check("txtKEN", "   "));
    EXPECT_EQ(session.messages_.shown.back().text, "Datensatzkennzeichnung fehlt!");
    EXPECT_EQ(session.messages_.shown.back().title, "Datenfehler");
}

TEST_F(mdiEINGABETest, KeysOfTheForm)
{
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    QLineEdit* a = form.field("txtA");
    a->setFocus();
    QTest::keyClicks(a, "22");
    QTest::keyClick(a, Qt::Key_Period, Qt::KeypadModifier);
    QTest::keyClicks(a, "5");
    EXPECT_EQ(a->text(), "22,5");
    // The form's keys win over the focused control: no "q" typed, and the list passes them on.
    QTest::keyClick(a, Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(a, Qt::Key_Q, Qt::AltModifier);
    EXPECT_EQ(a->text(), "22,5");
    form.cboSPR()->setFocus();
    QTest::keyClick(form.cboSPR(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(commands.saves, 2);
    EXPECT_EQ(commands.quits, 1);
}

TEST(EINGABEPRUEFUNGTest, DatesAndEnglishMessages)
{
    Locale::setCurrent({Locale::English, "."});
    ScriptedMessages messages;
    std::string value = "12/7/2026";
    EXPECT_TRUE(EINGABEPRUEFUNG(value, 0, 0, false, true, "Datum", 1, messages));
    value = "someday";
    EXPECT_FALSE(EINGABEPRUEFUNG(value, 0, 0, false, true, "Datum", 1, messages));
    EXPECT_EQ(messages.shown.back().text, "Type of value is neither date nor time!");
    EXPECT_EQ(messages.shown.back().icon, MessageService::Icon::Warning);
    value = "2.5";
    EXPECT_FALSE(EINGABEPRUEFUNG(value, 0, 10, true, false, "N", 1, messages));
    EXPECT_EQ(messages.shown.back().text, "Type of value is not an integer!");
    EXPECT_EQ(messages.shown.back().icon, MessageService::Icon::None);
    Locale::setCurrent({Locale::German, ","});
}

class frmAUSWAHLTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Locale::setCurrent({Locale::German, ","});
        session.cnnX()->execute("INSERT INTO [E1] ([ID],[KEN],[KOM],[AKT]) VALUES (1,'Sand','erster',1),"
                                "(2,'Auelehm',NULL,1),(3,'Kies','dritter',0)");
        session.cnnX()->execute("INSERT INTO [A1] VALUES (1,0),(2,1)");
    }
    std::vector<QString> selected(const frmAUSWAHL& dialog)
    {
        std::vector<QString> names;
        for (int i = 0; i < dialog.lstKEN()->count(); ++i) {
            if (dialog.lstKEN()->item(i)->isSelected())
                names.push_back(dialog.lstKEN()->item(i)->text());
        }
        return names;
    }
    void click(frmAUSWAHL& dialog, int row)
    {
        QListWidgetItem* item = dialog.lstKEN()->item(row);
        item->setSelected(!item->isSelected());
        dialog.itemClicked(row);
    }
    TestSession session;
};

TEST_F(frmAUSWAHLTest, OpeningKeepsOneRecordSelected)
{
    frmAUSWAHL dialog(session, "O", 3, nullptr);
    EXPECT_EQ(dialog.windowTitle(), "Datei/Öffnen");
    EXPECT_EQ(selected(dialog), std::vector<QString>{"Auelehm"});  // the first selected in list order
    click(dialog, 2);                                              // a click on another record chooses that one instead
    EXPECT_EQ(selected(dialog), std::vector<QString>{"Sand"});
    // The preselected record's comment shows before any click.
    session.cnnX()->execute("UPDATE [E1] SET [AKT]=0 WHERE [ID]=2");
    frmAUSWAHL opened(session, "O", 3, nullptr);
    EXPECT_EQ(opened.findChild<QLabel*>("lblKOMMENTAR")->text(), "erster");
    // A long comment wraps: the dialog keeps its width.
    const int width = dialog.sizeHint().width();
    session.cnnX()->execute("UPDATE [E1] SET [KOM]='" + std::string(400, 'x') + " " + std::string(400, 'y') +
                            "' WHERE [ID]=3");
    frmAUSWAHL longer(session, "O", 3, nullptr);
    click(longer, 1);
    EXPECT_LE(longer.sizeHint().width(), width + 10);
}

TEST_F(frmAUSWAHLTest, SelectingAllowsOnlyEvaluatedRecordsAndWritesTheMarks)
{
    frmAUSWAHL dialog(session, "A", 1, nullptr);
    EXPECT_EQ(dialog.windowTitle(), "File/Select");
    const auto loaded = session.messages_.shown.size();  // Auelehm is marked for a rebuild
    click(dialog, 1);                                    // Kies: never evaluated
    EXPECT_EQ(session.messages_.shown.size(), loaded + 1);
    EXPECT_EQ(session.messages_.shown.back().text, "File Kies has to be calculated first!");
    EXPECT_EQ(selected(dialog), (std::vector<QString>{"Auelehm", "Sand"}));
    click(dialog, 0);  // deselect Auelehm
    dialog.cmdOK();
    EXPECT_EQ(dialog.Tag, "OK");
    Recordset marks(session.cnnX(), "SELECT [KEN] FROM [E1] WHERE [AKT]=true");
    ASSERT_EQ(marks.recordCount(), 1);
    EXPECT_EQ(marks.field(0).text(), "Sand");
}

TEST_F(frmAUSWAHLTest, AnEmptyListStillReportsOk)
{
    session.cnnX()->execute("DELETE FROM [E1]");
    frmAUSWAHL dialog(session, "L", 3, nullptr);
    EXPECT_EQ(dialog.lstKEN()->count(), 0);
    dialog.cmdOK();
    EXPECT_EQ(dialog.Tag, "OK");
    frmAUSWAHL cancelled(session, "L", 3, nullptr);
    cancelled.cmdABBRECHEN();
    EXPECT_EQ(cancelled.Tag, "Abbrechen");
}

}  // namespace
