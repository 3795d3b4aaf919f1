#include "platform/Recordset.h"
#include "TestSession.h"
#include "platform/Locale.h"
#include "platform/VbError.h"

#include "ErrorNumber.h"

#include <gtest/gtest.h>

#include <fstream>
#include <vector>

namespace fs = std::filesystem;

namespace {

class RecordsetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Locale::setCurrent({Locale::German, ","});
        db = session.cnnX();
        db->execute("INSERT INTO [E1] ([ID],[KEN],[AKT],[SPR]) VALUES (1,'B',1,3),(2,'A',0,1),(3,'C',1,3)");
    }
    Recordset open(const std::string& sql) { return Recordset(db, sql); }

    TestSession session;
    std::shared_ptr<Connection> db;
};

TEST_F(RecordsetTest, OpeningAMissingFileFailsAndCreatesNothing)
{
    const std::string path = (session.root() / "nothing.mdb").string();
    const long number = errorNumber([&] {
        Connection::open("Provider=Microsoft.Jet.OLEDB.4.0; Data Source=" + path + ";Persist Security Info=False");
    });
    EXPECT_EQ(number, VbError::DatabaseError);
    EXPECT_FALSE(fs::exists(path));
}

TEST_F(RecordsetTest, AFileThatIsNoDatabaseIsRefused)
{
    const fs::path path = session.root() / "notes.mdb";
    std::ofstream(path) << "these are not the tables you are looking for, not even close to a header";
    EXPECT_EQ(errorNumber([&] { Connection::openFile(path.string()); }), VbError::DatabaseError);
}

TEST_F(RecordsetTest, TheDataSourceIsTakenFromTheConnectionString)
{
    EXPECT_EQ(Connection::dataSource(
                  "Provider=Microsoft.Jet.OLEDB.4.0; Data Source=/p/ARCHIV.mdb;Persist Security Info=False"),
              "/p/ARCHIV.mdb");
    EXPECT_EQ(Connection::dataSource("data source=/x.mdb"), "/x.mdb");
}

TEST_F(RecordsetTest, StatementsInTheProgramsDialectWork)
{
    Recordset active = open("SELECT [ID],[KEN] FROM [E1] WHERE [AKT]=true ORDER BY [KEN]");
    EXPECT_EQ(active.recordCount(), 2);
    EXPECT_EQ(active.field("KEN").toText(), "B");
    Recordset newest = open("SELECT * FROM [E1] ORDER BY [ID] Desc");
    EXPECT_EQ(newest.field(0).toLong(), 3);
    EXPECT_EQ(newest.fieldName(1), "KEN");
}

TEST_F(RecordsetTest, MovesThroughTheRowsAndReportsTheEnds)
{
    Recordset rows = open("SELECT [ID] FROM [E1] ORDER BY [ID]");
    EXPECT_FALSE(rows.isBOF());
    rows.moveLast();
    EXPECT_EQ(rows.field("ID").toLong(), 3);
    rows.moveNext();
    EXPECT_TRUE(rows.isEOF());
    EXPECT_EQ(errorNumber([&] { rows.moveNext(); }), VbError::NoCurrentRecord);
    EXPECT_EQ(errorNumber([&] { rows.field("ID"); }), VbError::NoCurrentRecord);
    rows.movePrevious();
    rows.movePrevious();
    EXPECT_EQ(rows.field(0).toLong(), 2);

    Recordset none = open("SELECT [ID] FROM [E1] WHERE [ID] = 99");
    EXPECT_TRUE(none.isBOF());
    EXPECT_TRUE(none.isEOF());
    EXPECT_EQ(none.recordCount(), 0);
    EXPECT_EQ(errorNumber([&] { none.moveFirst(); }), VbError::NoCurrentRecord);
}

TEST_F(RecordsetTest, ValuesComeBackInTheirDeclaredTypes)
{
    db->execute("INSERT INTO [E2] ([ID],[SIB],[N]) VALUES (1,60.5,100)");
    db->execute("INSERT INTO [A1] ([ID],[BONEU]) VALUES (1,1)");
    Recordset e2 = open("SELECT * FROM [E2]");
    EXPECT_EQ(e2.field("ID").type(), Variant::Type::Long);
    EXPECT_EQ(e2.field("SIB").type(), Variant::Type::Single);
    EXPECT_EQ(e2.field("N").type(), Variant::Type::Integer);
    EXPECT_TRUE(e2.field("A").isNull());
    Recordset a1 = open("SELECT [ID],[BONEU] FROM [A1] WHERE [ID]=1");
    EXPECT_EQ(a1.field("BONEU"), Variant(true));
}

TEST_F(RecordsetTest, AddsUpdatesAndDeletesRows)
{
    {
        Recordset rows = open("SELECT [ID],[KEN],[AKT] FROM [E1] WHERE [ID] = 2");
        rows.setField("KEN", "Sand");
        rows.setField("AKT", true);
        rows.update();
        rows.addNew();
        rows.setField("ID", 4);
        rows.setField("KEN", "Ton");
        rows.update();
        EXPECT_EQ(rows.recordCount(), 2);
    }
    Recordset active = open("SELECT [KEN] FROM [E1] WHERE [AKT]=true ORDER BY [KEN]");
    EXPECT_EQ(active.recordCount(), 3);
    Recordset added = open("SELECT [ID],[KEN] FROM [E1] WHERE [KEN]='Ton'");
    ASSERT_EQ(added.recordCount(), 1);
    EXPECT_EQ(added.field("ID").toLong(), 4);
    added.deleteCurrent();
    EXPECT_EQ(added.recordCount(), 0);
    EXPECT_EQ(open("SELECT [ID] FROM [E1]").recordCount(), 3);
}

