#include "CloseThroughCommand.h"

#include <QAction>
#include <QEvent>
#include <QKeySequence>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTimer>

namespace {

const char* const byCommand = "closedByCommand";

}  // namespace

CloseThroughCommand::CloseThroughCommand(QMdiSubWindow* window, std::function<void()> command)
    : QObject(window), command_(std::move(command))
{
    window->installEventFilter(this);
    // The window menu's close keeps only Ctrl+F4: Ctrl+W belongs to the program's keys.
    if (QMenu* menu = window->systemMenu()) {
        for (QAction* action : menu->actions()) {
            if (action->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_W)))
                action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F4));
        }
    }
}

void CloseThroughCommand::close(QMdiSubWindow* window)
{
    window->setProperty(byCommand, true);
    window->close();
}

bool CloseThroughCommand::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Close || watched->property(byCommand).toBool())
        return QObject::eventFilter(watched, event);
    event->ignore();
    // The command runs once the close event is over; it closes the window itself.
    QTimer::singleShot(0, this, [command = command_] { command(); });
    return true;
}
