#include "shell/frmMAIN.h"
#include "SuiteTree.h"
#include "data/AgsFile.h"
#include "shell/AgsCommands.h"
#include "shell/HelpWindow.h"
#include "shell/frmAGS.h"
#include "shell/SlopeTab.h"
#include "shell/StatusPanel.h"
#include "shell/mdiEINGABE.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <set>

#include <fstream>

namespace fs = std::filesystem;

namespace {

using Answer = MessageService::Answer;

// A stand-alone session with the main window; the selection dialog is scripted: it marks
// the records named in `selected` and answers `selectionTag`.
class frmMAINTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        session = tree.session("source");
        ASSERT_TRUE(session->start());
        window = std::make_unique<frmMAIN>(*session);
        window->setSelectionDialog([this](const QString& mode) {
            modes.push_back(mode);
            if (!selections.empty()) {
                execute("UPDATE [E1] SET [AKT]=([KEN] IN (" + selections.front() + "))");
                selections.erase(selections.begin());
            }
            return QStringLiteral("OK");
        });
    }
    void execute(const std::string& sql) { session->cnnX()->execute(sql); }
    long count(const std::string& sql) { return Recordset(session->cnnX(), sql).recordCount(); }
    Variant value(const std::string& sql) { return Recordset(session->cnnX(), sql).field(0); }
    void enter(const std::map<QString, QString>& values)
    {
        mdiEINGABE* form = window->inputForm();
        for (const auto& [name, text] : values) {
            if (name == u"cboSIMAX")
                form->cboSIMAX()->setEditText(text);
            else
                form->field(name)->setText(text);
        }
        form->cboSPR()->setCurrentIndex(1);
    }
    void newRecord(const QString& ken)
    {
        window->mnuNEU();
        enter({{"txtKEN", ken}, {"txtA", "30"}, {"txtC", "-3"}, {"txtAR", "20"}, {"txtCR", "-2"}});
    }
    std::vector<MessageService::Message>& shown() { return tree.messages.shown; }
    // The window and session again, in English; the German session ends without end(), so
    // its working copy is taken over.
    void speakEnglish()
    {
        window.reset();
        session.reset();
        session = tree.session("source", {Locale::English, "."});
        tree.messages.answers = {Answer::Yes};
        ASSERT_TRUE(session->start());
    }

    SuiteTree tree;
    std::unique_ptr<SessionContext> session;
    std::unique_ptr<frmMAIN> window;
    std::vector<std::string> selections;
    std::vector<QString> modes;
};

TEST_F(frmMAINTest, NewRecordsTakeTheNextIdentifierAndBecomeTheOnlySelectedOne)
{
    execute("DELETE FROM [E1]");
    newRecord("Kies");
    EXPECT_FALSE(window->menu("mnuDATEI")->menuAction()->isEnabled());
    EXPECT_FALSE(window->panel(8)->isHidden());
    // With a sliding check: a value it cannot take keeps the form, naming the field.
    const auto slopeField = [this](const char* name) {
        return window->inputForm()->slope()->findChild<QLineEdit*>(QString::fromLatin1(name));
    };
    for (const auto& [name, text] : {std::pair{"txtBETA", "95"}, {"txtLAENGE", "30"}, {"txtDICKE", "0,3"},
                                     {"txtGAMMA", "18"}})
        slopeField(name)->setText(QString::fromUtf8(text));
    window->panelClick(8);
    ASSERT_NE(window->inputForm(), nullptr);
    EXPECT_EQ(shown().back().text, "Die Böschungsneigung β muss zwischen 0° und 90° liegen.");
    shown().clear();
    slopeField("txtBETA")->setText("1:3");
    window->panelClick(8);
    EXPECT_NEAR(value("SELECT [BETA] FROM [E4] WHERE [ID]=1").toDouble(), 18.434948822922, 1e-9);
    EXPECT_EQ(value("SELECT [FSERF] FROM [E4] WHERE [ID]=1").toDouble(), 1.5);
    EXPECT_EQ(value("SELECT [ID] FROM [E1] WHERE [KEN]='Kies'").toLong(), 1);
    EXPECT_FLOAT_EQ(value("SELECT [A] FROM [E2] WHERE [ID]=1").toSingle(), 30);
    EXPECT_EQ(value("SELECT [SIMAX] FROM [E2] WHERE [ID]=1").toSingle(), 100);
    EXPECT_EQ(value("SELECT [SPR] FROM [E1] WHERE [ID]=1").toInteger(), 3);
    EXPECT_EQ(window->inputForm(), nullptr);
    EXPECT_TRUE(window->menu("mnuDATEI")->menuAction()->isEnabled());
    EXPECT_TRUE(window->panel(8)->isHidden());
    EXPECT_EQ(window->panel(6)->text(), "Kies");
    EXPECT_TRUE(session->GEAENDERT);

    execute("INSERT INTO [E1] ([ID],[KEN],[AKT]) VALUES (3,'a',1),(7,'b',1)");
    newRecord("O'Brien");
    window->panelClick(8);
    EXPECT_EQ(value("SELECT [ID] FROM [E1] WHERE [KEN]='O''Brien'").toLong(), 8);
    EXPECT_EQ(count("SELECT [ID] FROM [E4]"), 1);  // a record without a check adds none
    EXPECT_EQ(count("SELECT [ID] FROM [E1] WHERE [AKT]=true"), 1);
    EXPECT_TRUE(shown().empty());
}