TEST_F(RecordsetTest, AValueThatDoesNotFitItsColumnIsRefusedAndNothingIsStored)
{
    db->execute("INSERT INTO [E2] ([ID],[SIB],[N]) VALUES (1,60,100)");
    Recordset rows = open("SELECT [SIB],[N],[ID] FROM [E2] WHERE [ID] = 1");
    EXPECT_EQ(errorNumber([&] { rows.setField("SIB", "abc"); }), VbError::TypeMismatch);
    EXPECT_EQ(errorNumber([&] { rows.setField("N", 40000); }), VbError::Overflow);
    EXPECT_EQ(errorNumber([&] { rows.setField("NOPE", 1); }), VbError::ItemNotFound);
    rows.setField("SIB", "12,5");  // text converts with the session's separator
    rows.update();
    Recordset stored = open("SELECT [SIB],[N] FROM [E2] WHERE [ID] = 1");
    EXPECT_FLOAT_EQ(stored.field("SIB").toSingle(), 12.5f);
    EXPECT_EQ(stored.field("N").toInteger(), 100);
}

TEST_F(RecordsetTest, MovingOnSavesAPendingEdit)
{
    Recordset rows = open("SELECT [ID],[KOM] FROM [E1] ORDER BY [ID]");
    rows.setField("KOM", "erste");
    rows.moveNext();
    EXPECT_EQ(open("SELECT [KOM] FROM [E1] WHERE [ID] = 1").field(0).toText(), "erste");
}

TEST_F(RecordsetTest, StatementsThatCannotBeWrittenBackRefuseUpdates)
{
    Recordset counted = open("SELECT count(*) AS [N] FROM [E1] WHERE [AKT]=true");
    EXPECT_EQ(counted.field("N").toLong(), 2);
    EXPECT_EQ(errorNumber([&] { counted.setField("N", 5); }), VbError::NotUpdatable);
    // Grouped and distinct rows stand for several rows of the table, joined ones for none.
    for (const char* sql : {"SELECT [AKT] FROM [E1] GROUP BY [AKT]", "SELECT DISTINCT [AKT] FROM [E1]",
                            "SELECT [E1].[KEN] FROM [E1] JOIN [E1] AS [X] ON [X].[ID]=[E1].[ID]"}) {
        Recordset merged = open(sql);
        EXPECT_EQ(errorNumber([&] { merged.setField(merged.fieldName(0), Variant(false)); }), VbError::NotUpdatable)
            << sql;
    }
}

TEST_F(RecordsetTest, DatabaseErrorsCarryTheirNumbers)
{
    EXPECT_EQ(errorNumber([&] { open("SELECT [X] FROM [NOPE]"); }), VbError::NoSuchTable);
    EXPECT_EQ(errorNumber([&] { open("SELECT [X] FROM [E1]"); }), VbError::NoSuchColumn);
    EXPECT_EQ(errorNumber([&] { open("SELECT [ID] FROM [E1] WHERE [ID]="); }), VbError::SyntaxError);
    Recordset rows = open("SELECT [ID] FROM [E1]");
    rows.close();
    EXPECT_EQ(errorNumber([&] { rows.isEOF(); }), VbError::ObjectClosed);
}

TEST_F(RecordsetTest, TheStatementTraceListsEveryStatementTheEngineRuns)
{
    // The trace belongs to the connections opened while it is asked for.
    const fs::path trace = session.root() / "trace.sql";
    setenv("TARVELO_SQL_TRACE", trace.c_str(), 1);
    db = Connection::openFile(db->path());
    unsetenv("TARVELO_SQL_TRACE");
    open("SELECT [ID] FROM [E1] WHERE [AKT]=true");
    open("SELECT COUNT(*) FROM [E1]");
    db->execute("DELETE FROM [A1]");
    Recordset(Connection::openFile(db->path()), "SELECT [KEN] FROM [E1]");

    std::ifstream in(trace);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    // After the statements of opening: rows that can be written back are read with their
    // identity; the connection opened without the trace leaves none.
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(std::vector<std::string>(lines.end() - 3, lines.end()),
              (std::vector<std::string>{"SELECT _rowid_,[ID] FROM [E1] WHERE [AKT]=true", "SELECT COUNT(*) FROM [E1]",
                                        "DELETE FROM [A1]"}));
}

TEST_F(RecordsetTest, StatementsOnLoanOutliveTheRenewalOfTheCache)
{
    // A statement held while hundreds of others are prepared, and the same text twice.
    auto held = db->prepare("SELECT [KEN] FROM [E1] ORDER BY [ID]");
    auto again = db->prepare("SELECT [KEN] FROM [E1] ORDER BY [ID]");
    for (int i = 0; i < 600; ++i)
        db->prepare("SELECT " + std::to_string(i));
    ASSERT_TRUE(held->step());
    ASSERT_TRUE(again->step());
    ASSERT_TRUE(again->step());
    EXPECT_EQ(held->value(0).text(), "B");
    EXPECT_EQ(again->value(0).text(), "A");
    held.reset();
    EXPECT_EQ(open("SELECT [KEN] FROM [E1] ORDER BY [ID]").field(0).text(), "B");
}

}  // namespace
