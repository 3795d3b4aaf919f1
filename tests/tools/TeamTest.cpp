// An installed suite shared by two engineers: real operating-system users in one group,
// each with umask 022, working on one project after the other. The suite's folders are
// set up as the administrator's steps in the README leave them.
#include "SuiteProcesses.h"

#include <QStandardPaths>

#include <fstream>

#include <grp.h>
#include <pwd.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class TeamTest : public SuiteProcesses {
protected:
    void SetUp() override
    {
        if (geteuid() != 0 || QStandardPaths::findExecutable("setpriv").isEmpty() ||
            QStandardPaths::findExecutable("useradd").isEmpty())
            GTEST_SKIP() << "needs root, setpriv and useradd to make two users";
        SuiteProcesses::SetUp();
        const std::string tag = std::to_string(::getpid() % 100000);
        group = "tvteam" + tag;
        ASSERT_EQ(std::system(("groupadd " + group).c_str()), 0);
        for (const char* who : {"tva", "tvb"}) {
            users.push_back(who + tag);
            ASSERT_EQ(std::system(("useradd -M -N -g users -G " + group + " -s /bin/sh " + users.back()).c_str()), 0);
        }
        // The administrator's steps: the shared folders belong to the group, mode 2775.
        fs::permissions(root, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                  fs::perms::others_read | fs::perms::others_exec);
        const gid_t team = ::getgrnam(group.c_str())->gr_gid;
        for (const char* folder : {"DB", "PROJEKTE", "BENUTZER"}) {
            fs::create_directories(root / folder);
            ASSERT_EQ(::chown((root / folder).c_str(), 0, team), 0);
            ASSERT_EQ(::chmod((root / folder).c_str(), 02775), 0);
            for (const auto& entry : fs::recursive_directory_iterator(root / folder)) {
                ASSERT_EQ(::chown(entry.path().c_str(), 0, team), 0);
                ASSERT_EQ(::chmod(entry.path().c_str(), entry.is_directory() ? 02775 : 0664), 0);
            }
        }
    }
    void TearDown() override
    {
        SuiteProcesses::TearDown();
        // Cleaning up as well as it goes: a user left over only costs a line in /etc/passwd.
        for (const std::string& user : users)
            EXPECT_EQ(std::system(("userdel " + user).c_str()), 0);
        if (!group.empty()) {
            EXPECT_EQ(std::system(("groupdel " + group).c_str()), 0);
        }
    }
    // Runs a program of the suite as a user logged in with umask 022 and a home of their own.
    int as(int user, const std::string& program, const QStringList& arguments, const std::string& script = {})
    {
        const std::string name = users[user];
        const fs::path home = root / ("home-" + name);
        fs::create_directories(home);
        const passwd* account = ::getpwnam(name.c_str());
        EXPECT_EQ(::chown(home.c_str(), account->pw_uid, account->pw_gid), 0);
        const fs::path login = root / ("login-" + name + ".sh");
        std::ofstream(login) << "umask 022\nexport HOME=" << home.string() << " XDG_CONFIG_HOME=" << home.string()
                             << "/.config\nexec setpriv --reuid=" << name << " --regid=users --init-groups \"$@\"\n";
        return run(program, arguments, script, "", QString::fromStdString("sh " + login.string()));
    }
    int frameAs(int user, const QStringList& arguments) { return as(user, (root / "KALMORA").string(), arguments); }
    int moduleAs(int user, const std::string& script) { return as(user, modulePath(), {}, script); }

    std::string group;
    std::vector<std::string> users;
};

TEST_F(TeamTest, TwoEngineersWorkOnOneProjectAndOnEachOthersNewOnes)
{
    // A makes a project and saves a record; B, who never ran init, saves a second one.
    ASSERT_EQ(frameAs(0, {"new", "HAFEN"}), 0) << log;
    ASSERT_EQ(frameAs(0, {"choose", "HAFEN"}), 0) << log;
    ASSERT_EQ(moduleAs(0, record("Kies A") + "trigger mnuSPEICHERN\nquit\n"), 0) << log;
    ASSERT_EQ(frameAs(1, {"choose", "HAFEN"}), 0) << log;
    ASSERT_EQ(moduleAs(1, record("Sand B") + "trigger mnuSPEICHERN\nquit\n"), 0) << log;
    // A opens the project again and finds both, and saves once more over B's save.
    ASSERT_EQ(moduleAs(0, record("Ton A") + "trigger mnuSPEICHERN\nquit\n"), 0) << log;
    EXPECT_EQ(count("HAFEN", "SELECT [ID] FROM [E1] WHERE [KEN] IN ('Kies A','Sand B','Ton A')"), 3);
    EXPECT_EQ(stored("HAFEN", "PRAGMA integrity_check").text(), "ok");

    // A project B makes is A's to work in too.
    ASSERT_EQ(frameAs(1, {"new", "DEICH"}), 0) << log;
    ASSERT_EQ(frameAs(0, {"choose", "DEICH"}), 0) << log;
    ASSERT_EQ(moduleAs(0, record("Lehm A") + "trigger mnuSPEICHERN\nquit\n"), 0) << log;
    EXPECT_EQ(count("DEICH", "SELECT [ID] FROM [E1] WHERE [KEN]='Lehm A'"), 1);
    // Where a user may not write, one message names the file and the reason, and nothing is made.
    ASSERT_EQ(::chmod((root / "PROJEKTE").c_str(), 02755), 0);
    log.clear();
    EXPECT_EQ(frameAs(0, {"new", "WEG"}), 1);
    EXPECT_NE(log.find((root / "PROJEKTE" / "WEG").string()), std::string::npos) << log;
    EXPECT_FALSE(fs::exists(root / "PROJEKTE" / "WEG"));
    ASSERT_EQ(::chmod((root / "PROJEKTE").c_str(), 02775), 0);
    ASSERT_EQ(::chmod(projectFile("DEICH").c_str(), 0644), 0);
    ASSERT_EQ(::chown(projectFile("DEICH").c_str(), 0, 0), 0);
    log.clear();
    EXPECT_EQ(as(1, KVX_SHEET, {QString::fromStdString(projectFile("DEICH").string()), "--in-place", "--csv",
                                QString::fromStdString((root / ("home-" + users[1]) / "d.csv").string())}),
              1);
    EXPECT_NE(log.find("cannot write " + projectFile("DEICH").string()), std::string::npos) << log;
    EXPECT_EQ(log.find("Datenfehler"), std::string::npos) << log;
    ASSERT_EQ(::chmod(projectFile("DEICH").c_str(), 0664), 0);

    for (const char* project : {"HAFEN", "DEICH"}) {
        for (const auto& entry : fs::directory_iterator(root / "PROJEKTE" / project))
            EXPECT_NE(fs::status(entry).permissions() & fs::perms::group_write, fs::perms::none) << entry.path();
    }
}

}  // namespace
