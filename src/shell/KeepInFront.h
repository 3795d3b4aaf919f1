#pragma once

#include <QObject>

#include <functional>

class QMdiSubWindow;

// A child window that keeps the front while it is open: Ctrl+Tab and Ctrl+Shift+Tab do not
// switch to the windows behind it, whose menus and panels it has switched off, but turn
// the window's own tabs (`turn` is told 1 or -1). Lives as long as the window.
class KeepInFront : public QObject {
public:
    KeepInFront(QMdiSubWindow* window, std::function<void(int step)> turn);
    ~KeepInFront() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(int step)> turn_;
};
