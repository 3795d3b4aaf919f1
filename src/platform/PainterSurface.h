#pragma once

#include "Surface.h"

#include <QPainter>

// A surface drawn with Qt's painter onto a paint device: an image, a PDF page, a printer.
class PainterSurface : public Surface {
public:
    PainterSurface(double widthTwips, double heightTwips, double dpiX, double dpiY, bool printer);

protected:
    // Starts painting on the device; the subclass owns the device.
    void begin(QPaintDevice* device);
    void end();
    QPainter& painter() { return painter_; }

    void deviceLine(QPointF a, QPointF b, const Pen& pen) override;
    void devicePolyline(const std::vector<QPointF>& points, const Pen& pen) override;
    void deviceRect(QPointF a, QPointF b, const Pen& pen, bool filled, uint32_t fill) override;
    void deviceEllipse(QPointF centre, double rx, double ry, double start, double end, const Pen& pen, bool filled,
                       uint32_t fill) override;
    void devicePoint(QPointF at, uint32_t color) override;
    void deviceText(QPointF at, const QString& text, const QFont& font, uint32_t color, double angle) override;

    static QColor qtColor(uint32_t color);

private:
    void applyPen(const Pen& pen);
    QPainter painter_;
};