// Every way out of a form that holds typed input asks once: take it over, discard it, or stay.
TEST_F(frmMAINTest, LeavingAFormWithTypedInputAsksWhetherToKeepIt)
{
    const std::vector<std::pair<const char*, std::function<void()>>> ways = {
        {"close box", [this] { window->inputForm()->parentWidget()->close(); }},  // also Ctrl+F4, the window menu
        {"Esc", [this] { QTest::keyClick(window->inputForm()->field("txtKOM"), Qt::Key_Escape); }},
        {"main close box", [this] { window->close(); }}};
    int n = 0;
    for (const auto& [way, leave] : ways) {
        for (const Answer answer : {Answer::Cancel, Answer::No, Answer::Yes}) {
            const QString ken = QStringLiteral("Kies%1").arg(++n);
            newRecord(ken);
            shown().clear();
            tree.messages.answers = {answer, Answer::Cancel};  // the second: the project question
            leave();
            QCoreApplication::processEvents();
            ASSERT_FALSE(shown().empty()) << way;
            EXPECT_EQ(shown().front().title, "Eingabe") << way;
            // Quitting, cancelled at the project's question, keeps a form whose input was discarded.
            const bool quitting = std::string(way) == "main close box";
            EXPECT_EQ(window->inputForm() != nullptr, answer == Answer::Cancel || (quitting && answer == Answer::No))
                << way;
            EXPECT_EQ(count("SELECT [ID] FROM [E1] WHERE [KEN]='" + ken.toStdString() + "'"),
                      answer == Answer::Yes ? 1 : 0)
                << way;
            if (window->inputForm())
                window->panelClick(9);
        }
    }
    // A form left as it was opened goes without a question.
    shown().clear();
    window->mnuNEU();
    QTest::keyClick(window->inputForm()->field("txtKEN"), Qt::Key_Escape);
    EXPECT_EQ(window->inputForm(), nullptr);
    EXPECT_TRUE(window->menu("mnuDATEI")->menuAction()->isEnabled());
    EXPECT_TRUE(window->panel(9)->isHidden());
    EXPECT_TRUE(shown().empty());
}

