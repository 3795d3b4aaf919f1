#include "PictureBox.h"

#include "platform/RasterSurface.h"

#include <QPainter>

PictureBox::PictureBox(Surface& surface, QWidget* parent) : QWidget(parent), surface_(surface)
{
    setObjectName(QString::fromStdString(surface.name));
    setAttribute(Qt::WA_TransparentForMouseEvents);  // clicks belong to the page
}

void PictureBox::paintEvent(QPaintEvent*)
{
    if (auto* image = dynamic_cast<RasterSurface*>(&surface_)) {
        QPainter painter(this);
        painter.drawImage(rect(), image->image());
    }
}
