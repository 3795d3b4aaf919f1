#include "input/ProjectFile.h"
#include "TestSession.h"
#include "input/WorkingCopy.h"
#include "platform/DatabaseFiles.h"
#include "platform/Recordset.h"

#include <gtest/gtest.h>

#include <fstream>

namespace fs = std::filesystem;

namespace {

class ProjectFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        project = (session.projectFolder() / "KVX.mdb").string();
        TestSession::makeProjectDatabase(project);
    }
    bool accepted(const std::string& path) { return ProjectFile::problem(path, true).empty(); }
    // A committed log of another database, left beside `path`.
    void foreignLog(const std::string& path)
    {
        const std::string other = (session.root() / "other.db").string();
        DatabaseFiles::copy(project, other);
        auto db = Connection::openFile(other, 30, Connection::Journal::WriteAhead);
        db->execute("PRAGMA wal_autocheckpoint=0; DROP TABLE [E1]; CREATE TABLE [X] ([Y])");
        fs::copy_file(other + "-wal", path + "-wal", fs::copy_options::overwrite_existing);
    }

    TestSession session;
    std::string project;
};

TEST_F(ProjectFileTest, OnlyDatabasesOfThisProgramWithTheirTablesPass)
{
    EXPECT_TRUE(accepted(project));
    EXPECT_NE(ProjectFile::problem(project + "x", true).find("does not exist"), std::string::npos);
    std::ofstream(session.root() / "text.mdb") << "not a database";
    EXPECT_NE(ProjectFile::problem((session.root() / "text.mdb").string(), false).find("keine Projektdatenbank"),
              std::string::npos);

    const auto changed = [&](const std::string& sql) {
        const std::string copy = (session.root() / "changed.mdb").string();
        DatabaseFiles::copy(project, copy, sql);
        return accepted(copy);
    };
    EXPECT_FALSE(changed("PRAGMA application_id=0"));
    EXPECT_FALSE(changed("DROP TABLE [G0]"));
    EXPECT_FALSE(changed("ALTER TABLE [E2] DROP COLUMN [SIMAX]"));
    EXPECT_TRUE(changed("CREATE TABLE [NOTIZ] ([T] TEXT)"));  // more than we need does no harm
}

TEST_F(ProjectFileTest, AForeignLogBesideIsRefusedWithoutBeingApplied)
{
    const std::string before = DatabaseFiles::fingerprint(project);
    foreignLog(project);
    const std::string problem = ProjectFile::problem(project, true);
    EXPECT_NE(problem.find("does not belong to it"), std::string::npos) << problem;
    EXPECT_EQ(DatabaseFiles::fingerprint(project), before);
    EXPECT_FALSE(DatabaseFiles::describe(project).writeAheadMode);
}

TEST_F(ProjectFileTest, ALogOfAnEarlierVersionInLogModeIsAcceptedAndFoldedInOnOpening)
{
    {
        // An earlier version kept project files in log mode; a killed run left a real log.
        auto db = Connection::openFile(project, 30, Connection::Journal::WriteAhead);
        db->execute("PRAGMA wal_autocheckpoint=0; INSERT INTO [E1] ([ID],[KEN]) VALUES (1,'Sand')");
        fs::copy_file(project + "-wal", project + ".keep");
    }
    fs::copy_file(project + ".keep", project + "-wal", fs::copy_options::overwrite_existing);
    ASSERT_TRUE(DatabaseFiles::describe(project).writeAheadMode);
    EXPECT_TRUE(accepted(project));
    // Opened as a shared file, it goes back to a rollback journal with its content whole.
    auto db = Connection::openFile(project);
    EXPECT_EQ(Recordset(db, "SELECT [ID] FROM [E1] WHERE [KEN]='Sand'").recordCount(), 1);
    db->close();
    EXPECT_FALSE(DatabaseFiles::describe(project).writeAheadMode);
    EXPECT_FALSE(fs::exists(project + "-wal"));
}

TEST_F(ProjectFileTest, AWorkingCopyKnowsItsProjectAndNoticesChangesByOthers)
{
    WorkingCopy copy((session.root() / "work.mdb").string());
    EXPECT_FALSE(copy.origin());
    copy.take(project);
    const std::optional<WorkingCopy::Origin> origin = copy.origin();
    ASSERT_TRUE(origin);
    EXPECT_EQ(origin->projectFile, WorkingCopy::canonical(project));
    EXPECT_EQ(origin->project(), "TE0000.00");
    EXPECT_TRUE(copy.belongsTo(project));
    EXPECT_FALSE(WorkingCopy::projectChanged(*origin));

    Connection::openFile(copy.path(), 30, Connection::Journal::WriteAhead)
        ->execute("INSERT INTO [E1] ([ID],[KEN]) VALUES (1,'Sand')");
    copy.saveInto(project);
    // The project gets the records, not the origin; the copy now knows the saved state.
    EXPECT_EQ(Recordset(Connection::openFile(project), "SELECT [name] FROM [sqlite_master] WHERE [name]='ARBEITSKOPIE'")
                  .recordCount(),
              0);
    EXPECT_FALSE(WorkingCopy::projectChanged(*copy.origin()));
    EXPECT_EQ(copy.origin()->takenAt, origin->takenAt);

    Connection::openFile(project)->execute("INSERT INTO [E1] ([ID],[KEN]) VALUES (2,'Ton')");
    EXPECT_TRUE(WorkingCopy::projectChanged(*copy.origin()));
    const std::string beside = copy.saveBeside(session.projectFolder().string(), "Sommer/Gast");
    EXPECT_EQ(fs::path(beside).parent_path(), session.projectFolder());
    EXPECT_EQ(fs::path(beside).filename().string().rfind("work-Sommer_Gast-", 0), 0u);
    EXPECT_NE(copy.saveBeside(session.projectFolder().string(), "Sommer/Gast"), beside);  // never over another
    EXPECT_TRUE(accepted(beside));
}

}  // namespace
