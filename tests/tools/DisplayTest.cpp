// The installed suite on a real X display (a virtual one), with Qt's real window-system
// plugin: the frame program starts the module, and keys reach the windows as a person
// types them.
#include "SuiteProcesses.h"
#include "ToolOutput.h"
#include "platform/DatabaseFiles.h"

#include <QRegularExpression>
#include <QStandardPaths>

#include <fstream>
#include <random>

#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

class DisplayTest : public SuiteProcesses {
protected:
    void SetUp() override
    {
        xvfb = QStandardPaths::findExecutable("Xvfb");
        xdotool = QStandardPaths::findExecutable("xdotool");
        if (xvfb.isEmpty() || xdotool.isEmpty())
            GTEST_SKIP() << "needs Xvfb and xdotool (scripts/setup installs them)";
        SuiteProcesses::SetUp();
        // A random display from a wide range, so a number another test's server has just
        // given up is not taken again while that server still cleans up; the server names
        // the display once it serves it, and a number in use makes it end: then another.
        // Without -noreset the server resets whenever its last client leaves (xdotool after
        // every query, the frame program after starting the module), and a program that
        // connects during a reset is refused: "could not connect to display".
        std::random_device random;
        for (int attempt = 0; attempt < 20 && display.isEmpty(); ++attempt) {
            const QString number = QString::number(1000 + random() % 30000);
            server.start(xvfb, {":" + number, "-displayfd", "1", "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
                                "-noreset"});
            ASSERT_TRUE(server.waitForStarted());
            for (int i = 0; i < 100 && server.state() == QProcess::Running && !server.canReadLine(); ++i)
                server.waitForReadyRead(100);
            if (QString::fromLatin1(server.readLine()).trimmed() == number) {
                display = ":" + number;
            } else {
                server.kill();
                server.waitForFinished();
            }
        }
        ASSERT_FALSE(display.isEmpty()) << "the virtual display did not start";
        environment.remove("QT_QPA_PLATFORM");  // the real plugin: xcb on the display
        environment.insert("DISPLAY", display);
        for (int i = 0; i < 100 && x({"getdisplaygeometry"}).isEmpty(); ++i)
            QThread::msleep(100);
        ASSERT_FALSE(x({"getdisplaygeometry"}).isEmpty()) << "the virtual display did not start";
    }
    void TearDown() override
    {
        if (server.state() == QProcess::NotRunning)
            return;
        SuiteProcesses::TearDown();
        server.terminate();
        server.waitForFinished(5000);
    }
    // Runs xdotool on the display; its output.
    QString x(const QStringList& arguments)
    {
        QProcess tool;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", display);
        tool.setProcessEnvironment(env);
        tool.start(xdotool, arguments);
        tool.waitForFinished(20000);
        return QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
    }
    // A window with this title other than `other`, waiting up to 30 s for it; a main window
    // keeps its title with the name of a maximized child window behind it
    // ("Kalmora - [Eingabe]").
    QString window(const QString& title, const QString& other = {})
    {
        return awaitWindow({"--name", "^" + QRegularExpression::escape(title) + "( - \\[.*\\])?$"}, other);
    }
    // A window of a program ("KALMORA", "KVX": its class), waiting up to 30 s.
    QString windowOf(const QString& program) { return awaitWindow({"--class", "^" + program + "$"}); }
    QString awaitWindow(const QStringList& query, const QString& other = {})
    {
        for (int i = 0; i < 300; ++i) {
            QStringList found = x(QStringList{"search", "--onlyvisible"} + query).split(u'\n', Qt::SkipEmptyParts);
            found.removeAll(other);
            if (!found.isEmpty())
                return found.first();
            QThread::msleep(100);
        }
        return {};
    }
    // Keys as a person types them, into the window that has the focus.
    void type(const QString& windowId, const QString& keys)
    {
        x({"windowfocus", "--sync", windowId});
        x({"key", "--clearmodifiers", keys});
    }
    static bool awaitFile(const fs::path& file)
    {
        for (int i = 0; i < 300 && !fs::exists(file); ++i)
            QThread::msleep(100);
        return fs::exists(file);
    }
    // Quits the module by its menu, as a person without a mouse does: Alt+D, then B.
    void quitByMenu(QProcess& module, const QString& main)
    {
        for (int i = 0; i < 50 && module.state() == QProcess::Running; ++i) {
            type(main, "alt+d");
            type(main, "b");
            module.waitForFinished(300);
        }
    }
    // Reads the module's error stream into `errors` until `text` stands in it n times
    // (up to 30 s).
    static void awaitOutput(QProcess& module, std::string& errors, const std::string& text, int n = 1)
    {
        const auto times = [&] {
            int found = 0;
            for (auto at = errors.find(text); at != std::string::npos; at = errors.find(text, at + 1))
                ++found;
            return found;
        };
        for (int i = 0; i < 300 && times() < n; ++i) {
            module.waitForReadyRead(100);
            errors += module.readAllStandardError().toStdString();
        }
    }
    // The module's main window once its script has paused at its first "await"; empty when
    // it showed none.
    QString pausedMain(QProcess& module, std::string& errors)
    {
        const QString main = window("Kalmora");
        errors = main.isEmpty() ? module.readAllStandardError().toStdString() : std::string();
        if (!main.isEmpty())
            awaitPause(module, errors);
        return main;
    }
    // A menu command by its keys (Alt+menu, then the item's key): the window it opens, empty
    // when none shows.
    QString byMenu(const QString& main, const char* menuKey, const char* itemKey, const QString& title)
    {
        type(main, QStringLiteral("alt+") + menuKey);
        type(main, itemKey);
        return window(title);
    }
    // Until the module's script has paused at its n-th "await".
    static void awaitPause(QProcess& module, std::string& errors, int n = 1)
    {
        awaitOutput(module, errors, "KVX script: await", n);
    }

