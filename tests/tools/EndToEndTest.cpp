// The real programs, as a user runs them: the frame program makes a project and hands it
// to the module, the module runs a script of what a person would do.
#include "platform/Connection.h"
#include "platform/Recordset.h"

#include <QProcess>
#include <QStandardPaths>
#include <QThread>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

namespace fs = std::filesystem;

namespace {

class EndToEndTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::random_device random;
        root = fs::temp_directory_path() / ("tarvelo-e2e-" + std::to_string(random()));
        fs::create_directories(root / "KVX");
        const fs::path build = TARVELO_DATABASE_DIR;
        for (const char* file : {"KVX", "KVX.mdb", "ARCHIV.mdb", "VORGABE.mdb", "KVX.hlp"})
            fs::copy_file(build / file, root / "KVX" / file);
        fs::copy_file(KALMORA_PROGRAM, root / "KALMORA");
        environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_CONFIG_HOME", QString::fromStdString((root / "config").string()));
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("LANG", "de_DE.UTF-8");
        ASSERT_EQ(run((root / "KALMORA").string(), {"init"}), 0);
        ASSERT_EQ(run((root / "KALMORA").string(), {"new", "P1"}), 0);
        ASSERT_EQ(run((root / "KALMORA").string(), {"choose", "P1", "Dipl.-Ing. Sommer"}), 0);
    }
    void TearDown() override
    {
        std::error_code ignored;
        fs::remove_all(root, ignored);
    }
    int run(const std::string& program, const QStringList& arguments, const std::string& script = {})
    {
        QProcess process;
        QProcessEnvironment env = environment;
        if (!script.empty()) {
            std::ofstream(root / "script.txt") << script;
            env.insert("TARVELO_SCRIPT", QString::fromStdString((root / "script.txt").string()));
        }
        process.setProcessEnvironment(env);
        process.start(QString::fromStdString(program), arguments);
        process.waitForFinished(60000);
        log += process.readAllStandardError().toStdString();
        return process.exitCode();
    }
    long count(const std::string& sql)
    {
        return Recordset(Connection::openFile((root / "PROJEKTE" / "P1" / "KVX.mdb").string()), sql).recordCount();
    }
    std::string admin()
    {
        return Recordset(Connection::openFile((root / "DB" / "ARCHIV.mdb").string()), "SELECT [PROG] FROM [ADMIN]")
            .field(0)
            .text();
    }

    fs::path root;
    QProcessEnvironment environment;
    std::string log;
    const std::string record = "trigger mnuNEU\nset txtKEN Geotextil\nset txtKOM Vlies auf Kies\nset txtA 28,5\n"
                               "set txtC -2\nset txtAR 24\nset txtCR -1,5\nset txtAB 36\nset txtCB -3\n"
                               "set txtARB 33\nset txtCRB -2\nset cboSPR 1\npanel 8\n";
};

TEST_F(EndToEndTest, ARecordFromEntryToPaperAndBackToTheFrameProgram)
{
    const fs::path pdf = root / "sheet.pdf";
    const int code = run((root / "KVX" / "KVX").string(), {},
                         record + "menu mnuAUSWERTEN\ntrigger mnuNEUBERECHNEN\nprint " + pdf.string() +
                             "\npanel 11\npanel 15\ntrigger mnuSPEICHERN\nquit\n");
    EXPECT_EQ(code, 0) << log;
    EXPECT_EQ(count("SELECT [ID] FROM [E1] WHERE [KEN]='Geotextil' AND [ID]=1"), 1) << log;
    EXPECT_EQ(count("SELECT [ID] FROM [E2] WHERE [A]=28.5"), 1);
    EXPECT_EQ(count("SELECT [ID] FROM [G0] WHERE [ID]=1"), 6);
    EXPECT_EQ(count("SELECT [ID] FROM [A1] WHERE [BONEU]=false"), 1);
    EXPECT_EQ(admin(), "KALMORA");
    EXPECT_TRUE(fs::is_empty(root / "BENUTZER" / fs::path(fs::directory_iterator(root / "BENUTZER")->path()).filename()));
    ASSERT_TRUE(fs::exists(pdf)) << log;
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (!pdftotext.isEmpty()) {
        QProcess text;
        text.start(pdftotext, {QString::fromStdString(pdf.string()), "-"});
        text.waitForFinished(20000);
        const QString content = QString::fromUtf8(text.readAllStandardOutput());
        EXPECT_TRUE(content.contains("Scherparameter")) << content.toStdString();
        EXPECT_TRUE(content.contains("28,50")) << content.toStdString();  // a of the contact, two decimals
        EXPECT_TRUE(content.contains("Geotextil"));
    }
}

TEST_F(EndToEndTest, AKilledSessionIsRecoveredAtTheNextStart)
{
    QProcess module;
    QProcessEnvironment env = environment;
    std::ofstream(root / "script.txt") << record << "wait 600000\n";
    env.insert("TARVELO_SCRIPT", QString::fromStdString((root / "script.txt").string()));
    module.setProcessEnvironment(env);
    module.start(QString::fromStdString((root / "KVX" / "KVX").string()), {});
    ASSERT_TRUE(module.waitForStarted());
    // Wait for the record in the working copy, then end the module the hard way.
    bool saved = false;
    for (int i = 0; i < 300 && !saved; ++i) {  // up to 30 s on a slow machine
        QThread::msleep(100);
        std::error_code missing;
        for (const auto& user : fs::directory_iterator(root / "BENUTZER", missing))
            saved = saved || (fs::exists(user.path() / "KVX.mdb") &&
                              Recordset(Connection::openFile((user.path() / "KVX.mdb").string()),
                                        "SELECT [ID] FROM [E1] WHERE [KEN]='Geotextil'")
                                      .recordCount() == 1);
    }
    ASSERT_TRUE(saved);
    module.kill();
    module.waitForFinished();
    EXPECT_EQ(count("SELECT [ID] FROM [E1]"), 0);

    const int code = run((root / "KVX" / "KVX").string(), {}, "answer Yes\ntrigger mnuSPEICHERN\nquit\n");
    EXPECT_EQ(code, 0) << log;
    EXPECT_NE(log.find("Programm wurde während der Ausführung unterbrochen!"), std::string::npos) << log;
    EXPECT_EQ(count("SELECT [ID] FROM [E1] WHERE [KEN]='Geotextil'"), 1);
    EXPECT_EQ(count("SELECT [ID] FROM [E2] WHERE [A]=28.5"), 1);
}

}  // namespace
