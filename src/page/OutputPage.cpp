#include "OutputPage.h"

#include "platform/MeasuringSurface.h"
#include "platform/RasterSurface.h"
#include "platform/VbError.h"

#include <QPainter>

OutputPage::SurfaceFactory OutputPage::screen(double dpi)
{
    return [dpi](double width, double height) { return std::make_unique<RasterSurface>(width, height, dpi); };
}

OutputPage::SurfaceFactory OutputPage::unseen(double dpi)
{
    return [dpi](double width, double height) { return std::make_unique<MeasuringSurface>(width, height, dpi); };
}

Surface& OutputPage::target(int figure, int16_t OBJ)
{
    if (OBJ == 0)
        return box(figure);
    if (!printer_)
        throw VbError::of(VbError::ObjectNotSet);
    return *printer_;
}

QImage OutputPage::screenImage()
{
    auto* sheet = dynamic_cast<RasterSurface*>(&page());
    if (!sheet)
        return {};
    QImage image = sheet->image().copy();
    QPainter painter(&image);
    const double pixelsPerTwip = sheet->dpiX() / 1440;
    for (const Box& box : boxes()) {
        if (auto* picture = dynamic_cast<RasterSurface*>(box.surface))
            painter.drawImage(QPointF(box.place.left * pixelsPerTwip, box.place.top * pixelsPerTwip),
                              picture->image());
    }
    return image;
}

std::unique_ptr<Surface> OutputPage::pictureBox(const SurfaceFactory& surfaces, int figure, const Place& at)
{
    auto box = surfaces(at.width, at.height);
    box->name = "picBILD" + std::to_string(figure);
    box->setScaleMode(Surface::Millimetres);
    return box;
}

void OutputPage::resample(double dpi)
{
    const auto to = [dpi](Surface& surface) {
        if (auto* raster = dynamic_cast<RasterSurface*>(&surface))
            raster->resample(dpi);
    };
    to(page());
    for (const Box& box : boxes())
        to(*box.surface);
}
