#pragma once

#include "graphics/clsGRAFIK.h"

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

}  // namespace FigureLines
