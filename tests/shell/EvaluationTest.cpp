#include "FixedClock.h"
#include "SuiteTree.h"
#include "data/SlopeChecks.h"
#include "platform/Clock.h"
#include "platform/PaperSurface.h"
#include "platform/VbError.h"
#include "shell/EvaluationRuns.h"
#include "shell/PageTools.h"
#include "shell/PrintService.h"
#include "shell/StatusPanel.h"
#include "shell/frmANZEIGEN.h"
#include "shell/frmMAIN.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

#include <gtest/gtest.h>

#include <fstream>

namespace fs = std::filesystem;

namespace {

using Answer = MessageService::Answer;

// Prints to PDF files, one per job, with a scripted page range (0 0: all pages).
class PdfPrinter : public PrintService {
public:
    explicit PdfPrinter(fs::path folder) : folder_(std::move(folder)) {}
    bool print(const std::string& document, int pages, int current,
               const std::function<void(int, Surface&)>& draw) override
    {
        named = document;
        offered = {pages, current};
        if (cancel)
            return false;
        auto sheet =
            PaperSurface::pdf(QString::fromStdString((folder_ / ("job" + std::to_string(++jobs) + ".pdf")).string()));
        const int first = from ? from : 1, last = to ? to : pages;
        for (int page = first; page <= last; ++page) {
            if (page > first)
                sheet->newPage();
            draw(page, *sheet);
            printed.push_back(page);
        }
        if (!sheet->finish() || refuse)
            throw VbError::of(VbError::PrinterError);
        return true;
    }
    fs::path folder_;
    int from = 0, to = 0, jobs = 0;
    bool cancel = false, refuse = false;  // refuse: a printer that does not take the job
    std::string named;
    std::pair<int, int> offered;
    std::vector<int> printed;
};

class EvaluationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        session = tree.session("source");
        ASSERT_TRUE(session->start());
        execute("INSERT INTO [E2] VALUES (1,60,22.5,-2,17,-1.5,35,-4,32,-3,10,100,10,60,100)");
        window = std::make_unique<frmMAIN>(*session);
        window->setClock(clock);
        window->setPrintService(printer);
        window->setOpenDocument([this](const std::string& path) {
            opened.push_back(path);
            return viewer;
        });
        window->runs().pauseMilliseconds = 0;
        window->show();
    }
    void execute(const std::string& sql) { session->cnnX()->execute(sql); }
    Variant value(const std::string& sql) { return Recordset(session->cnnX(), sql).field(0); }
    long count(const std::string& sql) { return Recordset(session->cnnX(), sql).recordCount(); }
    bool enabled(const char* name) { return window->action(name)->isEnabled(); }
    int pageWindows()
    {
        int pages = 0;
        for (QMdiSubWindow* sub : window->mdiArea()->subWindowList())
            pages += sub->widget() && sub->widget()->objectName() == u"mdiSEITE1";
        return pages;
    }

    SuiteTree tree;
    std::unique_ptr<SessionContext> session;
    FixedClock clock{46363.5};
    PdfPrinter printer{tree.root};
    std::vector<std::string> opened;
    bool viewer = true;  // whether a viewer opens the documents
    std::unique_ptr<frmMAIN> window;
};

TEST_F(EvaluationTest, TheEvaluateMenuFollowsTheEvaluationState)
{
    window->runs().mnuAUSWERTEN();
    EXPECT_EQ(value("SELECT [BONEU] FROM [A1] WHERE [ID]=1"), Variant(true));  // created
    EXPECT_FALSE(enabled("mnuBERECHNEN"));
    EXPECT_TRUE(enabled("mnuNEUBERECHNEN"));
    EXPECT_FALSE(enabled("mnuMBERECHNEN"));

    execute("UPDATE [A1] SET [BONEU]=false");
    window->runs().mnuAUSWERTEN();
    EXPECT_TRUE(enabled("mnuBERECHNEN"));

    execute("INSERT INTO [E1] ([ID],[KEN],[AKT]) VALUES (2,'Ton',1)");
    window->runs().mnuAUSWERTEN();
    EXPECT_FALSE(enabled("mnuBERECHNEN"));
    EXPECT_FALSE(enabled("mnuNEUBERECHNEN"));
    execute("UPDATE [E1] SET [AKT]=false");
    window->runs().mnuAUSWERTEN();
    EXPECT_FALSE(enabled("mnuNEUBERECHNEN"));
}

