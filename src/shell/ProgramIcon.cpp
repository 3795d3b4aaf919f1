#include "ProgramIcon.h"

#include <QApplication>
#include <QIcon>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

QImage ProgramIcon::image(const QString& program, int size)
{
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 64.0, size / 64.0);  // the SVG's 64-unit box
    const QColor blue(0x1f, 0x4e, 0x79);
    if (program == u"KALMORA") {
        painter.setPen(Qt::NoPen);
        painter.setBrush(blue);
        painter.drawRoundedRect(QRectF(0, 0, 64, 64), 10, 10);
        QPainterPath k;
        k.moveTo(21, 14);
        k.lineTo(21, 50);
        k.moveTo(44, 14);
        k.lineTo(23, 33);
        k.lineTo(45, 50);
        painter.strokePath(k, QPen(Qt::white, 7));
        return icon;
    }
    painter.setPen(QPen(blue, 3));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(1.5, 1.5, 61, 61), 10, 10);
    painter.setPen(QPen(Qt::black, 2));
    painter.drawLine(QPointF(10, 54), QPointF(54, 54));
    painter.drawLine(QPointF(10, 54), QPointF(10, 10));
    QPainterPath curve(QPointF(10, 54));
    curve.quadTo(QPointF(28, 32), QPointF(54, 22));
    painter.strokePath(curve, QPen(Qt::black, 2.5));
    painter.setPen(QPen(QColor(0xc0, 0, 0), 2.5));
    painter.drawLine(QPointF(10, 52), QPointF(54, 16));
    return icon;
}

void ProgramIcon::install(const QString& program)
{
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128})
        icon.addPixmap(QPixmap::fromImage(image(program, size)));
    QApplication::setWindowIcon(icon);
}