    void write(const QString& text) { x({"type", "--delay", "20", "--", text}); }
    // Into the next field, over what it holds.
    void next(const QString& text)
    {
        x({"key", "Tab"});
        x({"key", "ctrl+a"});
        write(text);
    }
    // Into a new form: the identification, the comment, then over the tab bar and σb the
    // laws' values in their order.
    void typeRecord(const QStringList& values)
    {
        write(values[0]);
        next(values[1]);
        x({"key", "Tab", "Tab"});
        for (const QString& value : values.mid(2))
            next(value);
    }

    // The module, and in its main window a new input form opened by keys (Alt+D, N).
    void startWithNewForm(QProcess*& module, QString& main)
    {
        module = &startModule("");
        main = window("Kalmora");
        ASSERT_FALSE(main.isEmpty()) << module->readAllStandardError().toStdString();
        type(main, "alt+d");
        type(main, "n");
        ASSERT_FALSE(window("Kalmora - [Eingabe]").isEmpty());
    }
    // The same with the record "Kies 0/32" typed into it under this comment.
    void startWithTypedRecord(QProcess*& module, QString& main, const QString& comment)
    {
        ASSERT_NO_FATAL_FAILURE(startWithNewForm(module, main));
        typeRecord({"Kies 0/32", comment, "28,5", "-2", "24", "-1,5", "36", "-3", "33", "-2"});
    }
    // The module quit by its menu's keys: true once it has handed the user back to the frame
    // program (up to 30 s).
    bool quitsByKeys(const QString& main, const char* menuKey, const char* quitKey)
    {
        type(main, menuKey);
        type(main, quitKey);
        for (int i = 0; i < 300 && admin() != "KALMORA"; ++i)
            QThread::msleep(100);
        return admin() == "KALMORA";
    }
    // As from the desktop: the frame program's window, its selected project taken with
    // Return; the module's main window.
    void startFromFrameWindow(QString& main)
    {
        QProcess frameWindow;
        frameWindow.setProcessEnvironment(environment);
        frameWindow.start(QString::fromStdString((root / "KALMORA").string()), {});
        const QString projects = windowOf("KALMORA");
        ASSERT_FALSE(projects.isEmpty()) << "the frame program showed no window";
        type(projects, "Return");
        ASSERT_TRUE(frameWindow.waitForFinished(30000)) << "the frame window stayed";
        EXPECT_EQ(frameWindow.exitCode(), 0);
        main = windowOf("KVX");
        ASSERT_FALSE(main.isEmpty()) << "the module showed no window";
    }

    QString xvfb, xdotool, display;
    QProcess server;
};

TEST_F(DisplayTest, TheFrameProgramStartsTheModuleOnTheDisplay)
{
    // The module inherits the frame program's environment, script included.
    environment.insert("TARVELO_SCRIPT", QString::fromStdString((root / "module.txt").string()));
    std::ofstream(root / "module.txt") << await("end") << "quit\n";
    // The module writes where the frame program writes: into a file this test can read.
    QProcess starter;
    starter.setProcessEnvironment(environment);
    starter.setStandardErrorFile(QString::fromStdString((root / "module.log").string()));
    starter.start(QString::fromStdString((root / "KALMORA").string()), {"start", "P1"});
    ASSERT_TRUE(starter.waitForFinished(60000));
    ASSERT_EQ(starter.exitCode(), 0);
    const QString main = window("Kalmora");
    EXPECT_FALSE(main.isEmpty()) << "no window of the module on the display:\n"
                                 << std::ifstream(root / "module.log").rdbuf();
    EXPECT_EQ(admin(), "KVX");
    go("end");
    for (int i = 0; i < 300 && admin() != "KALMORA"; ++i)
        QThread::msleep(100);
    EXPECT_EQ(admin(), "KALMORA");
    // The editor chosen with the frame program stays; the sheet's footer names it.
    ASSERT_EQ(frame({"choose", "P1", "Dipl.-Ing. Sommer"}), 0);
    ASSERT_EQ(frame({"choose", "P1"}), 0);
    EXPECT_EQ(admin("SOMMER", "BEARBEITER"), "Dipl.-Ing. Sommer");
}

