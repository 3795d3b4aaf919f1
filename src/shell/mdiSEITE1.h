#pragma once

#include <QWidget>

#include <memory>
#include <vector>

class PictureBox;
class Seite1;

// The window of output page 1: a thin view of the page, its header and footer drawn on
// the window and its figures in picture boxes. Clicks and keys go to the main window.
class mdiSEITE1 : public QWidget {
    Q_OBJECT

public:
    // What the page window asks of the main window.
    class Commands {
    public:
        virtual ~Commands() = default;
        virtual void panelClick(int panel) = 0;  // status-bar panel commands, as their keys say
        virtual void quit() = 0;
        virtual void openContext() = 0;  // the page-context dialog
        virtual void pageActivated() = 0;
    };

    mdiSEITE1(Seite1& page, Commands& commands, QWidget* parent = nullptr);
    // A window that owns its page.
    mdiSEITE1(std::unique_ptr<Seite1> page, Commands& commands, QWidget* parent = nullptr);
    ~mdiSEITE1() override;

    Seite1& page() { return page_; }
    // Shows what the page drew last.
    void refresh();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    void createShortcuts();

    std::unique_ptr<Seite1> owned_;
    Seite1& page_;
    Commands& commands_;
    std::vector<PictureBox*> boxes_;
};
