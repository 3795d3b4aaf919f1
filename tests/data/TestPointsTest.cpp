#include "data/TestPoints.h"
#include "TestSession.h"
#include "data/RecordCopy.h"
#include "data/SlopeChecks.h"
#include "input/ProjectFile.h"
#include "platform/Recordset.h"

#include <gtest/gtest.h>

namespace {

ShearTestPoint point(double sigma, std::optional<double> tauF, std::optional<double> tauR = {},
                     std::optional<double> tauB = {}, std::optional<double> tauBr = {})
{
    return {sigma, {tauF, tauR, tauB, tauBr}};
}

class TestPointsTest : public ::testing::Test {
protected:
    TestSession session;
    std::shared_ptr<Connection> db = session.cnnX();
};

TEST_F(TestPointsTest, AProjectGetsTheTableWithTheFirstPointsAndKeepsItsShapeBefore)
{
    EXPECT_FALSE(TestPoints::exists(*db));
    EXPECT_TRUE(TestPoints::read(db, 4).empty());
    TestPoints::write(db, 4, {});
    TestPoints::remove(*db, 4);
    EXPECT_FALSE(TestPoints::exists(*db));  // nothing to store: an old project stays as it was

    const std::vector<ShearTestPoint> points{point(25, 15.8, 12.1, std::nullopt, 17.8), point(50, 29.6),
                                             point(100.125, std::nullopt, 46.4, 78.6)};
    TestPoints::write(db, 4, points);
    TestPoints::write(db, 5, {point(10, 5)});
    EXPECT_TRUE(TestPoints::exists(*db));
    EXPECT_EQ(TestPoints::read(db, 4), points);

    // Writing replaces the record's points and leaves the others.
    TestPoints::write(db, 4, {point(30, 20)});
    EXPECT_EQ(TestPoints::read(db, 4), (std::vector<ShearTestPoint>{point(30, 20)}));
    TestPoints::remove(*db, 4);
    EXPECT_TRUE(TestPoints::read(db, 4).empty());
    EXPECT_EQ(TestPoints::read(db, 5).size(), 1u);

    EXPECT_EQ(TestPoints::of(points, TestPoints::Contact),
              (std::vector<std::pair<double, double>>{{25, 15.8}, {50, 29.6}}));
    EXPECT_EQ(TestPoints::of(points, TestPoints::Soil), (std::vector<std::pair<double, double>>{{100.125, 78.6}}));
}

TEST_F(TestPointsTest, AFailedWriteKeepsThePointsStoredBefore)
{
    TestPoints::write(db, 4, {point(25, 15.8), point(50, 29.6)});
    db->execute("CREATE TRIGGER [refuse] BEFORE INSERT ON [E3] WHEN NEW.[NR] = 2 BEGIN SELECT RAISE(ABORT, 'x'); END");
    EXPECT_ANY_THROW(TestPoints::write(db, 4, {point(30, 20), point(60, 40)}));
    EXPECT_EQ(TestPoints::read(db, 4).size(), 2u);
    EXPECT_EQ(TestPoints::read(db, 4)[0], point(25, 15.8));
}

TEST_F(TestPointsTest, ExportAndImportCarryThePointsWithTheirRecord)
{
    const auto otherPath = session.root() / "OTHER.mdb";
    TestSession::makeProjectDatabase(otherPath);
    auto other = Connection::openFile(otherPath.string());
    db->execute("INSERT INTO [E1] ([ID],[KEN],[KOM],[AKT]) VALUES (4,'Kies 0/32','',1),(6,'Ton','',0)");
    db->execute("INSERT INTO [E2] ([ID],[SIB],[A],[N]) VALUES (4,100,30,100),(6,60,30,50)");
    const std::vector<ShearTestPoint> points{point(25, 15.8, 12.1), point(200, 110.8, 91.2, 149, 130.9)};
    TestPoints::write(db, 4, points);
    const SlidingCheck::Slope slope{18.4, 30, 0.3, 18, 1.3};
    SlopeChecks::write(db, 4, slope);

    // A record without points leaves a target without the table as it was.
    EXPECT_EQ(RecordCopy::DATENSATZKOPIEREN(db, other, {6}, session.messages_), 1);
    EXPECT_FALSE(TestPoints::exists(*other));
    EXPECT_FALSE(SlopeChecks::read(other, 1));
    EXPECT_EQ(RecordCopy::DATENSATZKOPIEREN(db, other, {4}, session.messages_), 1);
    ASSERT_TRUE(TestPoints::exists(*other));
    EXPECT_EQ(TestPoints::read(other, 2), points);                  // under the record's new identifier
    ASSERT_TRUE(SlopeChecks::read(other, 2));                       // its sliding check with it
    EXPECT_EQ(SlopeChecks::read(other, 2)->required, 1.3);
    EXPECT_EQ(ProjectFile::problem(otherPath.string(), true), "");  // still a project file to every check

    // And back into a project that has the table: the points arrive once, with the copy.
    db->execute("DELETE FROM [E1] WHERE [ID]=4");
    EXPECT_EQ(RecordCopy::DATENSATZKOPIEREN(other, db, {2}, session.messages_), 1);
    EXPECT_EQ(TestPoints::read(db, 7), points);
    EXPECT_EQ(Recordset(db, "SELECT * FROM [E3]").recordCount(), 4);

    // Rows an older version left under the next identifier go, also with a record without points.
    TestPoints::write(other, 3, points);
    db->execute("INSERT INTO [E1] ([ID],[KEN],[KOM],[AKT]) VALUES (8,'Lehm','',0)");
    EXPECT_EQ(RecordCopy::DATENSATZKOPIEREN(db, other, {8}, session.messages_), 1);
    EXPECT_EQ(Recordset(other, "SELECT [ID] FROM [E1] WHERE [ID]=3 AND [KEN]='Lehm'").recordCount(), 1);
    EXPECT_TRUE(TestPoints::read(other, 3).empty());
}

}  // namespace