// As from the desktop: the frame program's window, the user's project selected, Return.
TEST_F(DisplayTest, TheFrameWindowStartsTheModuleOnTheUsersCurrentProject)
{
    ASSERT_EQ(frame({"new", "P2"}), 0);
    ASSERT_EQ(frame({"choose", "P2"}), 0);
    QString main;
    ASSERT_NO_FATAL_FAILURE(startFromFrameWindow(main));
    EXPECT_EQ(admin(), "KVX");
    EXPECT_EQ(admin("SOMMER", "PROJEKT"), "P2");
    EXPECT_TRUE(quitsByKeys(main, "alt+d", "b")) << "the module did not quit";
}

TEST_F(DisplayTest, KeysReachThePageTheFormAndTheHelp)
{
    QProcess& module = startModule(record("Sand") + "menu mnuAUSWERTEN\ntrigger mnuNEUBERECHNEN\n" + await("page") +
                                   "trigger mnuNEU\n" + await("form") + "quit\n");
    const QString main = window("Kalmora");
    ASSERT_FALSE(main.isEmpty()) << x({"search", "--name", "."}).toStdString() << " | "
                                 << module.readAllStandardError().toStdString() << " state " << module.state();
    // Ctrl+W on a fresh page, without a click: the page goes into a document ("Word").
    const fs::path document = root / "PROJEKTE" / "P1" / "Sand-Seite1.odt";
    for (int i = 0; i < 100 && !fs::exists(document); ++i) {
        type(main, "ctrl+w");
        QThread::msleep(300);
    }
    EXPECT_TRUE(fs::exists(document));
    // F1: the help window at the page's context.
    type(main, "F1");
    const QString help = window("?/Hilfe");
    EXPECT_FALSE(help.isEmpty()) << "F1 opened no help";
    if (!help.isEmpty())
        type(help, "Escape");
    go("page");
    // Alt+Q in a field of the input form quits the program (it saves on the way).
    std::string errors;
    awaitPause(module, errors, 2);
    for (int i = 0; i < 50 && module.state() == QProcess::Running; ++i) {
        type(main, "alt+q");
        module.waitForFinished(300);
    }
    EXPECT_EQ(module.state(), QProcess::NotRunning) << "Alt+Q did not quit from the input form";
    go("form");
    module.waitForFinished(30000);
    errors += module.readAllStandardError().toStdString();
    EXPECT_EQ(admin(), "KALMORA") << errors;
    EXPECT_EQ(count("P1", "SELECT [ID] FROM [E1] WHERE [KEN]='Sand'"), 1) << errors;
}

// A laboratory's AGS4 file by keys: the file chosen in the file dialog, the contact and the
// soil test and σb chosen, the filled form stored with Ctrl+S, the record evaluated with F5.
TEST_F(DisplayTest, AnAgsFileIsImportedByKeysStoredAndEvaluated)
{
    QProcess& module = startModule(await("evaluated") + "trigger mnuSPEICHERN\nquit\n");
    std::string errors;
    const QString main = pausedMain(module, errors);
    ASSERT_FALSE(main.isEmpty()) << errors;
    const QString files = byMenu(main, "d", "i", "AGS importieren…");
    ASSERT_FALSE(files.isEmpty()) << "Alt+D, I showed no file dialog: " << errors;
    write(QStringLiteral(TARVELO_SOURCE_DIR "/docs/samples/shear-box.ags"));
    type(files, "Return");
    const QString sets = window("AGS importieren");
    ASSERT_FALSE(sets.isEmpty()) << "the file's test sets were not shown: " << errors;
    // Tab leaves the list of sets: past the contact test (the first) to the soil test (the
    // second), then σb with a decimal comma.
    for (const char* key : {"Tab", "Tab", "Down", "Down", "Tab", "ctrl+a"})
        type(sets, key);
    write(QStringLiteral("60,5"));
    type(sets, "Return");
    const QString form = window("Kalmora - [Eingabe]");
    ASSERT_FALSE(form.isEmpty()) << "no input form: " << errors;
    type(form, "ctrl+s");
    ASSERT_TRUE(awaitRecord("SOMMER", "TP01 1")) << "Ctrl+S stored no record: " << errors;
    type(main, "F5");
    for (int i = 0; i < 100 && countFile(workingCopy("SOMMER"), "SELECT [ID] FROM [G0]") == 0; ++i)
        QThread::msleep(100);
    go("evaluated");
    module.waitForFinished(30000);
    errors += module.readAllStandardError().toStdString();
    EXPECT_EQ(module.exitCode(), 0) << errors;
    EXPECT_EQ(count("P1", "SELECT [ID] FROM [E1] WHERE [KEN]='TP01 1' AND [KOM] LIKE 'B1: Smooth HDPE%'"), 1) << errors;
    EXPECT_EQ(count("P1", "SELECT [ID] FROM [E2] WHERE [SIB]=60.5 AND [SIA]=25 AND [SIMAX]=200 AND [A]>20 AND [AB]>30"),
              1);
    EXPECT_EQ(count("P1", "SELECT [ID] FROM [E3] WHERE [SIG]=25 AND [TAUF]=12.1 AND [TAUR]=9.8 AND [TAUB]=18.6"), 1);
    EXPECT_EQ(count("P1", "SELECT [ID] FROM [E3] WHERE [SIG] IN (25,50,100,200) AND [TAUBR]>0"), 4);
    EXPECT_GT(count("P1", "SELECT [ID] FROM [G0]"), 0) << "not evaluated: " << errors;
}

