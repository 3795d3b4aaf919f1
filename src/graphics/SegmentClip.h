#pragma once

#include <functional>
#include <optional>

// Clips one straight segment to a rectangle, the way figures cut their curves at the
// plot area: vertical and horizontal segments are clamped, others cut at the edges by
// linear interpolation.
class SegmentClip {
public:
    struct Edges {
        float left, right, top, bottom;  // top < bottom: y grows downwards
    };
    struct Segment {
        float x1, y1, x2, y2;
    };
    // Ordinate at a of the line through (a1, b1) and (a2, b2).
    using Interpolate = std::function<float(float a1, float a2, float a, float b1, float b2)>;

    // The visible part, from left to right; nothing when the segment misses the area.
    static std::optional<Segment> clip(const Edges& edges, float X1, float Y1, float X2, float Y2,
                                       const Interpolate& interpolate);
};
