#include "PainterSurface.h"

#include <QFontMetricsF>
#include <QPainterPath>

#include <cmath>

PainterSurface::PainterSurface(double widthTwips, double heightTwips, double dpiX, double dpiY, bool printer)
    : Surface(widthTwips, heightTwips, dpiX, dpiY, printer)
{}

void PainterSurface::begin(QPaintDevice* device)
{
    painter_.begin(device);
    painter_.setRenderHint(QPainter::Antialiasing, true);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
}

void PainterSurface::end()
{
    if (painter_.isActive())
        painter_.end();
}

QColor PainterSurface::qtColor(uint32_t color)
{
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

void PainterSurface::applyPen(const Pen& pen)
{
    static const Qt::PenStyle styles[] = {Qt::SolidLine,      Qt::DashLine, Qt::DotLine,  Qt::DashDotLine,
                                          Qt::DashDotDotLine, Qt::NoPen,    Qt::SolidLine};
    QPen qt(qtColor(pen.color));
    qt.setWidthF(pen.width);
    qt.setStyle(pen.style >= 0 && pen.style <= 6 ? styles[pen.style] : Qt::SolidLine);
    qt.setCapStyle(Qt::FlatCap);
    painter_.setPen(qt);
}

void PainterSurface::deviceLine(QPointF a, QPointF b, const Pen& pen)
{
    applyPen(pen);
    painter_.drawLine(a, b);
}

void PainterSurface::devicePolyline(const std::vector<QPointF>& points, const Pen& pen)
{
    applyPen(pen);
    painter_.drawPolyline(points.data(), static_cast<int>(points.size()));
}

void PainterSurface::deviceRect(QPointF a, QPointF b, const Pen& pen, bool filled, uint32_t fill)
{
    applyPen(pen);
    painter_.setBrush(filled ? QBrush(qtColor(fill)) : QBrush(Qt::NoBrush));
    painter_.drawRect(QRectF(a, b).normalized());
    painter_.setBrush(Qt::NoBrush);
}

void PainterSurface::deviceEllipse(QPointF centre, double rx, double ry, double start, double end, const Pen& pen,
                                   bool filled, uint32_t fill)
{
    applyPen(pen);
    const QRectF bounds(centre.x() - rx, centre.y() - ry, 2 * rx, 2 * ry);
    if (start == 0 && end == 0) {
        painter_.setBrush(filled ? QBrush(qtColor(fill)) : QBrush(Qt::NoBrush));
        painter_.drawEllipse(bounds);
        painter_.setBrush(Qt::NoBrush);
        return;
    }
    // Qt counts angles in sixteenths of a degree, counter-clockwise like the classic primitive.
    double span = end - start;
    if (span <= 0)
        span += 2 * M_PI;
    painter_.drawArc(bounds, static_cast<int>(std::lround(start * 180 / M_PI * 16)),
                     static_cast<int>(std::lround(span * 180 / M_PI * 16)));
}

void PainterSurface::devicePoint(QPointF at, uint32_t color)
{
    painter_.setPen(QPen(qtColor(color), 1));
    painter_.drawPoint(at);
}

void PainterSurface::deviceText(QPointF at, const QString& text, const QFont& font, uint32_t color, double angle)
{
    painter_.save();
    painter_.setFont(font);
    painter_.setPen(qtColor(color));
    painter_.translate(at);
    painter_.rotate(-angle);
    const QFontMetricsF metrics(font, painter_.device());
    painter_.drawText(QPointF(0, metrics.ascent()), text);
    painter_.restore();
}
