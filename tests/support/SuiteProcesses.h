#pragma once

#include "platform/Connection.h"
#include "platform/Recordset.h"

#include "RealLocale.h"

#include <QProcess>
#include <QThread>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <random>

// The real programs of an installed suite in a temporary folder: <root>/KALMORA, the
// module's folder <root>/KVX, the suite databases and the projects. Programs run as a
// person would start them; a login name stands in for a second user of the machine.
class SuiteProcesses : public ::testing::Test {
protected:
    void SetUp() override
    {
        namespace fs = std::filesystem;
        std::random_device random;
        root = fs::temp_directory_path() / ("tarvelo-e2e-" + std::to_string(random()));
        fs::create_directories(root / "KVX");
        const fs::path build = TARVELO_DATABASE_DIR;
        for (const char* file : {"KVX", "KVX.mdb", "ARCHIV.mdb", "VORGABE.mdb", "KVX.hlp"})
            fs::copy_file(build / file, root / "KVX" / file);
        fs::copy_file(KALMORA_PROGRAM, root / "KALMORA");
        environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_CONFIG_HOME", QString::fromStdString((root / "config").string()));
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        ASSERT_NO_FATAL_FAILURE(speak("de_DE.UTF-8"));
        environment.insert("TARVELO_LOGIN_NAME", "SOMMER");
        ASSERT_EQ(frame({"init"}), 0);
        ASSERT_EQ(frame({"new", "P1"}), 0);
        ASSERT_EQ(frame({"choose", "P1", "Dipl.-Ing. Sommer"}), 0);
    }
    void TearDown() override
    {
        for (auto& process : running) {
            process->kill();
            process->waitForFinished();
        }
        std::error_code ignored;
        std::filesystem::remove_all(root, ignored);
    }

    // The programs' locale, as a desktop session sets it: LANG alone.
    void speak(const char* locale)
    {
        ASSERT_TRUE(localeInstalled(locale));
        environment.remove("LC_ALL");
        environment.insert("LANG", QString::fromLatin1(locale));
    }
    QProcessEnvironment environmentOf(const std::string& user, const std::string& script)
    {
        QProcessEnvironment env = environment;
        if (user.empty())
            env.remove("TARVELO_LOGIN_NAME");  // the operating system's own login name
        else
            env.insert("TARVELO_LOGIN_NAME", QString::fromStdString(user));
        if (!script.empty()) {
            const auto file = root / ("script-" + std::to_string(++scripts) + ".txt");
            std::ofstream(file) << script;
            env.insert("TARVELO_SCRIPT", QString::fromStdString(file.string()));
        }
        return env;
    }
    // Runs a program to its end; its error stream is added to `log`.
    int run(const std::string& program, const QStringList& arguments, const std::string& script = {},
            const std::string& user = "SOMMER", const QString& wrapper = {})
    {
        QProcess process;
        process.setProcessEnvironment(environmentOf(user, script));
        if (wrapper.isEmpty()) {
            process.start(QString::fromStdString(program), arguments);
        } else {
            QStringList wrapped = wrapper.split(u' ');
            const QString first = wrapped.takeFirst();
            process.start(first, wrapped << QString::fromStdString(program) << arguments);
        }
        process.waitForFinished(60000);
        log += process.readAllStandardError().toStdString();
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }
    int frame(const QStringList& arguments, const std::string& user = "SOMMER")
    {
        return run((root / "KALMORA").string(), arguments, {}, user);
    }
    int module(const std::string& script, const std::string& user = "SOMMER")
    {
        return run(modulePath(), {}, script, user);
    }
    std::string modulePath() const { return (root / "KVX" / "KVX").string(); }
    // Starts the module and lets it run; the test ends it.
    QProcess& startModule(const std::string& script, const std::string& user = "SOMMER")
    {
        running.push_back(std::make_unique<QProcess>());
        QProcess& process = *running.back();
        process.setProcessEnvironment(environmentOf(user, script));
        process.start(QString::fromStdString(modulePath()), {});
        EXPECT_TRUE(process.waitForStarted());
        return process;
    }
    // A script line that waits for the file `name`, and the step that makes it: two
    // programs go on at one moment.
    std::string await(const std::string& name) { return "await " + (root / name).string() + "\n"; }
    void go(const std::string& name) { std::ofstream(root / name) << ""; }
    std::filesystem::path workingCopy(const std::string& user) const { return root / "BENUTZER" / user / "KVX.mdb"; }
    // Waits (up to 30 s on a slow machine) until the user's working copy holds a record.
    bool awaitRecord(const std::string& user, const std::string& ken)
    {
        for (int i = 0; i < 300; ++i) {
            std::error_code missing;
            if (std::filesystem::exists(workingCopy(user), missing) &&
                countFile(workingCopy(user), "SELECT [ID] FROM [E1] WHERE [KEN]='" + ken + "'") == 1)
                return true;
            QThread::msleep(100);
        }
        return false;
    }
    std::filesystem::path projectFile(const std::string& project) const
    {
        return root / "PROJEKTE" / project / "KVX.mdb";
    }
    // Counts rows through a fresh connection, as anyone opening the file later would.
    long countFile(const std::filesystem::path& file, const std::string& sql)
    {
        return Recordset(Connection::openFile(file.string()), sql).recordCount();
    }
    long count(const std::string& project, const std::string& sql) { return countFile(projectFile(project), sql); }
    // The first value a query on a project finds, as stored.
    Variant stored(const std::string& project, const std::string& sql)
    {
        return Recordset(Connection::openFile(projectFile(project).string()), sql).field(0);
    }
    // A column of the user's ADMIN row: by default the program that has the user.
    std::string admin(const std::string& user = "SOMMER", const std::string& column = "PROG")
    {
        return Recordset(Connection::openFile((root / "DB" / "ARCHIV.mdb").string()),
                         "SELECT [" + column + "] FROM [ADMIN] WHERE [BENUTZER]='" + user + "'")
            .field(0)
            .text();
    }
    static void kill(QProcess& process)
    {
        process.kill();
        process.waitForFinished();
    }

    std::filesystem::path root;
    QProcessEnvironment environment;
    std::string log;
    int scripts = 0;
    std::vector<std::unique_ptr<QProcess>> running;
    // A record as a person enters it in the input form and saves it with "OK".
    static std::string record(const std::string& ken)
    {
        return "trigger mnuNEU\nset txtKEN " + ken +
               "\nset txtKOM Vlies auf Kies\nset txtA 28,5\nset txtC -2\nset txtAR 24\nset txtCR -1,5\n"
               "set txtAB 36\nset txtCB -3\nset txtARB 33\nset txtCRB -2\nset cboSPR 1\npanel 8\n";
    }
};
