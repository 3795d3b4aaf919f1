// The real programs, as a user runs them: the frame program makes a project and hands it
// to the module, the module runs a script of what a person would do.
#include "SuiteProcesses.h"
#include "ToolOutput.h"

#include <QRegularExpression>

#include <algorithm>
#include <charconv>
#include <cmath>

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

// A slope check typed on its tab in a German session: stored as typed, evaluated and printed
// as the record's second page.
TEST_F(EndToEndTest, ASlopeCheckIsTypedEvaluatedAndPrintedOnThePageAfterTheSheet)
{
    ASSERT_NO_FATAL_FAILURE(speak("de_DE.UTF-8"));
    const fs::path pdf = root / "check.pdf";
    std::string typed = record("Folie");
    typed.insert(typed.rfind("panel 8"), "set txtBETA 1:3\nset txtLAENGE 30\nset txtDICKE 0,3\nset txtGAMMA 18,5\n");
    const int code = module(typed + "menu mnuAUSWERTEN\ntrigger mnuNEUBERECHNEN\nprint " + pdf.string() +
                            "\npanel 11\npanel 15\ntrigger mnuSPEICHERN\nquit\n");
    ASSERT_EQ(code, 0) << log;
    EXPECT_EQ(stored("P1", "SELECT [DICKE] FROM [E4]").toDouble(), 0.3) << log;
    EXPECT_EQ(stored("P1", "SELECT [GAMMA] FROM [E4]").toDouble(), 18.5);
    EXPECT_NEAR(stored("P1", "SELECT [BETA] FROM [E4]").toDouble(), 18.434948822922, 1e-9);
    EXPECT_EQ(stored("P1", "SELECT [FSERF] FROM [E4]").toDouble(), 1.5);
    const std::optional<QString> info = toolOutput("pdfinfo", {QString::fromStdString(pdf.string())});
    ASSERT_TRUE(info) << log;
    EXPECT_TRUE(info->contains(QRegularExpression("Pages: +2\n"))) << info->toStdString();
    const std::optional<QString> second =
        toolOutput("pdftotext", {"-f", "2", "-l", "2", QString::fromStdString(pdf.string()), "-"});
    ASSERT_TRUE(second);
    for (const char* shown : {"Seite 2/2", "Gleitsicherheit", "Folie", "5,27", "18,43 (1 : 3,0)"})
        EXPECT_TRUE(second->contains(QString::fromUtf8(shown))) << shown << "\n" << second->toStdString();
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

// A German and an English desktop session: the form typed, the test results pasted, the
// fit taken over with "Yes", then the record opened again and saved with a new comment.
// Every value is stored to its last digit (a German session once stored 30,5 as 30).
TEST_F(EndToEndTest, WhatIsTypedIsStoredToTheLastDigitInEveryLocale)
{
    for (const auto& [locale, project] : {std::pair{"de_DE.UTF-8", "P1"}, std::pair{"en_GB.UTF-8", "P2"}}) {
        SCOPED_TRACE(locale);
        ASSERT_NO_FATAL_FAILURE(speak(locale));
        if (project == std::string("P2")) {
            ASSERT_EQ(frame({"new", project}), 0);
        }
        ASSERT_EQ(frame({"choose", project}), 0);
        const std::string sep = locale[0] == 'd' ? "," : ".";
        const auto typed = [&](std::string text) {
            std::replace(text.begin(), text.end(), '.', sep.front());
            return text;
        };
        // Tests on the law a = 30.02°, c = −3° about σb = 100 kN/m², with 15 digits of τ.
        std::string rows;
        std::vector<std::pair<double, std::string>> tests;
        for (const double sigma : {50.0, 100.0, 200.0, 400.0}) {
            char tau[40];
            const double phi = (30.02 - 3 * std::log10(sigma / 100)) * M_PI / 180;
            const auto end = std::to_chars(tau, tau + sizeof tau, sigma * std::tan(phi), std::chars_format::general, 15);
            tests.emplace_back(sigma, std::string(tau, end.ptr));
            rows += (rows.empty() ? "" : "\\n") + std::to_string(int(sigma)) + "\\t" + typed(tests.back().second);
        }
        const std::string entry = "trigger mnuNEU\nset txtKEN Dezimal\nset txtSIB 100\nset txtA 30.5\nset txtC -2.75\n"
                                  "set txtAR 24.5\nset txtCR -1.25\nset txtAB 36.75\nset txtCB -2.75\n"
                                  "set txtARB 33.05\nset txtCRB -2.5\n";
        const int code = module(typed(entry) + "paste " + rows + "\nanswer Yes\ntrigger cmdANPASSEN\npanel 8\n" +
                                "trigger mnuSPEICHERN\nquit\n");
        ASSERT_EQ(code, 0) << log;
        const auto expectStored = [&] {
            const std::string e2 = "SELECT [{}] FROM [E2] JOIN [E1] USING ([ID]) WHERE [KEN]='Dezimal'";
            for (const auto& [column, value] : std::initializer_list<std::pair<std::string, float>>{
                     {"SIB", 100}, {"A", 30.02f}, {"C", -3}, {"AR", 24.5f}, {"CR", -1.25f}, {"AB", 36.75f},
                     {"CB", -2.75f}, {"ARB", 33.05f}, {"CRB", -2.5f}}) {
                const std::string sql = std::string(e2).replace(e2.find("{}"), 2, column);
                EXPECT_EQ(stored(project, sql).toSingle(), value) << column << "\n" << log;
            }
            for (const auto& [sigma, tau] : tests) {
                double expected = 0;
                std::from_chars(tau.data(), tau.data() + tau.size(), expected);
                EXPECT_EQ(stored(project, "SELECT [TAUF] FROM [E3] WHERE [SIG]=" + std::to_string(int(sigma))).toDouble(),
                          expected)
                    << sigma;
            }
        };
        expectStored();
        // Opened again, only the comment changed, saved: the values stay as they were.
        ASSERT_EQ(module("select Dezimal\ntrigger mnuOEFFNEN\nset txtKOM neu\npanel 8\ntrigger mnuSPEICHERN\nquit\n"), 0)
            << log;
        EXPECT_EQ(stored(project, "SELECT [KOM] FROM [E1] WHERE [KEN]='Dezimal'").text(), "neu") << log;
        expectStored();
    }
}

TEST_F(EndToEndTest, TheFrameProgramNamesItsCommandsWhenGivenAnUnknownOne)
{
    EXPECT_EQ(frame({"--help"}), 0);
    EXPECT_EQ(frame({"begin", "P1"}), 2);
    EXPECT_NE(log.find("choose NAME [EDITOR]"), std::string::npos) << log;
    EXPECT_EQ(admin(), "KALMORA");  // nothing started
}

}  // namespace
