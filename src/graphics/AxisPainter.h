#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

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
    struct Label {
        float p;  // place along the axis on the target
        double value;
        std::string text;
    };
    static std::string labelText(double value, const std::string& format);
    // Labels of a logarithmic axis: its decades, or within one decade the ticks at 1, 2 and 5.
    std::vector<Label> logarithmicLabels(const Side& side) const;
    // The labels with decimals enough that no two neighbours read alike.
    static std::vector<Label> distinct(std::vector<Label> labels, const std::string& format);
    // The labels that fit along the axis without touching each other.
    std::vector<Label> spaced(const std::vector<Label>& labels) const;

    clsGRAFIK& figure_;
};
