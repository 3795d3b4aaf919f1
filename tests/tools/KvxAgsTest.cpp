// The AGS4 tool as a user runs it: the sample file listed and imported, a project exported and
// imported again, and the files and command lines it refuses.
#include "TestSession.h"
#include "platform/Connection.h"
#include "platform/Recordset.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <gtest/gtest.h>

#include <fstream>

namespace fs = std::filesystem;

namespace {

struct AgsRun {
    int exitCode;
    QByteArray output;
    std::string errors;
};

AgsRun ags(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(KVX_AGS), arguments);
    process.waitForFinished(30000);
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError().toStdString()};
}

class KvxAgsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        project = session.projectFolder() / "KVX.mdb";
        TestSession::makeProjectDatabase(project);
    }
    QString path(const std::string& name) const { return QString::fromStdString((session.root() / name).string()); }
    long count(const std::string& sql) const
    {
        return Recordset(Connection::openFile(project.string()), sql).recordCount();
    }
    QString db() const { return QString::fromStdString(project.string()); }

    TestSession session;
    fs::path project;
    const QString sample = QStringLiteral(TARVELO_SOURCE_DIR "/docs/samples/shear-box.ags");
};

TEST_F(KvxAgsTest, TheSampleIsListedImportedExportedAndImportedAgain)
{
    const AgsRun list = ags({"list", sample});
    ASSERT_EQ(list.exitCode, 0) << list.errors;
    const QJsonArray sets = QJsonDocument::fromJson(list.output).array();
    ASSERT_EQ(sets.size(), 3);
    const QJsonObject first = sets[0].toObject();
    for (const char* name : {"key", "LOCA_ID", "SAMP_REF", "SPEC_REF", "SPEC_DESC", "stages"})
        EXPECT_TRUE(first.contains(name)) << name;
    EXPECT_EQ(first["stages"].toInt(), 4);

    const AgsRun imported = ags({"import", sample, db(), "--contact", first["key"].toString(), "--soil",
                                 sets[1].toObject()["key"].toString(), "--sigma-b", "60"});
    ASSERT_EQ(imported.exitCode, 0) << imported.errors;
    EXPECT_EQ(count("SELECT * FROM [E2] WHERE [SIB]=60 AND [AB]>0"), 1);
    EXPECT_EQ(count("SELECT * FROM [E3]"), 4);
    EXPECT_EQ(count("SELECT * FROM [E1] WHERE [AKT]=true"), 1);
    // The same set again: the record is there already, nothing changes; under a name of its
    // own it is a second record.
    EXPECT_EQ(ags({"import", sample, db(), "--contact", first["key"].toString()}).exitCode, 1);
    EXPECT_EQ(count("SELECT * FROM [E1]"), 1);
    EXPECT_EQ(ags({"import", sample, db(), "--contact", first["key"].toString(), "--ken", "Zweiter"}).exitCode, 0);
    EXPECT_EQ(count("SELECT * FROM [E1] WHERE [KEN]='Zweiter'"), 1);
    EXPECT_EQ(ags({"import", sample, db(), "--contact", first["key"].toString(), "--ken", "M"}).exitCode, 1);
    EXPECT_EQ(count("SELECT * FROM [E1]"), 2);

    const AgsRun exported = ags({"export", db(), path("out.ags"), "--record", "TP01 1"});
    ASSERT_EQ(exported.exitCode, 0) << exported.errors;
    const fs::path other = session.root() / "other" / "KVX.mdb";
    fs::create_directories(other.parent_path());
    TestSession::makeProjectDatabase(other);
    const QString key = QString::fromUtf8(ags({"list", path("out.ags")}).output).section('"', 3, 3);
    ASSERT_EQ(ags({"import", path("out.ags"), QString::fromStdString(other.string()), "--contact", key}).exitCode, 0);
    const auto row = [](const fs::path& file) {
        Recordset r(Connection::openFile(file.string()),
                    "SELECT [KEN],[SIB],[A],[C],[AR],[CR],[AB],[CB],[ARB],[CRB],[SIA],[SIMAX],[N] FROM [E1] JOIN [E2] "
                    "USING ([ID])");
        std::string all;
        for (int i = 0; i < r.fieldCount(); ++i)
            all += r.field(i).text() + "|";
        return all;
    };
    EXPECT_EQ(row(other), row(project));
}

// What the tool refuses, by its exit status and a word of its message; the project unchanged.
TEST_F(KvxAgsTest, BadFilesAndCommandLinesAreRefusedAndNothingIsImported)
{
    std::ofstream(path("binary.ags").toStdString(), std::ios::binary) << std::string("\"GROUP\",\"PROJ\"\r\n\0\1\2", 20);
    std::ofstream(path("empty.ags").toStdString()) << "\"GROUP\",\"PROJ\"\r\n\"HEADING\",\"PROJ_ID\"\r\n"
                                                      "\"UNIT\",\"\"\r\n\"TYPE\",\"ID\"\r\n\"DATA\",\"P\"\r\n";
    std::ofstream(path("huge.ags").toStdString()).close();
    fs::resize_file(path("huge.ags").toStdString(), 11 * 1024 * 1024);
    struct Case {
        QStringList arguments;
        int status;
        const char* says;
    };
    const Case cases[] = {
        {{"list"}, 2, "list FILE.ags"},
        {{"import", sample, db()}, 2, "--contact"},
        {{"import", sample, db(), "--contact", "x", "--sigma-b", "0"}, 2, "--sigma-b"},
        {{"list", path("missing.ags")}, 1, "missing.ags"},
        {{"list", path("binary.ags")}, 1, "line 2"},
        {{"list", path("huge.ags")}, 1, "10 MB"},
        {{"list", path("empty.ags")}, 1, "no SHBG"},
        {{"import", sample, db(), "--contact", "nope"}, 1, "no test set with the key nope"},
        {{"import", sample, QString::fromStdString((session.root() / "none.mdb").string()), "--contact",
          "TP01/0.50/B1/B/1"},
         1, "no such file"},
        {{"export", db(), path("x.ags"), "--record", "Fehlt"}, 1, "no record Fehlt"},
        {{"export", db(), db()}, 1, "the project itself"},
    };
    for (const Case& c : cases) {
        const AgsRun run = ags(c.arguments);
        EXPECT_EQ(run.exitCode, c.status) << c.arguments.join(' ').toStdString() << "\n" << run.errors;
        EXPECT_NE(run.errors.find(c.says), std::string::npos) << c.says << "\n" << run.errors;
    }
    EXPECT_EQ(count("SELECT * FROM [E1]"), 0);
    EXPECT_FALSE(fs::exists(path("x.ags").toStdString()));
    EXPECT_EQ(Recordset(Connection::openFile(project.string()), "PRAGMA integrity_check").field(0).text(), "ok");
}

}  // namespace
