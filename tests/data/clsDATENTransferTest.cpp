#include "TestSession.h"
#include "data/clsDATEN.h"
#include "platform/EventLoop.h"
#include "platform/Locale.h"
#include "platform/Recordset.h"
#include "platform/VbError.h"

#include <gtest/gtest.h>

namespace {

using Answer = MessageService::Answer;

class clsDATENTransferTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Locale::setCurrent({Locale::German, ","});
        geometry.ETABELLE = "G0";
        geometry.ESPIDW = 7;
    }
    long count(const std::string& sql) { return Recordset(session.cnnX(), sql).recordCount(); }
    const std::vector<MessageService::Message>& shown() const { return session.messages_.shown; }

    TestSession session;
    clsDATEN geometry{session};
};

TEST_F(clsDATENTransferTest, WritingWhereNoRowMatchesAddsACompleteRow)
{
    EXPECT_TRUE(geometry.DVTS("RL", 25.5f, {"IDOBJEKT", int16_t(11)}));
    Recordset row(session.cnnX(), "SELECT * FROM [G0]");
    ASSERT_EQ(row.recordCount(), 1);
    EXPECT_EQ(row.field("ID").toLong(), 7);
    EXPECT_EQ(row.field("IDOBJEKT").toInteger(), 11);
    EXPECT_FLOAT_EQ(row.field("RL").toSingle(), 25.5f);
    EXPECT_TRUE(row.field("RR").isNull());
}

// The array transfers: written and read back row by row in one unit; a failure answers false
// and keeps its number and text.
TEST_F(clsDATENTransferTest, ArraysGoAndComeBackWholeAndAFailureKeepsItsError)
{
    const std::vector<Variant> values = {Variant(1.5f), Variant(2.5f), Variant(3.5f)};
    EXPECT_TRUE(geometry.WERTESCHREIBEN("RL", values));
    std::vector<Variant> read(3);
    EXPECT_TRUE(geometry.WERTELESEN("RL", read));
    for (std::size_t i = 0; i < values.size(); ++i)
        EXPECT_EQ(read[i].toSingle(), values[i].toSingle()) << i;
    EXPECT_FALSE(geometry.lastError());
    EXPECT_FALSE(geometry.WERTESCHREIBEN("KEINE", values));
    ASSERT_TRUE(geometry.lastError());
    EXPECT_EQ(geometry.lastError()->number(), VbError::NoSuchColumn);
    EXPECT_NE(geometry.lastError()->description().find("KEINE"), std::string::npos)
        << geometry.lastError()->description();
    EXPECT_EQ(count("SELECT * FROM [G0]"), 3);  // nothing half written
}

TEST_F(clsDATENTransferTest, KeyValuesAreStoredInNewRows)
{
    session.cnnX()->execute("CREATE TABLE [T] ([ID] INTEGER, [NAME] TEXT, [W] SINGLE)");
    clsDATEN daten(session);
    daten.ETABELLE = "T";
    daten.ESPIDW = 1;
    daten.ESPK1 = "NAME";
    daten.ESPK1W = "Probe 'A'";
    EXPECT_TRUE(daten.DVTS("W", 3.0f));
    EXPECT_TRUE(daten.DVTS("W", 4.0f));
    Recordset rows(session.cnnX(), "SELECT [NAME],[W] FROM [T]");
    ASSERT_EQ(rows.recordCount(), 1);
    EXPECT_EQ(rows.field("NAME").toText(), "Probe 'A'");
    EXPECT_FLOAT_EQ(rows.field("W").toSingle(), 4.0f);
}

TEST_F(clsDATENTransferTest, WritingOneValueOverThreeRowsKeepsTheFirstInIndexOrder)
{
    session.cnnX()->execute("INSERT INTO [G0] ([ID],[IDOBJEKT],[RL]) VALUES (7,13,3),(7,11,1),(7,12,2),(8,11,9)");
    EXPECT_TRUE(geometry.DVTS("RL", 5.0f, {"IDOBJEKT"}));
    Recordset rows(session.cnnX(), "SELECT [IDOBJEKT],[RL] FROM [G0] WHERE [ID]=7");
    ASSERT_EQ(rows.recordCount(), 1);
    EXPECT_EQ(rows.field("IDOBJEKT").toInteger(), 11);
    EXPECT_FLOAT_EQ(rows.field("RL").toSingle(), 5.0f);
    EXPECT_EQ(count("SELECT [ID] FROM [G0] WHERE [ID]=8"), 1);  // other records untouched
}

