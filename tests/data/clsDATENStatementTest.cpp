#include "TestSession.h"
#include "data/clsDATEN.h"
#include "platform/Locale.h"
#include "platform/Recordset.h"
#include "platform/VbError.h"

#include <gtest/gtest.h>

#include <fstream>

namespace fs = std::filesystem;

namespace {

class clsDATENStatementTest : public ::testing::Test {
protected:
    void SetUp() override { Locale::setCurrent({Locale::German, ","}); }
    TestSession session;
};

TEST_F(clsDATENStatementTest, BuildsTheStatementsOfTheExamples)
{
    clsDATEN daten(session);
    daten.ESPIDW = 7;
    EXPECT_EQ(daten.statement("KEN"), "SELECT [KEN],[ID] FROM [E1] WHERE [ID] = 7");
    EXPECT_EQ(daten.statement("RL", {"IDOBJEKT", 11}),
              "SELECT [RL],[ID],[IDOBJEKT] FROM [E1] WHERE [ID] = 7 AND  [IDOBJEKT]=11 ORDER BY [IDOBJEKT]");
    daten.ESPID = "";
    daten.ESPK1 = "KEN";
    daten.ESPK1W = "P1";
    EXPECT_EQ(daten.statement("KOM"), "SELECT [KOM],[KEN] FROM [E1] WHERE [KEN] ='P1'");
}

TEST_F(clsDATENStatementTest, IndexColumnsAndKeysTakeTheirPlaces)
{
    clsDATEN daten(session);
    daten.ETABELLE = "G0";
    daten.ESPIDW = 3;
    daten.ESPK1 = "K1";
    daten.ESPK1W = "a";
    daten.ESPK2 = "K2";
    daten.ESPK2W = "b";
    daten.ESPK3 = "K3";
    daten.ESPK3W = "c";
    EXPECT_EQ(daten.statement("X", {"NR", 1, "MNR", 2, "Z", "'z'"}),
              "SELECT [X],[ID],[NR],[MNR],[Z],[K1],[K2],[K3] FROM [G0] WHERE [ID] = 3 AND  [NR]=1 AND [MNR]=2 "
              "AND [Z]='z' AND [K1] ='a' AND [K2] ='b'  AND [K3] ='c' ORDER BY [NR],[MNR],[Z]");
    // Sorting does not depend on whether a filter value is given.
    EXPECT_EQ(daten.statement("X", {"NR", {}, "MNR"}).substr(0, 30), "SELECT [X],[ID],[NR],[MNR],[K1");
    daten.ESPK1 = daten.ESPK2 = daten.ESPK3 = "";
    EXPECT_EQ(daten.statement("X", {"NR", {}, "MNR"}),
              "SELECT [X],[ID],[NR],[MNR] FROM [G0] WHERE [ID] = 3 ORDER BY [NR],[MNR]");
}

TEST_F(clsDATENStatementTest, WithoutIdentifierAndFilterEveryRowIsSelected)
{
    session.cnnX()->execute("INSERT INTO [E1] ([ID],[KEN]) VALUES (1,'a'),(2,'b')");
    clsDATEN daten(session);
    daten.ESPID = "";
    EXPECT_EQ(daten.statement("KEN"), "SELECT [KEN] FROM [E1]");
    EXPECT_EQ(daten.DT("KEN")->recordCount(), 2);
}

TEST_F(clsDATENStatementTest, AnEmptyFilterTextMakesAnInvalidStatementThatRaises)
{
    clsDATEN daten(session);
    EXPECT_EQ(daten.statement("KEN", {"SPR", ""}),
              "SELECT [KEN],[ID],[SPR] FROM [E1] WHERE [ID] = 0 AND  [SPR]= ORDER BY [SPR]");
    EXPECT_THROW(daten.DT("KEN", {"SPR", ""}), VbError);
}

TEST_F(clsDATENStatementTest, FractionalFiltersKeepTheirDecimalPointInAGermanSession)
{
    clsDATEN daten(session);
    daten.ETABELLE = "E2";
    EXPECT_EQ(daten.statement("N", {"SIB", 60.5f}),
              "SELECT [N],[ID],[SIB] FROM [E2] WHERE [ID] = 0 AND  [SIB]=60.5 ORDER BY [SIB]");
    EXPECT_NO_THROW(daten.DT("N", {"SIB", 60.5f}));
}

TEST_F(clsDATENStatementTest, HostileIdentificationsCannotAlterAStatement)
{
    session.cnnX()->execute("INSERT INTO [E1] ([ID],[KEN],[KOM]) VALUES (1,'O''Brien','Ton'),(2,'x','geheim')");
    clsDATEN daten(session);
    daten.ESPID = "";
    daten.ESPK1 = "KEN";
    for (const std::string hostile : {"x' OR '1'='1", "x'; DELETE FROM [E1]; --", "'", "''"}) {
        daten.ESPK1W = hostile;
        EXPECT_EQ(daten.DT("KOM")->recordCount(), 0) << hostile;
    }
    daten.ESPK1W = "O'Brien";
    EXPECT_EQ(daten.statement("KOM"), "SELECT [KOM],[KEN] FROM [E1] WHERE [KEN] ='O''Brien'");
    std::string comment;
    EXPECT_TRUE(daten.DTVT("KOM", comment));
    EXPECT_EQ(comment, "Ton");
    daten.ESPID = "ID";
    daten.ESPIDW = 1;
    EXPECT_TRUE(daten.DVTT("KOM", "Lehm"));
    EXPECT_EQ(Recordset(session.cnnX(), "SELECT [ID] FROM [E1] WHERE [KOM]='Lehm'").recordCount(), 1);
    EXPECT_EQ(Recordset(session.cnnX(), "SELECT [ID] FROM [E1]").recordCount(), 2);
    EXPECT_TRUE(session.messages_.shown.empty());
}

TEST_F(clsDATENStatementTest, TheDefaultRecordIsTheFirstSelectedOne)
{
    EXPECT_EQ(clsDATEN(session).ESPIDW, 0);
    session.cnnX()->execute("INSERT INTO [E1] ([ID],[KEN],[AKT]) VALUES (4,'a',0),(9,'b',1),(12,'c',1)");
    clsDATEN daten(session);
    EXPECT_EQ(daten.ESPIDW, 9);
    EXPECT_EQ(daten.ETABELLE, "E1");
    EXPECT_EQ(daten.ESPID, "ID");
}

TEST_F(clsDATENStatementTest, ABrokenProjectDatabaseIsReportedAtCreation)
{
    session.cnnX()->execute("DROP TABLE [E1]");
    session.messages_.answers = {MessageService::Answer::Ok};
    clsDATEN daten(session);
    ASSERT_EQ(session.messages_.shown.size(), 1u);
    EXPECT_EQ(session.messages_.shown[0].title, "Datenfehler");
    EXPECT_EQ(session.messages_.shown[0].text.rfind("VB-Fehler: -2147217865\n", 0), 0u);
    EXPECT_EQ(daten.ESPIDW, 0);
}

TEST_F(clsDATENStatementTest, ThePresetConnectionIsUsedOnlyInsideTheSuite)
{
    session.cnnX_V()->execute("CREATE TABLE [P] ([ID] INTEGER, [W] TEXT)");
    clsDATEN daten(session);
    daten.ETABELLE = "P";
    daten.EBOV(true);
    EXPECT_NO_THROW(daten.DT("W"));
    session.programFolder_ = "/opt/Source/bin";
    daten.EBOV(true);
    EXPECT_THROW(daten.DT("W"), VbError);  // the project database has no table P
    daten.EBOV(false);
    daten.ETABELLE = "E1";
    EXPECT_NO_THROW(daten.DT("KEN"));
}

TEST_F(clsDATENStatementTest, EMDBOpensADatabaseOfTheProjectByName)
{
    clsDATEN daten(session);
    bool opened = true;
    daten.EMDB("OTHER", opened);
    EXPECT_FALSE(opened);
    EXPECT_EQ(daten.EMDB(), "OTHER");
    EXPECT_TRUE(session.messages_.shown.empty());

    const fs::path other = session.projectFolder() / "OTHER.mdb";
    TestSession::makeProjectDatabase(other);
    {
        auto db = Connection::openFile(other.string());
        db->execute("INSERT INTO [E1] ([ID],[KEN]) VALUES (5,'fremd')");
    }
    daten.EMDB("OTHER", opened);
    EXPECT_TRUE(opened);
    daten.ESPIDW = 5;
    std::string ken;
    EXPECT_TRUE(daten.DTVT("KEN", ken));
    EXPECT_EQ(ken, "fremd");
}

TEST_F(clsDATENStatementTest, EMDBReportsAFileThatIsNoDatabase)
{
    std::ofstream(session.projectFolder() / "BAD.mdb") << "no database here, only some plain text to fill a header";
    clsDATEN daten(session);
    bool opened = true;
    daten.EMDB("BAD", opened);
    EXPECT_FALSE(opened);
    ASSERT_EQ(session.messages_.shown.size(), 1u);
    EXPECT_EQ(session.messages_.shown[0].title, "Datenzugriff - Datenbank BAD");
    EXPECT_NO_THROW(daten.DT("KEN"));  // the project connection stays in use
}

}  // namespace
