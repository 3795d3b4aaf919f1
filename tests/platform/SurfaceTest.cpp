#include "platform/PaperSurface.h"
#include "platform/RasterSurface.h"
#include "platform/RecordingSurface.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(SurfaceTest, ScaleModesFollowTheObjectsSize)
{
    RecordingSurface box(4819.5, 2551.5, 96);
    EXPECT_EQ(box.scaleMode(), Surface::Twips);
    box.setScaleMode(Surface::Millimetres);
    EXPECT_DOUBLE_EQ(box.scaleWidth(), 85);
    EXPECT_DOUBLE_EQ(box.scaleHeight(), 45);
    box.setScaleMode(Surface::Pixels);
    EXPECT_NEAR(box.scaleWidth(), 4819.5 / 1440 * 96, 1e-9);

    box.setUserScale(10, 20, 95, 65);
    const Surface::Measurement measured = box.measure();
    EXPECT_EQ(box.scaleMode(), Surface::User);  // left exactly as found
    EXPECT_DOUBLE_EQ(box.scaleLeft(), 10);
    EXPECT_DOUBLE_EQ(box.scaleHeight(), 45);
    EXPECT_NEAR(measured.pixelsPerUnitX, 56.7 * 96 / 1440, 1e-9);
    EXPECT_DOUBLE_EQ(measured.left, 10);
}

TEST(SurfaceTest, PrimitivesAreRecordedInMillimetresOfTheTarget)
{
    RecordingSurface box(85 * 56.7, 45 * 56.7, 96);
    box.setUserScale(0, 0, 85, 45);
    box.line(10, 5, 20, 5, Surface::rgb(255, 0, 0));
    box.circle(40, 20, 3, 0, 0, 0);
    ASSERT_EQ(box.primitives.size(), 2u);
    EXPECT_NEAR(box.primitives[0].x2, 20, 1e-6);
    EXPECT_EQ(box.primitives[0].color, 255u);
    EXPECT_NEAR(box.primitives[1].radius, 3, 1e-6);
    EXPECT_DOUBLE_EQ(box.currentX, 40);
}

TEST(SurfaceTest, OnPaperLinesHaveTheirWidthInMillimetresOnEveryPrinter)
{
    for (double dpi : {300.0, 1200.0}) {
        RecordingSurface paper(210 * Surface::twipsPerMillimetre, 297 * Surface::twipsPerMillimetre, dpi, true);
        paper.setScaleMode(Surface::Millimetres);
        const auto widthOf = [&](Surface::LineRole role, int units) {
            paper.lineRole = role;
            paper.drawWidth = units;
            paper.line(10, 10, 20, 10);
            return paper.lines().back().width * 25.4 / dpi;
        };
        EXPECT_NEAR(widthOf(Surface::LineRole::Thin, 1), 0.13, 1e-9) << dpi;
        EXPECT_NEAR(widthOf(Surface::LineRole::Frame, 1), 0.25, 1e-9);
        EXPECT_NEAR(widthOf(Surface::LineRole::Curve, 1), 0.35, 1e-9);
        EXPECT_NEAR(widthOf(Surface::LineRole::Curve, 2), 0.70, 1e-9);  // the width scales the role
    }
    // The screen keeps pixels.
    RecordingSurface screen(1000, 1000);
    screen.lineRole = Surface::LineRole::Curve;
    screen.line(0, 0, 100, 100);
    EXPECT_EQ(screen.lines().back().width, 1);
}

TEST(SurfaceTest, SymbolFontLettersAreGreek)
{
    SurfaceFont symbol;
    symbol.name = "Symbol";
    EXPECT_EQ(Surface::displayText("stjdgfDW", symbol), QString::fromUtf8("στφδγϕΔΩ"));
    EXPECT_EQ(Surface::displayText("s'", SurfaceFont{}), QStringLiteral("s'"));
    EXPECT_EQ(Surface::qtFont(SurfaceFont{}).family(), QStringLiteral("Liberation Sans"));
}

TEST(SurfaceTest, PrintMovesTheCurrentPositionBehindTheText)
{
    RecordingSurface box(85 * 56.7, 45 * 56.7, 96);
    box.setUserScale(0, 0, 85, 45);
    box.font.size = 10;
    box.currentX = 5;
    const double width = box.textWidth("Kontakt");
    EXPECT_GT(width, 5);
    EXPECT_LT(width, 25);
    box.print("Kontakt");
    EXPECT_NEAR(box.currentX, 5 + width, 1e-9);
    EXPECT_NEAR(box.textHeight("x"), 10 / 72.0 * 25.4 * 1.15, 0.6);  // the cell of a 10-point font
}

TEST(SurfaceTest, RasterAndPaperSurfacesWriteTheirFiles)
{
    QTemporaryDir folder;
    RasterSurface screen(85 * 56.7, 45 * 56.7);
    screen.setUserScale(0, 0, 85, 45);
    screen.box(10, 10, 20, 20, 0, true);
    EXPECT_EQ(screen.image().width(), 321);  // 85 mm at 96 dpi
    EXPECT_EQ(screen.image().pixelColor(57, 57).red(), 0);
    EXPECT_EQ(screen.image().pixelColor(300, 10).red(), 255);
    EXPECT_TRUE(screen.save(folder.filePath("box.png")));

    auto paper = PaperSurface::pdf(folder.filePath("page.pdf"));
    paper->setScaleMode(Surface::Millimetres);
    EXPECT_NEAR(paper->scaleWidth(), 210, 0.1);
    EXPECT_NEAR(paper->scaleHeight(), 297, 0.1);
    EXPECT_TRUE(paper->isPrinter());
    paper->line(15, 15, 195, 15, 0);
    EXPECT_TRUE(paper->finish());
    EXPECT_GT(QFileInfo(folder.filePath("page.pdf")).size(), 500);
}

}  // namespace
