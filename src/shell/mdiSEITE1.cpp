#include "mdiSEITE1.h"

#include "page/Seite1.h"
#include "platform/RasterSurface.h"
#include "shell/PictureBox.h"

#include <QKeyEvent>
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

void mdiSEITE1::keyPressEvent(QKeyEvent* event)
{
    const bool control = event->modifiers() & Qt::ControlModifier;
    const bool alt = event->modifiers() & Qt::AltModifier;
    char key = 0;
    if (event->key() == Qt::Key_Escape)
        key = 27;
    else if (event->key() >= Qt::Key_A && event->key() <= Qt::Key_Z)
        key = static_cast<char>('A' + (event->key() - Qt::Key_A));
    const int panel = Seite1::panelForKey(key, control, alt);
    if (panel > 0)
        commands_.panelClick(panel);
    else if (panel < 0)
        commands_.quit();
    else
        QWidget::keyPressEvent(event);
}

void mdiSEITE1::focusInEvent(QFocusEvent* event)
{
    commands_.pageActivated();
    QWidget::focusInEvent(event);
}
