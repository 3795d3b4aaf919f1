#include "furniture/clsTABELLE.h"
#include "ScriptedMessages.h"
#include "platform/Locale.h"
#include "platform/RecordingSurface.h"
#include "platform/ScrollBar.h"
#include "platform/VbError.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using Primitive = RecordingSurface::Primitive;
using Cells = clsTABELLE::Cells;

class clsTABELLETest : public ::testing::Test {
protected:
    clsTABELLETest() : box(100 * 56.7, 60 * 56.7), table(messages)
    {
        box.setUserScale(0, 0, 100, 60);
        box.name = "picBILD17";
        table.EOBJEKT(box);
    }
    void SetUp() override { Locale::setCurrent({Locale::German, ","}); }

    static Cells grid(int columns, int rows, const std::string& text = "x")
    {
        return Cells(columns, std::vector<Variant>(rows, Variant(text)));
    }
    // Vertical lines of the drawing, as (x, top, bottom).
    std::vector<std::tuple<double, double, double>> verticals() const
    {
        std::vector<std::tuple<double, double, double>> found;
        for (const Primitive& line : box.lines()) {
            if (std::abs(line.x1 - line.x2) < 1e-9)
                found.emplace_back(line.x1, std::min(line.y1, line.y2), std::max(line.y1, line.y2));
        }
        return found;
    }

    ScriptedMessages messages;
    RecordingSurface box;
    clsTABELLE table;
};

TEST_F(clsTABELLETest, ColumnsAreLimitedToThoseOfTheCells)
{
    table.ELSB = {10, 20, 30, 40};
    table.TABELLE(grid(3, 2), clsTABELLE::Body);
    EXPECT_FLOAT_EQ(table.tableWidth(), 60);
    const auto boxes = box.ofKind(Primitive::Box);
    ASSERT_EQ(boxes.size(), 2u);  // inner and outer frame
    EXPECT_NEAR(boxes[0].x2 - boxes[0].x1, 60, 1e-6);
    EXPECT_NEAR(boxes[1].x2 - boxes[1].x1, 61, 1e-6);
    EXPECT_EQ(box.texts().size(), 6u);
}

TEST_F(clsTABELLETest, TheLineHeightIsMeasuredOnceAndKept)
{
    table.ELSB = {20, 20};
    table.SCHRIFTEINSTELLUNGEN("", 8, 0, 0, 0, 0);
    const float height = static_cast<float>(box.textHeight("X"));
    table.TABELLE(grid(2, 2), clsTABELLE::Header);
    EXPECT_FLOAT_EQ(table.EZH, height);
    EXPECT_FLOAT_EQ(table.HOEHE(), 2 * 1.5f + 2 * height);
    table.SCHRIFTEINSTELLUNGEN("", 14, 0, 0, 0, 0);
    table.TABELLE(grid(2, 3), clsTABELLE::Body);
    EXPECT_FLOAT_EQ(table.EZH, height);
    const float withBody = table.HOEHE();
    table.TABELLE(grid(2, 1), clsTABELLE::Foot);
    EXPECT_FLOAT_EQ(table.HOEHE(), withBody);  // the foot does not count
    EXPECT_GT(table.footHeight(), 0);
}

TEST_F(clsTABELLETest, HeaderCellsSpanColumnsWhereTheirRulesAreLeftOut)
{
    table.ELSB = {10, 20, 20, 20};
    table.ELGIT = {1, 1, 1};
    table.ELGITLEER = {0, 1, 1, 0};
    table.ELA = {0, 1, 1, 1};
    Cells header = grid(4, 3, "");
    header[1][0] = "Kontakt";
    header[1][1] = "a";
    table.TABELLE(header, clsTABELLE::Header);
    const Primitive* merged = box.findText("Kontakt");
    ASSERT_NE(merged, nullptr);
    const double middle = 2.5 + 10 + 60.0 / 2;  // columns 2 to 4 form one cell
    EXPECT_NEAR(merged->x1 + box.textWidth("Kontakt") / 2, middle, 1e-4);
    EXPECT_NEAR(box.findText("a")->x1 + box.textWidth("a") / 2, 2.5 + 10 + 10, 1e-4);

    const float T = 2.5f;
    const auto rules = verticals();
    ASSERT_EQ(rules.size(), 3u);
    EXPECT_NEAR(std::get<1>(rules[0]), T, 1e-6);                        // full height after the first column
    EXPECT_NEAR(std::get<1>(rules[1]), T + table.EZH + 1.5 + 1, 1e-5);  // starting below row one
    EXPECT_NEAR(std::get<1>(rules[2]), T + table.EZH + 1.5 + 1, 1e-5);
    EXPECT_NEAR(std::get<2>(rules[1]), T + table.HOEHE(), 1e-5);
}