TEST_F(DisplayTest, TestResultsTypedIntoTheFormAreSavedWithTheRecord)
{
    std::string script = record("Kies 0/32");
    script.erase(script.find("panel 8\n"));
    QProcess& module = startModule(script + await("typed") + "quit\n");
    const QString main = window("Kalmora");
    ASSERT_FALSE(main.isEmpty()) << x({"search", "--name", "."}).toStdString() << " | "
                                 << module.readAllStandardError().toStdString() << " state " << module.state();
    std::string errors;
    awaitPause(module, errors);
    // From the identification through the comment to the tab bar, over to the fourth tab,
    // into its grid; two tests typed as a person types them, then saved with Ctrl+S.
    type(main, "Tab");
    type(main, "Tab");
    for (const char* key : {"Right", "Right", "Right", "Tab"})
        type(main, key);
    for (const char* keys :
         {"2 5 Tab 1 5 comma 8 Tab 0 comma 7 5 Return", "Down Home 5 0 Tab 2 9 comma 6 Tab 2 4 Return"})
        x(QStringList{"key", "--clearmodifiers"} + QString::fromLatin1(keys).split(u' '));
    type(main, "ctrl+s");
    QThread::msleep(500);
    go("typed");
    module.waitForFinished(30000);
    errors += module.readAllStandardError().toStdString();
    EXPECT_EQ(count("P1", "SELECT [ID] FROM [E1] WHERE [KEN]='Kies 0/32'"), 1) << errors;
    EXPECT_EQ(count("P1", "SELECT [NR] FROM [E3] WHERE [SIG]=25 AND [TAUF]=15.8 AND [TAUR]=0.75"), 1) << errors;
    EXPECT_EQ(count("P1", "SELECT [NR] FROM [E3] WHERE [SIG]=50 AND [TAUF]=29.6 AND [TAUR]=24 AND [TAUB] IS NULL"), 1)
        << errors;
}

// The slope tab typed by keys in a German session: the inclination as 1:3, decimals with a
// comma; stored as typed.
TEST_F(DisplayTest, ASlopeCheckTypedByKeysIsStoredAsTyped)
{
    ASSERT_NO_FATAL_FAILURE(speak("de_DE.UTF-8"));
    std::string script = record("Folie");
    script.erase(script.find("panel 8\n"));
    QProcess& module = startModule(script + await("typed") + "quit\n");
    std::string errors;
    const QString main = pausedMain(module, errors);
    ASSERT_FALSE(main.isEmpty()) << errors;
    // From the identification through the comment to the tab bar, over to the fifth tab.
    for (const char* key : {"Tab", "Tab", "Right", "Right", "Right", "Right", "Tab"})
        type(main, key);
    x(QStringList{"key", "--clearmodifiers"} +
      QStringLiteral("1 colon 3 Tab 3 0 Tab 0 comma 3 Tab 1 8 comma 5").split(u' '));
    type(main, "ctrl+s");
    QThread::msleep(500);
    go("typed");
    module.waitForFinished(30000);
    errors += module.readAllStandardError().toStdString();
    EXPECT_EQ(count("P1", "SELECT [ID] FROM [E4] WHERE [LAENGE]=30 AND [DICKE]=0.3 AND [GAMMA]=18.5 AND [FSERF]=1.5"),
              1)
        << errors;
    EXPECT_NEAR(stored("P1", "SELECT [BETA] FROM [E4]").toDouble(), 18.434948822922, 1e-9) << errors;
}

