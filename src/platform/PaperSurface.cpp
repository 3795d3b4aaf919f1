#include "PaperSurface.h"

#include <QPageLayout>
#include <QPdfWriter>

namespace {

// The paper in twips of the drawing routines (56.7 per millimetre), so that a
// millimetre scale spans exactly the paper's millimetres.
QSizeF paperTwips(QPagedPaintDevice* device)
{
    return device->pageLayout().fullRect(QPageLayout::Millimeter).size() * Surface::twipsPerMillimetre;
}

}  // namespace

PaperSurface::PaperSurface(QPagedPaintDevice* device)
    : PainterSurface(paperTwips(device).width(), paperTwips(device).height(), device->logicalDpiX(),
                     device->logicalDpiY(), true),
      device_(device)
{
    begin(device_);
    // Draw relative to the paper's corner, not to the printable area.
    const QRectF paint = device_->pageLayout().paintRectPixels(device_->logicalDpiX());
    painter().translate(-paint.left(), -paint.top());
}

PaperSurface::PaperSurface(std::unique_ptr<QPdfWriter> writer) : PaperSurface(writer.get())
{
    writer_ = std::move(writer);
}

std::unique_ptr<PaperSurface> PaperSurface::pdf(const QString& path, const QString& title)
{
    return a4(std::make_unique<QPdfWriter>(path), title);
}

std::unique_ptr<PaperSurface> PaperSurface::pdf(QIODevice* device, const QString& title)
{
    return a4(std::make_unique<QPdfWriter>(device), title);
}

std::unique_ptr<PaperSurface> PaperSurface::a4(std::unique_ptr<QPdfWriter> writer, const QString& title)
{
    writer->setResolution(300);  // one pixel, the thinnest line of the figures, is 0.085 mm
    writer->setTitle(title);
    writer->setCreator(QStringLiteral("Tarvelo"));
    writer->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    return std::unique_ptr<PaperSurface>(new PaperSurface(std::move(writer)));
}

PaperSurface::~PaperSurface()
{
    end();
}

void PaperSurface::clear()
{
    newPage();
}

void PaperSurface::newPage()
{
    device_->newPage();
}

bool PaperSurface::finish()
{
    const bool active = painter().isActive();
    end();
    return active;
}
