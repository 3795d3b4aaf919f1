#include "mdiSEITE1.h"

#include "page/OutputPage.h"
#include "platform/RasterSurface.h"
#include "shell/PictureBox.h"
#include "shell/WaitCursor.h"

#include <QApplication>
#include <QPainter>
#include <QScrollBar>
#include <QShortcut>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

// The sheet itself: the page's header and footer, with the picture boxes on it. A click
// anywhere on it opens the page context.
class mdiSEITE1::Sheet : public QWidget {
public:
    Sheet(OutputPage& page, Commands& commands, QWidget* parent) : QWidget(parent), page_(page), commands_(commands)
    {
        setObjectName(QStringLiteral("picSEITE%1").arg(page.number()));
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (auto* sheet = dynamic_cast<RasterSurface*>(&page_.page())) {
            QPainter painter(this);
            painter.fillRect(rect(), QColor(sheet->backColor & 0xFF, (sheet->backColor >> 8) & 0xFF,
                                            (sheet->backColor >> 16) & 0xFF));
            painter.drawImage(QPoint(0, 0), sheet->image());
        }
    }
    void mousePressEvent(QMouseEvent*) override { commands_.openContext(); }

private:
    OutputPage& page_;
    Commands& commands_;
};

mdiSEITE1::mdiSEITE1(OutputPage& page, Commands& commands, QWidget* parent)
    : QScrollArea(parent), page_(page), commands_(commands), sheet_(new Sheet(page, commands, this)),
      baseDpi_(page.page().dpiX())
{
    setObjectName(QStringLiteral("mdiSEITE%1").arg(page.number()));
    setFocusPolicy(Qt::StrongFocus);
    setAlignment(Qt::AlignCenter);
    for (const OutputPage::Box& box : page.boxes())
        boxes_.push_back(new PictureBox(*box.surface, sheet_));
    layoutSheet();
    setWidget(sheet_);
    createShortcuts();
}

mdiSEITE1::mdiSEITE1(std::unique_ptr<OutputPage> page, Commands& commands, QWidget* parent)
    : mdiSEITE1(*page, commands, parent)
{
    owned_ = std::move(page);
}

mdiSEITE1::~mdiSEITE1() = default;

void mdiSEITE1::layoutSheet()
{
    // The boxes keep their places on the sheet in twips, at the page's present resolution.
    const double pixelsPerTwip = page_.page().dpiX() / 1440;
    const auto pixels = [pixelsPerTwip](double twips) { return static_cast<int>(std::lround(twips * pixelsPerTwip)); };
    const std::vector<OutputPage::Box> places = page_.boxes();
    for (std::size_t i = 0; i < places.size(); ++i) {
        const OutputPage::Place& at = places[i].place;
        boxes_[i]->setGeometry(pixels(at.left), pixels(at.top), pixels(at.width), pixels(at.height));
    }
    sheet_->setFixedSize(pixels(page_.page().width()), pixels(page_.page().height()));
}

void mdiSEITE1::createShortcuts()
{
    // The page's keys act wherever the focus is in the page, before Qt's own uses of them
    // (Ctrl+W closes a child window, Ctrl+C copies). Each stands for a status-bar panel:
    // Esc closes, Ctrl+S shows, Ctrl+P prints, Ctrl+C copies, Ctrl+W makes a document,
    // Ctrl+A shows the display dialog; Alt+Q quits the program.
    const auto add = [this](const QKeySequence& sequence, auto action) {
        auto* shortcut = new QShortcut(sequence, this);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, this, action);
    };
    const std::pair<QKeySequence, int> panels[] = {
        {QKeySequence(Qt::Key_Escape), 15},       {QKeySequence(Qt::CTRL | Qt::Key_S), 10},
        {QKeySequence(Qt::CTRL | Qt::Key_P), 11}, {QKeySequence(Qt::CTRL | Qt::Key_C), 12},
        {QKeySequence(Qt::CTRL | Qt::Key_W), 13}, {QKeySequence(Qt::CTRL | Qt::Key_A), 14},
    };
    for (const auto& [sequence, panel] : panels)
        add(sequence, [this, panel = panel] { commands_.panelClick(panel); });
    add(QKeySequence(Qt::ALT | Qt::Key_Q), [this] { commands_.quit(); });
    add(QKeySequence::ZoomIn, [this] { setZoom(zoom_ * 1.25); });
    add(QKeySequence(Qt::CTRL | Qt::Key_Equal), [this] { setZoom(zoom_ * 1.25); });
    add(QKeySequence::ZoomOut, [this] { setZoom(zoom_ / 1.25); });
    add(QKeySequence(Qt::CTRL | Qt::Key_0), [this] { fitWidth(); });
}

void mdiSEITE1::setZoom(double zoom)
{
    zoom = std::clamp(zoom, 0.5, 4.0);
    if (std::abs(zoom - zoom_) < 1e-9)
        return;
    zoom_ = zoom;
    const WaitCursor wait;
    page_.ZOOM(baseDpi_ * zoom_);
    layoutSheet();
    refresh();
}

void mdiSEITE1::fitWidth()
{
    // The room without scroll bars, less the vertical bar when the page at that width is
    // taller than the window: the bar appears with the new size and would take its width.
    const QSize room = maximumViewportSize();
    const double sheetWidth = page_.page().width() / 1440 * baseDpi_;
    const double sheetHeight = page_.page().height() / 1440 * baseDpi_;
    double zoom = (room.width() - 2) / sheetWidth;
    if (sheetHeight * zoom > room.height())
        zoom = (room.width() - 2 - verticalScrollBar()->sizeHint().width()) / sheetWidth;
    setZoom(zoom);
}

void mdiSEITE1::refresh()
{
    sheet_->update();
    for (PictureBox* box : boxes_)
        box->update();
}

void mdiSEITE1::wheelEvent(QWheelEvent* event)
{
    if (!(event->modifiers() & Qt::ControlModifier))
        return QScrollArea::wheelEvent(event);
    setZoom(event->angleDelta().y() > 0 ? zoom_ * 1.25 : zoom_ / 1.25);
    event->accept();
}

void mdiSEITE1::showEvent(QShowEvent* event)
{
    // The page takes the keys as soon as it is shown, without a click.
    QScrollArea::showEvent(event);
    setFocus();
}

void mdiSEITE1::focusInEvent(QFocusEvent* event)
{
    commands_.pageActivated();
    QScrollArea::focusInEvent(event);
}
