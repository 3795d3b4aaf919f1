#pragma once

#include <cstdint>
#include <string>

class clsGRAFIK;

// Draws the axes of a figure after its final scale pass: axis lines, tick marks, grid
// lines, labels and titles, linear or logarithmic. The y axis is the x axis turned by
// 90 degrees: labels and title then read upwards.
class AxisPainter {
public:
    explicit AxisPainter(clsGRAFIK& figure) : figure_(figure) {}
    void draw();

private:
    struct Side;
    void drawSide(const Side& side);
    float along(bool xAxis, float value) const;

    clsGRAFIK& figure_;
};
