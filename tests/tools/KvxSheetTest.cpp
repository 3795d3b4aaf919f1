#include "TestSession.h"
#include "RealLocale.h"
#include "ToolOutput.h"
#include "data/SlopeChecks.h"
#include "platform/DatabaseFiles.h"
#include "platform/Recordset.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QProcess>

#include <gtest/gtest.h>

#include <map>

#include <fstream>

#include <csignal>

namespace fs = std::filesystem;

namespace {

struct SheetRun {
    int exitCode;
    std::string errors;
};

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

SheetRun sheet(const QStringList& arguments,
             const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(KVX_SHEET), arguments);
    process.waitForFinished(30000);
    return {process.exitCode(), process.readAllStandardError().toStdString()};
}

class KvxSheetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        project = session.projectFolder() / "KVX.mdb";
        TestSession::makeProjectDatabase(project);
        auto db = Connection::openFile(project.string());
        db->execute("INSERT INTO [E1] ([ID],[KEN],[KOM],[AKT],[SPR]) VALUES (1,'Sand','',1,3),(2,'Ton','',0,1)");
        db->execute("INSERT INTO [E2] VALUES (1,60,22.5,-2,17,-1.5,35,-4,32,-3,10,100,10,60,100)");
        db->execute("INSERT INTO [E2] VALUES (2,60,24,-3,14,-2,28,-4,16,-2.5,10,400,20,100,100)");
    }
    QString path(const std::string& name) const { return QString::fromStdString((session.root() / name).string()); }
    long rows(const std::string& sql) { return Recordset(Connection::openFile(project.string()), sql).recordCount(); }

    TestSession session;
    fs::path project;
};

