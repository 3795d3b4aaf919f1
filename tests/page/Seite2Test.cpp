#include "page/Seite2.h"
#include "FixedClock.h"
#include "TestSession.h"
#include "data/SlopeChecks.h"
#include "data/TestPoints.h"
#include "page/Seite1.h"
#include "platform/Locale.h"
#include "platform/RecordingSurface.h"
#include "platform/Variant.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

// The standard example of the veneer-cover analysis: a slope of 1 : 3, 30 m long, a cover of
// 0.3 m at 18 kN/m³, a contact of 22° and a soil of 30°, both constant (c = 0).
class Seite2Test : public ::testing::Test {
protected:
    void SetUp() override
    {
        SlopeChecks::write(session.cnnX(), 4, SlidingCheck::Slope{SlidingCheck::degreesOf(3), 30, 0.3, 18, 1.5});
        session.cnnX()->execute("INSERT INTO [E1] ([ID],[KEN],[KOM],[AKT],[SPR]) VALUES (4,'Folie','Deponie',1,3);"
                                "INSERT INTO [E2] VALUES (4,60,22,0,18,0,30,0,28,0,1,100,10,60,100)");
        Locale::setCurrent({Locale::German, ","});
    }
    static std::unique_ptr<Surface> recording(double width, double height)
    {
        return std::make_unique<RecordingSurface>(width, height);
    }
    std::unique_ptr<Seite1> loadFirst()
    {
        auto first = std::make_unique<Seite1>(session, clock, nullptr, recording);
        EXPECT_TRUE(first->load());
        return first;
    }
    static std::string allTexts(const Surface& surface)
    {
        std::string all;
        for (const auto& text : dynamic_cast<const RecordingSurface&>(surface).texts())
            all += text.text + "|";
        return all;
    }

    TestSession session;
    FixedClock clock;
};

TEST_F(Seite2Test, TheCheckOfTheRecordOnItsOwnNumberedPageOnScreenAndPaper)
{
    auto first = loadFirst();
    ASSERT_TRUE(first->state().slope);
    EXPECT_EQ(first->state().pageCount, 2);  // page 1 is "Seite 1/2" now
    Seite2 second(*first, recording);
    ASSERT_TRUE(second.result());
    EXPECT_NEAR(*second.result()->peak.fs, 1.2513, 5e-5);
    EXPECT_NEAR(second.result()->peak.fsInfinite, 1.2121, 5e-5);
    EXPECT_NEAR(*second.result()->residual.fs, 1.0118, 5e-5);  // δr = 18°, φr = 28°
    EXPECT_TRUE(second.rangeNotes().empty());

    // The curve runs from 1 : 1.5 to 1 : 5 and passes through the design point.
    const Seite2::Curve curve = second.curve();
    ASSERT_EQ(curve.n.size(), 71u);
    EXPECT_FLOAT_EQ(curve.n.front(), 1.5f);
    EXPECT_NEAR(curve.n.back(), 5, 1e-4);
    EXPECT_NEAR(curve.peak[30], *second.result()->peak.fs, 1e-4);  // n = 3
    EXPECT_TRUE(std::is_sorted(curve.peak.begin(), curve.peak.end()));
    for (std::size_t i = 0; i < curve.n.size(); ++i)
        EXPECT_LT(curve.residual[i], curve.peak[i]);

    second.draw();
    const std::string screen = allTexts(second.page()) + allTexts(second.box(21)) + allTexts(second.box(22));
    RecordingSurface paper(210 * Surface::twipsPerMillimetre, 297 * Surface::twipsPerMillimetre);
    second.DRUCKEN(paper);
    const std::string printed = allTexts(paper);
    for (const std::string& all : {screen, printed}) {
        for (const char* shown : {"2/2", "Gleitsicherheit", "1,25", "1,21", "5,12", "nicht erfüllt", "Folie"})
            EXPECT_NE(all.find(shown), std::string::npos) << shown << " in " << all;
    }
    EXPECT_TRUE(session.messages_.shown.empty());
}

// What the page says beside the result, by the record's range, its tests and its soil.
TEST_F(Seite2Test, NotesSayWhereTheResultStandsOnLessThanTheRecord)
{
    struct Case {
        const char* e2;          // assignment to the record
        bool tests;              // test results at σ' = 25 … 200
        double beta;             // slope angle, degrees
        const char* note;        // a word of the expected note; "" for none
        bool wedges;             // the wedges' factor is given
    };
    const Case cases[] = {
        {"[SIA]=1", false, 18.43, "", true},
        {"[SIA]=10", false, 18.43, "außerhalb von σa … σmax = 10 … 100", true},
        {"[SIA]=1", true, 18.43, "außerhalb der Versuchswerte (σ' = 25 … 200", true},
        {"[SIA]=1, [AB]=0, [CB]=0", false, 18.43, "nur die unendliche Böschung", false},
        {"[SIA]=1", false, 0, "", false},  // a stored slope that cannot be checked
    };
    for (const Case& c : cases) {
        session.cnnX()->execute(std::string("UPDATE [E2] SET [AB]=30, [CB]=0, ") + c.e2 + " WHERE [ID]=4");
        TestPoints::write(session.cnnX(), 4,
                          c.tests ? std::vector<ShearTestPoint>{{25, {10.0, 8.0, {}, {}}}, {200, {80.0, 60.0, {}, {}}}}
                                  : std::vector<ShearTestPoint>{});
        session.cnnX()->execute("UPDATE [E4] SET [BETA]=" + vb::exactText(c.beta) + " WHERE [ID]=4");
        auto first = loadFirst();
        Seite2 second(*first, recording);
        second.draw();
        const std::string table = allTexts(second.box(22));
        EXPECT_EQ(second.result().has_value(), c.beta > 0) << c.e2;
        if (second.result()) {
            EXPECT_EQ(second.result()->peak.fs.has_value(), c.wedges) << c.e2;
        }
        if (*c.note) {
            EXPECT_NE(table.find(c.note), std::string::npos) << c.e2 << ": " << table;
        } else if (c.beta > 0) {
            EXPECT_TRUE(second.rangeNotes().empty()) << c.e2 << ": " << second.rangeNotes().front();
        } else {
            EXPECT_NE(table.find(second.problem()), std::string::npos) << table;
            EXPECT_TRUE(second.curve().n.empty());
        }
    }
    // A length edited into the file beyond any number: the page shows "-" and says nothing.
    session.cnnX()->execute("UPDATE [E4] SET [BETA]=18.43, [LAENGE]=9e999 WHERE [ID]=4");
    auto first = loadFirst();
    Seite2 second(*first, recording);
    second.draw();
    EXPECT_NE(allTexts(second.box(22)).find("|-|"), std::string::npos) << allTexts(second.box(22));
    EXPECT_TRUE(session.messages_.shown.empty());
}

}  // namespace
