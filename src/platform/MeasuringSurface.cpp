#include "MeasuringSurface.h"

MeasuringSurface::MeasuringSurface(double widthTwips, double heightTwips, double dpi)
    : Surface(widthTwips, heightTwips, dpi, dpi, false)
{}
