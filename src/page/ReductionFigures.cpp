#include "ReductionFigures.h"

#include "page/AxisLists.h"
#include "page/FigureLines.h"
#include "page/Seite1.h"

#include <cmath>

using FigureLines::blue;

clsGRAFIK& ReductionFigures::frame(int16_t figure, int16_t OBJ, float XDL, float YDO)
{
    PageState& s = page_.state();
    clsGRAFIK& g =
        page_.skeleton(figure, OBJ, XDL, YDO, {{"MYMX", 0.0f}, {"XMIN", 0.0f}, {"YMIN", 0.0f}, {"YMAX", 1.0f}},
                       {{"MY", 0.0f}, {"MX", s.MX11}, {"XMAX", s.XMAX11}});
    if (OBJ != 0) {
        g.ELX(s.figure(11).ELX());
        g.ELY(figure == 15 ? 48.5f : s.figure(15).ELY());
    }
    g.EBOXMIN = g.EBOXMAX = g.EBOYMIN = g.EBOYMAX = 0;
    g.EAXEX = g.EAXEY = 1;
    g.ESKTX = g.ESKTY = 0;
    const clsGRAFIK& shear = s.figure(11);
    AxisLists::copyX(g, shear);
    g.ELXGIT(shear.ELXIT);  // one grid line per tick
    g.ELXZL = shear.ELXZL;
    if (figure == 15) {
        g.ELYMIN = {0, 1};
        g.ELYDIFF = {1};
        g.ELYIT = {5};
        g.ELYGIT({5});
        g.ELYZL = {1};
        g.ESKZY = "#0";
        g.ETEXTY = "f";
    } else {
        AxisLists::copyY(g, s.figure(15));
        g.ETEXTY = "f{t,1}r";
    }
    return g;
}

void ReductionFigures::curve(clsGRAFIK& g, const std::vector<float>& f)
{
    const PageState& s = page_.state();
    if (s.AB == 0) {
        // Without soil values the figure keeps its frame and says why it has no curve.
        g.LINIENEINSTELLUNGEN(0, 0, 0);
        if (s.hasLanguage())
            g.TEXT(13, 8, s.text({"keine Bodenwerte", "no soil values"}), 2, 0, 0, 0);
        return;
    }
    // Where the soil has no strength there is no factor: the curve has a gap there.
    g.LINIENEINSTELLUNGEN(0, 0, blue);
    std::vector<float> x, y;
    for (std::size_t i = 0; i <= f.size(); ++i) {
        if (i < f.size() && std::isfinite(f[i])) {
            x.push_back(s.values.grid[i]);
            y.push_back(f[i]);
        } else if (!x.empty()) {
            g.POLYGON(x, y);
            x.clear();
            y.clear();
        }
    }
}

void ReductionFigures::BILD15(int16_t OBJ, float XDL, float YDO)
{
    PageState& s = page_.state();
    clsGRAFIK* g = nullptr;
    page_.trap("Bild 15").run({
        ErrorTrap::creating([&] { g = &frame(15, OBJ, XDL, YDO); }),
        [&] {
            g->LINIENEINSTELLUNGEN(0, 0, 0);
            g->SCHRIFTEINSTELLUNGEN("", 9, -1, 0, 0, 0);
            if (s.hasLanguage())
                g->TEXT(1, 1, s.text({"Abminderungsfaktor", "Reduction factor"}), 2, 0, 0, 0);
            g->SCHRIFTEINSTELLUNGEN("", 8, 0, 0, 0, 0);
        },
        [&] { g->SKALEN(-1); },
        [&] { curve(*g, s.values.f); },
    });
}

void ReductionFigures::BILD16(int16_t OBJ, float XDL, float YDO)
{
    PageState& s = page_.state();
    clsGRAFIK* g = nullptr;
    page_.trap("Bild 16").run({
        ErrorTrap::creating([&] { g = &frame(16, OBJ, XDL, YDO); }),
        [&] {
            g->LINIENEINSTELLUNGEN(0, 0, 0);
            g->SCHRIFTEINSTELLUNGEN("", 8, 0, 0, 0, 0);
        },
        [&] { g->SKALEN(-1); },
        [&] { curve(*g, s.values.fr); },
    });
}
