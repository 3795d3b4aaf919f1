#include "AxisPainter.h"

#include "graphics/clsGRAFIK.h"
#include "platform/Locale.h"
#include "platform/NumberFormat.h"

#include <algorithm>
#include <cmath>

struct AxisPainter::Side {
    bool xAxis;
    int16_t where;        // EAXEX / EAXEY
    int16_t logarithmic;  // ESKTX / ESKTY
    const ScaleChoice::Axis& axis;
    std::string format;
    std::string title;
};

void AxisPainter::draw()
{
    if (figure_.EAXEX != 0)
        drawSide({true, figure_.EAXEX, figure_.ESKTX, figure_.xAxis_, figure_.ESKZX, figure_.ETEXTX});
    if (figure_.EAXEY != 0)
        drawSide({false, figure_.EAXEY, figure_.ESKTY, figure_.yAxis_, figure_.ESKZY, figure_.ETEXTY});
}

std::string AxisPainter::labelText(double value, const std::string& format)
{
    // "10." of a pattern with optional decimals loses its bare separator.
    std::string text = vb::format(value, format);
    const std::string& separator = Locale::current().DEZIMALPUNKT;
    if (text.size() > separator.size() && text.ends_with(separator))
        text.resize(text.size() - separator.size());
    return text;
}

std::vector<AxisPainter::Label> AxisPainter::logarithmicLabels(const Side& side) const
{
    const ScaleChoice::Axis& axis = side.axis;
    std::vector<Label> labels;
    for (float position : axis.grid) {
        const double value = std::pow(10.0, position);
        labels.push_back({along(side.xAxis, position), value, labelText(value, side.format)});
    }
    if (labels.size() >= 2)
        return labels;
    // Inside one decade the decade labels say too little: the ticks at 1, 2 and 5 get numbers.
    labels.clear();
    for (float position : axis.ticks) {
        const double value = std::pow(10.0, position);
        const double mantissa = value / std::pow(10.0, std::floor(position + 1e-6));
        for (double round : {1.0, 2.0, 5.0}) {
            if (std::abs(mantissa - round) < 1e-3)
                labels.push_back({along(side.xAxis, position), value, labelText(value, side.format)});
        }
    }
    return labels;
}

std::vector<AxisPainter::Label> AxisPainter::distinct(std::vector<Label> labels, const std::string& format)
{
    // Two neighbours that read alike ("0 0 1 1") say nothing: the numbers get the decimals
    // that tell them apart (three at most).
    const auto alike = [&labels] {
        for (std::size_t i = 1; i < labels.size(); ++i) {
            if (labels[i].text == labels[i - 1].text)
                return true;
        }
        return false;
    };
    std::string finer = format.find('.') == std::string::npos ? format + "." : format;
    for (int decimals = 0; decimals < 3 && alike(); ++decimals) {
        finer += "0";
        for (Label& label : labels)
            label.text = labelText(label.value, finer);
    }
    return labels;
}

std::vector<AxisPainter::Label> AxisPainter::spaced(const std::vector<Label>& labels) const
{
    // Every label keeps clear of its neighbours: when two would touch, only every second
    // (third, …) one is written, always with the first.
    const Surface& surface = figure_.target();
    const auto fits = [&](std::size_t stride) {
        for (std::size_t i = stride; i < labels.size(); i += stride) {
            const float room = std::abs(labels[i].p - labels[i - stride].p);
            const double needed =
                (surface.textWidth(labels[i].text) + surface.textWidth(labels[i - stride].text)) / 2 + 1;
            if (room < needed)
                return false;
        }
        return true;
    };
    std::size_t stride = 1;
    while (stride < labels.size() && !fits(stride))
        ++stride;
    std::vector<Label> kept;
    for (std::size_t i = 0; i < labels.size(); i += stride)
        kept.push_back(labels[i]);
    return kept;
}

float AxisPainter::along(bool xAxis, float value) const
{
    float x = 0, y = 0;
    if (xAxis)
        figure_.KOORDTRANS(value, figure_.YMIN_, x, y);
    else
        figure_.KOORDTRANS(figure_.XMIN_, value, x, y);
    return xAxis ? x : y;
}

