#include "RecordingSurface.h"

RecordingSurface::RecordingSurface(double widthTwips, double heightTwips, double dpi, bool printer)
    : Surface(widthTwips, heightTwips, dpi, dpi, printer)
{}

std::vector<RecordingSurface::Primitive> RecordingSurface::ofKind(Primitive::Kind kind) const
{
    std::vector<Primitive> found;
    for (const Primitive& primitive : primitives) {
        if (primitive.kind == kind)
            found.push_back(primitive);
    }
    return found;
}

const RecordingSurface::Primitive* RecordingSurface::findText(const std::string& text) const
{
    for (const Primitive& primitive : primitives) {
        if (primitive.kind == Primitive::Text && primitive.text == text)
            return &primitive;
    }
    return nullptr;
}

RecordingSurface::Primitive RecordingSurface::spanning(Primitive::Kind kind, QPointF a, QPointF b, const Pen& pen) const
{
    Primitive primitive;
    primitive.kind = kind;
    primitive.x1 = mmX(a.x());
    primitive.y1 = mmY(a.y());
    primitive.x2 = mmX(b.x());
    primitive.y2 = mmY(b.y());
    primitive.color = pen.color;
    primitive.width = pen.width;
    return primitive;
}

void RecordingSurface::deviceLine(QPointF a, QPointF b, const Pen& pen)
{
    Primitive line = spanning(Primitive::Line, a, b, pen);
    line.style = pen.style;
    primitives.push_back(line);
}

void RecordingSurface::deviceRect(QPointF a, QPointF b, const Pen& pen, bool filled, uint32_t fill)
{
    Primitive box = spanning(Primitive::Box, a, b, pen);
    if (filled)
        box.color = fill;
    box.filled = filled;
    primitives.push_back(box);
}

void RecordingSurface::deviceEllipse(QPointF centre, double rx, double, double start, double end, const Pen& pen,
                                     bool filled, uint32_t fill)
{
    Primitive circle;
    circle.kind = Primitive::Circle;
    circle.x1 = mmX(centre.x());
    circle.y1 = mmY(centre.y());
    circle.radius = rx / pixelsPerUnitX();
    circle.start = start;
    circle.end = end;
    circle.color = filled ? fill : pen.color;
    circle.width = pen.width;
    circle.filled = filled;
    primitives.push_back(circle);
}

void RecordingSurface::devicePoint(QPointF at, uint32_t color)
{
    Primitive point;
    point.kind = Primitive::Point;
    point.x1 = mmX(at.x());
    point.y1 = mmY(at.y());
    point.color = color;
    primitives.push_back(point);
}

void RecordingSurface::deviceText(QPointF at, const QString& text, const QFont& font, uint32_t color, double angle)
{
    Primitive run;
    run.kind = Primitive::Text;
    run.x1 = mmX(at.x());
    run.y1 = mmY(at.y());
    run.text = text.toStdString();
    run.fontName = font.family().toStdString();
    run.fontSize = font.pointSizeF();
    run.bold = font.bold();
    run.color = color;
    run.angle = angle;
    primitives.push_back(run);
}
