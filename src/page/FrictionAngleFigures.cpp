#include "FrictionAngleFigures.h"

#include "page/AxisLists.h"
#include "page/FigureLines.h"
#include "page/Seite1.h"

using FigureLines::red;
using FigureLines::segment;

void FrictionAngleFigures::normalizeGrid()
{
    // Drawing on the logarithmic axis replaces the values by their logarithms, so the
    // grid is made anew for every drawing.
    PageState& s = page_.state();
    s.normalized.resize(s.values.grid.size());
    for (std::size_t i = 0; i < s.values.grid.size(); ++i)
        s.normalized[i] = s.values.grid[i] / s.SIB;
}

void FrictionAngleFigures::BILD13(int16_t OBJ, float XDL, float YDO)
{
    PageState& s = page_.state();
    clsGRAFIK* g = nullptr;
    page_.trap("Bild 13").run({
        ErrorTrap::creating([&] {
            g = &page_.skeleton(13, OBJ, XDL, YDO, {{"MYMX", 0.0f}}, {{"MX", 0.0f}, {"MY", 0.0f}});
            if (OBJ != 0) {
                g->ELX(s.figure(11).ELX());
                g->ELY(58.5f);
            }
        }),
        [&] {
            g->EBOXMIN = g->EBOXMAX = s.BONEU ? -1 : 0;
            g->EAXEX = 1;
            g->ESKTX = 1;
            // The classic limits, reaching down to a thousandth and up to a thousand times σb.
            g->ELXMIN = {0.001f, 0.002f, 0.005f, 0.01f, 0.05f, 0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f, 0.7f, 0.8f, 0.9f, 1,
                         1.1f,   1.2f,   1.3f,   1.4f,  1.5f,  1.6f, 1.7f, 1.8f, 1.9f, 2,    3,    4,    5,    6,    7,
                         8,      9,      10,     20,    40,    50,   60,   70,   80,   90,   100,  200,  500,  1000};
            g->ELXIT = {10};
            g->ELXGIT({1});
            g->ETEXTX = "{g,1}s'/{g,1}s{t,1}b [-]";
            g->ESKZX = "#0.0";
            g->EBOYMIN = g->EBOYMAX = s.BONEU ? -1 : 0;
            g->EAXEY = 1;
            g->ESKTY = 0;
            g->ELYMIN = {0, 1, 2, 3, 4, 5, 10, 15, 20, 25, 30, 35, 40, 45, 50, 60, 70, 80, 90, 100};
            g->ELYDIFF.assign(g->ELYMIN.begin() + 1, g->ELYMIN.end());
            g->ELYIT = {1, 2, 3, 4, 5, 2, 3, 4, 5, 6, 7, 4, 3, 5, 3, 7, 4, 6, 5};
            g->ELYGIT(std::vector<float>(19, 1));
            g->ELYZL = g->ELYIT;
            g->ETEXTY = "{g,1}j [°]";
            g->ESKZY = "#0";
        },
        [&] {
            g->LINIENEINSTELLUNGEN(0, 0, 0);
            g->SCHRIFTEINSTELLUNGEN("", 9, -1, 0, 0, 0);
            if (s.hasLanguage())
                g->TEXT(1, 1, s.text({"Kontaktscherwinkel", "Angle of contact shearing resistance"}), 2, 0, 0, 0);
            g->SCHRIFTEINSTELLUNGEN("", 8, 0, 0, 0, 0);
        },
        [&] { normalizeGrid(); },
        [&] {
            g->SKALEN(1, s.normalized, s.values.phi);
            // Measured points of both laws widen the ranges that figure 14 shares.
            const auto [pointsX, pointsY] = s.measured({TestPoints::Contact, TestPoints::ContactResidual}, true);
            if (!pointsX.empty())
                g->SKALEN(2, pointsX, pointsY);
            g->SKALEN(3, s.normalized, s.values.phir);
        },
        [&] { g->POLYGON(s.normalized, s.values.phi); },
        [&] {
            s.XMAX13 = page_.readG0(13, "XMAX");
            s.XMIN13 = page_.readG0(13, "XMIN");
            s.YMAX13 = page_.readG0(13, "YMAX");
            s.YMIN13 = page_.readG0(13, "YMIN");
        },
        [&] { segment(*g, s.XMIN13, s.SIA / s.SIB, s.values.phi.at(0), s.values.phi.at(0)); },
        [&] {
            g->LINIENEINSTELLUNGEN(0, 0, red);
            segment(*g, s.SIA / s.SIB, s.SIA / s.SIB, s.YMIN13, s.values.phi.at(0));
        },
        [&] {
            const auto [X, Y] = s.measured({TestPoints::Contact}, true);
            g->measuredPoints(X, Y);
        },
    });
}

void FrictionAngleFigures::BILD14(int16_t OBJ, float XDL, float YDO)
{
    PageState& s = page_.state();
    clsGRAFIK* g = nullptr;
    page_.trap("Bild 14").run({
        ErrorTrap::creating([&] {
            g = &page_.skeleton(14, OBJ, XDL, YDO, {{"MYMX", 0.0f}},
                                {{"MX", 0.0f},
                                 {"MY", 0.0f},
                                 {"XMAX", s.XMAX13},
                                 {"XMIN", s.XMIN13},
                                 {"YMAX", s.YMAX13},
                                 {"YMIN", s.YMIN13}});
            if (OBJ != 0) {
                g->ELX(s.figure(11).ELX());
                g->ELY(s.figure(13).ELY());
            }
        }),
        [&] {
            g->EBOXMIN = g->EBOXMAX = g->EBOYMIN = g->EBOYMAX = 0;
            g->EAXEX = g->EAXEY = 1;
            g->ESKTX = 1;
            g->ESKTY = 0;
            AxisLists::copyX(*g, s.figure(13));
            AxisLists::copyY(*g, s.figure(13));
            g->ETEXTY = "{g,1}j{t,1}r [°]";
        },
        [&] {
            g->LINIENEINSTELLUNGEN(0, 0, 0);
            g->SCHRIFTEINSTELLUNGEN("", 8, 0, 0, 0, 0);
        },
        [&] { g->SKALEN(0); },
        [&] { normalizeGrid(); },
        [&] {
            g->POLYGON(s.normalized, s.values.phir);
            segment(*g, s.XMIN13, s.SIA / s.SIB, s.values.phir.at(0), s.values.phir.at(0));
        },
        [&] {
            g->LINIENEINSTELLUNGEN(0, 0, red);
            segment(*g, s.SIA / s.SIB, s.SIA / s.SIB, s.YMIN13, s.values.phir.at(0));
        },
        [&] {
            const auto [X, Y] = s.measured({TestPoints::ContactResidual}, true);
            g->measuredPoints(X, Y);
        },
    });
}
