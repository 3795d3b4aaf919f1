#include "RasterSurface.h"

#include <cmath>

namespace {

QImage picture(double widthTwips, double heightTwips, double dpi)
{
    QImage image(std::max(1, static_cast<int>(std::lround(widthTwips / 1440 * dpi))),
                 std::max(1, static_cast<int>(std::lround(heightTwips / 1440 * dpi))),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDotsPerMeterX(static_cast<int>(std::lround(dpi / 0.0254)));
    image.setDotsPerMeterY(static_cast<int>(std::lround(dpi / 0.0254)));
    return image;
}

}  // namespace

RasterSurface::RasterSurface(double widthTwips, double heightTwips, double dpi)
    : PainterSurface(widthTwips, heightTwips, dpi, dpi, false), image_(picture(widthTwips, heightTwips, dpi))
{
    clear();
}

void RasterSurface::resample(double dpi)
{
    end();
    image_ = picture(width(), height(), dpi);
    setResolution(dpi);
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