TEST_F(KvxSheetTest, WritesTheSheetAndTheScreenPageWithoutTouchingTheProject)
{
    const auto before = fs::file_size(project);
    const SheetRun run = sheet({QString::fromStdString(project.string()), "--record", "Ton", "--pdf", path("ton.pdf"),
                                "--png", path("ton.png")});
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    QFile pdf(path("ton.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5).startsWith("%PDF"));
    EXPECT_TRUE(QFile::exists(path("ton.png")));
    EXPECT_EQ(fs::file_size(project), before);
    EXPECT_EQ(rows("SELECT [ID] FROM [G0]"), 0);
}

TEST_F(KvxSheetTest, InPlaceStoresTheEvaluationLikeTheProgram)
{
    const SheetRun run = sheet({QString::fromStdString(project.string()), "--in-place", "--pdf", path("sand.pdf")});
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_EQ(rows("SELECT [ID] FROM [G0] WHERE [ID]=1"), 6);  // figures 11 to 16
    EXPECT_EQ(rows("SELECT [ID] FROM [A1] WHERE [ID]=1 AND [BONEU]=false"), 1);
}

TEST_F(KvxSheetTest, ClearMessagesForWhatCannotBeDrawn)
{
    SheetRun run = sheet({path("nothing.mdb")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.errors.find("no such file"), std::string::npos);

    run = sheet({QString::fromStdString(project.string()), "--record", "Kies", "--pdf", path("kies.pdf")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.errors.find("no record with the identification Kies"), std::string::npos);
    EXPECT_FALSE(QFile::exists(path("kies.pdf")));

    std::ofstream(session.root() / "notes.mdb") << "not a database, only a few words of text in a file";
    run = sheet({path("notes.mdb")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.errors.find("notes.mdb"), std::string::npos);

    DatabaseFiles::copy(TARVELO_DATABASE_DIR "/ARCHIV.mdb", (session.root() / "ARCHIV.mdb").string());
    run = sheet({path("ARCHIV.mdb")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.errors.find("not a project database"), std::string::npos);

    EXPECT_EQ(sheet({"--unknown"}).exitCode, 2);
}

TEST_F(KvxSheetTest, BadArgumentsAndBadValuesEndWithAStatusAndNoSheet)
{
    // The command line's table is in SheetCommandTest; here the real program's status.
    const QString database = QString::fromStdString(project.string());
    EXPECT_EQ(sheet({database, "--dpi", "x"}).exitCode, 2);
    EXPECT_EQ(sheet({database, "--dpi", "30", "--png", path("small.png")}).exitCode, 0);

    // Values a single cannot hold name the record and the field; nothing half drawn remains.
    Connection::openFile(project.string())->execute("UPDATE [E2] SET [SIA]=1e39, [SIMAX]=1e39 WHERE [ID]=1");
    SheetRun run = sheet({database, "--pdf", path("sand.pdf")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.errors.find("Sand"), std::string::npos) << run.errors;
    EXPECT_NE(run.errors.find("Spalte SIA"), std::string::npos) << run.errors;
    EXPECT_FALSE(QFile::exists(path("sand.pdf")));

    // An error on the way (damaged stored geometry) is a failed run, not a sheet.
    Connection::openFile(project.string())->execute("UPDATE [E2] SET [SIA]=10, [SIMAX]=100 WHERE [ID]=1");
    ASSERT_EQ(sheet({database, "--in-place", "--pdf", path("sand.pdf")}).exitCode, 0);
    Connection::openFile(project.string())->execute("UPDATE [G0] SET [RL]='q' WHERE [ID]=1");
    const QByteArray before = contents(path("sand.pdf"));
    run = sheet({database, "--pdf", path("sand.pdf")});
    EXPECT_EQ(run.exitCode, 1) << run.errors;
    EXPECT_EQ(contents(path("sand.pdf")), before);  // the last good sheet, not a broken one
}

// No output option destroys the project, a database or a file the run did not write.
TEST_F(KvxSheetTest, OutputsNeverReplaceTheProjectADatabaseOrAFileOfAFailedRun)
{
    const QString database = QString::fromStdString(project.string());
    DatabaseFiles::copy(TARVELO_DATABASE_DIR "/ARCHIV.mdb", (session.root() / "ARCHIV.mdb").string());
    std::ofstream(session.root() / "keep.pdf") << "an older sheet";
    fs::create_symlink(project, session.root() / "link.pdf");
    const QByteArray projectBefore = contents(database), archiveBefore = contents(path("ARCHIV.mdb"));
    struct Case {
        QStringList arguments;
        int exitCode;
        const char* message;
    };
    for (const Case& c : std::initializer_list<Case>{
             {{"--pdf", database, path("sheet.pdf")}, 2, "it is a database"},
             {{database, "--pdf", database}, 2, "it is the project database being read"},
             {{database, "--record", "nope", "--csv", database}, 2, "it is the project database"},
             {{database, "--json", path("ARCHIV.mdb")}, 2, "it is a database"},
             {{database, "--csv", database + "-journal"}, 2, "a database's log"},
             {{database, "--pdf", path("link.pdf")}, 2, "symbolic link"},
             {{database, "--pdf", path("")}, 2, "not a plain file"},
             {{database, "--pdf", path("a.pdf"), "--png", path("a.pdf")}, 2, "two outputs"},
             {{database, "--record", "nope", "--pdf", path("keep.pdf")}, 1, "no record"}}) {
        const SheetRun run = sheet(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.arguments.join(' ').toStdString() << "\n" << run.errors;
        EXPECT_NE(run.errors.find(c.message), std::string::npos) << run.errors;
    }
    EXPECT_EQ(contents(database), projectBefore);
    EXPECT_EQ(contents(path("ARCHIV.mdb")), archiveBefore);
    EXPECT_EQ(contents(path("keep.pdf")), "an older sheet");
    EXPECT_FALSE(QFile::exists(path("sheet.pdf")));
    EXPECT_TRUE(fs::is_symlink(session.root() / "link.pdf"));

    // A run in which every record fails writes nothing; a killed run leaves no file under
    // the final name.
    Connection::openFile(project.string())->execute("UPDATE [E2] SET [SIB]=0");
    EXPECT_EQ(sheet({database, "--all", "--pdf", path("all.pdf"), "--csv", path("all.csv")}).exitCode, 1);
    EXPECT_FALSE(QFile::exists(path("all.pdf")));
    EXPECT_FALSE(QFile::exists(path("all.csv")));
    Connection::openFile(project.string())
        ->execute("WITH RECURSIVE n(i) AS (SELECT 3 UNION ALL SELECT i+1 FROM n WHERE i<400) "
                  "INSERT INTO [E1] SELECT i, printf('R%03d', i), '', 0, 3 FROM n");
    Connection::openFile(project.string())
        ->execute("WITH RECURSIVE n(i) AS (SELECT 3 UNION ALL SELECT i+1 FROM n WHERE i<400) "
                  "INSERT INTO [E2] SELECT i, 60, 22, -2, 17, -1.5, 35, -4, 32, -3, 10, 200, 10, 60, 100 FROM n");
    QProcess killed;
    killed.setReadChannel(QProcess::StandardError);
    killed.start(QStringLiteral(KVX_SHEET), {database, "--all", "--pdf", path("all.pdf")});
    QByteArray progress;
    while (!progress.contains("20/") && killed.waitForReadyRead(30000))
        progress += killed.readAllStandardError();
    if (killed.state() == QProcess::Running && killed.processId() > 0)
        ::kill(static_cast<pid_t>(killed.processId()), SIGKILL);
    killed.waitForFinished();
    EXPECT_TRUE(progress.contains("20/")) << progress.toStdString();
    EXPECT_FALSE(QFile::exists(path("all.pdf")));
    EXPECT_EQ(Recordset(Connection::openFile(project.string()), "PRAGMA integrity_check").field(0).text(), "ok");
}

TEST_F(KvxSheetTest, AllRecordsIntoOnePdfAndTheirParametersAsCsvAndJson)
{
    auto db = Connection::openFile(project.string());
    db->execute("WITH RECURSIVE n(i) AS (SELECT 3 UNION ALL SELECT i+1 FROM n WHERE i<200) "
                "INSERT INTO [E1] SELECT i, printf('R%03d', i), 'Serie, \"A\"', 0, 3 FROM n");
    db->execute(
        "WITH RECURSIVE n(i) AS (SELECT 3 UNION ALL SELECT i+1 FROM n WHERE i<200) "
        "INSERT INTO [E2] SELECT i, 60, 20 + i % 10, -2, 17, -1.5, 35, -4, 32, -3, 10, 200, 10, 60, 100 FROM n");
    db->execute("INSERT INTO [E1] VALUES (300,'M','',0,3),(301,'Kaputt','',0,3),(302,'Sprache','',0,'de')");
    db->execute("INSERT INTO [E2] VALUES (301,60,22,-2,17,-1.5,35,-4,32,-3,10,5,10,60,100)");
    db->execute("INSERT INTO [E2] VALUES (302,60,22,-2,17,-1.5,35,-4,32,-3,10,200,10,60,100)");
    // Two records with a slope check have a second page each.
    for (const int32_t id : {100, 2})
        SlopeChecks::write(db, id, SlidingCheck::Slope{SlidingCheck::degreesOf(3), 30, 0.3, 18, 1.5});
    db.reset();
    // Drawn one after the other and side by side, the same pages in the same order.
    std::map<QString, QByteArray> tables;
    for (const QString jobs : {"1", "2"}) {
        const SheetRun run = sheet({QString::fromStdString(project.string()), "--all", "--jobs", jobs, "--pdf",
                                    path("all.pdf"), "--csv", path("all.csv"), "--json", path("all.json")});
        // The record that cannot be evaluated is named at the end; the others are all there.
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_NE(run.errors.find("2 of 202 records could not be evaluated"), std::string::npos) << run.errors;
        EXPECT_NE(run.errors.find("Kaputt: "), std::string::npos);
        EXPECT_NE(run.errors.find("Sprache: "), std::string::npos);  // a language that is no number
        const std::optional<QString> info = toolOutput("pdfinfo", {path("all.pdf")});
        const std::optional<QString> last = toolOutput("pdftotext", {"-f", "202", "-l", "202", path("all.pdf"), "-"});
        if (!info || !last)
            GTEST_SKIP() << "needs pdfinfo and pdftotext";
        EXPECT_TRUE(info->contains(QRegularExpression("Pages: +202\\n"))) << info->toStdString();
        // In the order of the identifications: "Ton" last with its check, its page numbers kept.
        EXPECT_TRUE(last->contains("File Ton") && last->contains("Page 204/204") && last->contains("Sliding of the cover"))
            << jobs.toStdString() << last->toStdString();
        QFile csv(path("all.csv")), json(path("all.json"));
        ASSERT_TRUE(csv.open(QIODevice::ReadOnly) && json.open(QIODevice::ReadOnly));
        tables[jobs] = csv.readAll() + json.readAll();
    }
    EXPECT_EQ(tables["1"], tables["2"]);
    const QList<QByteArray> lines = tables["1"].left(tables["1"].indexOf('[')).split('\n');
    EXPECT_EQ(lines.size(), 1 + 200 + 1);  // header, records, the end of the last line
    EXPECT_TRUE(lines[0].startsWith("KEN,KOM,language,sigma_b,sigma_a,sigma_max,sigma_1,sigma_2,N,contact_phi1,"));
    EXPECT_TRUE(lines[1].startsWith("R003,\"Serie, \"\"A\"\"\",3,60,10,200,10,60,100,")) << lines[1].toStdString();
    EXPECT_EQ(tables["1"].count("\"KEN\": "), 200);
}

TEST_F(KvxSheetTest, TheCsvHoldsTheSheetsTableValuesInFullPrecision)
{
    const SheetRun run =
        sheet({QString::fromStdString(project.string()), "--pdf", path("sand.pdf"), "--csv", path("sand.csv")});
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    const std::optional<QString> text = toolOutput("pdftotext", {path("sand.pdf"), "-"});
    if (!text)
        GTEST_SKIP() << "needs pdftotext";
    const QString& sheetText = *text;
    QFile csv(path("sand.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    const QList<QByteArray> rows = csv.readAll().split('\n');
    const QList<QByteArray> cells = rows.at(1).trimmed().split(',');
    ASSERT_EQ(cells.size(), 39);
    int compared = 0;
    for (int i = 9; i < 29; ++i) {
        if (cells[i].isEmpty())
            continue;
        EXPECT_TRUE(cells[i].contains('.') || cells[i].size() <= 3) << cells[i].toStdString();  // not rounded
        // The sheet writes the locale's separator, the file always a point.
        const QString printed = QString::number(cells[i].toDouble(), 'f', 2);
        EXPECT_TRUE(sheetText.contains(printed) || sheetText.contains(QString(printed).replace(u'.', u',')))
            << printed.toStdString();
        ++compared;
    }
    EXPECT_EQ(compared, 14);  // φ1, a, c, adhesion, δ of the contact laws; a, c of the soil laws
    for (int i = 29; i < 39; ++i)
        EXPECT_TRUE(cells[i].isEmpty()) << "a record without a sliding check, column " << i;
}

// A record with a sliding check gets its results in the slope columns: here the published
// example (laws of constant angle: δ = 22°, φ = 30°; FS = 1.25 in the paper).
TEST_F(KvxSheetTest, TheSlidingCheckOfARecordIsInItsColumns)
{
    auto db = Connection::openFile(project.string());
    db->execute("UPDATE [E2] SET [A]=22,[C]=0,[AR]=22,[CR]=0,[AB]=30,[CB]=0,[ARB]=30,[CRB]=0");
    SlopeChecks::write(db, 1, SlidingCheck::Slope{SlidingCheck::degreesOf(3), 30, 0.3, 18, 1.5});
    db.reset();
    const SheetRun run = sheet({QString::fromStdString(project.string()), "--json", path("slope.json")});
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    QFile json(path("slope.json"));
    ASSERT_TRUE(json.open(QIODevice::ReadOnly));
    const QJsonObject row = QJsonDocument::fromJson(json.readAll()).array().at(0).toObject();
    EXPECT_NEAR(row["slope_beta"].toDouble(), 18.4349, 1e-4);
    EXPECT_NEAR(row["slope_sigma_n"].toDouble(), 5.1229, 1e-4);
    EXPECT_NEAR(row["slope_fs"].toDouble(), 1.2513, 1e-4);
    EXPECT_NEAR(row["slope_fs_infinite"].toDouble(), 1.2121, 1e-4);
    EXPECT_EQ(row["slope_fs_required"].toDouble(), 1.5);
}

// The tool reads the project as it is and leaves it so: a file in log mode gets no log, a
// failed --in-place no evaluation state, and a damaged file is neither drawn nor written.
TEST_F(KvxSheetTest, TheProjectIsLeftAsItWasWhateverItsState)
{
    const QString database = QString::fromStdString(project.string());
    Connection::openFile(project.string(), 30, Connection::Journal::WriteAhead)->execute("UPDATE [E1] SET [KOM]='x'");
    ASSERT_FALSE(fs::exists(project.string() + "-wal"));
    ASSERT_EQ(sheet({database, "--pdf", path("log.pdf")}).exitCode, 0);
    EXPECT_FALSE(fs::exists(project.string() + "-wal"));
    EXPECT_FALSE(fs::exists(project.string() + "-shm"));

    Connection::openFile(project.string())->execute("PRAGMA journal_mode=DELETE; UPDATE [E2] SET [SIB]=0");
    EXPECT_EQ(sheet({database, "--in-place", "--record", "Sand", "--pdf", path("bad.pdf")}).exitCode, 1);
    EXPECT_EQ(rows("SELECT [ID] FROM [A1]"), 0);

    // The head of the second page overwritten, as a failing disk leaves it.
    const QByteArray before = contents(database);
    {
        std::fstream file(project, std::ios::in | std::ios::out | std::ios::binary);
        file.seekp(4096);
        file << std::string(200, '\x5a');
    }
    const QByteArray damaged = contents(database);
    const SheetRun run = sheet({database, "--in-place", "--record", "Ton", "--pdf", path("damaged.pdf")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.errors.find("damaged"), std::string::npos) << run.errors;
    EXPECT_EQ(contents(database), damaged);
    EXPECT_FALSE(QFile::exists(path("damaged.pdf")));
    EXPECT_NE(before, damaged);
}

// Scripts read the tables: the same bytes whichever locale the user runs the tool in.
TEST_F(KvxSheetTest, TheTablesAreTheSameBytesInEveryLocale)
{
    const auto tables = [&](const char* locale) {
        const SheetRun run = sheet({QString::fromStdString(project.string()), "--all", "--csv", path("all.csv"),
                                    "--json", path("all.json")},
                                   environmentIn(locale));
        EXPECT_EQ(run.exitCode, 0) << locale << ": " << run.errors;
        QFile csv(path("all.csv")), json(path("all.json"));
        EXPECT_TRUE(csv.open(QIODevice::ReadOnly) && json.open(QIODevice::ReadOnly));
        return csv.readAll() + json.readAll();
    };
    const QByteArray expected = tables("C");
    EXPECT_TRUE(expected.contains("22.5")) << expected.toStdString();
    for (const char* locale : userLocales)
        EXPECT_EQ(tables(locale), expected) << locale;
}

TEST_F(KvxSheetTest, IdentifiersBeyondSixteenBitsDraw)
{
    auto db = Connection::openFile(project.string());
    for (const char* table : {"E1", "E2"})
        db->execute(std::string("UPDATE [") + table + "] SET [ID]=40000 WHERE [ID]=1");
    db.reset();
    const SheetRun run = sheet({QString::fromStdString(project.string()), "--in-place", "--pdf", path("big.pdf")});
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_EQ(rows("SELECT [ID] FROM [G0] WHERE [ID]=40000"), 6);
}

}  // namespace
