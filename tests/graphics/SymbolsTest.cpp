#include "ErrorNumber.h"
#include "FigureFixture.h"
#include "graphics/CircleArc.h"
#include "graphics/clsROTATOR.h"

namespace {

using Primitive = RecordingSurface::Primitive;

using SymbolsTest = FigureFixture;

TEST_F(SymbolsTest, RotatedLabelsAreOneAndAQuarterTimesTheirFontHigh)
{
    EXPECT_EQ(clsROTATOR::cellHeight(96, 10), 15);  // 960 \ 72 = 13, × 1.175 = 15.275
    EXPECT_EQ(clsROTATOR::cellHeight(96, 8), 12);   // 768 \ 72 = 10, × 1.175 = 11.75
    clsROTATOR rotator;
    EXPECT_EQ(errorNumber([&] { rotator.Label("x"); }), VbError::ObjectNotSet);
    rotator.Device(box);
    rotator.Angle = 90;
    box.currentX = 20;
    box.currentY = 30;
    box.font.size = 10;
    rotator.Label("Bild");
    ASSERT_EQ(box.texts().size(), 1u);
    EXPECT_EQ(box.texts()[0].angle, 90);
    const double pixels = 56.7 * 96 / 1440;  // per millimetre
    EXPECT_NEAR(box.texts()[0].x1, std::nearbyint(20 * pixels) / pixels, 1e-9);
    EXPECT_DOUBLE_EQ(box.currentX, 20);  // the position does not move on
    box.font.name = std::string(40, 'A');
    EXPECT_EQ(errorNumber([&] { rotator.Label("x"); }), VbError::SubscriptOutOfRange);
}

TEST_F(SymbolsTest, ArrowheadsAreClosedTrianglesWithShortBarbsOnShortLines)
{
    clsGRAFIK& g = framed();
    const auto length = [](const Primitive& line) { return std::hypot(line.x2 - line.x1, line.y2 - line.y1); };
    g.PFEIL(20, 20, 23, 20);
    const auto lines = box.lines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_NEAR(length(lines[0]), 1.5, 1e-4);
    EXPECT_NEAR(length(lines[1]), 1.5, 1e-4);
    EXPECT_NEAR(std::min(lines[0].x1, lines[0].x2), 23 - 1.5 * std::cos(0.2618), 1e-4);  // back towards the tail
    box.clear();
    g.PFEIL(20, 20, 40, 20);
    EXPECT_NEAR(length(box.lines()[0]), 2.5, 1e-4);
    box.clear();
    g.PFEIL(20, 20, 20, 20);
    for (const auto& line : box.lines())
        EXPECT_NEAR(std::hypot(line.x2 - line.x1, line.y2 - line.y1), 0, 1e-6);
}

TEST_F(SymbolsTest, CirclesInsideTheAreaAreDrawnWholeAndCutOnesInPieces)
{
    clsGRAFIK& g = framed();
    g.KREIS(45, 20, 5, 0, 0, 0, -1, 0);
    auto circles = box.ofKind(Primitive::Circle);
    ASSERT_EQ(circles.size(), 2u);
    EXPECT_EQ(circles[0].start, 0);
    EXPECT_EQ(circles[0].end, 0);               // a full turn
    EXPECT_NEAR(circles[1].radius, 0.5, 1e-6);  // the centre mark

    const auto pieces = CircleArc::visible({10, 80, 7, 34}, 10, 20, 5, 0, 2 * M_PI);
    ASSERT_TRUE(pieces);
    ASSERT_EQ(pieces->size(), 2u);  // the right half, split at angle 0
    EXPECT_NEAR(pieces->front().first, 0, 1e-9);
    EXPECT_NEAR(pieces->front().second, M_PI / 2, 1e-9);
    EXPECT_NEAR(pieces->back().first, 3 * M_PI / 2, 1e-9);
}

TEST_F(SymbolsTest, ACircleTouchingAnEdgeOnceIsReported)
{
    clsGRAFIK& g = framed();
    g.KREIS(45, 12, 5, 0, 0, 0, 0, 0);  // touches the top edge at one point
    ASSERT_EQ(session.messages_.shown.size(), 1u);
    EXPECT_EQ(session.messages_.shown[0].title, "Bogen");
    EXPECT_EQ(session.messages_.shown[0].text, "Ungerade Anzahl von Schnittpunkten des Kreises mit den Grenzen");
    EXPECT_TRUE(box.ofKind(Primitive::Circle).empty());
}

TEST_F(SymbolsTest, EngineeringSymbolsDrawInsideThePlotArea)
{
    clsGRAFIK& g = framed();
    writeFrame(11, 0, 70, 0, 27);
    g.GELAENDESCHRAFFUR(20, 20, 30, 0, 0, 0);
    g.KOTENDREIECK(50, 20, 4, 0, 1, 1);
    g.SCHNITTKRAFT(10, 5, 50, 5, 2, 1, 3);
    std::vector<float> x{10, 30, 50}, y{5, 5, 5};
    g.LASTFLAECHEN(x, y, 20, 1);
    EXPECT_GT(box.lines().size(), 30u);
    for (const auto& line : box.lines()) {
        EXPECT_GE(std::min(line.x1, line.x2), 10 - 1e-3);
        EXPECT_LE(std::max(line.y1, line.y2), 34 + 1e-3);
    }
    EXPECT_TRUE(session.messages_.shown.empty());
}

}  // namespace
