#include "KeepInFront.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMdiSubWindow>

KeepInFront::KeepInFront(QMdiSubWindow* window, std::function<void(int step)> turn)
    : QObject(window), turn_(std::move(turn))
{
    // The area switches windows in a filter on the application; a filter installed later
    // sees the keys first.
    qApp->installEventFilter(this);
}

KeepInFront::~KeepInFront()
{
    qApp->removeEventFilter(this);
}

bool KeepInFront::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool back = key->key() == Qt::Key_Backtab;
        if ((back || key->key() == Qt::Key_Tab) && (key->modifiers() & Qt::ControlModifier)) {
            if (event->type() == QEvent::KeyPress)
                turn_(back ? -1 : 1);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