TEST_F(EvaluationTest, RecalculatingShowsThePageAndLeavesTheGeometryStored)
{
    execute("INSERT INTO [A1] VALUES (1,0)");
    window->runs().mnuNEUBERECHNEN();
    EXPECT_EQ(pageWindows(), 1);
    EXPECT_EQ(count("SELECT [ID] FROM [A1] WHERE [ID]=1"), 1);  // replaced, not doubled
    EXPECT_EQ(value("SELECT [BONEU] FROM [A1] WHERE [ID]=1"), Variant(false));
    EXPECT_EQ(count("SELECT [ID] FROM [G0] WHERE [ID]=1"), 6);
    EXPECT_EQ(value("SELECT [XMAX] FROM [G0] WHERE [ID]=1 AND [IDOBJEKT]=11").toSingle(), 100);
    // The page is in front with the keys; its activation hides panel 14.
    for (int number : {10, 11, 12, 13, 15})
        EXPECT_FALSE(window->panel(number)->isHidden()) << number;
    EXPECT_TRUE(window->panel(14)->isHidden());
    EXPECT_EQ(window->mdiArea()->activeSubWindow()->widget()->objectName(), "mdiSEITE1");
    EXPECT_FALSE(window->menu("mnuDATEI")->menuAction()->isEnabled());
    EXPECT_TRUE(session->GEAENDERT);
    EXPECT_TRUE(window->isEnabled());
    EXPECT_TRUE(tree.messages.shown.empty());

    window->runs().mnuBERECHNEN();
    EXPECT_EQ(pageWindows(), 2);
}

TEST_F(EvaluationTest, PrintingAllPagesOrOneOfThem)
{
    window->runs().mnuNEUBERECHNEN();
    window->runs().mnuBERECHNEN();
    window->panelClick(11);
    EXPECT_EQ(printer.offered.first, 2);
    EXPECT_EQ(printer.named, window->panel(6)->text().toStdString() + "-Seite1");  // as the page's document
    EXPECT_EQ(printer.printed, (std::vector<int>{1, 2}));
    printer.printed.clear();
    printer.from = printer.to = 1;
    window->panelClick(11);
    EXPECT_EQ(printer.printed, std::vector<int>{1});
    QFile pdf(QString::fromStdString((tree.root / "job2.pdf").string()));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(4).startsWith("%PDF"));
    printer.cancel = true;
    window->panelClick(11);  // a cancelled dialog ends the command without a message
    EXPECT_TRUE(tree.messages.shown.empty());
    // A job the printer did not take is no cancel: the user is told.
    printer.cancel = false;
    printer.refuse = true;
    window->panelClick(11);
    ASSERT_EQ(tree.messages.shown.size(), 1u);
    EXPECT_EQ(tree.messages.shown[0].text, "VB-Error: 482\nDruckerfehler");
}

// A record with a slope check: its second page waits behind the first, is shown through
// "Anzeigen", printed with it and closed with it.
TEST_F(EvaluationTest, ASlopeCheckHasASecondPageShownThroughAnzeigenPrintedAndClosedWithTheFirst)
{
    SlopeChecks::write(session->cnnX(), 1, SlidingCheck::Slope{SlidingCheck::degreesOf(3), 30, 0.3, 18, 1.5});
    window->runs().mnuNEUBERECHNEN();
    const auto page = [this](const char* name) {
        for (QMdiSubWindow* sub : window->mdiArea()->subWindowList()) {
            if (sub->widget() && sub->widget()->objectName() == QLatin1String(name))
                return sub;
        }
        return static_cast<QMdiSubWindow*>(nullptr);
    };
    ASSERT_TRUE(page("mdiSEITE1") && page("mdiSEITE2"));
    EXPECT_TRUE(page("mdiSEITE1")->isVisible());
    EXPECT_FALSE(page("mdiSEITE2")->isVisible());
    ASSERT_TRUE(page("mdiSEITE2")->widget()->findChild<QWidget*>("picBILD21"));

    frmANZEIGEN choose(*window->mdiArea(), 3);
    EXPECT_EQ(choose.pageCount(), 2);
    choose.txtSEITE()->setText("2");
    choose.cmdOK();
    EXPECT_TRUE(page("mdiSEITE2")->isVisible());
    EXPECT_FALSE(page("mdiSEITE1")->isVisible());

    window->panelClick(11);
    EXPECT_EQ(printer.printed, (std::vector<int>{1, 2}));
    window->panelClick(15);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(window->mdiArea()->subWindowList().size(), 1);  // the start screen alone
    EXPECT_TRUE(tree.messages.shown.empty());
}

