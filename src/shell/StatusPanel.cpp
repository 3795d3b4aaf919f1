#include "StatusPanel.h"

#include <QMouseEvent>

StatusPanel::StatusPanel(int number, QWidget* parent) : QLabel(parent), number_(number)
{
    setObjectName(QStringLiteral("stbMAIN_Panel%1").arg(number));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setMargin(2);
}

void StatusPanel::mousePressEvent(QMouseEvent* event)
{
    setFrameShadow(QFrame::Sunken);
    QLabel::mousePressEvent(event);
}

void StatusPanel::mouseReleaseEvent(QMouseEvent* event)
{
    setFrameShadow(QFrame::Raised);
    QLabel::mouseReleaseEvent(event);
    if (rect().contains(event->position().toPoint()))
        emit clicked(number_);
}
