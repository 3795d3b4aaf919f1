#pragma once

class Surface;

// The small point symbols of curves and formula texts, about 1.5 mm across, drawn in the
// target's foreground colour at a point in millimetres: 1 filled square, 2 white square,
// 3 disc, 4 circle, 5 triangle, 6 diagonal cross, 7 a flag of a diagonal arm and a
// stroke; other numbers draw nothing.
class PointSymbol {
public:
    static void draw(Surface& surface, int type, float x, float y);
};