// A record from the test sets of an AGS4 file: the form is filled to be looked over and stored
// with "OK"; the selected records go out as a file that reads back with their laws.
TEST_F(frmMAINTest, AgsImportFillsTheFormAndExportWritesTheSelectedRecords)
{
    const QString sample = QStringLiteral(TARVELO_SOURCE_DIR "/docs/samples/shear-box.ags");
    const QString out = QString::fromStdString((tree.root / "out.ags").string());
    window->ags().chooseFile = [&](bool write, const QString&) { return write ? out : sample; };
    window->ags().confirm = [](frmAGS& dialog) {
        dialog.cboBODEN()->setCurrentIndex(2);  // the sand on itself
        dialog.txtSIGMAB()->setText(QStringLiteral("60"));
        return true;
    };
    const long before = count("SELECT * FROM [E1]");
    window->action("mnuAGSIMPORT")->trigger();
    mdiEINGABE* form = window->inputForm();
    ASSERT_TRUE(form);
    EXPECT_EQ(form->field("txtKEN")->text(), "TP01 1");
    EXPECT_EQ(form->field("txtSIB")->text(), "60");
    EXPECT_EQ(form->field("txtSIA")->text(), "25");
    EXPECT_FALSE(form->field("txtAB")->text().isEmpty());
    EXPECT_EQ(count("SELECT * FROM [E1]"), before);  // nothing stored before "OK"
    window->panelClick(8);
    EXPECT_EQ(count("SELECT * FROM [E2] WHERE [SIB]=60 AND [AB]>30"), 1) << (shown().empty() ? "" : shown()[0].text);
    EXPECT_EQ(count("SELECT * FROM [E3]"), 4);

    window->action("mnuAGSEXPORT")->trigger();
    const AgsFile written = AgsFile::read(out.toStdString());
    ASSERT_TRUE(written.group("SHBG"));
    EXPECT_EQ(written.group("SHBG")->rows.size(), 1u);
    EXPECT_EQ(written.group("SHBT")->rows.size(), 4u);
    ASSERT_FALSE(shown().empty());
    EXPECT_NE(shown().back().text.find("out.ags"), std::string::npos);

    // A database chosen by mistake as the target is never replaced.
    const fs::path database = tree.root / "chosen.mdb";
    fs::copy_file(TARVELO_DATABASE_DIR "/KVX.mdb", database);
    const auto size = fs::file_size(database);
    window->ags().chooseFile = [&](bool, const QString&) { return QString::fromStdString(database.string()); };
    window->action("mnuAGSEXPORT")->trigger();
    EXPECT_EQ(fs::file_size(database), size);
    EXPECT_NE(shown().back().text.find("ist eine Datenbank"), std::string::npos) << shown().back().text;

    // A file that breaks a rule is named with its line; no form opens.
    std::ofstream(tree.root / "broken.ags") << "\"GROUP\",\"SHBG\"\r\n\"DATA\",\"x\"\r\n";
    window->panelClick(9);
    window->ags().chooseFile = [&](bool, const QString&) { return QString::fromStdString((tree.root / "broken.ags").string()); };
    window->action("mnuAGSIMPORT")->trigger();
    EXPECT_FALSE(window->inputForm());
    EXPECT_NE(shown().back().text.find("broken.ags: line 2"), std::string::npos) << shown().back().text;
}

TEST_F(frmMAINTest, OverwritingAnExistingIdentificationAsksFirst)
{
    execute("INSERT INTO [E2] ([ID],[A]) VALUES (1,11)");
    execute("INSERT INTO [G0] ([ID],[IDOBJEKT]) VALUES (1,11)");
    tree.messages.answers = {Answer::No};
    newRecord("Sand");
    window->panelClick(8);
    EXPECT_NE(window->inputForm(), nullptr);  // the form stays open
    EXPECT_EQ(shown().back().text, "Soll der vorhandene Datensatz Sand überschrieben werden?");
    EXPECT_FLOAT_EQ(value("SELECT [A] FROM [E2] WHERE [ID]=1").toSingle(), 11);

    tree.messages.answers = {Answer::Yes};
    window->panelClick(8);
    EXPECT_EQ(window->inputForm(), nullptr);
    EXPECT_EQ(count("SELECT [ID] FROM [E1]"), 1);
    EXPECT_FLOAT_EQ(value("SELECT [A] FROM [E2] WHERE [ID]=1").toSingle(), 30);  // kept its ID 1
    EXPECT_EQ(count("SELECT [ID] FROM [G0]"), 0);                                // the old geometry went with it
}

TEST_F(frmMAINTest, RecordsThatCannotBeEvaluatedOrValuesThatDoNotFitAreNotStored)
{
    newRecord("Ton");
    enter({{"txtSIA", "100"}, {"cboSIMAX", "100"}});
    window->panelClick(8);
    EXPECT_EQ(shown().back().text, "σmax = 100 muss größer als σa = 100 sein.");
    enter({{"txtSIA", "10"}, {"txtSI1", "40"}, {"txtSI2", "40"}});
    window->panelClick(8);
    EXPECT_EQ(shown().back().text, "σ1 und σ2 müssen verschieden sein.");
    // Every field is checked before anything is written; the message names the field.
    enter({{"txtSI2", "60"}, {"txtCRB", "steif"}});
    window->panelClick(8);
    EXPECT_EQ(shown().back().text, "cr (Boden): Eingegeber Wert ist kein gültiges Zahlenformat!");
    enter({{"txtCRB", "-2"}, {"txtSI2", "600"}});
    window->panelClick(8);
    EXPECT_EQ(shown().back().text, "σ2 = 600 muss zwischen σa = 10 und σmax = 100 liegen.");
    enter({{"txtSI2", "60"}, {"txtA", "90"}});
    window->panelClick(8);
    EXPECT_EQ(shown().back().text, "a = 90° muss zwischen -90° und 90° liegen.");
    EXPECT_EQ(count("SELECT [ID] FROM [E1] WHERE [KEN]='Ton'"), 0);  // nothing half written
    EXPECT_EQ(count("SELECT [ID] FROM [E2]"), 0);
    EXPECT_NE(window->inputForm(), nullptr);
}

