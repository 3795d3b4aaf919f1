#pragma once

#include "graphics/clsGRAFIK.h"

#include <utility>
#include <vector>

// Straight lines of the figures, drawn as two-point curves in world coordinates.
namespace FigureLines {

inline const uint32_t red = Surface::rgb(255, 0, 0);
inline const uint32_t blue = Surface::rgb(0, 0, 255);

inline void segment(clsGRAFIK& g, float x1, float x2, float y1, float y2)
{
    std::vector<float> X{x1, x2}, Y{y1, y2};
    g.POLYGON(X, Y);
}

// Measured points as small black circles, without lines between them; points outside the plot
// area are left out, as the curves are clipped there.
inline void markers(clsGRAFIK& g, const std::pair<std::vector<float>, std::vector<float>>& points)
{
    const auto& [X, Y] = points;
    g.LINIENEINSTELLUNGEN(0, 0, 0);
    const clsGRAFIK::Area area = g.plotArea();
    for (std::size_t i = 0; i < X.size() && i < Y.size(); ++i) {
        float x = 0, y = 0;
        g.KOORDTRANS(g.ESKTX == 1 ? clsGRAFIK::LOG10(X[i]) : X[i], g.ESKTY == 1 ? clsGRAFIK::LOG10(Y[i]) : Y[i], x, y);
        if (x >= area.left && x <= area.right && y >= area.top && y <= area.bottom)
            g.drawSymbol(4, x, y);
    }
}

}  // namespace FigureLines
