#include "FigureFixture.h"
#include "platform/ScrollBar.h"

namespace {

class SKALENTest : public FigureFixture {
protected:
    // Figure 11's x axis: stresses 0 … 1000 kN/m²; a small y list.
    clsGRAFIK& shearFigure()
    {
        clsGRAFIK& g = figure();
        g.EBOXMAX = -1;
        g.EBOYMAX = -1;
        g.ELXMIN = {0, 20, 40, 60, 80, 100, 200, 400, 600, 800, 1000};
        g.ELXDIFF = {20, 40, 60, 80, 100, 200, 400, 600, 800, 1000};
        g.ELXIT = {2, 4, 3, 4, 5, 4, 4, 3, 4, 5};
        g.ELXGIT(std::vector<float>(10, 1));
        g.ELXZL = g.ELXIT;
        g.ESKZX = "#0";
        g.ETEXTX = "{g,1}s' [kN/m²]";
        g.ELYMIN = {0, 50, 100, 150, 200, 300};
        g.ELYDIFF = {50, 100, 150, 200, 300};
        g.ELYIT = {5, 4, 3, 4, 3};
        g.ELYGIT(std::vector<float>(5, 1));
        g.ELYZL = g.ELYIT;
        g.ESKZY = "#0";
        g.ETEXTY = "{g,1}t{t,1}f [kN/m²]";
        return g;
    }
};

TEST_F(SKALENTest, AFinalPassFitsStoresAndDrawsTheAxes)
{
    writeFrame(11, 0, 0, 0, 0, 0, 0, 1);
    clsGRAFIK& g = shearFigure();
    g.SKALEN(-1, {10, 350}, {5, 160});
    EXPECT_EQ(g.XMAX(), 400);
    EXPECT_EQ(g.YMAX(), 200);
    EXPECT_EQ(readG0("XMAX"), 400);  // automatic limits are written back
    EXPECT_EQ(readG0("YMAX"), 200);
    // Plot area 70 x 27 mm: the coarser scale (200 / 27) wins on both axes.
    EXPECT_FLOAT_EQ(g.MX(), 200.0f / 27);
    EXPECT_FLOAT_EQ(g.MY(), g.MX());
    EXPECT_FLOAT_EQ(readG0("MX"), g.MX());

    const std::vector<std::string> labels = texts();
    for (const char* label : {"0", "100", "200", "300", "400", "50", "150"})
        EXPECT_NE(std::find(labels.begin(), labels.end(), label), labels.end()) << label;
    EXPECT_NE(std::find(labels.begin(), labels.end(), "σ"), labels.end());  // the title's Greek run
    int rotated = 0;
    for (const auto& text : box.texts())
        rotated += text.angle == 90;
    EXPECT_GE(rotated, 5);  // y labels and title read upwards
    EXPECT_TRUE(session.messages_.shown.empty());
}

TEST_F(SKALENTest, GatheringPassesDrawNothingAndThenAgreeWithOnePass)
{
    writeFrame(11, 0, 0, 0, 0);
    clsGRAFIK& g = shearFigure();
    g.EBOXMIN = -1;
    g.SKALEN(1, {30, 50}, {10, 20});
    EXPECT_TRUE(box.primitives.empty());
    g.SKALEN(3, {5, 90}, {40, 120});
    const float xmax = g.XMAX(), ymax = g.YMAX(), xmin = g.XMIN();
    EXPECT_FALSE(box.primitives.empty());

    writeFrame(11, 0, 0, 0, 0);
    clsGRAFIK& once = shearFigure();
    once.EBOXMIN = -1;
    once.SKALEN(-1, {30, 50, 5, 90}, {10, 20, 40, 120});
    EXPECT_EQ(once.XMAX(), xmax);
    EXPECT_EQ(once.XMIN(), xmin);
    EXPECT_EQ(once.YMAX(), ymax);
}

TEST_F(SKALENTest, StoredScalesAreKeptOnceSet)
{
    writeFrame(11, 0, 100, 0, 50, 4, 3);
    clsGRAFIK& g = shearFigure();
    g.EBOXMAX = g.EBOYMAX = 0;
    g.SKALEN(0, {10, 90}, {1, 2});
    EXPECT_FLOAT_EQ(g.MX(), 4);
    EXPECT_FLOAT_EQ(g.MY(), 3);
    EXPECT_EQ(g.YMAX(), 50);  // a fixed limit stays as stored
}

TEST_F(SKALENTest, AVisibleScrollBarSuppressesTheAxes)
{
    writeFrame(11, 0, 0, 0, 0, 1, 1);  // 1 kN/m² per mm: 400 mm do not fit into the box
    clsGRAFIK& g = shearFigure();
    ScrollBar bar;
    g.EXBALKEN = &bar;
    g.SKALEN(-1, {10, 350}, {5, 20});
    EXPECT_TRUE(bar.visible);
    EXPECT_EQ(bar.max, 10000);
    EXPECT_EQ(bar.top, 40);
    // A page of the bar is the share of the 400 mm shown in the 70.85 mm wide plot area.
    EXPECT_EQ(bar.largeChange, 1771);
    EXPECT_EQ(bar.smallChange, 35);
    EXPECT_TRUE(box.primitives.empty());

    bar.value = 5000;
    g.SKALEN(-1, {10, 350}, {5, 20});
    EXPECT_NEAR(g.scrollX(), 0.5 * (70.85 - 400 - 15), 1e-3);
}

TEST_F(SKALENTest, AMissingRowAndAFailedReadEndTheOperationQuietly)
{
    clsGRAFIK& g = shearFigure();
    g.SKALEN(-1, {10, 350}, {5, 20});  // no G0 row: zero frame values, nothing breaks
    session.cnnX()->execute("DROP TABLE [G0]");
    box.clear();
    session.messages_.shown.clear();
    g.SKALEN(-1, {10, 350}, {5, 20});
    ASSERT_EQ(session.messages_.shown.size(), 1u);
    EXPECT_EQ(session.messages_.shown[0].title, "Datenfehler");
    EXPECT_TRUE(box.primitives.empty());
}

TEST_F(SKALENTest, ErrorsAreReportedUnderSkalenWithItsShortPrefix)
{
    writeFrame(11, 0, 0, 0, 0);
    clsGRAFIK& g = shearFigure();
    g.ELXIT = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    session.messages_.answers = {MessageService::Answer::Cancel};
    g.SKALEN(-1, {10, 350}, {5, 20});
    ASSERT_EQ(session.messages_.shown.size(), 1u);
    EXPECT_EQ(session.messages_.shown[0].title, "Skalen");
    EXPECT_EQ(session.messages_.shown[0].text.rfind("VB-Fehler:11\n", 0), 0u);
    EXPECT_TRUE(box.primitives.empty());
}

TEST_F(SKALENTest, CouplingMakesTheYRangeFollowTheXScale)
{
    writeFrame(11, 0, 0, 0, 0);
    clsGRAFIK& g = shearFigure();
    g.EXYIT(1);
    g.SKALEN(-1, {10, 350}, {5, 20});
    EXPECT_FLOAT_EQ(g.YMAX(), 400.0f * 27 / 70);
}

}  // namespace
