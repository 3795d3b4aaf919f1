#pragma once

#include <QScrollArea>

#include <memory>
#include <vector>

class OutputPage;
class PictureBox;

// The window of an output page (named mdiSEITE1, mdiSEITE2 … after the page): a thin view
// of the page, its header and footer drawn on the sheet and its figures in picture boxes, in
// a scroll area that zooms as a document viewer does (Ctrl+wheel, Ctrl++ and Ctrl+-, Ctrl+0
// fits the width). Clicks and keys go to the main window.
class mdiSEITE1 : public QScrollArea {
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

    mdiSEITE1(OutputPage& page, Commands& commands, QWidget* parent = nullptr);
    // A window that owns its page.
    mdiSEITE1(std::unique_ptr<OutputPage> page, Commands& commands, QWidget* parent = nullptr);
    ~mdiSEITE1() override;

    OutputPage& page() { return page_; }
    // Shows what the page drew last.
    void refresh();
    // The page at this multiple of its resolution (0.5 … 4), drawn anew.
    void setZoom(double zoom);
    double zoom() const { return zoom_; }
    // The zoom at which the page fills the window's width.
    void fitWidth();

protected:
    void wheelEvent(QWheelEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    class Sheet;
    void createShortcuts();
    void layoutSheet();

    std::unique_ptr<OutputPage> owned_;
    OutputPage& page_;
    Commands& commands_;
    Sheet* sheet_;
    std::vector<PictureBox*> boxes_;
    double baseDpi_;
    double zoom_ = 1;
};
