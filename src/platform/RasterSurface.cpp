#include "RasterSurface.h"

#include <cmath>

RasterSurface::RasterSurface(double widthTwips, double heightTwips, double dpi)
    : PainterSurface(widthTwips, heightTwips, dpi, dpi, false),
      image_(std::max(1, static_cast<int>(std::lround(widthTwips / 1440 * dpi))),
             std::max(1, static_cast<int>(std::lround(heightTwips / 1440 * dpi))), QImage::Format_ARGB32_Premultiplied)
{
    image_.setDotsPerMeterX(static_cast<int>(std::lround(dpi / 0.0254)));
    image_.setDotsPerMeterY(static_cast<int>(std::lround(dpi / 0.0254)));
    clear();
}

RasterSurface::~RasterSurface()
{
    end();
}

void RasterSurface::clear()
{
    end();
    image_.fill(qtColor(backColor));
    begin(&image_);
}

const QImage& RasterSurface::image()
{
    // Finish what is painted so far, then go on painting on the same image.
    end();
    begin(&image_);
    return image_;
}

bool RasterSurface::save(const QString& path)
{
    return image().save(path);
}