TEST_F(EvaluationTest, ScreenCopiesStayInTheProjectsFolder)
{
    window->runs().mnuNEUBERECHNEN();
    window->panelClick(12);
    ASSERT_EQ(tree.messages.shown.size(), 1u);
    EXPECT_EQ(tree.messages.shown[0].title, "KOPIE");
    EXPECT_NE(tree.messages.shown[0].text.find("Vorgabe: Sand-1.bmp"), std::string::npos);
    const fs::path folder = tree.root / "TE0000.00" / "JPG";
    EXPECT_TRUE(fs::exists(folder / "Sand-1.bmp"));

    // A typed path never leaves the folder; an existing copy is replaced only when agreed.
    tree.messages.inputs = {std::string("../../escaped"), std::string(""), std::string("Sand-1")};
    window->panelClick(12);
    EXPECT_FALSE(fs::exists(tree.root / "escaped.bmp"));
    EXPECT_TRUE(fs::exists(folder / "_._.._escaped.bmp"));
    window->panelClick(12);  // an empty answer stores nothing
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 2);
    const auto written = fs::last_write_time(folder / "Sand-1.bmp");
    tree.messages.answers = {Answer::No};
    window->panelClick(12);
    EXPECT_NE(tree.messages.shown.back().text.find("existiert bereits"), std::string::npos);
    EXPECT_EQ(fs::last_write_time(folder / "Sand-1.bmp"), written);
}

// Another user of a shared project folder may put links where the tools write.
TEST_F(EvaluationTest, LinksPlantedInTheProjectFolderAreNeverWrittenThrough)
{
    const fs::path project = tree.root / "TE0000.00", privateFile = tree.root / "private.txt";
    std::ofstream(privateFile) << "mine";
    fs::create_directories(project / "JPG");
    fs::create_symlink(privateFile, project / "JPG" / "Sand-1.bmp");
    fs::create_symlink(privateFile, project / "Sand-Seite1.odt");
    window->runs().mnuNEUBERECHNEN();
    tree.messages.answers = {Answer::Yes, Answer::Yes};
    window->panelClick(12);
    EXPECT_NE(tree.messages.shown.back().text.find("Verweis"), std::string::npos) << tree.messages.shown.back().text;
    window->panelClick(13);
    EXPECT_NE(tree.messages.shown.back().text.find("Verweis"), std::string::npos) << tree.messages.shown.back().text;
    EXPECT_TRUE(opened.empty());

    // The folder of screen copies as a link into a private folder: nothing lands there.
    fs::remove_all(project / "JPG");
    fs::create_directories(tree.root / "elsewhere");
    fs::create_directory_symlink(tree.root / "elsewhere", project / "JPG");
    window->panelClick(12);
    EXPECT_NE(tree.messages.shown.back().text.find("nothing is written"), std::string::npos);
    EXPECT_TRUE(fs::is_empty(tree.root / "elsewhere"));
    std::ifstream kept(privateFile);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "mine");
}

TEST_F(EvaluationTest, RecordNamesWithSlashesMakeFilesInTheProjectFolder)
{
    execute("UPDATE [E1] SET [KEN]='Kies 0/32'");
    window->DATENSATZANZEIGE();
    window->runs().mnuNEUBERECHNEN();
    window->panelClick(12);
    EXPECT_NE(tree.messages.shown.back().text.find("Vorgabe: Kies 0_32-1.bmp"), std::string::npos);
    EXPECT_TRUE(fs::exists(tree.root / "TE0000.00" / "JPG" / "Kies 0_32-1.bmp"));
    window->panelClick(13);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], (tree.root / "TE0000.00" / "Kies 0_32-Seite1.odt").string());
    EXPECT_NE(tree.messages.shown.back().text.find("Die Seite wurde in " + opened[0]), std::string::npos);

    execute("UPDATE [E1] SET [KEN]='../../x'");
    window->DATENSATZANZEIGE();
    window->panelClick(13);
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(fs::path(opened[1]).parent_path(), tree.root / "TE0000.00");
}

TEST_F(EvaluationTest, TheWordToolWritesADocumentAndClosingLeavesTheStartScreen)
{
    window->runs().mnuNEUBERECHNEN();
    window->panelClick(13);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_TRUE(fs::exists(opened[0]));
    EXPECT_GT(fs::file_size(opened[0]), 10000u);
    window->panelClick(15);
    EXPECT_EQ(pageWindows(), 0);
    EXPECT_EQ(window->mdiArea()->subWindowList().size(), 1);  // the start screen
    EXPECT_TRUE(window->panel(10)->isHidden());
    EXPECT_TRUE(window->menu("mnuDATEI")->menuAction()->isEnabled());
}

