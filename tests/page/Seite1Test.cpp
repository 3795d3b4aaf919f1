#include "page/Seite1.h"
#include "FixedClock.h"
#include "TestSession.h"
#include "data/TestPoints.h"
#include "data/clsDATEN.h"
#include "laws/ShearLaw.h"
#include "platform/Clock.h"
#include "platform/Locale.h"
#include "platform/RecordingSurface.h"
#include "platform/Recordset.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>

namespace {

class Progress : public Seite1::Progress {
public:
    void setValue(int value) override { values.push_back(value); }
    std::vector<int> values;
};

// A record: σb 60, contact a = 22.5, c = −2 (residual 17, −1.5), soil 35, −4 (32, −3),
// σ from 10 to 100 in 100 steps, Coulomb line through σ1 = 10 and σ2 = 60.
class Seite1Test : public ::testing::Test {
protected:
    void SetUp() override
    {
        Locale::setCurrent({Locale::German, ","});
        auto db = session.cnnX();
        db->execute("INSERT INTO [E1] ([ID],[KEN],[KOM],[AKT],[SPR]) VALUES (4,'Sand','Versuch 1',1,3)");
        db->execute("INSERT INTO [E2] VALUES (4,60,22.5,-2,17,-1.5,35,-4,32,-3,10,100,10,60,100)");
        db->execute("INSERT INTO [A1] VALUES (4,1)");
    }
    void set(const std::string& table, const std::string& assignment)
    {
        session.cnnX()->execute("UPDATE [" + table + "] SET " + assignment + " WHERE [ID]=4");
    }
    std::unique_ptr<Seite1> makePage()
    {
        return std::make_unique<Seite1>(session, clock, &progress, [this](double width, double height) {
            auto surface = std::make_unique<RecordingSurface>(width, height);
            surfaces.push_back(surface.get());
            return surface;
        });
    }
    float g0(int figure, const std::string& column)
    {
        clsDATEN data(session);
        data.ETABELLE = "G0";
        data.ESPIDW = 4;
        float value = 0;
        data.DTVS(column, value, {"IDOBJEKT", int16_t(figure)});
        return value;
    }
    static std::vector<std::string> texts(const Surface& surface)
    {
        std::vector<std::string> found;
        for (const auto& text : dynamic_cast<const RecordingSurface&>(surface).texts())
            found.push_back(text.text);
        return found;
    }
    static bool shows(const Surface& surface, const std::string& text)
    {
        const auto all = texts(surface);
        return std::find(all.begin(), all.end(), text) != all.end();
    }

