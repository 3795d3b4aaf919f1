#include "ShearFigures.h"

#include "data/clsDATEN.h"
#include "page/AxisLists.h"
#include "page/FigureLines.h"
#include "page/Seite1.h"
#include "laws/ShearLaw.h"
#include "platform/TextPair.h"


using FigureLines::red;
using FigureLines::segment;

void ShearFigures::captions(int16_t figure, const TextPair& title)
{
    PageState& s = page_.state();
    clsGRAFIK& g = s.figure(figure);
    g.SCHRIFTEINSTELLUNGEN("", 8, 0, 0, 0, 0);
    if (s.hasLanguage())
        g.TEXT(13, 8, s.text(title), 2, 0, 0, 0);
    g.TEXT(13, 12, "{g,1}s{t,1}b = " + vb::singleText(s.SIB) + " kN/m²", 2, 0, 0, 0);
}

void ShearFigures::BILD11(int16_t OBJ, float XDL, float YDO)
{
    PageState& s = page_.state();
    clsGRAFIK* g = nullptr;
    std::vector<float> X(2), Y(2);
    page_.trap("Bild 11").run({
        [&] {
            clsDATEN e2(page_.session());
            e2.ETABELLE = "E2";
            e2.ESPIDW = s.ID;
            e2.DTVS("SIMAX", s.SIMAX);
        },
        ErrorTrap::creating([&] {
            g = &page_.skeleton(11, OBJ, XDL, YDO, {{"XMIN", 0.0f}, {"YMIN", 0.0f}},
                                {{"MYMX", 1.0f}, {"MX", 0.0f}, {"MY", 0.0f}});
            if (OBJ != 0) {
                g->ELX(85);
                g->ELY(58.5f);
            }
        }),
        [&] {
            g->EBOXMIN = 0;
            g->EBOXMAX = -1;
            g->EAXEX = 1;
            g->ESKTX = 0;
            // The classic lists from 20 to 1000, reaching down to landfill covers (a few
            // kN/m²) and up to heap-leach liners (thousands), so the axis holds every curve.
            g->ELXMIN = {0,   2,   4,   6,   8,    10,   20,   40,   60,   80,   100,
                         200, 400, 600, 800, 1000, 1500, 2000, 3000, 4000, 5000, 10000};
            g->ELXDIFF.assign(g->ELXMIN.begin() + 1, g->ELXMIN.end());
            g->ELXIT = {2, 4, 3, 4, 5, 2, 4, 3, 4, 5, 4, 4, 3, 4, 5, 3, 4, 3, 4, 5, 5};
            g->ELXGIT(std::vector<float>(21, 1));
            g->ELXZL = g->ELXIT;
            g->ETEXTX = "{g,1}s' [kN/m²]";
            g->ESKZX = "#0";
            g->EBOYMIN = 0;
            g->EBOYMAX = s.BONEU ? -1 : 0;
            g->EAXEY = 1;
            g->ESKTY = 0;
            g->ELYMIN = {0,   0.2f, 0.4f, 0.5f, 0.6f, 0.8f, 1,   1.1f, 1.2f, 1.4f, 1.5f, 1.6f, 1.8f, 2,    3,
                         4,   5,    10,   15,   20,   25,   30,  35,   40,   45,   50,   60,   70,   80,   90,
                         100, 200,  300,  400,  500,  600,  800, 1000, 1500, 2000, 3000, 4000, 5000, 10000};
            g->ELYDIFF.assign(g->ELYMIN.begin() + 1, g->ELYMIN.end());
            g->ELYIT = {2, 4, 5, 3, 4, 5, 1, 4, 7, 5, 4, 2, 2, 3, 4, 5, 5, 3, 4, 5, 3, 7,
                        4, 3, 5, 3, 7, 4, 3, 5, 4, 3, 4, 5, 3, 4, 5, 3, 4, 3, 4, 5, 5};
            g->ELYGIT(std::vector<float>(43, 1));
            g->ELYZL = g->ELYIT;
            g->ETEXTY = "{g,1}t{t,1}f [kN/m²]";
            g->ESKZY = "#0";
        },
        [&] {
            g->LINIENEINSTELLUNGEN(0, 0, 0);
            g->SCHRIFTEINSTELLUNGEN("", 9, -1, 0, 0, 0);
            if (s.hasLanguage())
                g->TEXT(1, 1, s.text({"Mohrsche und Coulombsche Bruchbedingung", "Mohr and Coulomb failure criterion"}),
                        2, 0, 0, 0);
            captions(11, {"Kontaktscherfestigkeit", "Contact shear strength"});
        },
        [&] {
            // Without a Coulomb line the curve alone sets the ranges; measured points (peak
            // and residual, as figure 12 shares the ranges) widen them.
            const auto [pointsX, pointsY] = s.measured({TestPoints::Contact, TestPoints::ContactResidual}, false);
            if (s.values.coulomb) {
                X = {0, s.SIMAX};
                Y = {s.values.cc, ShearLaw::tau(s.SIMAX, s.values.phic) + s.values.cc};
                g->SKALEN(1, X, Y);
            } else if (!pointsX.empty()) {
                g->SKALEN(1, s.values.grid, s.values.tau);
            }
            if (!pointsX.empty())
                g->SKALEN(2, pointsX, pointsY);
            g->SKALEN(s.values.coulomb || !pointsX.empty() ? 3 : -1, s.values.grid, s.values.tau);
        },
        [&] {
            s.XMAX11 = page_.readG0(11, "XMAX");
            s.YMAX11 = page_.readG0(11, "YMAX");
            s.MX11 = page_.readG0(11, "MX");
        },
        [&] { g->POLYGON(s.values.grid, s.values.tau); },
        [&] {
            if (!s.values.coulomb)
                return;
            g->LINIENEINSTELLUNGEN(0, 0, red);
            g->POLYGON(X, Y);
        },
        [&] {
            g->LINIENEINSTELLUNGEN(0, 0, 0);
            segment(*g, 0, s.SIA, 0, s.values.tau[0]);
        },
        [&] {
            g->LINIENEINSTELLUNGEN(0, 0, red);
            segment(*g, s.SI1, s.SI1, 0, s.values.tau1);
            segment(*g, s.SI2, s.SI2, 0, s.values.tau2);
        },
        [&] {
            const auto [X, Y] = s.measured({TestPoints::Contact}, false);
            g->measuredPoints(X, Y);
        },
    });
}