TEST_F(frmMAINTest, OpeningNeedsExactlyOneSelectedRecord)
{
    execute("INSERT INTO [E1] ([ID],[KEN],[KOM],[AKT]) VALUES (2,'Ton','zweiter',1)");
    execute("INSERT INTO [E2] ([ID],[A],[SIMAX],[N]) VALUES (2,27.5,400,50)");
    selections = {"'Sand','Ton'", "'Ton'"};
    tree.messages.answers = {Answer::Ok};
    window->mnuOEFFNEN();
    ASSERT_EQ(shown().size(), 1u);
    EXPECT_EQ(shown()[0].text, "Es kann nur ein aktueller Datensatz geöffnet werden!");
    ASSERT_NE(window->inputForm(), nullptr);
    EXPECT_EQ(window->inputForm()->field("txtKEN")->text(), "Ton");
    EXPECT_EQ(window->inputForm()->field("txtA")->text(), "27,5");
    EXPECT_EQ(window->inputForm()->cboSIMAX()->currentText(), "400");
    EXPECT_EQ(window->inputForm()->field("txtN")->text(), "50");
    EXPECT_EQ(window->inputForm()->field("txtC")->text(), "");  // a stored null shows empty
    EXPECT_EQ(modes, (std::vector<QString>{"O", "O"}));
    window->panelClick(9);
    EXPECT_EQ(window->inputForm(), nullptr);
}

TEST_F(frmMAINTest, DeletingAsksForEveryRecordAndRemovesAllItsRows)
{
    execute("INSERT INTO [E1] ([ID],[KEN],[AKT]) VALUES (2,'Ton',1),(3,'Kies',1)");
    for (int id : {1, 2, 3})
        execute("INSERT INTO [E2] ([ID]) VALUES (" + std::to_string(id) + ")");
    execute("INSERT INTO [A1] VALUES (3,0)");
    execute("INSERT INTO [G0] ([ID],[IDOBJEKT]) VALUES (3,11)");
    execute("UPDATE [E1] SET [AKT]=true");
    tree.messages.answers = {Answer::Ok, Answer::Cancel, Answer::Ok};
    window->mnuLOESCHEN();
    ASSERT_EQ(shown().size(), 3u);
    EXPECT_EQ(shown()[0].text, "Datensatz Sand wird gelöscht!");
    EXPECT_EQ(count("SELECT [ID] FROM [E1]"), 1);
    EXPECT_EQ(value("SELECT [KEN] FROM [E1]").text(), "Ton");
    EXPECT_EQ(count("SELECT [ID] FROM [E2]"), 1);
    EXPECT_EQ(count("SELECT [ID] FROM [A1]") + count("SELECT [ID] FROM [G0]"), 0);
    EXPECT_TRUE(session->GEAENDERT);
}

TEST_F(frmMAINTest, TheStatusBarShowsTheSelectedRecords)
{
    execute("INSERT INTO [E1] ([ID],[KEN],[AKT]) VALUES (2,'Auelehm',1)");
    window->DATENSATZANZEIGE();
    EXPECT_EQ(window->panel(6)->text(), "Auelehm,...");
    EXPECT_EQ(window->panel(6)->toolTip(), "Auelehm, Sand");
    execute("UPDATE [E1] SET [AKT]=false");
    window->DATENSATZANZEIGE();
    EXPECT_EQ(window->panel(6)->text(), "-");
    EXPECT_EQ(window->panel(2)->text(), "TE0000.00");
    EXPECT_EQ(window->panel(4)->toolTip(), "Tarvelo");
}

