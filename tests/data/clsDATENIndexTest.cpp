#include "TestSession.h"
#include "data/clsDATEN.h"
#include "platform/Locale.h"
#include "platform/Recordset.h"
#include "platform/VbError.h"

#include <gtest/gtest.h>

namespace {

using Answer = MessageService::Answer;

class clsDATENIndexTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Locale::setCurrent({Locale::German, ","});
        session.cnnX()->execute("CREATE TABLE [M] ([ID] INTEGER, [NR] SMALLINT, [MNR] INTEGER, [TAG] TEXT)");
        daten.ETABELLE = "M";
        daten.ESPIDW = 1;
    }
    void insert(const std::string& values) { session.cnnX()->execute("INSERT INTO [M] VALUES " + values); }
    long count(const std::string& sql) { return Recordset(session.cnnX(), sql).recordCount(); }

    TestSession session;
    clsDATEN daten{session};
};

TEST_F(clsDATENIndexTest, CountsTheIndexColumnOfTheCurrentRecord)
{
    int16_t mini = 9, maxi = 9, an = 9;
    daten.Index(mini, maxi, an, {"MNR"});
    EXPECT_EQ(daten.indexStatement({"MNR"}), "SELECT [MNR] FROM [M] WHERE [ID] = 1 ORDER BY [MNR]");
    EXPECT_EQ((std::vector<int>{mini, maxi, an}), (std::vector<int>{0, 0, 0}));

    insert("(1,1,3,'a'),(1,1,1,'a'),(1,1,2,'a'),(2,1,50,'a')");
    daten.Index(mini, maxi, an, {"MNR"});
    EXPECT_EQ((std::vector<int>{mini, maxi, an}), (std::vector<int>{1, 3, 3}));
    EXPECT_TRUE(session.messages_.shown.empty());
}

TEST_F(clsDATENIndexTest, CountsTheLastIndexColumnWithinTheRowsOfTheOthers)
{
    insert("(1,1,10,'a'),(1,2,20,'a'),(1,2,21,'b'),(1,2,22,'b'),(1,3,30,'b')");
    int32_t mini = 0, maxi = 0, an = 0;
    daten.INDEXL(mini, maxi, an, {"NR", 2, "MNR"});
    EXPECT_EQ((std::vector<int>{mini, maxi, an}), (std::vector<int>{20, 22, 3}));

    daten.ESPK1 = "TAG";
    daten.ESPK1W = "b";
    EXPECT_EQ(daten.indexStatement({"NR", 2, "MNR", 22, "TAG"}),
              "SELECT [TAG] FROM [M] WHERE [NR]=2 AND [MNR]=22 AND [TAG] ='b' AND [ID] = 1 ORDER BY [TAG]");
    daten.ESPK2 = "NR";
    daten.ESPK2W = "2";
    EXPECT_EQ(daten.indexStatement({"MNR"}),
              "SELECT [MNR] FROM [M] WHERE [TAG] ='b' AND [NR]='2' AND [ID] = 1 ORDER BY [MNR]");
    daten.INDEXL(mini, maxi, an, {"MNR"});
    EXPECT_EQ((std::vector<int>{mini, maxi, an}), (std::vector<int>{21, 22, 2}));
}

TEST_F(clsDATENIndexTest, ANullAtAnEndOfTheColumnIsReported)
{
    insert("(1,1,NULL,'a'),(1,2,5,'a')");
    int16_t mini = 7, maxi = 7, an = 7;
    session.messages_.answers = {Answer::Ok};
    daten.Index(mini, maxi, an, {"NR", {}, "MNR"});  // NR without a value: an invalid condition
    ASSERT_EQ(session.messages_.shown.size(), 1u);
    EXPECT_EQ(session.messages_.shown[0].title, "Index");
    EXPECT_EQ((std::vector<int>{mini, maxi, an}), (std::vector<int>{7, 7, 7}));

    session.messages_.answers = {Answer::Ok};
    daten.Index(mini, maxi, an, {"MNR"});
    ASSERT_EQ(session.messages_.shown.size(), 2u);
    EXPECT_EQ(session.messages_.shown[1].text.rfind("VB-Fehler: 94\n", 0), 0u);
    EXPECT_EQ(maxi, 5);  // OK went on with the last row
    EXPECT_EQ(an, 2);
}

TEST_F(clsDATENIndexTest, ListsRecordsOrderedByIdentification)
{
    auto db = session.cnnX();
    std::vector<int32_t> ids{99};
    std::vector<std::string> kens{"alt"};
    daten.LID(ids, true);
    daten.LKEN(kens, false);
    EXPECT_EQ(ids, std::vector<int32_t>{99});  // no row: the caller's list stays
    EXPECT_EQ(kens, std::vector<std::string>{"alt"});

    db->execute("INSERT INTO [E1] ([ID],[KEN],[AKT]) VALUES (1,'Sand',1),(2,'Kies',0),(3,'Auelehm',1)");
    daten.LID(ids, true);
    EXPECT_EQ(ids, (std::vector<int32_t>{3, 1}));
    daten.LID(ids, false);
    EXPECT_EQ(ids, (std::vector<int32_t>{3, 2, 1}));
    daten.LKEN(kens, true);
    EXPECT_EQ(kens, (std::vector<std::string>{"Auelehm", "Sand"}));
}

TEST_F(clsDATENIndexTest, ListsLongerThanTheElementCounterOverflow)
{
    auto db = session.cnnX();
    db->execute("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i<32768) "
                "INSERT INTO [E1] ([ID],[KEN]) SELECT i, 'K' || i FROM n");
    std::vector<int32_t> ids;
    EXPECT_THROW(daten.LID(ids, false), VbError);
    db->execute("DELETE FROM [E1] WHERE [ID]=1");
    daten.LID(ids, false);
    EXPECT_EQ(ids.size(), 32767u);
}

TEST_F(clsDATENIndexTest, DeletesOnlyTheSelectedRowsOfTheCurrentRecord)
{
    insert("(1,1,10,'a'),(1,2,20,'a'),(1,2,21,'a'),(2,2,5,'a')");
    EXPECT_TRUE(daten.LOESCHEN({"NR", 2}));
    EXPECT_EQ(count("SELECT [ID] FROM [M]"), 2);
    EXPECT_TRUE(daten.LOESCHEN());
    EXPECT_EQ(count("SELECT [ID] FROM [M] WHERE [ID] = 1"), 0);
    EXPECT_EQ(count("SELECT [ID] FROM [M] WHERE [ID] = 2"), 1);
    EXPECT_TRUE(daten.LOESCHEN());  // nothing left to delete
}

TEST_F(clsDATENIndexTest, AFailedDeletionReportsAndCancelReturnsFalse)
{
    daten.ETABELLE = "NOPE";
    session.messages_.answers = {Answer::Cancel};
    EXPECT_FALSE(daten.LOESCHEN());
    session.messages_.answers = {Answer::Ok};
    EXPECT_TRUE(daten.LOESCHEN());
    ASSERT_EQ(session.messages_.shown.size(), 2u);
    EXPECT_EQ(session.messages_.shown[0].title, "Datenfehler");
}

}  // namespace