void AxisPainter::drawSide(const Side& side)
{
    Surface& surface = figure_.target();
    // Corners of the plot area on the target.
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    figure_.KOORDTRANS(figure_.XMIN_, figure_.YMIN_, x1, y1);
    figure_.KOORDTRANS(figure_.XMAX_, figure_.YMAX_, x2, y2);
    const float left = std::min(x1, x2), right = std::max(x1, x2);
    const float top = std::min(y1, y2), bottom = std::max(y1, y2);

    // p runs along the axis, q across it; "outward" is the side of the labels.
    const float pFrom = side.xAxis ? left : top, pTo = side.xAxis ? right : bottom;
    const float qNear = side.xAxis ? bottom : left, qFar = side.xAxis ? top : right;
    const float outwardNear = side.xAxis ? 1.0f : -1.0f;
    const float outward = side.where > 0 ? outwardNear : -outwardNear;
    const float edge = side.where > 0 ? qNear : qFar;
    const float q = std::abs(side.where) == 1 ? edge : edge + outward * std::abs(side.where);
    // Axis lines as frames; ticks thin; grid lines thin and lighter than anything drawn
    // on them, so a curve lying on a grid line still shows.
    const uint32_t gridColour = surface.foreColor == 0 ? Surface::rgb(150, 150, 150) : surface.foreColor;
    const auto draw = [&](float p1, float q1, float p2, float q2, Surface::LineRole role, uint32_t colour) {
        surface.lineRole = role;
        if (side.xAxis)
            surface.line(p1, q1, p2, q2, colour);
        else
            surface.line(q1, p1, q2, p2, colour);
        surface.lineRole = Surface::LineRole::Frame;
    };
    const auto line = [&](float p1, float q1, float p2, float q2) {
        draw(p1, q1, p2, q2, Surface::LineRole::Frame, surface.foreColor);
    };
    const auto tick = [&](float p1, float q1, float p2, float q2) {
        draw(p1, q1, p2, q2, Surface::LineRole::Thin, surface.foreColor);
    };
    const auto gridLine = [&](float p) { draw(p, qNear, p, qFar, Surface::LineRole::Thin, gridColour); };
    const int16_t angle = side.xAxis ? 0 : 90;
    const int16_t hanging = outward > 0 ? 0 : 2;
    const auto text = [&](float p, float distance, const std::string& content) {
        const float qText = q + outward * distance;
        figure_.TEXT(side.xAxis ? p : qText, side.xAxis ? qText : p, content, 0, angle, 1, hanging);
    };

    line(pFrom, q, pTo, q);
    const ScaleChoice::Axis& axis = side.axis;
    const std::size_t count = std::min<std::size_t>(axis.ticks.size(), axis.n + 1);
    const auto every = [&](int intervals) {
        return intervals == 0 ? 0 : static_cast<int>(std::nearbyint(double(axis.n) / intervals));
    };
    int nextGrid = 0, nextLabel = 0;
    std::vector<Label> labels;
    for (std::size_t i = 0; i < count; ++i) {
        const float p = along(side.xAxis, axis.ticks[i]);
        tick(p, q, p, q + 1.5f * outward);
        if (side.logarithmic == 1)
            continue;
        if (axis.G != 0 && static_cast<int>(i) == nextGrid) {
            gridLine(p);
            nextGrid += every(axis.G);
        }
        if (axis.Z != 0 && static_cast<int>(i) == nextLabel) {
            labels.push_back({p, axis.ticks[i], labelText(axis.ticks[i], side.format)});
            nextLabel += every(axis.Z);
        }
    }
    bool logLabels = side.logarithmic == 1 && axis.Z != 0 && axis.Z == axis.G;
    if (side.logarithmic == 1) {
        for (float position : axis.grid) {
            if (axis.G != 0)
                gridLine(along(side.xAxis, position));
        }
        if (logLabels)
            labels = logarithmicLabels(side);
    }
    for (const Label& label : spaced(distinct(labels, side.format)))
        text(label.p, 2, label.text);
    logLabels = logLabels && !labels.empty();
    // The title keeps clear of labels spread along the axis.
    if (!side.title.empty())
        text((pFrom + pTo) / 2, axis.Z > 1 || logLabels ? 6.0f : 2.0f, side.title);
}