TEST(StatusPanelTest, ButtonPanelsStayPressedUntilTheirClickIsHandled)
{
    StatusPanel info(7), button(12);
    std::vector<int> clicks;
    QFrame::Shadow shadowWhileHandled = QFrame::Raised;
    QObject::connect(&info, &StatusPanel::clicked, [&](int number) { clicks.push_back(number); });
    QObject::connect(&button, &StatusPanel::clicked, [&](int number) {
        clicks.push_back(number);
        shadowWhileHandled = button.frameShadow();
    });
    for (StatusPanel* panel : {&info, &button}) {
        panel->resize(80, 20);
        QTest::mouseClick(panel, Qt::LeftButton, {}, QPoint(10, 10));
    }
    EXPECT_EQ(clicks, std::vector<int>{12});
    EXPECT_EQ(info.frameShadow(), QFrame::Raised);
    EXPECT_EQ(shadowWhileHandled, QFrame::Sunken);
    EXPECT_TRUE(QTest::qWaitFor([&] { return button.frameShadow() == QFrame::Raised; }, 5000));

    // A press released outside the panel is no click, and the panel comes up again.
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(button.frameShadow(), QFrame::Sunken);
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(200, 10));
    EXPECT_EQ(clicks.size(), 1u);
    EXPECT_TRUE(QTest::qWaitFor([&] { return button.frameShadow() == QFrame::Raised; }, 5000));
}

TEST_F(frmMAINTest, SavingCopiesTheWorkingCopyAndClosingAsksFirst)
{
    execute("INSERT INTO [E1] ([ID],[KEN],[AKT]) VALUES (2,'Ton',0)");
    session->GEAENDERT = true;
    const std::string project = session->projectFile();
    tree.messages.answers = {Answer::Cancel};
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(fs::exists(session->XMDBPFAD()));
    EXPECT_EQ(shown().back().text, "Sollen die Änderungen in Projekt TE0000.00 gespeichert werden?");

    window->mnuSPEICHERN();
    EXPECT_FALSE(session->GEAENDERT);
    EXPECT_EQ(Recordset(Connection::openFile(project), "SELECT [ID] FROM [E1]").recordCount(), 2);
    // The status bar says it, for a few seconds.
    const QString said = window->panel(7)->text();
    EXPECT_TRUE(said.startsWith("Gespeichert um ") && said.endsWith(" in " + QString::fromStdString(project))) << said.toStdString();
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->panel(7)->text().isEmpty(); }, 8000));

    execute("INSERT INTO [E1] ([ID],[KEN],[AKT]) VALUES (3,'Kies',0)");
    session->GEAENDERT = true;
    tree.messages.answers = {Answer::No};
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(fs::exists(session->XMDBPFAD()));
    EXPECT_EQ(Recordset(Connection::openFile(project), "SELECT [ID] FROM [E1]").recordCount(), 2);
}

TEST_F(frmMAINTest, AFailedSaveKeepsTheChangesAndTheWindow)
{
    // The project database cannot be replaced: a folder stands where the file was.
    const fs::path project = session->projectFile();
    fs::remove(project);
    fs::create_directories(project / "blocked");
    session->GEAENDERT = true;
    tree.messages.answers = {Answer::Ok};
    EXPECT_FALSE(window->mnuSPEICHERN());
    EXPECT_TRUE(session->GEAENDERT);
    tree.messages.answers = {Answer::Yes, Answer::Ok};
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(fs::exists(session->XMDBPFAD()));  // the work is still there
}

TEST_F(frmMAINTest, ClosingWithYesSavesAndTheCloseBoxStartsTheFrameProgram)
{
    std::vector<std::string> started;
    frmMAIN framed(*session, [&](const std::string& program) { started.push_back(program); });
    std::ofstream(tree.root / "KALMORA") << "#!/bin/sh\n";
    execute("INSERT INTO [E1] ([ID],[KEN],[AKT]) VALUES (2,'Ton',0)");
    session->GEAENDERT = true;
    tree.messages.answers = {Answer::Yes};
    EXPECT_TRUE(framed.close());  // the close box
    EXPECT_EQ(Recordset(Connection::openFile(session->projectFile()), "SELECT [ID] FROM [E1]").recordCount(), 2);
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(started[0], (tree.root / "KALMORA").string());
}

// F1 on an open menu's item: the help at that item's section, its heading at the top of the
// window, in German and in English.
TEST_F(frmMAINTest, F1OnAMenuItemOpensTheHelpAtItsSection)
{
    fs::copy_file(fs::path(TARVELO_SOURCE_DIR) / "help" / "KVX.hlp", tree.root / "source" / "KVX.hlp");
    const auto headingShownFor = [](frmMAIN& main, const char* item) {
        main.show();
        QMenu* file = main.menu("mnuDATEI");
        file->popup(main.mapToGlobal(QPoint(0, 0)));
        EXPECT_TRUE(QTest::qWaitForWindowExposed(file));
        file->setActiveAction(main.action(item));
        QString heading;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (auto* help = qobject_cast<HelpWindow*>(QApplication::activeModalWidget()); help && help->isVisible()) {
                heading = help->browser()->cursorForPosition(QPoint(4, 4)).block().text();
                help->close();
            }
        });
        poll.start(50);
        QTest::keyClick(file, Qt::Key_F1);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !heading.isEmpty(); }, 5000)) << item;
        return heading.toStdString();
    };
    EXPECT_EQ(headingShownFor(*window, "mnuSPEICHERN"), "Datei / Speichern");
    ASSERT_NO_FATAL_FAILURE(speakEnglish());
    frmMAIN englishWindow(*session);
    EXPECT_EQ(headingShownFor(englishWindow, "mnuAUSWAHL"), "File / Select");
}

