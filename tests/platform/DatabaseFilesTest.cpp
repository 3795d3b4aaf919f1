#include "platform/DatabaseFiles.h"
#include "TestSession.h"
#include "platform/Recordset.h"

#include <gtest/gtest.h>

#include <fstream>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

TEST(DatabaseFilesTest, ACopyHoldsEveryCommittedValueWhileTheSourceIsOpen)
{
    TestSession session;
    auto db = session.cnnX();
    db->execute("INSERT INTO [E1] ([ID],[KEN],[AKT]) VALUES (1,'Geotextil auf Sand',1)");
    // The value still sits in the write-ahead log of the open working copy.
    ASSERT_TRUE(fs::exists(db->path() + "-wal"));

    const fs::path target = session.projectFolder() / "KVX.mdb";
    DatabaseFiles::copy(db->path(), target.string());
    EXPECT_FALSE(fs::exists(target.string() + "-wal"));
    EXPECT_FALSE(fs::exists(target.string() + ".part"));

    auto copy = Connection::openFile(target.string());
    Recordset rows(copy, "SELECT [KEN] FROM [E1] WHERE [AKT]=true");
    ASSERT_EQ(rows.recordCount(), 1);
    EXPECT_EQ(rows.field(0).toText(), "Geotextil auf Sand");
}

TEST(DatabaseFilesTest, AKilledProcessLosesNoCommittedValue)
{
    TestSession session;
    const fs::path path = session.root() / "work.mdb";
    TestSession::makeProjectDatabase(path);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        auto db = Connection::openFile(path.string(), 30, Connection::Journal::WriteAhead);
        Recordset rows(db, "SELECT [ID],[KEN] FROM [E1]");
        rows.addNew();
        rows.setField("ID", 1);
        rows.setField("KEN", "vor dem Abbruch");
        rows.update();
        kill(getpid(), SIGKILL);  // no close, no checkpoint
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));

    const fs::path saved = session.projectFolder() / "KVX.mdb";
    DatabaseFiles::copy(path.string(), saved.string());
    auto copy = Connection::openFile(saved.string());
    EXPECT_EQ(Recordset(copy, "SELECT [KEN] FROM [E1] WHERE [ID] = 1").field(0).toText(), "vor dem Abbruch");
}

TEST(DatabaseFilesTest, RemovingADatabaseRemovesItsCompanions)
{
    TestSession session;
    const fs::path path = session.root() / "old.mdb";
    TestSession::makeProjectDatabase(path);
    {
        auto db = Connection::openFile(path.string(), 30, Connection::Journal::WriteAhead);
        db->execute("INSERT INTO [A1] ([ID],[BONEU]) VALUES (1,1)");
        ASSERT_TRUE(fs::exists(path.string() + "-wal"));
        db->close();
    }
    std::ofstream(path.string() + "-wal") << "stale";
    DatabaseFiles::remove(path.string());
    EXPECT_FALSE(fs::exists(path));
    EXPECT_FALSE(fs::exists(path.string() + "-wal"));
    EXPECT_NO_THROW(DatabaseFiles::remove(path.string()));
}

TEST(DatabaseFilesTest, CopyingAMissingDatabaseFailsWithoutTouchingTheTarget)
{
    TestSession session;
    const fs::path target = session.root() / "target.mdb";
    TestSession::makeProjectDatabase(target);
    const auto before = fs::file_size(target);
    EXPECT_THROW(DatabaseFiles::copy((session.root() / "missing.mdb").string(), target.string()), std::exception);
    EXPECT_EQ(fs::file_size(target), before);
}

TEST(DatabaseFilesTest, ACopyThatCannotBeWrittenNamesTheFileItWrote)
{
    TestSession session;
    const fs::path source = session.root() / "work.mdb", target = session.projectFolder() / "KVX.mdb";
    TestSession::makeProjectDatabase(source);
    Connection::openFile(source.string())
        ->execute("INSERT INTO [E1] ([ID],[KOM]) VALUES (1, printf('%.200000c', 'x'))");
    // A child whose files may not grow past 16 KB stands for a full disk on the share.
    int pipe[2];
    ASSERT_EQ(::pipe(pipe), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit small{16384, 16384};
        setrlimit(RLIMIT_FSIZE, &small);
        std::string message = "copied";
        try {
            DatabaseFiles::copy(source.string(), target.string());
        } catch (const std::exception& error) {
            message = error.what();
        }
        (void)!::write(pipe[1], message.data(), message.size());
        _exit(0);
    }
    ::close(pipe[1]);
    char buffer[1024] = {};
    (void)!::read(pipe[0], buffer, sizeof buffer - 1);
    ::close(pipe[0]);
    waitpid(child, nullptr, 0);
    EXPECT_NE(std::string(buffer).find(target.string() + ".part-"), std::string::npos) << buffer;
    EXPECT_EQ(std::string(buffer).find(source.string()), std::string::npos) << buffer;
}

}  // namespace
