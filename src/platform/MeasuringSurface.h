#pragma once

#include "Surface.h"

// A screen page nobody looks at: it measures text as a screen of the given resolution,
// so every layout decision is the one the visible page makes, and draws nothing. Batch
// runs that only print use it in place of the screen's images.
class MeasuringSurface : public Surface {
public:
    MeasuringSurface(double widthTwips, double heightTwips, double dpi = 96);

    void clear() override {}

protected:
    void deviceLine(QPointF, QPointF, const Pen&) override {}
    void devicePolyline(const std::vector<QPointF>&, const Pen&) override {}
    void deviceRect(QPointF, QPointF, const Pen&, bool, uint32_t) override {}
    void deviceEllipse(QPointF, double, double, double, double, const Pen&, bool, uint32_t) override {}
    void devicePoint(QPointF, uint32_t) override {}
    void deviceText(QPointF, const QString&, const QFont&, uint32_t, double) override {}
};