TEST_F(frmMAINTest, MenusInGermanAndEnglish)
{
    EXPECT_EQ(window->menu("mnuDATEI")->title(), "&Datei");
    EXPECT_EQ(window->action("mnuOEFFNEN")->text(), "&Öffnen");
    EXPECT_EQ(window->action("mnuNEU")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
    EXPECT_EQ(window->action("mnuOEFFNEN")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    EXPECT_EQ(window->action("mnuNEUBERECHNEN")->shortcut(), QKeySequence(Qt::Key_F5));
    EXPECT_FALSE(window->action("mnuEXPINF")->isEnabled());
    EXPECT_EQ(window->panel(9)->text(), "Abbrechen");
    // The button panels: text and tooltip in German, then in English.
    const std::array<std::array<const char*, 4>, 8> panels = {{
        {"OK", "Eingabedaten speichern", "OK", "Save input-data"},
        {"Abbrechen", "Eingabedaten verwerfen", "Cancel", "Discard input-data"},
        {"Anzeigen", "Ausgabeseite anzeigen", "Show", "Show another page"},
        {"Drucken", "Ausgabeseite drucken", "Print", "Print loaded pages"},
        {"Kopie", "Bildschirmkopie speichern", "Copy", "Save Screenshot"},
        {"Word", "Ausgabeseite in ein Word-Dokument übertragen", "Word", "Send current page to word"},
        {"AutoCAD", "Ausgabeseite in eine AutoCAD-Zeichnung übertragen", "AutoCAD", "Send current page to AutoCAD"},
        {"Schließen", "Zurück zum Startbildschirm", "Close", "Back to the front window"},
    }};
    for (int number = 8; number <= 15; ++number) {
        EXPECT_EQ(window->panel(number)->text(), panels[number - 8][0]);
        EXPECT_EQ(window->panel(number)->toolTip(), panels[number - 8][1]);
    }
    ASSERT_NO_FATAL_FAILURE(speakEnglish());
    frmMAIN englishWindow(*session);
    EXPECT_EQ(englishWindow.menu("mnuDATEI")->title(), "&File");
    EXPECT_EQ(englishWindow.action("mnuSCHLIESSEN")->text(), "Done");        // D, O, N and E are taken
    EXPECT_EQ(englishWindow.action("mnuEXPIMP")->text(), "&Export-Import");  // no English caption
    EXPECT_EQ(englishWindow.menu("mnuEXTRAS")->title(), "&Tools");           // every item has an access key
    // Within each menu no two items answer the same key.
    EXPECT_EQ(englishWindow.action("mnuSPEICHERN")->text(), "S&ave");
    EXPECT_EQ(englishWindow.action("mnuHILFE")->text(), "&Help");
    for (QMenu* menu : englishWindow.findChildren<QMenu*>()) {
        std::set<QChar> keys;
        for (QAction* item : menu->actions()) {
            const qsizetype marker = item->text().indexOf(u'&');
            if (marker >= 0) {
                EXPECT_TRUE(keys.insert(item->text().at(marker + 1).toLower()).second)
                    << menu->objectName().toStdString() << ": " << item->text().toStdString();
            }
            EXPECT_FALSE(item->isSeparator() && !item->text().isEmpty());
        }
    }
    EXPECT_EQ(englishWindow.caption("mnuSPEICHERN"), "Save");  // titles without the marker
    EXPECT_EQ(englishWindow.panel(9)->text(), "Cancel");
    for (int number = 8; number <= 15; ++number) {
        EXPECT_EQ(englishWindow.panel(number)->text(), panels[number - 8][2]);
        EXPECT_EQ(englishWindow.panel(number)->toolTip(), panels[number - 8][3]);
    }
    EXPECT_EQ(englishWindow.action("mnuKOMPRIMIEREN")->text(), "&Compact Database");
}

}  // namespace