TEST_F(DisplayTest, CtrlPPrintsTheSheetThroughThePrintDialog)
{
    // No print server: the dialog's only printer is the PDF file, never a real one of the
    // machine the tests run on.
    environment.insert("CUPS_SERVER", QString::fromStdString((root / "no-cups.sock").string()));
    environment.insert("HOME", QString::fromStdString(root.string()));
    QProcess& module =
        startModule(record("Kies 0/32") + "menu mnuAUSWERTEN\ntrigger mnuNEUBERECHNEN\n" + await("printed") + "quit\n");
    std::string errors;
    const QString main = pausedMain(module, errors);
    ASSERT_FALSE(main.isEmpty()) << errors;
    type(main, "ctrl+p");
    const QString dialog = window("Drucken");
    ASSERT_FALSE(dialog.isEmpty()) << "Ctrl+P showed no print dialog: " << errors;
    // Without a printer the dialog prints into a PDF file in the home folder, named after
    // the record's page: Return takes it.
    const fs::path pdf = root / "Kies 0_32-Seite1.pdf";
    type(dialog, "Return");
    EXPECT_TRUE(awaitFile(pdf)) << "nothing printed: " << errors;
    go("printed");
    module.waitForFinished(30000);
    errors += module.readAllStandardError().toStdString();
    EXPECT_EQ(module.exitCode(), 0) << errors;
    // One portrait A4 sheet with the record's page on it.
    const std::optional<QString> pages = toolOutput("pdfinfo", {QString::fromStdString(pdf.string())});
    const std::optional<QString> words = toolOutput("pdftotext", {QString::fromStdString(pdf.string()), "-"});
    if (!pages || !words)
        GTEST_SKIP() << "needs pdfinfo and pdftotext";
    const QString& info = *pages;
    const QString& text = *words;
    EXPECT_TRUE(info.contains(QRegularExpression("^Pages: +1$", QRegularExpression::MultilineOption)))
        << info.toStdString();
    EXPECT_TRUE(info.contains("595 x 842 pts (A4)")) << info.toStdString();
    for (const char* expected :
         {"Datensatz Kies 0/32", "Seite 1/1", "Kontaktscherwinkel", "28,50", "Bearbeiter: Dipl.-Ing. Sommer"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << " not on the sheet:\n"
                                                                << text.toStdString();
}

// The export into a second project by keys: the folder tree opens a project as its name
// is typed, the record goes there and nowhere else.
TEST_F(DisplayTest, ARecordIsExportedIntoASecondProjectByKeys)
{
    ASSERT_EQ(frame({"new", "P2"}), 0);
    ASSERT_EQ(frame({"new", "P3"}), 0);
    QProcess& module = startModule(record("Kies 0/32") + "trigger mnuSPEICHERN\n" + await("exported") + "quit\n");
    std::string errors;
    const QString main = pausedMain(module, errors);
    ASSERT_FALSE(main.isEmpty()) << errors;
    const QString dialog = byMenu(main, "d", "e", "Export/Import");
    ASSERT_FALSE(dialog.isEmpty()) << "Alt+D, E opened no export dialog: " << errors;
    // From the own records past the external list and the drive to the folder tree.
    type(dialog, "Tab");
    for (const char* keys :
         {"Tab", "Tab", "P", "3", "shift+Tab", "shift+Tab", "shift+Tab", "space", "Tab", "Tab", "Tab", "Tab", "space"})
        x({"key", "--clearmodifiers", keys});
    // A scripted run writes its messages into the error stream instead of a box.
    awaitOutput(module, errors, "1 Datensatz nach P3 kopiert");
    EXPECT_NE(errors.find("1 Datensatz nach P3 kopiert"), std::string::npos) << errors;
    type(dialog, "Escape");
    go("exported");
    module.waitForFinished(30000);
    errors += module.readAllStandardError().toStdString();
    EXPECT_EQ(count("P3", "SELECT [ID] FROM [E1] WHERE [KEN]='Kies 0/32' AND [KOM]='Vlies auf Kies'"), 1) << errors;
    EXPECT_EQ(count("P3", "SELECT [ID] FROM [E2] WHERE [A]=28.5 AND [AB]=36"), 1) << errors;
    EXPECT_EQ(count("P1", "SELECT [ID] FROM [E1]"), 1);
    EXPECT_EQ(count("P2", "SELECT [ID] FROM [E1]"), 0);
}

// No script: the record is typed as a person types it, every question is a real box.
TEST_F(DisplayTest, ARecordTypedByKeysIsSavedIntoTheUsersCurrentProjectOnQuitting)
{
    ASSERT_EQ(frame({"new", "P2"}), 0);
    ASSERT_EQ(frame({"choose", "P2"}), 0);
    QProcess& module = startModule("");
    const QString main = window("Kalmora");
    ASSERT_FALSE(main.isEmpty()) << module.readAllStandardError().toStdString();
    type(main, "alt+d");
    type(main, "n");
    ASSERT_FALSE(window("Kalmora - [Eingabe]").isEmpty()) << "Alt+D, N opened no input form";
    // The identification and the comment, over the tab bar and σb to the contact's laws,
    // then the soil's a with a letter in it.
    typeRecord({"Kies 0/32", "Vlies auf Kies", "28,5", "-2", "24", "-1,5", "3Z"});
    type(main, "ctrl+s");
    const QString refusal = window("OK");
    ASSERT_FALSE(refusal.isEmpty()) << "a letter in a number was not refused";
    type(refusal, "Return");
    // Back in the form, the cursor in the refused field; nothing typed is lost.
    type(main, "ctrl+a");
    write("36");
    for (const char* value : {"-3", "33", "-2"})
        next(value);
    type(main, "ctrl+s");
    ASSERT_TRUE(awaitRecord("SOMMER", "Kies 0/32"));
    type(main, "alt+d");
    type(main, "b");
    const QString question = window("Beenden");
    ASSERT_FALSE(question.isEmpty()) << "no question whether to save";
    type(question, "Return");  // Yes
    module.waitForFinished(30000);
    EXPECT_EQ(module.exitCode(), 0) << module.readAllStandardError().toStdString();
    EXPECT_EQ(count("P2", "SELECT [ID] FROM [E1] WHERE [KEN]='Kies 0/32' AND [KOM]='Vlies auf Kies'"), 1);
    EXPECT_EQ(count("P2", "SELECT [ID] FROM [E2] WHERE [SIB]=60 AND [A]=28.5 AND [C]=-2 AND [AR]=24 AND [CR]=-1.5 "
                          "AND [AB]=36 AND [CB]=-3 AND [ARB]=33 AND [CRB]=-2"),
              1);
    EXPECT_EQ(count("P1", "SELECT [ID] FROM [E1]"), 0);
    EXPECT_EQ(admin(), "KALMORA");
    EXPECT_FALSE(fs::exists(workingCopy("SOMMER")));
}

// No script: the questions are the program's real message boxes, answered with keys.
TEST_F(DisplayTest, AKilledSessionIsRecoveredIntoItsProjectThroughTheRealQuestions)
{
    ASSERT_EQ(frame({"new", "P2"}), 0);
    QProcess& killed = startModule(record("Kies 0/32") + "wait 600000\n");
    ASSERT_TRUE(awaitRecord("SOMMER", "Kies 0/32"));
    kill(killed);  // SIGKILL, as kill -9
    ASSERT_EQ(frame({"choose", "P2"}), 0);

    QProcess& module = startModule("");
    const QString question = window("KVX");
    ASSERT_FALSE(question.isEmpty()) << "no question about the interrupted session: "
                                     << module.readAllStandardError().toStdString();
    type(question, "Return");  // Yes: into P1, where the record was made
    const QString saved = window("KVX", question);
    ASSERT_FALSE(saved.isEmpty()) << "no word where the changes went: " << module.readAllStandardError().toStdString();
    type(saved, "Return");
    const QString main = window("Kalmora");
    ASSERT_FALSE(main.isEmpty()) << module.readAllStandardError().toStdString();
    quitByMenu(module, main);
    EXPECT_EQ(module.state(), QProcess::NotRunning) << "the menu did not quit";
    EXPECT_EQ(admin(), "KALMORA");
    EXPECT_EQ(count("P1", "SELECT [ID] FROM [E1] WHERE [KEN]='Kies 0/32'"), 1);
    EXPECT_EQ(count("P2", "SELECT [ID] FROM [E1]"), 0);
}

TEST_F(DisplayTest, ASecondUserIsRefusedInARealMessageBoxAndChangesNothing)
{
    ASSERT_EQ(frame({"choose", "P1", "Dr. Schmidt"}, "SCHMIDT"), 0);
    startModule(record("Kies 0/32") + "wait 600000\n");
    ASSERT_TRUE(awaitRecord("SOMMER", "Kies 0/32"));

    QProcess& second = startModule("", "SCHMIDT");
    const QString refusal = window("KVX");
    ASSERT_FALSE(refusal.isEmpty()) << "the second user was not told: " << second.readAllStandardError().toStdString();
    type(refusal, "Return");
    ASSERT_TRUE(second.waitForFinished(30000));
    EXPECT_EQ(second.exitCode(), 1);
    EXPECT_EQ(admin("SCHMIDT"), "KALMORA");
    EXPECT_FALSE(fs::exists(workingCopy("SCHMIDT")));
    EXPECT_EQ(count("P1", "SELECT [ID] FROM [E1]"), 0);  // the first session has not saved yet
}

// Typed input is never lost without a question: Esc and Alt+Q on a form with changes, by keys,
// each answered in the real message box; both records end in the project.
TEST_F(DisplayTest, TypedInputIsKeptWhenTheFormIsLeftByKeys)
{
    QProcess& module = startModule("");
    const QString main = window("Kalmora");
    ASSERT_FALSE(main.isEmpty()) << module.readAllStandardError().toStdString();
    // A new record typed by keys, then left by `key`: the question that comes up.
    const auto typeAndLeave = [&](const QString& ken, const QString& key) {
        type(main, "alt+d");
        type(main, "n");
        EXPECT_FALSE(window("Kalmora - [Eingabe]").isEmpty());
        typeRecord(QStringList{ken, key, "28,5", "-2", "24", "-1,5", "36", "-3", "33", "-2"});
        x({"key", key});
        return window("Eingabe");
    };
    const QString first = typeAndLeave("Kies 0/32", "Escape");
    ASSERT_FALSE(first.isEmpty()) << "Esc left a form with typed input without a question";
    type(first, "Return");  // Yes: taken over as "OK" does
    ASSERT_TRUE(awaitRecord("SOMMER", "Kies 0/32"));
    const QString second = typeAndLeave("Sand", "alt+q");
    ASSERT_FALSE(second.isEmpty()) << "Alt+Q left a form with typed input without a question";
    type(second, "Return");
    const QString quit = window("Beenden");
    ASSERT_FALSE(quit.isEmpty()) << "no question whether to save the project";
    type(quit, "Return");
    ASSERT_TRUE(module.waitForFinished(30000));
    EXPECT_EQ(count("P1", "SELECT [ID] FROM [E2] JOIN [E1] USING ([ID]) WHERE [KEN] IN ('Kies 0/32','Sand') AND "
                          "[A]=28.5"),
              2)
        << module.readAllStandardError().toStdString();
}

// A share that stops answering while "Speichern" runs: the window says what it waits for,
// gives way to Esc, says that nothing was lost, and the next save, with the share back, works.
TEST_F(DisplayTest, ASaveToAShareThatStopsAnsweringCanBeGivenUpAndLosesNothing)
{
    QProcess& module = startModule("");
    const QString main = window("Kalmora");
    ASSERT_FALSE(main.isEmpty()) << module.readAllStandardError().toStdString();
    const fs::path project = projectFile("P1"), folder = project.parent_path();
    // Reading the project hangs inside the file system: a pipe without a writer.
    fs::rename(project, folder / "aside");
    ASSERT_EQ(::mkfifo(project.c_str(), 0600), 0);
    fs::create_hard_link(project, folder / "pipe");
    // "&Schließen" has the S: "Speichern" answers to its P.
    const auto save = [&] {
        type(main, "alt+d");
        type(main, "p");
    };
    save();
    const QString waiting = window("Speichern");
    ASSERT_FALSE(waiting.isEmpty()) << "no word what the save waits for";
    type(waiting, "Escape");
    const QString told = window("Speichern", waiting);
    ASSERT_FALSE(told.isEmpty()) << "giving up the save was not explained";
    type(told, "Return");
    // The share comes back; the given-up save ends without replacing the project.
    fs::rename(folder / "aside", project);
    std::ofstream(folder / "pipe") << "answer";
    fs::remove(folder / "pipe");
    save();
    quitByMenu(module, main);
    ASSERT_EQ(module.state(), QProcess::NotRunning) << "the menu did not quit";
    EXPECT_EQ(module.exitCode(), 0) << module.readAllStandardError().toStdString();
    EXPECT_EQ(DatabaseFiles::damage(project.string()), "");
    EXPECT_EQ(DatabaseFiles::describe(project.string()).writeAheadMode, false);
    EXPECT_FALSE(fs::exists(workingCopy("SOMMER")));
}

// The input form by keys alone: Ctrl+Tab leaves it in front with the keys, the test table
// copies two rows to the real clipboard, clears a cell with Delete and deletes a row through
// its context menu; what the form then saves is what the table showed.
TEST_F(DisplayTest, TheFormKeepsTheFrontAndItsTableAnswersKeysAndItsMenu)
{
    QProcess* started = nullptr;
    QString main;
    ASSERT_NO_FATAL_FAILURE(startWithTypedRecord(started, main, "Tabelle"));
    QProcess& module = *started;
    // Ctrl+Tab turns the form's tabs, not to the window behind it: on to the fourth tab,
    // back and forth once, and into its table; three tests, a fourth row to be deleted.
    for (const char* key : {"ctrl+Tab", "ctrl+Tab", "ctrl+Tab", "ctrl+shift+Tab", "ctrl+Tab"})
        x({"key", key});
    for (const char* row : {"25\t15,8\t12,1", "50\t29,6\t24,3", "75\t44,1\t35,9", "100\t1\t1"}) {
        for (const QString& cell : QString::fromLatin1(row).split(u'\t')) {
            write(cell);
            x({"key", "Tab"});
        }
        x({"key", "Tab", "Tab"});
    }
    x({"key", "ctrl+Home"});
    x({"key", "shift+Down", "shift+Right", "shift+Right"});
    x({"key", "ctrl+c"});
    QProcess clipboard;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", display);
    clipboard.setProcessEnvironment(env);
    clipboard.start("xclip", {"-o", "-selection", "clipboard"});
    clipboard.waitForFinished(10000);
    EXPECT_EQ(clipboard.readAllStandardOutput().toStdString(), "25\t15,8\t12,1\n50\t29,6\t24,3\n");
    // Row 3's residual value cleared, row 4 deleted by the context menu (Menu key, then the last item).
    x({"key", "Down", "Delete"});
    x({"key", "Down", "Menu"});
    x({"key", "Up", "Return"});
    type(main, "ctrl+s");
    ASSERT_TRUE(awaitRecord("SOMMER", "Kies 0/32")) << module.readAllStandardError().toStdString();
    EXPECT_EQ(countFile(workingCopy("SOMMER"), "SELECT [ID] FROM [E3]"), 3);
    EXPECT_EQ(countFile(workingCopy("SOMMER"), "SELECT [ID] FROM [E3] WHERE [SIG]=75 AND [TAUR] IS NULL"), 1);
    quitByMenu(module, main);
}

// An English desktop session: the frame window starts the module, whose menus answer the
// English access keys; F1 on an open menu's item opens the help.
TEST_F(DisplayTest, InEnglishTheFrameWindowTheMenusAndF1OnAMenuItem)
{
    ASSERT_NO_FATAL_FAILURE(speak("en_GB.UTF-8"));
    QString main;
    ASSERT_NO_FATAL_FAILURE(startFromFrameWindow(main));
    type(main, "alt+f");
    x({"key", "Down", "F1"});
    const QString help = window("?/Hilfe");
    ASSERT_FALSE(help.isEmpty()) << "F1 on an open menu opened no help";
    type(help, "Escape");
    EXPECT_TRUE(quitsByKeys(main, "alt+f", "q")) << "Alt+F, Q did not quit the English module";
}

// The form's window menu key (Ctrl+F4) and its close box ask before typed input goes:
// Cancel stays in the form, No discards; nothing reaches the project.
TEST_F(DisplayTest, TheFormsCloseBoxAndCtrlF4AskBeforeTypedInputGoes)
{
    QProcess* started = nullptr;
    QString main;
    ASSERT_NO_FATAL_FAILURE(startWithTypedRecord(started, main, "verworfen"));
    QProcess& module = *started;
    type(main, "ctrl+F4");
    const QString stay = window("Eingabe");
    ASSERT_FALSE(stay.isEmpty()) << "Ctrl+F4 closed a form with typed input without a question";
    type(stay, "Escape");  // Cancel: the form stays
    ASSERT_FALSE(window("Kalmora - [Eingabe]").isEmpty()) << "Cancel left the form";
    // The maximized form's close box stands at the right end of the menu bar.
    const QString size = x({"getwindowgeometry", main}).section(u' ', -1);
    x({"mousemove", "--window", main, QString::number(size.section(u'x', 0, 0).toInt() - 11), "8"});
    x({"click", "1"});
    const QString discard = window("Eingabe");
    ASSERT_FALSE(discard.isEmpty()) << "the close box closed a form with typed input without a question";
    // No: discarded. A box just shown may miss the first key.
    for (int tries = 0; tries < 20 && !x({"search", "--onlyvisible", "--name", "^Eingabe$"}).isEmpty(); ++tries) {
        type(discard, "n");
        QThread::msleep(200);
    }
    ASSERT_FALSE(window("Kalmora").isEmpty());
    quitByMenu(module, main);
    EXPECT_EQ(module.state(), QProcess::NotRunning) << "the menu did not quit";
    EXPECT_EQ(count("P1", "SELECT [ID] FROM [E1]"), 0);
    EXPECT_FALSE(fs::exists(workingCopy("SOMMER")));
}

}  // namespace
