#include "SegmentClip.h"

#include <algorithm>
#include <utility>

std::optional<SegmentClip::Segment> SegmentClip::clip(const Edges& a, float X1, float Y1, float X2, float Y2,
                                                      const Interpolate& interpolate)
{
    if (X2 <= X1) {
        std::swap(X1, X2);
        std::swap(Y1, Y2);
    }
    const bool allLeft = X1 < a.left && X2<a.left, allRight = X1> a.right && X2 > a.right;
    const bool allAbove = Y1 < a.top && Y2<a.top, allBelow = Y1> a.bottom && Y2 > a.bottom;
    if (allLeft || allRight || allAbove || allBelow)
        return std::nullopt;
    const auto inside = [&](float x, float y) { return x >= a.left && x <= a.right && y >= a.top && y <= a.bottom; };
    Segment s{X1, Y1, X2, Y2};
    if (inside(s.x1, s.y1) && inside(s.x2, s.y2))
        return s;
    if (X1 == X2) {
        s.y1 = std::clamp(s.y1, a.top, a.bottom);
        s.y2 = std::clamp(s.y2, a.top, a.bottom);
        return s;
    }
    if (Y1 == Y2) {
        s.x1 = std::clamp(s.x1, a.left, a.right);
        s.x2 = std::clamp(s.x2, a.left, a.right);
        return s;
    }
    // Cut at the vertical edges, then at the horizontal ones, always along the whole line.
    if (s.x1 < a.left)
        s.y1 = interpolate(X1, X2, a.left, Y1, Y2), s.x1 = a.left;
    if (s.x2 > a.right)
        s.y2 = interpolate(X1, X2, a.right, Y1, Y2), s.x2 = a.right;
    for (auto [x, y] : {std::pair{&s.x1, &s.y1}, std::pair{&s.x2, &s.y2}}) {
        const float edge = std::clamp(*y, a.top, a.bottom);
        if (edge != *y) {
            *x = interpolate(Y1, Y2, edge, X1, X2);
            *y = edge;
        }
    }
    // A line that passes beside a corner of the area misses it altogether.
    constexpr float tolerance = 1e-3f;
    const auto near = [&](float x, float y) {
        return x >= a.left - tolerance && x <= a.right + tolerance && y >= a.top - tolerance &&
               y <= a.bottom + tolerance;
    };
    if (!near(s.x1, s.y1) || !near(s.x2, s.y2))
        return std::nullopt;
    return s;
}
