#include "StatusPanel.h"

#include <QMouseEvent>
#include <QTimer>

namespace {
constexpr qint64 pressedPauseMs = 250;
}

StatusPanel::StatusPanel(int number, QWidget* parent) : QLabel(parent), number_(number)
{
    setObjectName(QStringLiteral("stbMAIN_Panel%1").arg(number));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setMargin(2);
}

void StatusPanel::mousePressEvent(QMouseEvent* event)
{
    if (isButton()) {
        setFrameShadow(QFrame::Sunken);
        pressed_.start();
    }
    QLabel::mousePressEvent(event);
}

void StatusPanel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (!isButton() || !pressed_.isValid())
        return;
    if (rect().contains(event->position().toPoint()))
        emit clicked(number_);
    raiseAfterPause();
}

void StatusPanel::raiseAfterPause()
{
    const qint64 remaining = pressedPauseMs - pressed_.elapsed();
    pressed_.invalidate();
    if (remaining <= 0) {
        setFrameShadow(QFrame::Raised);
        return;
    }
    QTimer::singleShot(remaining, this, [this] { setFrameShadow(QFrame::Raised); });
}
