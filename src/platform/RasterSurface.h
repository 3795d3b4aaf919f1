#pragma once

#include "PainterSurface.h"

#include <QImage>

// A picture box on screen: an image at the screen's resolution, white when cleared.
class RasterSurface : public PainterSurface {
public:
    RasterSurface(double widthTwips, double heightTwips, double dpi = 96);
    ~RasterSurface() override;

    // Fills the picture with the background colour.
    void clear() override;
    // The same picture size at another resolution, cleared: for drawing at another zoom.
    void resample(double dpi);
    // The picture drawn so far.
    const QImage& image();
    bool save(const QString& path);

private:
    QImage image_;
};