TEST_F(clsDATENTransferTest, ArrayWritesUpdateAddAndDeleteRowsToMatchTheArray)
{
    std::vector<int> yields;
    EventLoop::setYieldHook([&] { yields.push_back(1); });
    session.cnnX()->execute("CREATE TABLE [M] ([ID] INTEGER, [NR] SMALLINT, [W] SINGLE)");
    clsDATEN daten(session);
    daten.ETABELLE = "M";
    daten.ESPIDW = 1;
    for (int i = 0; i < 8; ++i)
        session.cnnX()->execute("INSERT INTO [M] VALUES (1," + std::to_string(i) + ",0)");

    EXPECT_TRUE(daten.DVTSF("W", {1, 2, 3, 4, 5}, {"NR"}));
    EXPECT_EQ(count("SELECT [W] FROM [M]"), 5);
    std::vector<float> back(5);
    EXPECT_TRUE(daten.DTVSF("W", back, {"NR"}));
    EXPECT_EQ(back, (std::vector<float>{1, 2, 3, 4, 5}));
    EXPECT_EQ(yields.size(), 5u);  // the window may repaint after every row

    session.cnnX()->execute("DELETE FROM [M] WHERE [NR]>=3");
    EXPECT_TRUE(daten.DVTIF("W", {10, 20, 30, 40, 50}, {"NR"}));
    EXPECT_EQ(count("SELECT [W] FROM [M] WHERE [ID] = 1"), 5);
    std::vector<Variant> values(5);
    EXPECT_TRUE(daten.DTVVF("W", values));
    EXPECT_EQ(values[4].toSingle(), 50.0f);
    EventLoop::setYieldHook({});
}

TEST_F(clsDATENTransferTest, EmptyTextIsStoredAsNullAndReadBackAsZeroValues)
{
    clsDATEN record(session);
    record.ESPIDW = 1;
    EXPECT_TRUE(record.DVTT("KOM", ""));
    EXPECT_EQ(count("SELECT [ID] FROM [E1] WHERE [KOM] IS NULL AND [ID] = 1"), 1);
    std::string comment = "alt";
    EXPECT_TRUE(record.DTVT("KOM", comment));
    EXPECT_EQ(comment, "");
    float number = 9;
    EXPECT_TRUE(record.DTVS("KOM", number));
    EXPECT_EQ(number, 0.0f);
}

TEST_F(clsDATENTransferTest, ReadingAnEmptySelectionGivesZeroValues)
{
    clsDATEN record(session);
    record.ESPIDW = 42;
    float number = 3;
    std::string text = "x";
    bool flag = true;
    int16_t small = 5;
    Variant any = 3;
    VbDate date{5};
    EXPECT_TRUE(record.DTVS("SPR", number));
    EXPECT_TRUE(record.DTVT("KEN", text));
    EXPECT_TRUE(record.DTVB("AKT", flag));
    EXPECT_TRUE(record.DTVI("SPR", small));
    EXPECT_TRUE(record.DTVV("KEN", any));
    EXPECT_TRUE(record.DTVA("KEN", date));
    EXPECT_EQ(number, 0.0f);
    EXPECT_EQ(text, "");
    EXPECT_FALSE(flag);
    EXPECT_EQ(small, 0);
    EXPECT_TRUE(any.isEmpty());
    EXPECT_EQ(date.serial, 0);
    EXPECT_TRUE(shown().empty());
}

TEST_F(clsDATENTransferTest, EveryTypeRoundTrips)
{
    session.cnnX()->execute(
        "CREATE TABLE [ALL] ([ID] INTEGER, [B] BOOLEAN, [I] SMALLINT, [L] INTEGER, [S] SINGLE, [D] DOUBLE, "
        "[T] TEXT, [A] DATETIME, [V] TEXT)");
    clsDATEN daten(session);
    daten.ETABELLE = "ALL";
    daten.ESPIDW = 1;
    EXPECT_TRUE(daten.DVTB("B", true));
    EXPECT_TRUE(daten.DVTI("I", -123));
    EXPECT_TRUE(daten.DVTL("L", 70000));
    EXPECT_TRUE(daten.DVTS("S", 0.1f));
    EXPECT_TRUE(daten.DVTD("D", 0.1));
    EXPECT_TRUE(daten.DVTT("T", "Grünton"));
    EXPECT_TRUE(daten.DVTA("A", VbDate{46363.5}));
    EXPECT_TRUE(daten.DVTV("V", Variant("frei")));
    bool b = false;
    int16_t i = 0;
    int32_t l = 0;
    float s = 0;
    double d = 0;
    std::string t;
    VbDate a;
    Variant v;
    EXPECT_TRUE(daten.DTVB("B", b) && daten.DTVI("I", i) && daten.DTVL("L", l) && daten.DTVS("S", s) &&
                daten.DTVD("D", d) && daten.DTVT("T", t) && daten.DTVA("A", a) && daten.DTVV("V", v));
    EXPECT_TRUE(b);
    EXPECT_EQ(i, -123);
    EXPECT_EQ(l, 70000);
    EXPECT_EQ(s, 0.1f);
    EXPECT_EQ(d, 0.1);
    EXPECT_EQ(t, "Grünton");
    EXPECT_EQ(a.serial, 46363.5);
    EXPECT_EQ(v, Variant("frei"));
    EXPECT_EQ(count("SELECT [ID] FROM [ALL] WHERE [B]=true"), 1);
}

