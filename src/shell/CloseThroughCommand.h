#pragma once

#include <QObject>

#include <functional>

class QMdiSubWindow;

// Every way of closing a child window (its close box, Ctrl+F4, the window menu) takes the
// path of the window's own command ("Abbrechen" for the input form, "Schließen" for a
// page), so menus, status bar and records stay as that command leaves them. The command
// itself closes the window with `close`.
class CloseThroughCommand : public QObject {
public:
    CloseThroughCommand(QMdiSubWindow* window, std::function<void()> command);

    static void close(QMdiSubWindow* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> command_;
};
