#include "SheetCommand.h"
#include "TestSession.h"
#include "ToolCommandLine.h"
#include "platform/Connection.h"

#include <QFile>

#include <gtest/gtest.h>

#include <sstream>

namespace {

// The command line read in the test's own process: what is refused, what is taken.
TEST(SheetCommandTest, TheCommandLineIsTakenOrRefusedWithStatusTwo)
{
    struct Case {
        QStringList arguments;
        int status;  // -1: taken
    };
    const Case cases[] = {
        {{"P.mdb"}, -1},
        {{}, ExitBadArguments},
        {{"P.mdb", "Q.mdb"}, ExitBadArguments},
        {{"P.mdb", "--unknown"}, ExitBadArguments},
        {{"P.mdb", "--dpi", "30"}, -1},
        {{"P.mdb", "--dpi", "1200"}, -1},
        {{"P.mdb", "--dpi", "29"}, ExitBadArguments},
        {{"P.mdb", "--dpi", "2400"}, ExitBadArguments},
        {{"P.mdb", "--dpi", "inf"}, ExitBadArguments},
        {{"P.mdb", "--dpi", "nan"}, ExitBadArguments},
        {{"P.mdb", "--dpi", "x"}, ExitBadArguments},
        {{"P.mdb", "--all", "--jobs", "64"}, -1},
        {{"P.mdb", "--all", "--jobs", "0"}, ExitBadArguments},
        {{"P.mdb", "--all", "--jobs", "65"}, ExitBadArguments},
        {{"P.mdb", "--all", "--jobs", "1.5"}, ExitBadArguments},
        {{"P.mdb", "--all", "--jobs", "x"}, ExitBadArguments},
        {{"P.mdb", "--all", "--record", "R1"}, ExitBadArguments},
        {{"P.mdb", "--all", "--png", "p.png"}, ExitBadArguments},
        {{"P.mdb", "--all", "--in-place"}, ExitBadArguments},
        {{"--help"}, ExitSuccess},
        {{"--version"}, ExitSuccess},
    };
    for (const Case& c : cases) {
        std::ostringstream out, err;
        const auto parsed = SheetCommand::parse(QStringList{"kvx-sheet"} + c.arguments, out, err);
        const std::string line = c.arguments.join(' ').toStdString();
        if (c.status < 0) {
            EXPECT_TRUE(std::holds_alternative<SheetCommand::Options>(parsed)) << line << ": " << err.str();
            continue;
        }
        ASSERT_TRUE(std::holds_alternative<int>(parsed)) << line;
        EXPECT_EQ(std::get<int>(parsed), c.status) << line;
        // A refusal says why and shows the help; help and version go to the output.
        EXPECT_NE((c.status == ExitSuccess ? out : err).str().find("kvx-sheet"), std::string::npos) << line;
    }
    // Without an output the sheet goes to sheet.pdf.
    std::ostringstream out, err;
    const auto parsed = SheetCommand::parse({"kvx-sheet", "P.mdb"}, out, err);
    EXPECT_EQ(std::get<SheetCommand::Options>(parsed).pdf, "sheet.pdf");
}

TEST(SheetCommandTest, ARunWritesTheTablesOfEveryRecordAndSaysWhichItLeftOut)
{
    TestSession session;
    const std::string project = (session.projectFolder() / "KVX.mdb").string();
    TestSession::makeProjectDatabase(project);
    auto db = Connection::openFile(project);
    db->execute("INSERT INTO [E1] ([ID],[KEN],[KOM],[AKT],[SPR]) VALUES (1,'Sand','',1,3),(2,'Ton','',0,1),"
                "(3,'Kies','',0,1)");
    db->execute("INSERT INTO [E2] VALUES (1,60,22.5,-2,17,-1.5,35,-4,32,-3,10,100,10,60,100)");
    db->execute("INSERT INTO [E2] VALUES (2,60,24,-3,14,-2,28,-4,16,-2.5,10,400,20,100,100)");
    db->execute("INSERT INTO [E2] VALUES (3,60,24,-3,14,-2,28,-4,16,-2.5,10,5,20,100,100)");  // σmax < σa
    db.reset();
    const std::string csv = (session.root() / "all.csv").string();
    SheetCommand::Options options;
    options.database = project;
    options.all = true;
    options.csv = csv;
    options.jobs = 2;
    std::ostringstream err;
    EXPECT_EQ(SheetCommand::run(options, err), ExitFailure);
    EXPECT_NE(err.str().find("1 of 3 records could not be evaluated"), std::string::npos) << err.str();
    EXPECT_NE(err.str().find("Kies"), std::string::npos) << err.str();
    QFile file(QString::fromStdString(csv));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    ASSERT_EQ(lines.size(), 4);  // header, two records, the end of the last line
    EXPECT_TRUE(lines[1].startsWith("Sand,")) << lines[1].toStdString();
    EXPECT_TRUE(lines[2].startsWith("Ton,")) << lines[2].toStdString();
}

}  // namespace
