#pragma once

#include "Surface.h"

#include <string>
#include <vector>

// A surface that keeps every primitive in the target's scale units (millimetres, as the
// figures set them), so tests can check what was drawn and where. Text is measured as on
// a screen of the given resolution.
class RecordingSurface : public Surface {
public:
    struct Primitive {
        enum Kind { Line, Box, Circle, Point, Text };
        Kind kind = Line;
        double x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // line ends, box corners, circle centre, text corner
        double radius = 0, start = 0, end = 0;  // circles (radius in mm)
        uint32_t color = 0;
        double width = 0;  // pen width in pixels
        int style = 0;
        bool filled = false;
        std::string text;
        std::string fontName;
        double fontSize = 0;
        bool bold = false;
        double angle = 0;
    };

    RecordingSurface(double widthTwips, double heightTwips, double dpi = 96, bool printer = false);

    void clear() override { primitives.clear(); }
    std::vector<Primitive> ofKind(Primitive::Kind kind) const;
    std::vector<Primitive> texts() const { return ofKind(Primitive::Text); }
    std::vector<Primitive> lines() const { return ofKind(Primitive::Line); }
    // The first text run with exactly this text, or null.
    const Primitive* findText(const std::string& text) const;

    std::vector<Primitive> primitives;

protected:
    void deviceLine(QPointF a, QPointF b, const Pen& pen) override;
    void deviceRect(QPointF a, QPointF b, const Pen& pen, bool filled, uint32_t fill) override;
    void deviceEllipse(QPointF centre, double rx, double ry, double start, double end, const Pen& pen, bool filled,
                       uint32_t fill) override;
    void devicePoint(QPointF at, uint32_t color) override;
    void deviceText(QPointF at, const QString& text, const QFont& font, uint32_t color, double angle) override;

private:
    // A line or box from a to b, in millimetres, drawn with the pen.
    Primitive spanning(Primitive::Kind kind, QPointF a, QPointF b, const Pen& pen) const;
    double mmX(double pixels) const { return pixels / pixelsPerUnitX() + scaleLeft(); }
    double mmY(double pixels) const { return pixels / pixelsPerUnitY() + scaleTop(); }
};