TEST_F(EvaluationTest, CompactionReportsTheReductionAndKeepsTheWorkingCopyOnFailure)
{
    execute("CREATE TABLE [BALLAST] ([T] TEXT)");
    execute("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i<3000) "
            "INSERT INTO [BALLAST] SELECT printf('%.1000d', i) FROM n");
    execute("DROP TABLE [BALLAST]");
    window->mnuKOMPRIMIEREN();
    ASSERT_EQ(tree.messages.shown.size(), 1u);
    EXPECT_EQ(tree.messages.shown[0].text.rfind("Datenbank wurde um ", 0), 0u);
    EXPECT_NE(tree.messages.shown[0].text.find(" MB komprimiert !"), std::string::npos);
    EXPECT_EQ(tree.messages.shown[0].icon, MessageService::Icon::Information);
    EXPECT_EQ(count("SELECT [ID] FROM [E1]"), 1);  // cnnX works on the compacted copy
    EXPECT_LT(fs::file_size(session->XMDBPFAD()), 1000000u);
    // A small copy is measured in KB, with what its log holds folded in.
    window->mnuKOMPRIMIEREN();
    EXPECT_NE(tree.messages.shown.back().text.find(" KB komprimiert !"), std::string::npos)
        << tree.messages.shown.back().text;
    EXPECT_EQ(tree.messages.shown.back().text.find("auf 0 "), std::string::npos);

    // A temporary file that cannot be written: the working copy stays and cnnX stays open.
    fs::create_directories(tree.root / "BENUTZER" / "SOMMER" / "KVXTEMP.mdb" / "blocked");
    tree.messages.answers = {Answer::Ok};
    window->mnuKOMPRIMIEREN();
    EXPECT_EQ(tree.messages.shown.back().text.rfind("VB-Error: ", 0), 0u);
    EXPECT_EQ(count("SELECT [ID] FROM [E1]"), 1);
}

TEST_F(EvaluationTest, SavingALargeWorkingCopyOffersCompactionWithItsHelpTopic)
{
    execute("CREATE TABLE [BALLAST] ([T] TEXT)");
    execute("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i<11000) "
            "INSERT INTO [BALLAST] SELECT printf('%.1000d', i) FROM n");
    tree.messages.answers = {Answer::No};
    EXPECT_TRUE(window->mnuSPEICHERN());
    ASSERT_FALSE(tree.messages.shown.empty());
    const MessageService::Message& question = tree.messages.shown[0];
    EXPECT_EQ(question.text.rfind("Datenbank hat 1", 0), 0u) << question.text;
    EXPECT_NE(question.text.find(" MB erreicht! \nSoll die Datei komprimiert werden?"), std::string::npos);
    EXPECT_EQ(question.buttons, MessageService::Buttons::YesNo);
    EXPECT_EQ(question.help.context, 34);
    EXPECT_EQ(question.help.file, (tree.root / "source" / "KVX.hlp").string());
    EXPECT_FALSE(question.help.english);
}

TEST_F(EvaluationTest, DocumentsAreOfferedWhenTheyExist)
{
    window->mnuFRAGEZEICHEN();
    EXPECT_FALSE(enabled("mnuREADME"));
    EXPECT_FALSE(enabled("mnuHILFE"));
    std::ofstream(tree.root / "source" / "KVX.doc") << "ReadMe";
    window->mnuFRAGEZEICHEN();
    EXPECT_TRUE(enabled("mnuREADME"));
    EXPECT_FALSE(enabled("mnuHINWEISE"));
    window->action("mnuREADME")->trigger();
    EXPECT_EQ(opened.back(), (tree.root / "source" / "KVX.doc").string());
    EXPECT_TRUE(tree.messages.shown.empty());
    // Without a viewer the user is told, and where the document lies.
    viewer = false;
    window->action("mnuREADME")->trigger();
    ASSERT_EQ(tree.messages.shown.size(), 1u);
    EXPECT_EQ(tree.messages.shown[0].title, "?/ReadMe");
    EXPECT_EQ(tree.messages.shown[0].text, "Das Dokument KVX.doc konnte nicht geöffnet werden: kein Programm zum "
                                           "Anzeigen gefunden.\nEs liegt in " +
                                               (tree.root / "source").string() + ".");
    EXPECT_EQ(tree.messages.shown[0].buttons, MessageService::Buttons::Ok);
}

}  // namespace
