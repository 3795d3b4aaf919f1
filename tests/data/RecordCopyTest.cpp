#include "data/RecordCopy.h"
#include "TestSession.h"
#include "platform/Recordset.h"

#include <gtest/gtest.h>

namespace {

using Answer = MessageService::Answer;

class RecordCopyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto path = session.root() / "OTHER.mdb";
        TestSession::makeProjectDatabase(path);
        other = Connection::openFile(path.string());
        auto db = session.cnnX();
        db->execute(
            "INSERT INTO [E1] ([ID],[KEN],[KOM],[AKT]) VALUES (4,'Sand','erster',1),(6,'Ton',NULL,0),(7,'M','',0)");
        db->execute("INSERT INTO [E2] ([ID],[SIB],[A],[N]) VALUES (4,60,22.5,100),(6,60,30,50)");
        db->execute("INSERT INTO [A1] VALUES (4,0)");
        db->execute("INSERT INTO [G0] ([ID],[IDOBJEKT],[XMAX]) VALUES (4,11,100),(4,12,100)");
    }
    long count(const std::shared_ptr<Connection>& db, const std::string& sql)
    {
        return Recordset(db, sql).recordCount();
    }

    TestSession session;
    std::shared_ptr<Connection> other;
};

TEST_F(RecordCopyTest, ListsRecordsButNotTheMarkerRecord)
{
    const auto entries = RecordCopy::LISTEFUELLEN(session.cnnX());
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].text, "Sand (erster)");
    EXPECT_EQ(entries[0].id, 4);
    EXPECT_EQ(entries[1].text, "Ton ()");
    const auto empty = RecordCopy::LISTEFUELLEN(other);
    ASSERT_EQ(empty.size(), 1u);
    EXPECT_EQ(empty[0].text, "<leer>");
    EXPECT_EQ(RecordCopy::DATENSATZKOPIEREN(other, session.cnnX(), {empty[0].id}, session.messages_), 0);
}

TEST_F(RecordCopyTest, ARecordMovesWithAllItsRowsUnderTheNextIdentifier)
{
    EXPECT_EQ(RecordCopy::DATENSATZKOPIEREN(session.cnnX(), other, {4}, session.messages_), 1);
    EXPECT_EQ(count(other, "SELECT [ID] FROM [E1] WHERE [ID]=1 AND [KEN]='Sand'"), 1);  // an empty target starts at 1
    EXPECT_EQ(count(other, "SELECT [ID] FROM [E2] WHERE [ID]=1 AND [A]=22.5"), 1);
    EXPECT_EQ(count(other, "SELECT [ID] FROM [A1] WHERE [ID]=1"), 1);
    EXPECT_EQ(count(other, "SELECT [ID] FROM [G0] WHERE [ID]=1"), 2);
    other->execute("INSERT INTO [E1] ([ID],[KEN]) VALUES (9,'Kies')");
    EXPECT_EQ(RecordCopy::DATENSATZKOPIEREN(session.cnnX(), other, {6}, session.messages_), 1);
    EXPECT_EQ(count(other, "SELECT [ID] FROM [E2] WHERE [ID]=10 AND [N]=50"), 1);
    EXPECT_TRUE(session.messages_.shown.empty());
}

TEST_F(RecordCopyTest, ExistingIdentificationsAreSkippedOrEndTheCopying)
{
    other->execute("INSERT INTO [E1] ([ID],[KEN]) VALUES (1,'Sand')");
    session.messages_.answers = {Answer::Ok};
    EXPECT_EQ(RecordCopy::DATENSATZKOPIEREN(session.cnnX(), other, {4, 6}, session.messages_), 1);
    EXPECT_EQ(session.messages_.shown.back().text, "Datensatz Sand ist bereits vorhanden!");
    EXPECT_EQ(count(other, "SELECT [ID] FROM [E1] WHERE [KEN]='Ton'"), 1);

    other->execute("DELETE FROM [E1] WHERE [KEN]='Ton'");
    session.messages_.answers = {Answer::Cancel};
    EXPECT_EQ(RecordCopy::DATENSATZKOPIEREN(session.cnnX(), other, {4, 6}, session.messages_), 0);
    EXPECT_EQ(count(other, "SELECT [ID] FROM [E1] WHERE [KEN]='Ton'"), 0);
}

TEST_F(RecordCopyTest, AFailedCopyLeavesNoHalfRecord)
{
    other->execute("DROP TABLE [G0]");
    session.messages_.answers = {Answer::Ok};
    EXPECT_EQ(RecordCopy::DATENSATZKOPIEREN(session.cnnX(), other, {4}, session.messages_), 0);
    ASSERT_EQ(session.messages_.shown.size(), 1u);
    EXPECT_EQ(session.messages_.shown[0].title, "Export/Import");
    EXPECT_EQ(count(other, "SELECT [ID] FROM [E1]"), 0);
    EXPECT_EQ(count(other, "SELECT [ID] FROM [E2]"), 0);
}

}  // namespace