TEST_F(clsDATENTransferTest, IntegerReadsRoundHalvesToEvenAndRaiseOnOverflow)
{
    clsDATEN parameters(session);
    parameters.ETABELLE = "E2";
    parameters.ESPIDW = 1;
    int16_t value = 0;
    for (const auto& [stored, expected] : {std::pair{2.5f, 2}, {3.5f, 4}, {-0.5f, 0}}) {
        ASSERT_TRUE(parameters.DVTS("SIB", stored));
        EXPECT_TRUE(parameters.DTVI("SIB", value));
        EXPECT_EQ(value, expected) << stored;
    }
    ASSERT_TRUE(parameters.DVTS("SIB", 40000.0f));
    value = 17;
    try {
        parameters.DTVI("SIB", value);
        FAIL() << "overflow expected";
    } catch (const VbError& error) {
        EXPECT_EQ(error.number(), VbError::Overflow);
    }
    EXPECT_EQ(value, 17);
}

TEST_F(clsDATENTransferTest, FailedWritesNameValueColumnAndTable)
{
    clsDATEN parameters(session);
    parameters.ETABELLE = "E2";
    parameters.ESPIDW = 1;
    EXPECT_FALSE(parameters.DVTS("NOPE", 1.5f));
    EXPECT_FALSE(parameters.DVTT("SIB", "abc"));
    EXPECT_FALSE(parameters.DVTSF("SIB", {1, 2}, {"NOPE"}));
    ASSERT_EQ(shown().size(), 3u);
    EXPECT_EQ(shown()[0].title, "Datenfehler");
    EXPECT_EQ(shown()[0].text, "Wert 1,5 kann nicht in die Spalte NOPE der Tabelle E2 gespeichert werden!");
    EXPECT_EQ(shown()[0].buttons, MessageService::Buttons::Ok);
    EXPECT_EQ(shown()[0].icon, MessageService::Icon::Warning);
    EXPECT_EQ(shown()[1].text, "Wert abc kann nicht in die Spalte SIB der Tabelle E2 gespeichert werden!");
    EXPECT_EQ(shown()[2].text, "Werte können nicht in Spalte SIB der Tabelle E2 gespeichert werden!");
    EXPECT_EQ(count("SELECT [ID] FROM [E2]"), 0);  // the refused text left no half row behind
}

TEST_F(clsDATENTransferTest, WithoutIdentifierColumnEveryWriteFails)
{
    clsDATEN record(session);
    record.ESPID = "";
    EXPECT_FALSE(record.DVTT("KEN", "x"));
    EXPECT_EQ(shown().size(), 1u);
}

TEST_F(clsDATENTransferTest, ReadingAMissingColumnFailsWithItsMessage)
{
    clsDATEN record(session);
    std::string text = "unverändert";
    EXPECT_FALSE(record.DTVT("NOPE", text));
    EXPECT_EQ(text, "unverändert");
    ASSERT_EQ(shown().size(), 1u);
    EXPECT_EQ(shown()[0].text, "Wert  kann nicht aus der Spalte NOPE der Tabelle E1 eingelesen werden!");
}

TEST_F(clsDATENTransferTest, ArrayReadsSkipNullsAndReportElementsBeyondTheArray)
{
    session.cnnX()->execute("INSERT INTO [G0] ([ID],[IDOBJEKT],[RL]) VALUES (7,1,1.5),(7,2,NULL),(7,3,3.5),(7,4,4.5)");
    std::vector<float> values{-1, -1, -1};
    session.messages_.answers = {Answer::Ok};
    EXPECT_TRUE(geometry.DTVSF("RL", values, {"IDOBJEKT"}));
    EXPECT_EQ(values, (std::vector<float>{1.5f, -1, 3.5f}));
    ASSERT_EQ(shown().size(), 1u);
    EXPECT_EQ(shown()[0].text, "Werte der Spalte RL der Tabelle G0 können nicht aus der Spalte RL eingelesen werden!\n"
                               "VB-Fehler: 9\nIndex außerhalb des gültigen Bereichs");
    EXPECT_EQ(shown()[0].buttons, MessageService::Buttons::OkCancel);

    session.messages_.answers = {Answer::Cancel};
    std::vector<Variant> two(2);
    EXPECT_FALSE(geometry.DTVVF("RL", two, {"IDOBJEKT"}));
    EXPECT_TRUE(two[1].isEmpty());
}

TEST_F(clsDATENTransferTest, ArrayReadsFromAnEmptySelectionLeaveTheArray)
{
    std::vector<float> values{4, 5};
    EXPECT_TRUE(geometry.DTVSF("RL", values, {"IDOBJEKT"}));
    EXPECT_EQ(values, (std::vector<float>{4, 5}));
}

}  // namespace
