#include "mdiSEITE1.h"

#include "page/Seite1.h"
#include "platform/RasterSurface.h"
#include "shell/PictureBox.h"

#include <QShortcut>
#include <QPainter>

#include <cmath>

mdiSEITE1::mdiSEITE1(Seite1& page, Commands& commands, QWidget* parent)
    : QWidget(parent), page_(page), commands_(commands)
{
    setObjectName(QStringLiteral("mdiSEITE1"));
    setFocusPolicy(Qt::StrongFocus);
    const double pixelsPerTwip = page.page().dpiX() / 1440;
    for (int figure = 11; figure <= 17; ++figure) {
        const Seite1::Place at = Seite1::place(figure);
        auto* box = new PictureBox(page.box(figure), this);
        const auto pixels = [pixelsPerTwip](double twips) { return static_cast<int>(std::lround(twips * pixelsPerTwip)); };
        box->setGeometry(pixels(at.left), pixels(at.top), pixels(at.width), pixels(at.height));
        boxes_.push_back(box);
    }
    const double width = page.page().width() * pixelsPerTwip, height = page.page().height() * pixelsPerTwip;
    setMinimumSize(static_cast<int>(width), static_cast<int>(height));
    createShortcuts();
}

void mdiSEITE1::createShortcuts()
{
    // The page's keys act wherever the focus is in the page, before Qt's own uses of them
    // (Ctrl+W closes a child window, Ctrl+C copies).
    const std::pair<QKeySequence, std::pair<char, Qt::KeyboardModifiers>> keys[] = {
        {QKeySequence(Qt::Key_Escape), {27, Qt::NoModifier}},
        {QKeySequence(Qt::CTRL | Qt::Key_S), {'S', Qt::ControlModifier}},
        {QKeySequence(Qt::CTRL | Qt::Key_P), {'P', Qt::ControlModifier}},
        {QKeySequence(Qt::CTRL | Qt::Key_C), {'C', Qt::ControlModifier}},
        {QKeySequence(Qt::CTRL | Qt::Key_W), {'W', Qt::ControlModifier}},
        {QKeySequence(Qt::CTRL | Qt::Key_A), {'A', Qt::ControlModifier}},
        {QKeySequence(Qt::ALT | Qt::Key_Q), {'Q', Qt::AltModifier}},
    };
    for (const auto& [sequence, key] : keys) {
        const int panel = Seite1::panelForKey(key.first, key.second & Qt::ControlModifier, key.second & Qt::AltModifier);
        auto* shortcut = new QShortcut(sequence, this);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, panel] {
            if (panel > 0)
                commands_.panelClick(panel);
            else
                commands_.quit();
        });
    }
}

mdiSEITE1::mdiSEITE1(std::unique_ptr<Seite1> page, Commands& commands, QWidget* parent)
    : mdiSEITE1(*page, commands, parent)
{
    owned_ = std::move(page);
}

mdiSEITE1::~mdiSEITE1() = default;

void mdiSEITE1::refresh()
{
    update();
    for (PictureBox* box : boxes_)
        box->update();
}

void mdiSEITE1::paintEvent(QPaintEvent*)
{
    if (auto* sheet = dynamic_cast<RasterSurface*>(&page_.page())) {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(sheet->backColor & 0xFF, (sheet->backColor >> 8) & 0xFF,
                                        (sheet->backColor >> 16) & 0xFF));
        painter.drawImage(QPoint(0, 0), sheet->image());
    }
}

void mdiSEITE1::mousePressEvent(QMouseEvent*)
{
    commands_.openContext();
}

void mdiSEITE1::showEvent(QShowEvent* event)
{
    // The page takes the keys as soon as it is shown, without a click.
    QWidget::showEvent(event);
    setFocus();
}

void mdiSEITE1::focusInEvent(QFocusEvent* event)
{
    commands_.pageActivated();
    QWidget::focusInEvent(event);
}