    TestSession session;
    FixedClock clock;
    Progress progress;
    std::vector<RecordingSurface*> surfaces;
};

TEST_F(Seite1Test, LoadingComputesTheRecordAndStoresTheFittedRanges)
{
    auto page = makePage();
    ASSERT_TRUE(page->load());
    EXPECT_EQ(progress.values, (std::vector<int>{5, 20, 50, 65, 70, 80, 90, 100}));
    const PageState& s = page->state();
    ASSERT_EQ(s.values.grid.size(), 101u);
    EXPECT_EQ(s.values.grid.back(), 100);
    EXPECT_NEAR(s.values.phic, 22.1844, 1e-3);
    EXPECT_NEAR(s.values.cc, 0.38632, 1e-3);
    EXPECT_NEAR(s.values.phicr, 16.7648, 1e-3);
    EXPECT_NEAR(s.values.ccr, 0.26903, 1e-3);
    EXPECT_FALSE(s.BONEU);  // cleared in memory after loading

    EXPECT_EQ(g0(11, "XMAX"), 100);  // σmax 100 snaps to the candidate 100
    EXPECT_EQ(g0(12, "XMAX"), g0(11, "XMAX"));
    EXPECT_EQ(g0(12, "YMAX"), g0(11, "YMAX"));
    EXPECT_FLOAT_EQ(g0(11, "MX"), g0(11, "MY"));  // equal scales on both axes
    EXPECT_EQ(g0(14, "XMIN"), g0(13, "XMIN"));
    EXPECT_EQ(g0(14, "YMAX"), g0(13, "YMAX"));
    EXPECT_EQ(g0(15, "XMAX"), 100);
    EXPECT_EQ(g0(15, "YMAX"), 1);
    for (float f : s.values.f) {
        EXPECT_GT(f, 0.5f);
        EXPECT_LE(f, 1);
    }
    EXPECT_NEAR(s.values.f[50], 24.85281f / (55 * std::tan(ShearLaw::degree * (35 - 4 * std::log10(55 / 60.0f)))), 0.5);
    EXPECT_TRUE(session.messages_.shown.empty());
}

TEST_F(Seite1Test, TheTablesShowTwoDecimalsAndDashesWithoutSoil)
{
    auto page = makePage();
    ASSERT_TRUE(page->load());
    const Surface& tables = page->box(17);
    for (const char* cell : {"24,06", "18,17", "22,50", "-2,00", "35,00", "-3,00", "0,39", "22,18", "0,27", "16,76",
                             "Scherparameter", "Mohrsche Bruchbedingung", "Coulombsche Bruchbedingung"})
        EXPECT_TRUE(shows(tables, cell)) << cell;

    set("E2", "[AB]=0");
    set("E1", "[SPR]=1");
    auto english = makePage();
    ASSERT_TRUE(english->load());
    const auto cells = texts(english->box(17));
    EXPECT_EQ(std::count(cells.begin(), cells.end(), "-"), 4);
    EXPECT_TRUE(shows(english->box(17), "Shear parameter"));
    EXPECT_TRUE(shows(english->box(17), "Mohr failure criterion"));
    EXPECT_FALSE(shows(english->box(17), "35,00"));
}

TEST_F(Seite1Test, StoredGeometryIsKeptWithoutTheRebuildFlag)
{
    auto first = makePage();
    ASSERT_TRUE(first->load());
    clsDATEN data(session);
    data.ETABELLE = "G0";
    data.ESPIDW = 4;
    data.DVTS("RL", 20, {"IDOBJEKT", int16_t(11)});
    data.DVTS("YMAX", 200, {"IDOBJEKT", int16_t(11)});
    set("A1", "[BONEU]=0");
    auto kept = makePage();
    ASSERT_TRUE(kept->load());
    EXPECT_EQ(g0(11, "RL"), 20);
    EXPECT_EQ(g0(11, "YMAX"), 200);  // the y maximum stays as stored
    EXPECT_EQ(g0(11, "XMAX"), 100);  // the x maximum is always fitted
    set("A1", "[BONEU]=1");
    auto rebuilt = makePage();
    ASSERT_TRUE(rebuilt->load());
    EXPECT_EQ(g0(11, "RL"), 10);
}

TEST_F(Seite1Test, RecordsThatCannotBeDrawnAreRefusedBeforeDrawing)
{
    set("E2", "[SIMAX]=10, [N]=0");
    auto page = makePage();
    EXPECT_FALSE(page->load());
    ASSERT_EQ(session.messages_.shown.size(), 1u);
    const std::string& text = session.messages_.shown[0].text;
    EXPECT_NE(text.find("Sand"), std::string::npos);
    EXPECT_NE(text.find("σmax = 10 muss größer als σa = 10 sein."), std::string::npos);
    EXPECT_NE(text.find("N = 0"), std::string::npos);
    for (const RecordingSurface* surface : surfaces)
        EXPECT_TRUE(surface->primitives.empty());
    EXPECT_EQ(g0(11, "RL"), 0);  // no geometry written
}

TEST_F(Seite1Test, ImportedOrHandEditedRecordsMeetTheFormsRules)
{
    // What the form refuses at "OK" the page refuses when it arrives otherwise.
    const std::pair<const char*, const char*> impossible[] = {
        {"[SIA]=0", "σa = 0 muss größer als 0 sein."},
        {"[A]=90", "a = 90° muss zwischen -90° und 90° liegen."},
        {"[SI2]=600", "σ2 = 600 muss zwischen σa = 10 und σmax = 100 liegen."},
        {"[SIA]=1e39", "Überlauf (Tabelle E2, Spalte SIA)"},
        {"[A]='3x'", "Typen unverträglich (Tabelle E2, Spalte A)"},
    };
    for (const auto& [assignment, problem] : impossible) {
        session.cnnX()->execute("UPDATE [E2] SET [SIA]=10,[A]=22.5,[SI2]=60 WHERE [ID]=4");
        set("E2", assignment);
        session.messages_.shown.clear();
        EXPECT_FALSE(makePage()->load()) << assignment;
        ASSERT_EQ(session.messages_.shown.size(), 1u) << assignment;
        EXPECT_NE(session.messages_.shown[0].text.find(problem), std::string::npos) << session.messages_.shown[0].text;
    }
}

TEST_F(Seite1Test, DamagedStoredGeometryGivesOneMessagePerFigureAndNoCrash)
{
    auto page = makePage();
    ASSERT_TRUE(page->load());
    // Stored figure data damaged by hand, and a record identifier beyond 16 bits.
    session.cnnX()->execute("UPDATE [G0] SET [XMIN]='abc',[MX]='x',[RL]='q'");
    for (const char* table : {"E1", "E2", "A1", "G0"})
        session.cnnX()->execute(std::string("UPDATE [") + table + "] SET [ID]=40000");
    session.messages_.shown.clear();
    page = makePage();
    page->load();
    RecordingSurface paper(210 * Surface::twipsPerMillimetre, 297 * Surface::twipsPerMillimetre);
    page->DRUCKEN(paper);
    std::map<std::string, int> perTitle;
    for (const auto& message : session.messages_.shown)
        ++perTitle[message.title];
    for (const auto& [title, count] : perTitle)
        EXPECT_EQ(count, 1) << title;
    EXPECT_LE(session.messages_.shown.size(), 8u);
}

TEST_F(Seite1Test, TheReductionFactorIsDrawnOnlyWhereTheSoilHasAStrengthLaw)
{
    const auto blueLines = [](const Surface& box) {
        std::size_t count = 0;
        for (const auto& line : dynamic_cast<const RecordingSurface&>(box).lines())
            count += line.color == Surface::rgb(0, 0, 255) ? 1 : 0;
        return count;
    };
    // Without soil values: frame and axes, no curve, and a note why.
    set("E2", "[AB]=0, [CB]=0, [ARB]=0, [CRB]=0");
    auto page = makePage();
    ASSERT_TRUE(page->load());
    EXPECT_EQ(blueLines(page->box(15)), 0u);
    EXPECT_TRUE(shows(page->box(15), "keine Bodenwerte"));

    // A soil law that loses its strength below some stress: the curve stops there (a gap, not f = 1).
    set("E2", "[AB]=5, [CB]=10, [ARB]=5, [CRB]=10");  // φ ≤ 0 for σ ≤ 60 · 10^-0.5 ≈ 19
    surfaces.clear();
    page = makePage();
    ASSERT_TRUE(page->load());
    const std::size_t drawn = blueLines(page->box(15));
    EXPECT_GT(drawn, 0u);
    EXPECT_LT(drawn, 100u);  // fewer segments than grid steps
    for (float f : page->state().values.f)
        EXPECT_TRUE(std::isnan(f) || (f > 0 && f <= 1)) << f;
    EXPECT_TRUE(std::isnan(page->state().values.f.front()));
}

TEST_F(Seite1Test, AxesHoldTheDataFromLandfillCoversToHeapLeachLiners)
{
    const std::pair<const char*, float> ranges[] = {
        {"[SIA]=10, [SIMAX]=200, [SI1]=10, [SI2]=60", 200},  // inside the classic lists: as ever
        {"[SIA]=10, [SIMAX]=2500, [SI1]=10, [SI2]=600", 3000},
        {"[SIA]=0.5, [SIMAX]=3, [SI1]=0.5, [SI2]=2", 4},
    };
    for (const auto& [assignment, xmax] : ranges) {
        set("E2", assignment);
        set("A1", "[BONEU]=1");
        surfaces.clear();
        auto page = makePage();
        ASSERT_TRUE(page->load()) << assignment;
        EXPECT_FLOAT_EQ(page->state().XMAX11, xmax) << assignment;
        EXPECT_GE(page->state().YMAX11, page->state().values.tau.back()) << assignment;
        // Neighbouring labels never read alike.
        const auto labels = texts(page->box(11));
        for (std::size_t i = 1; i < labels.size(); ++i) {
            if (!labels[i].empty() && std::isdigit(static_cast<unsigned char>(labels[i][0]))) {
                EXPECT_NE(labels[i], labels[i - 1]) << assignment;
            }
        }
    }
}

TEST_F(Seite1Test, EqualCoulombStressesLeaveOutTheCoulombLines)
{
    set("E2", "[SI2]=10");
    auto page = makePage();
    ASSERT_TRUE(page->load());
    ASSERT_EQ(session.messages_.shown.size(), 1u);  // one notice, no error boxes
    EXPECT_NE(session.messages_.shown[0].text.find("σ1 und σ2 sind gleich"), std::string::npos);
    EXPECT_FALSE(page->state().values.coulomb);
    EXPECT_FALSE(shows(page->box(17), "0,39"));
    EXPECT_TRUE(shows(page->box(17), "22,50"));
}

TEST_F(Seite1Test, HeaderTitleOnlyForAKnownPageLanguage)
{
    auto page = makePage();
    ASSERT_TRUE(page->load());
    EXPECT_TRUE(shows(page->page(), "Tarvelo"));
    EXPECT_TRUE(shows(page->page(), "Datensatz Sand"));
    EXPECT_TRUE(shows(page->page(), "Bearbeiter: PRUEFER"));
    set("E1", "[SPR]=0");
    auto silent = makePage();
    ASSERT_TRUE(silent->load());
    EXPECT_FALSE(shows(silent->page(), "Tarvelo"));
    EXPECT_FALSE(shows(silent->box(11), "Kontaktscherfestigkeit"));
}

TEST_F(Seite1Test, PrintingPutsTheWideTableOnPaperAndRestoresTheScreen)
{
    auto page = makePage();
    ASSERT_TRUE(page->load());
    const auto screenBefore = texts(page->box(17));
    RecordingSurface paper(210 * 56.7, 297 * 56.7, 300, true);
    page->DRUCKEN(paper);
    EXPECT_TRUE(shows(paper, "Kontaktscherfestigkeit "));  // a row label of figure 17D
    EXPECT_TRUE(shows(paper, "Tarvelo"));
    EXPECT_TRUE(shows(paper, "Coulombsche Bruchbedingung"));
    EXPECT_FALSE(shows(paper, "K. scherf. "));  // figures 17 and 18 stay on the screen
    EXPECT_EQ(texts(page->box(17)), screenBefore);
    EXPECT_TRUE(session.messages_.shown.empty());

    // Figure 11 sits 15 mm from the left and 40 mm from the top of the sheet; its title 1 mm inside.
    const auto* title = paper.findText("Mohrsche und Coulombsche Bruchbedingung");
    ASSERT_NE(title, nullptr);
    EXPECT_NEAR(title->x1, 16, 1e-3);
    EXPECT_NEAR(title->y1, 41, 1e-3);
    EXPECT_EQ(page->state().figure(11).EXDL, 0);  // the screen objects are back
    page->KONTEXT(false, true, 0xFFFFFF, 0xFFFFFF);
    RecordingSurface bare(210 * 56.7, 297 * 56.7, 300, true);
    page->DRUCKEN(bare);
    EXPECT_FALSE(shows(bare, "Tarvelo"));
    EXPECT_TRUE(shows(bare, "Scherparameter"));
}

// What a sheet put on paper: every primitive in order, as text.
std::vector<std::string> printed(const RecordingSurface& paper)
{
    std::vector<std::string> all;
    for (const auto& p : paper.primitives) {
        char line[200];
        std::snprintf(line, sizeof line, "%d %.4f %.4f %.4f %.4f %.4f %g ", p.kind, p.x1, p.y1, p.x2, p.y2, p.radius,
                      p.width);
        all.push_back(line + p.text);
    }
    return all;
}

TEST_F(Seite1Test, APageThatIsOnlyLaidOutPrintsTheSameSheetAsADrawnOne)
{
    std::vector<std::vector<std::string>> sheets;
    for (const auto& surfaces : {Seite1::screen(96), Seite1::unseen(96)}) {
        TestSession fresh;
        fresh.cnnX()->execute("INSERT INTO [E1] ([ID],[KEN],[KOM],[AKT],[SPR]) VALUES (4,'Sand','Versuch 1',1,3)");
        fresh.cnnX()->execute("INSERT INTO [E2] VALUES (4,60,22.5,-2,17,-1.5,35,-4,32,-3,10,100,10,60,100)");
        Seite1 page(fresh, clock, nullptr, surfaces);
        ASSERT_TRUE(page.load());
        RecordingSurface paper(210 * 56.7, 297 * 56.7, 300, true);
        page.DRUCKEN(paper);
        sheets.push_back(printed(paper));
    }
    EXPECT_GT(sheets[0].size(), 500u);
    EXPECT_EQ(sheets[0], sheets[1]);
}

TEST_F(Seite1Test, LoadingAndPrintingLeaveTheirGeometryCommitted)
{
    // Another connection sees only committed rows: the page's unit of work is closed.
    const auto committedG0Rows = [this] {
        Recordset rows(Connection::openFile(session.cnnX()->path()), "SELECT COUNT(*) FROM [G0] WHERE [ID]=4");
        return rows.field(0).toLong();
    };
    auto page = makePage();
    ASSERT_TRUE(page->load());
    EXPECT_EQ(committedG0Rows(), 6);
    RecordingSurface paper(210 * 56.7, 297 * 56.7, 300, true);
    page->DRUCKEN(paper);
    page->ZOOM(120);
    EXPECT_EQ(committedG0Rows(), 6);
    set("E2", "[SIA]=100, [SIMAX]=10");  // refused: the stored geometry stays
    EXPECT_FALSE(makePage()->load());
    EXPECT_EQ(committedG0Rows(), 6);
    session.cnnX()->execute("DELETE FROM [G0]");  // the connection itself is free to write
}

TEST_F(Seite1Test, TestResultsAreMarkedInsideTheAxesAndTheirFitsNamedBelowTheTables)
{
    const auto circles = [](const Surface& box) {
        return dynamic_cast<const RecordingSurface&>(box).ofKind(RecordingSurface::Primitive::Circle).size();
    };
    const auto noteWith = [](const Surface& box, const std::string& part) {
        for (const auto& text : dynamic_cast<const RecordingSurface&>(box).texts()) {
            if (text.text.find(part) != std::string::npos)
                return true;
        }
        return false;
    };
    auto page = makePage();
    ASSERT_TRUE(page->load());
    for (const int figure : {11, 12, 13, 14})
        EXPECT_EQ(circles(page->box(figure)), 0u) << figure;
    EXPECT_FALSE(noteWith(page->box(17), "Anpassung"));

    // Peak angles 32°, 30°, 25° at σ'/σb = 0.1, 1, 10 (fit a = 29, c = −3.5, R² = 1 − 1.5/26);
    // σ' = 600 lies beyond σmax = 100 and 32° above the curves: the axes take them in.
    const auto tauAt = [](double sigma, double phi) { return sigma * std::tan(phi * M_PI / 180); };
    TestPoints::write(session.cnnX(), 4,
                      {{6, {tauAt(6, 32), tauAt(6, 26)}},
                       {60, {tauAt(60, 30), tauAt(60, 24)}},
                       {600, {tauAt(600, 25), std::nullopt}}});
    page = makePage();
    ASSERT_TRUE(page->load());
    EXPECT_EQ(circles(page->box(11)), 3u);
    EXPECT_EQ(circles(page->box(12)), 2u);
    EXPECT_EQ(circles(page->box(13)), 3u);
    EXPECT_EQ(circles(page->box(14)), 2u);
    EXPECT_GE(g0(11, "XMAX"), 600);
    EXPECT_LE(g0(13, "XMIN"), 0.1f);
    EXPECT_GE(g0(13, "XMAX"), 10);
    EXPECT_GE(g0(13, "YMAX"), 32);
    EXPECT_TRUE(noteWith(page->box(17), ": Anpassung an 3 Versuchswerte, R² = 0,942"));
    EXPECT_TRUE(noteWith(page->box(17), ": Anpassung an 2 Versuchswerte, R² = 1,000"));

    set("E1", "[SPR]=1");
    page = makePage();
    ASSERT_TRUE(page->load());
    RecordingSurface paper(210 * 56.7, 297 * 56.7, 300, true);
    page->DRUCKEN(paper);
    // English words, but the session's separator as in the table cells above the note.
    EXPECT_TRUE(noteWith(paper, ": Fitted to 3 test results, R² = 0,942"));
    EXPECT_TRUE(session.messages_.shown.empty());
}

}  // namespace
