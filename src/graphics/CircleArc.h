#pragma once

#include <optional>
#include <utility>
#include <vector>

// The visible pieces of a circle arc inside a rectangle, from the crossings of the circle
// with the rectangle's edges. Angles in radians, counter-clockwise from three o'clock
// with y growing downwards on the target, as the circle primitive counts them.
class CircleArc {
public:
    struct Edges {
        double left, right, top, bottom;
    };
    using Piece = std::pair<double, double>;  // start and end angle, start < end

    // Crossings of the circle with the vertical line at x (or the horizontal one at y).
    static bool SCHNITTVERTIKAL(double XM, double YM, double R, double x, std::pair<double, double>& points);
    static bool SCHNITTHORIZONTAL(double XM, double YM, double R, double y, std::pair<double, double>& points);

    // Pieces of the arc from start to end (end > start, at most one full turn) that lie
    // inside; nullopt when the circle crosses the edges an odd number of times.
    static std::optional<std::vector<Piece>> visible(const Edges& edges, double x, double y, double radius,
                                                     double start, double end);
};
