// The real programs, as a user runs them: the frame program makes a project and hands it
// to the module, the module runs a script of what a person would do.
#include "SuiteProcesses.h"
#include "ToolOutput.h"

namespace fs = std::filesystem;

namespace {

using EndToEndTest = SuiteProcesses;

TEST_F(EndToEndTest, ARecordFromEntryToPaperAndBackToTheFrameProgram)
{
    const fs::path pdf = root / "sheet.pdf";
    const int code = module(record("Geotextil") + "menu mnuAUSWERTEN\ntrigger mnuNEUBERECHNEN\nprint " + pdf.string() +
                            "\npanel 11\npanel 15\ntrigger mnuSPEICHERN\nquit\n");
    EXPECT_EQ(code, 0) << log;
    EXPECT_EQ(count("P1", "SELECT [ID] FROM [E1] WHERE [KEN]='Geotextil' AND [ID]=1"), 1) << log;
    EXPECT_EQ(count("P1", "SELECT [ID] FROM [E2] WHERE [A]=28.5"), 1);
    EXPECT_EQ(count("P1", "SELECT [ID] FROM [G0] WHERE [ID]=1"), 6);
    EXPECT_EQ(count("P1", "SELECT [ID] FROM [A1] WHERE [BONEU]=false"), 1);
    EXPECT_EQ(admin(), "KALMORA");
    EXPECT_TRUE(
        fs::is_empty(root / "BENUTZER" / fs::path(fs::directory_iterator(root / "BENUTZER")->path()).filename()));
    ASSERT_TRUE(fs::exists(pdf)) << log;
    if (const std::optional<QString> content = toolOutput("pdftotext", {QString::fromStdString(pdf.string()), "-"})) {
        EXPECT_TRUE(content->contains("Scherparameter")) << content->toStdString();
        EXPECT_TRUE(content->contains("28,50")) << content->toStdString();  // a of the contact, two decimals
        EXPECT_TRUE(content->contains("Geotextil"));
    }
}

TEST_F(EndToEndTest, AKilledSessionIsRecoveredAtTheNextStart)
{
    QProcess& first = startModule(record("Geotextil") + "wait 600000\n");
    // Wait for the record in the working copy, then end the module the hard way.
    ASSERT_TRUE(awaitRecord("SOMMER", "Geotextil"));
    kill(first);
    EXPECT_EQ(count("P1", "SELECT [ID] FROM [E1]"), 0);

    const int code = module("answer Yes\ntrigger mnuSPEICHERN\nquit\n");
    EXPECT_EQ(code, 0) << log;
    EXPECT_NE(log.find("Programm wurde während der Ausführung unterbrochen!"), std::string::npos) << log;
    EXPECT_EQ(count("P1", "SELECT [ID] FROM [E1] WHERE [KEN]='Geotextil'"), 1);
    EXPECT_EQ(count("P1", "SELECT [ID] FROM [E2] WHERE [A]=28.5"), 1);
}

TEST_F(EndToEndTest, TheFrameProgramNamesItsCommandsWhenGivenAnUnknownOne)
{
    EXPECT_EQ(frame({"--help"}), 0);
    EXPECT_EQ(frame({"begin", "P1"}), 2);
    EXPECT_NE(log.find("choose NAME [EDITOR]"), std::string::npos) << log;
    EXPECT_EQ(admin(), "KALMORA");  // nothing started
}

}  // namespace
