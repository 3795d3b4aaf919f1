#include "FigureFixture.h"

namespace {

using Primitive = RecordingSurface::Primitive;

class POLYGONTest : public FigureFixture {
protected:
    std::vector<Primitive> draw(std::vector<float> x, std::vector<float> y)
    {
        box.clear();
        graphic->POLYGON(x, y);
        return box.lines();
    }
    static void expectLine(const Primitive& line, double x1, double y1, double x2, double y2)
    {
        EXPECT_NEAR(line.x1, x1, 1e-4);
        EXPECT_NEAR(line.y1, y1, 1e-4);
        EXPECT_NEAR(line.x2, x2, 1e-4);
        EXPECT_NEAR(line.y2, y2, 1e-4);
    }
};

TEST_F(POLYGONTest, CurvesAreClippedAtThePlotArea)
{
    framed();
    EXPECT_TRUE(draw({100, 120}, {5, 5}).empty());  // entirely right of the area
    auto lines = draw({35, 100}, {10, 10});
    ASSERT_EQ(lines.size(), 1u);
    expectLine(lines[0], 45, 24, 80, 24);  // ends on the right edge
    lines = draw({60, 80}, {0, 20});
    ASSERT_EQ(lines.size(), 1u);
    expectLine(lines[0], 70, 34, 80, 24);
    lines = draw({30, 30}, {10, 40});
    ASSERT_EQ(lines.size(), 1u);
    expectLine(lines[0], 40, 7, 40, 24);  // cut at the top edge
    lines = draw({80, -20}, {-10, 40});
    ASSERT_EQ(lines.size(), 1u);  // across two corners, cut at top and bottom, left to right
    expectLine(lines[0], 16, 7, 70, 34);
    EXPECT_TRUE(draw({-10, 4}, {22, 36}).empty());  // passes beside the top left corner
    EXPECT_TRUE(draw({30}, {10}).empty());          // one point, no segment
    EXPECT_TRUE(session.messages_.shown.empty());
}

TEST_F(POLYGONTest, LogarithmicAxesReplaceTheCallersValues)
{
    clsGRAFIK& g = framed();
    g.ESKTX = 1;
    std::vector<float> x{1, 10, 100, 0}, y{1, 2, 3, 4};
    g.POLYGON(x, y);
    EXPECT_EQ(x, (std::vector<float>{0, 1, 2, 0}));  // a value not above 0 lands on 0
    EXPECT_EQ(y, (std::vector<float>{1, 2, 3, 4}));
}

TEST_F(POLYGONTest, TheMaskLiftsThePen)
{
    clsGRAFIK& g = framed();
    std::vector<float> x{5, 15, 25, 35}, y{5, 5, 5, 5};
    const std::vector<int16_t> mask{1, 0, 1};
    g.POLYGON(x, y, 0, 0, 0, "", 0, 0, 0, &mask);
    const auto lines = box.lines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_NEAR(lines[0].x1, 15, 1e-4);
    EXPECT_NEAR(lines[1].x1, 35, 1e-4);
}

TEST_F(POLYGONTest, SymbolsColoursAndTextsDecorateChosenPoints)
{
    clsGRAFIK& g = framed();
    box.foreColor = Surface::rgb(0, 0, 0);
    std::vector<float> x{5, 15, 25, 35, 45}, y{5, 6, 7, 8, 9};
    g.POLYGON(x, y, 2, 3, 1, "A", 0, 1, -1);
    const auto discs = box.ofKind(Primitive::Circle);
    ASSERT_EQ(discs.size(), 2u);  // first and last point
    EXPECT_TRUE(discs[0].filled);
    EXPECT_EQ(discs[0].color, Surface::rgb(255, 0, 0));
    EXPECT_NEAR(discs[1].x1, 55, 1e-4);
    ASSERT_EQ(texts(), std::vector<std::string>{"A"});
    EXPECT_EQ(box.lines().front().color, Surface::rgb(255, 0, 0));
    EXPECT_EQ(box.lines().size(), 4u + 3u);  // the curve and one arrowhead at its end
    EXPECT_EQ(box.foreColor, 0u);            // restored

    box.clear();
    x = {5, 15, 25, 35, 45};
    g.POLYGON(x, y, 3, 6);  // every second point: 0, 2, 4
    EXPECT_EQ(box.lines().size(), 4u + 3 * 2u);
}

TEST_F(POLYGONTest, ArraysOfDifferentLengthAreReported)
{
    clsGRAFIK& g = framed();
    std::vector<float> x{1, 2, 3}, y{1, 2};
    session.messages_.answers = {MessageService::Answer::Cancel};
    g.POLYGON(x, y);
    ASSERT_EQ(session.messages_.shown.size(), 1u);
    EXPECT_EQ(session.messages_.shown[0].title, "Polygon");
    EXPECT_TRUE(box.lines().empty());
}

}  // namespace
