#include "FigureFixture.h"

namespace {

using Primitive = RecordingSurface::Primitive;

class TEXTTest : public FigureFixture {
protected:
    double height(const std::string& text, const SurfaceFont& font)
    {
        const SurfaceFont saved = box.font;
        box.font = font;
        const double h = box.textHeight(text);
        box.font = saved;
        return h;
    }
};

TEST_F(TEXTTest, AGreekRunStandsOnTheLatinBaselineAndThePlainRestFollowsIt)
{
    clsGRAFIK& g = framed();
    g.TEXT(10, 10, "{g,1}s' [kN/m²]", 0, 0, 0, 0);
    const auto runs = box.texts();
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].text, "σ");
    EXPECT_NEAR(runs[0].x1, 10, 1e-6);
    EXPECT_NEAR(runs[0].y1, 10, 1e-6);  // the same top as the Latin run of the same size
    EXPECT_EQ(runs[1].text, "' [kN/m²]");
    EXPECT_NEAR(runs[1].y1, 10, 1e-6);
    EXPECT_GT(runs[1].x1, 10.5);
    EXPECT_EQ(box.font, *g.fontSlot(0));  // the target's font is restored
}

TEST_F(TEXTTest, IndexRunsAreSmallerAndLowered)
{
    clsGRAFIK& g = framed();
    g.SCHRIFTEINSTELLUNGEN("", 10, 0, 0, 0, 0);
    g.TEXT(10, 10, "{t,5}ab", 0, 0, 0, 0);
    const auto runs = box.texts();
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].text, "ab");
    EXPECT_DOUBLE_EQ(runs[0].fontSize, 9);
    EXPECT_NEAR(runs[0].y1, 10 + 0.35 * height("ab", *g.fontSlot(4)), 1e-6);
}

TEST_F(TEXTTest, PlainTextUsesThePreparedBaseFont)
{
    clsGRAFIK& g = framed();
    g.SCHRIFTEINSTELLUNGEN("", 8, 0, 0, 0, 0);
    box.font.size = 14;  // the target's own font differs from slot 2
    g.TEXT(10, 10, "abc", 0, 0, 0, 0);
    ASSERT_EQ(box.texts().size(), 1u);
    EXPECT_DOUBLE_EQ(box.texts()[0].fontSize, 8);
    EXPECT_DOUBLE_EQ(box.font.size, 14);
}

TEST_F(TEXTTest, WorldTextsAreClippedWithAMillimetreOfTolerance)
{
    clsGRAFIK& g = framed();
    g.TEXT(-0.5f, 10, "x", 1, 0, 0, 0);  // 0.5 mm left of the plot area
    EXPECT_EQ(box.texts().size(), 1u);
    g.TEXT(-1.5f, 10, "x", 1, 0, 0, 0);
    EXPECT_EQ(box.texts().size(), 1u);
    g.TEXT(35, 30, "x", 1, 0, 0, 0);  // above the top edge
    EXPECT_EQ(box.texts().size(), 1u);
    EXPECT_TRUE(session.messages_.shown.empty());
}

TEST_F(TEXTTest, FrameCoordinatesAddTheFramePosition)
{
    clsGRAFIK& g = framed();
    g.EXDL = 20;
    g.EYDO = 5;
    g.TEXT(1, 1, "Titel", 2, 0, 0, 0);
    ASSERT_EQ(box.texts().size(), 1u);
    EXPECT_NEAR(box.texts()[0].x1, 21, 1e-6);
    EXPECT_NEAR(box.texts()[0].y1, 6, 1e-6);
}

TEST_F(TEXTTest, AlignmentCentresAndRotatesLabelsUpwards)
{
    clsGRAFIK& g = framed();
    const double w = box.textWidth("200"), h = box.textHeight("200");
    g.TEXT(40, 20, "200", 0, 0, 1, 0);
    EXPECT_NEAR(box.texts()[0].x1, 40 - w / 2, 1e-6);
    box.clear();
    g.TEXT(8, 20, "200", 0, 90, 1, 2);
    ASSERT_EQ(box.texts().size(), 1u);
    const Primitive label = box.texts()[0];
    EXPECT_EQ(label.angle, 90);
    const double pixel = 25.4 / 96;
    EXPECT_NEAR(label.x1, 8 - h, pixel);       // standing left of the anchor
    EXPECT_NEAR(label.y1, 20 + w / 2, pixel);  // starting below it, reading upwards
}

TEST_F(TEXTTest, ScientificNumbersAreRewrittenInTheCallersText)
{
    clsGRAFIK& g = framed();
    std::string number = "1,5E-03";
    g.TEXT(10, 10, number, 0, 0, 0, 0);
    EXPECT_EQ(number, "1,5*10{h,3}-03");
    ASSERT_EQ(box.texts().size(), 2u);
    EXPECT_EQ(box.texts()[1].text, "-03");
    EXPECT_LT(box.texts()[1].y1, 10);  // raised
}

TEST_F(TEXTTest, ABrokenTagStopsTheOutputWithAMessage)
{
    clsGRAFIK& g = framed();
    g.TEXT(10, 10, "Last {g} kN", 0, 0, 0, 0);
    ASSERT_EQ(box.texts().size(), 1u);
    EXPECT_EQ(box.texts()[0].text, "Last ");
    ASSERT_EQ(session.messages_.shown.size(), 1u);
    EXPECT_EQ(session.messages_.shown[0].title, "Text");
}

}  // namespace
