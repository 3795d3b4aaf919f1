#include "platform/LockFile.h"
#include "platform/FileName.h"

#include <QString>
#include <QSysInfo>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <functional>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class LockFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        path = (fs::temp_directory_path() / ("tarvelo-lock-" + std::to_string(getpid()))).string();
        fs::remove(path);
    }
    void TearDown() override { fs::remove(path); }
    // A process of this host that has ended: its pid names nobody any more.
    static long endedProcess()
    {
        const pid_t child = fork();
        if (child == 0)
            _exit(0);
        waitpid(child, nullptr, 0);
        return child;
    }
    static bool zombieState(pid_t pid)
    {
        std::string stat;
        std::getline(std::ifstream("/proc/" + std::to_string(pid) + "/stat"), stat);
        return stat.find(") Z ") != std::string::npos;
    }
    void writeLock(const std::string& host, long pid)
    {
        std::ofstream(path) << "user=SCHMIDT\nhost=" << host << "\npid=" << pid
                            << "\nsince=2026-12-08T09:30:00\nproject=P1\n";
    }
    std::string path;
};

TEST_F(LockFileTest, OneHolderAtATimeAndOnlyTheHolderReleases)
{
    LockFile first(path), second(path);
    EXPECT_EQ(first.take(LockFile::Holder::self("SOMMER", "P1")), LockFile::Outcome::Taken);
    // This process is alive, so a second taker is refused and told who holds it.
    EXPECT_EQ(second.take(LockFile::Holder::self("SCHMIDT", "P1")), LockFile::Outcome::HeldByOther);
    ASSERT_TRUE(second.previous());
    EXPECT_EQ(second.previous()->user, "SOMMER");
    EXPECT_EQ(second.previous()->project, "P1");
    second.release();
    EXPECT_TRUE(fs::exists(path));
    first.setProject("P2");
    EXPECT_EQ(first.read()->project, "P2");
    first.release();
    EXPECT_FALSE(fs::exists(path));
}

TEST_F(LockFileTest, StaleLocksAreTakenOverLiveOnesOnOtherHostsAreNot)
{
    writeLock(QSysInfo::machineHostName().toStdString(), endedProcess());
    LockFile lock(path);
    EXPECT_EQ(lock.take(LockFile::Holder::self("SOMMER", "P1")), LockFile::Outcome::TakenOverStale);
    EXPECT_EQ(lock.previous()->user, "SCHMIDT");
    EXPECT_EQ(lock.read()->user, "SOMMER");
    lock.release();

    // A holder on another machine cannot be asked: it counts as alive, and its lock stays.
    writeLock("another-host", endedProcess());
    EXPECT_EQ(lock.take(LockFile::Holder::self("SOMMER", "P1")), LockFile::Outcome::HeldByOther);
    EXPECT_TRUE(fs::exists(path));

    // A lock of a process number that a later process has taken (this one, say) is stale too.
    std::ofstream(path, std::ios::trunc) << "user=SCHMIDT\nhost=" << QSysInfo::machineHostName().toStdString()
                                         << "\npid=" << getpid() << "\nprocess=an-earlier-boot:42\n";
    EXPECT_EQ(lock.take(LockFile::Holder::self("SOMMER", "P1")), LockFile::Outcome::TakenOverStale);
    lock.release();

    // A killed holder that its parent has not reaped yet is a zombie: it holds nothing.
    const pid_t zombie = fork();
    if (zombie == 0)
        _exit(0);
    for (int i = 0; i < 500 && !zombieState(zombie); ++i)
        usleep(2000);
    ASSERT_TRUE(zombieState(zombie));
    writeLock(QSysInfo::machineHostName().toStdString(), zombie);
    EXPECT_EQ(lock.take(LockFile::Holder::self("SOMMER", "P1")), LockFile::Outcome::TakenOverStale);
    lock.release();
    waitpid(zombie, nullptr, 0);

    // A lock file without content for a while is left over from a writer that died.
    std::ofstream(path, std::ios::trunc).close();
    fs::last_write_time(path, fs::file_time_type::clock::now() - std::chrono::minutes(1));
    EXPECT_EQ(lock.take(LockFile::Holder::self("SOMMER", "P1")), LockFile::Outcome::TakenOverStale);
}

// Whatever else stands in the lock's place is named: never followed, waited on (a pipe) or
// taken for a holder with empty fields.
TEST_F(LockFileTest, WhatIsNoLockBlocksAndIsNamed)
{
    const std::string elsewhere = path + "-target";
    struct Case {
        std::function<void()> plant;
        const char* why;
    };
    for (const Case& c : std::initializer_list<Case>{
             {[&] { fs::create_symlink(elsewhere, path); }, "symbolic link"},
             {[&] { ::mkfifo(path.c_str(), 0600); }, "not a plain file"},
             {[&] { fs::create_directory(path); }, "not a plain file"},
             {[&] { std::ofstream(path) << "\x01garbage\n"; }, "holds no lock"}}) {
        c.plant();
        LockFile lock(path);
        EXPECT_EQ(lock.take(LockFile::Holder::self("SOMMER", "P1")), LockFile::Outcome::Blocked) << c.why;
        EXPECT_NE(lock.error().find(c.why), std::string::npos) << lock.error();
        EXPECT_FALSE(fs::exists(elsewhere));
        fs::remove_all(path);
    }
    // The holder's own rewrite goes beside under a fresh name, never through a planted link.
    std::ofstream(elsewhere) << "private";
    LockFile lock(path);
    ASSERT_EQ(lock.take(LockFile::Holder::self("SOMMER", "P1")), LockFile::Outcome::Taken);
    fs::create_symlink(elsewhere, path + "." + std::to_string(getpid()));
    lock.setProject("P2");
    EXPECT_EQ(lock.read()->project, "P2");
    std::ifstream kept(elsewhere);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "private");
    fs::remove(path + "." + std::to_string(getpid()));
    fs::remove(elsewhere);
}

TEST_F(LockFileTest, AFolderWithoutWriteAccessIsSaidNotMistakenForAHolder)
{
    LockFile lock("/proc/tarvelo-no-such-folder/lock");
    EXPECT_EQ(lock.take(LockFile::Holder::self("SOMMER", "P1")), LockFile::Outcome::Unavailable);
    EXPECT_FALSE(lock.previous());
    EXPECT_FALSE(lock.error().empty());
}

TEST(FileNameTest, NamesFromUserTextStayInTheirFolder)
{
    EXPECT_EQ(FileName::safe("Kies 0/32"), "Kies 0_32");
    EXPECT_EQ(FileName::safe("../../x"), "_._.._x");
    EXPECT_EQ(FileName::safe("a\\b:c*d?e\"f<g>h|i\tj"), "a_b_c_d_e_f_g_h_i_j");
    EXPECT_EQ(FileName::safe(".hidden"), "_hidden");
    EXPECT_EQ(FileName::safe(""), "_");
    EXPECT_EQ(FileName::safe("Schluff ö"), "Schluff ö");
}

}  // namespace
