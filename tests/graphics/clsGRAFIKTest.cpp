#include "ErrorNumber.h"
#include "FigureFixture.h"

namespace {

using clsGRAFIKTest = FigureFixture;

TEST_F(clsGRAFIKTest, BindingMeasuresTheBoxAndResetsTheAxisLists)
{
    RecordingSurface picture(4819.5, 2551.5, 96);
    picture.setUserScale(0, 0, 85, 45);
    clsGRAFIK grafik(session);
    grafik.ELXMIN = {1, 2, 3};
    grafik.EOBJEKT(picture);
    EXPECT_FLOAT_EQ(grafik.ELX(), 85);
    EXPECT_FLOAT_EQ(grafik.ELY(), 45);
    EXPECT_EQ(grafik.ELXMIN, (std::vector<float>{0, 85}));
    EXPECT_EQ(grafik.ELYDIFF, std::vector<float>{45});
    EXPECT_EQ(grafik.ELXIT, std::vector<float>{1});
    EXPECT_EQ(grafik.ELXGIT(), std::vector<float>{0});
    EXPECT_EQ(picture.scaleMode(), Surface::User);
    EXPECT_DOUBLE_EQ(picture.scaleWidth(), 85);
    EXPECT_FLOAT_EQ(grafik.pixelsX(), 56.7 * 96 / 1440);
    EXPECT_EQ(picture.font.name, "Arial");  // the default font is applied
    EXPECT_EQ(grafik.EIDOBJEKT, 11);
    EXPECT_EQ(grafik.ESKZX, "####0");
}

TEST_F(clsGRAFIKTest, TheDefaultRecordIsTheSelectedOne)
{
    session.cnnX()->execute("INSERT INTO [E1] ([ID],[KEN],[AKT]) VALUES (3,'a',0),(8,'b',1)");
    EXPECT_EQ(clsGRAFIK(session).EID(), 8);
    clsGRAFIK grafik(session);
    grafik.EID(40000);  // identifiers are 32-bit, as in the schema
    EXPECT_EQ(grafik.EID(), 40000);
    grafik.EXYIT(2.5);
    EXPECT_EQ(grafik.EXYIT(), 2);
}

TEST_F(clsGRAFIKTest, TransformsMapLimitsToThePlotEdgesAndBack)
{
    clsGRAFIK& g = figure();
    g.EXDL = 20;
    g.EYDO = 30;
    g.setFrame(1, 1, 10, 5, 7, 11);
    g.setLimits(0, 140, 0, 54, 2, 2);
    float x = 0, y = 0;
    g.KOORDTRANS(0, 54, x, y);
    EXPECT_FLOAT_EQ(x, 30);  // EXDL + RL
    EXPECT_FLOAT_EQ(y, 37);  // YMAX at the top: EYDO + RO
    g.KOORDTRANS(140, 0, x, y);
    EXPECT_FLOAT_EQ(x, 100);
    EXPECT_FLOAT_EQ(y, 64);

    g.setFrame(-1, 0, 10, 5, 7, 11);
    g.KOORDTRANS(140, 54, x, y);
    EXPECT_FLOAT_EQ(x, 30);  // reversed: XMAX on the left edge
    EXPECT_FLOAT_EQ(y, 64);  // and YMAX at the bottom

    for (int16_t ox : {1, -1}) {
        g.setFrame(ox, ox, 10, 5, 7, 11);
        float back = 0, up = 0;
        g.KOORDTRANS(37.5f, 12.25f, x, y);
        g.KOORDTRANSINV(x, y, back, up, 0, 0);
        EXPECT_NEAR(back, 37.5f, 1e-4);
        EXPECT_NEAR(up, 12.25f, 1e-4);
    }
    g.setFrame(1, 1, 10, 5, 7, 11);
    g.setLimits(-2, 2, 0, 1, 0.05f, 0.05f);
    float X = 0, Y = 0;
    g.KOORDTRANSINV(30, 37, X, Y, 1, 0);
    EXPECT_NEAR(X, 0.01, 1e-6);  // 10^XMIN at the left edge of a logarithmic axis
}

TEST_F(clsGRAFIKTest, AZeroScaleIsReportedInsteadOfDrawingAtInfinity)
{
    clsGRAFIK& g = figure();
    g.setFrame(1, 1, 10, 5, 7, 11);
    g.setLimits(0, 100, 0, 50, 0, 0);
    float x = -1, y = -1;
    g.KOORDTRANS(5, 5, x, y);
    ASSERT_EQ(session.messages_.shown.size(), 2u);
    EXPECT_EQ(session.messages_.shown[0].title, "Koordinatentransformation");
    EXPECT_EQ(session.messages_.shown[0].text, "VB-Fehler: 11\nDivision durch Null");
    EXPECT_EQ(x, -1);
}

TEST_F(clsGRAFIKTest, LineSettingsRewriteWidthAndColourInTheCallersVariables)
{
    clsGRAFIK& g = figure();
    int16_t style = 0;
    float width = 0;
    int32_t colour = 0;
    g.LINIENEINSTELLUNGEN(style, width, colour);
    EXPECT_FLOAT_EQ(width, 1);
    EXPECT_EQ(colour, 0);  // black
    EXPECT_EQ(box.drawWidth, 1);
    width = 0.5f;
    colour = Surface::rgb(255, 0, 0);
    style = 2;
    g.LINIENEINSTELLUNGEN(style, width, colour);
    EXPECT_FLOAT_EQ(width, 0.5 * 56.7 * 96 / 1440);
    EXPECT_EQ(box.drawWidth, 2);
    EXPECT_EQ(box.drawStyle, 2);
    EXPECT_EQ(box.foreColor, Surface::rgb(255, 0, 0));
}

TEST_F(clsGRAFIKTest, FontSettingsPrepareTheFiveSlots)
{
    clsGRAFIK& g = figure();
    g.SCHRIFTEINSTELLUNGEN("", 0, 0, 0, 0, 0);
    EXPECT_EQ(box.font.name, "Arial");
    EXPECT_EQ(box.font.size, 8);
    EXPECT_EQ(box.foreColor, 0u);
    g.SCHRIFTEINSTELLUNGEN("Arial", 10, -1, 0, 1, Surface::rgb(0, 0, 255));
    EXPECT_TRUE(box.font.bold);
    EXPECT_TRUE(box.font.italic);
    EXPECT_EQ(g.fontSlot(2)->name, "Arial");
    EXPECT_EQ(g.fontSlot(3)->name, "Symbol");
    EXPECT_EQ(g.fontSlot(3)->size, 10);
    EXPECT_EQ(g.fontSlot(4)->size, 9);  // 10 / 1.175 = 8.51
    EXPECT_EQ(g.fontSlot(5)->name, "Symbol");
    EXPECT_EQ(g.fontSlot(5)->size, 9);
    EXPECT_TRUE(g.fontSlot(4)->bold);
}

TEST_F(clsGRAFIKTest, LinearInterpolationAndDirections)
{
    clsGRAFIK& g = figure();
    EXPECT_FLOAT_EQ(g.LININT(0, 10, 5, 0, 20), 10);
    EXPECT_FLOAT_EQ(g.LININT(3, 3, 5, 0, 20), 0);
    ASSERT_EQ(session.messages_.shown.size(), 1u);
    EXPECT_EQ(session.messages_.shown[0].title, "LININT");
    EXPECT_EQ(session.messages_.shown[0].text, "Division durch Null!");
    EXPECT_EQ(session.messages_.shown[0].buttons, MessageService::Buttons::Ok);

    EXPECT_FLOAT_EQ(clsGRAFIK::RICHTUNG(1, 1, 1, 1), 0);
    EXPECT_FLOAT_EQ(clsGRAFIK::RICHTUNG(0, 0, 0, 2), 1.5707963705062866f);
    EXPECT_FLOAT_EQ(clsGRAFIK::RICHTUNG(0, 0, 0, -2), 4.71238911151886f);
    EXPECT_FLOAT_EQ(clsGRAFIK::RICHTUNG(0, 0, -2, 0), 3.1415927f);
    EXPECT_NEAR(clsGRAFIK::RICHTUNG(0, 0, 1, 1), M_PI / 4, 1e-6);
    EXPECT_NEAR(clsGRAFIK::RICHTUNG(0, 0, -1, 1), 3 * M_PI / 4, 1e-6);
    EXPECT_NEAR(clsGRAFIK::RICHTUNG(0, 0, 1, -1), 7 * M_PI / 4, 1e-6);
    EXPECT_EQ(clsGRAFIK::LOG10(0), 0);
    EXPECT_EQ(clsGRAFIK::LOG10(-5), 0);
    EXPECT_FLOAT_EQ(clsGRAFIK::LOG10(1000), 3);
}

}  // namespace