TEST_F(clsTABELLETest, DoubleRulesAndPartsSeparatedByDoubleLines)
{
    table.ELSB = {10, 10, 10, 10};
    table.ELGIT = {2, 1, 1};
    table.TABELLE(grid(4, 1), clsTABELLE::Header);
    box.clear();
    table.TABELLE(grid(4, 2), clsTABELLE::Body);
    const auto rules = verticals();
    ASSERT_EQ(rules.size(), 4u);
    EXPECT_NEAR(std::get<0>(rules[0]), 12.5, 1e-6);
    EXPECT_NEAR(std::get<0>(rules[1]), 13.0, 1e-6);
    EXPECT_NEAR(std::get<0>(rules[2]), 22.5, 1e-6);
    EXPECT_NEAR(std::get<0>(rules[3]), 32.5, 1e-6);
    // The body's outer frame meets the header's inner frame: one double line between them.
    const auto boxes = box.ofKind(Primitive::Box);
    const float headerBottom = 2.5f + 2 * 1.5f + table.EZH;
    EXPECT_NEAR(std::min(boxes[1].y1, boxes[1].y2), headerBottom, 1e-5);
    EXPECT_NEAR(std::min(boxes[0].y1, boxes[0].y2), headerBottom + 0.5, 1e-5);
}

TEST_F(clsTABELLETest, DecimalPointsOfAColumnShareOneLine)
{
    table.ELSB = {30};
    table.ELA = {3};
    table.ELFORMAT = {"#0.00"};
    table.TABELLE(Cells{{1.5, 12.25, 112.0}}, clsTABELLE::Body);
    std::vector<double> points;
    for (const char* text : {"1,50", "12,25", "112,00"}) {
        const Primitive* cell = box.findText(text);
        ASSERT_NE(cell, nullptr) << text;
        const std::string lead = std::string(text).substr(0, std::string(text).find(',') + 1);
        points.push_back(cell->x1 + box.textWidth(lead));
    }
    EXPECT_NEAR(points[0], points[1], 1e-6);
    EXPECT_NEAR(points[1], points[2], 1e-6);
    EXPECT_NEAR(points[0], 2.5 + 15 - (2.5 - 3) * 13.5 / 5, 1e-6);
}

TEST_F(clsTABELLETest, TheScrollBarAppearsOnlyForABodyThatDoesNotFit)
{
    ScrollBar bar;
    bar.visible = true;
    table.EYBALKEN = &bar;
    table.ELSB = {20};
    table.TABELLE(grid(1, 1), clsTABELLE::Header);
    table.TABELLE(grid(1, 3), clsTABELLE::Body);
    EXPECT_FALSE(bar.visible);
    EXPECT_EQ(table.ELZ, 2);

    table.TABELLE(grid(1, 40), clsTABELLE::Body);
    EXPECT_TRUE(bar.visible);
    EXPECT_EQ(bar.max, 10000);
    EXPECT_EQ(bar.largeChange, 2000);
    EXPECT_EQ(bar.smallChange, 300);
    EXPECT_EQ(table.EEZ, 0);
    EXPECT_LT(table.ELZ, 39);
    EXPECT_LE(2.5 + table.HOEHE(), 60 - 2.5 + 1.5);
    const int shown = table.ELZ - table.EEZ;

    bar.value = 10000;
    table.TABELLE(grid(1, 40), clsTABELLE::Body);
    EXPECT_EQ(table.ELZ, 39);  // scrolled to the end
    EXPECT_EQ(table.ELZ - table.EEZ, shown);
}

TEST_F(clsTABELLETest, MissingWidthsAndShortCellArraysAreReported)
{
    table.TABELLE(grid(2, 2), clsTABELLE::Body);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, "Tabelle");
    EXPECT_EQ(messages.shown[0].text, "Angabe der Spaltenbreiten in Objekt picBILD17 fehlt !");
    EXPECT_TRUE(box.primitives.empty());

    table.ELSB = {10, 10};
    Cells ragged = grid(2, 3);
    ragged[1].resize(1);
    EXPECT_THROW(table.TABELLE(ragged, clsTABELLE::Body), VbError);
}

TEST_F(clsTABELLETest, TitleAndFootnoteFrameTheTable)
{
    table.ELSB = {20};
    table.TABELLE(grid(1, 1), clsTABELLE::Header);
    table.TABELLE(grid(1, 2), clsTABELLE::Body);
    table.TITEL("Bild 17");
    table.FUSSNOTE("Fußnote");
    EXPECT_NEAR(box.findText("Bild 17")->y1 + box.textHeight("Bild 17"), 2.5 - 1.5 - 1.5, 1e-6);
    EXPECT_NEAR(box.findText("Fußnote")->y1, 2.5 + table.HOEHE() + 1.5 + 1.5, 1e-6);
    EXPECT_NEAR(box.findText("Fußnote")->x1, 4, 1e-6);
}

}  // namespace