void ShearFigures::BILD12(int16_t OBJ, float XDL, float YDO)
{
    PageState& s = page_.state();
    clsGRAFIK* g = nullptr;
    page_.trap("Bild 12").run({
        ErrorTrap::creating([&] {
            g = &page_.skeleton(12, OBJ, XDL, YDO, {{"XMIN", 0.0f}, {"YMIN", 0.0f}},
                                {{"MYMX", 1.0f}, {"MX", 0.0f}, {"MY", 0.0f}, {"XMAX", s.XMAX11}, {"YMAX", s.YMAX11}});
            if (OBJ != 0) {
                g->ELX(s.figure(11).ELX());
                g->ELY(s.figure(11).ELY());
            }
        }),
        [&] {
            g->EBOXMIN = g->EBOXMAX = g->EBOYMIN = g->EBOYMAX = 0;
            g->EAXEX = g->EAXEY = 1;
            g->ESKTX = 0;
            AxisLists::copyX(*g, s.figure(11));
            AxisLists::copyY(*g, s.figure(11));
            g->ETEXTY = "{g,1}t{t,1}r [kN/m²]";
        },
        [&] {
            g->LINIENEINSTELLUNGEN(0, 0, 0);
            captions(12, {"Kontaktrestfestigkeit", "Residual contact shear strength"});
        },
        [&] { g->SKALEN(-1, s.values.grid, s.values.taur); },
        [&] {
            g->POLYGON(s.values.grid, s.values.taur);
            segment(*g, 0, s.SIA, 0, s.values.taur.at(0));
        },
        [&] {
            g->LINIENEINSTELLUNGEN(0, 0, red);
            segment(*g, s.SI1, s.SI1, 0, s.values.taur1);
            segment(*g, s.SI2, s.SI2, 0, s.values.taur2);
        },
        [&] {
            if (s.values.coulomb)
                segment(*g, 0, s.XMAX11, s.values.ccr, s.values.ccr + ShearLaw::tau(s.XMAX11, s.values.phicr));
        },
        [&] {
            const auto [X, Y] = s.measured({TestPoints::ContactResidual}, false);
            g->measuredPoints(X, Y);
        },
    });
}
