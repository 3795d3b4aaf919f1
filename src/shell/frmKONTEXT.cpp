#include "frmKONTEXT.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/Locale.h"
#include "platform/TextPair.h"
#include "shell/DialogButtons.h"

namespace {

QColor qtColour(uint32_t colour)
{
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

uint32_t classicColour(const QColor& colour)
{
    return colour.red() | (colour.green() << 8) | (colour.blue() << 16);
}

}  // namespace

frmKONTEXT::frmKONTEXT(int16_t language, bool header, bool numbering, uint32_t pageColour, uint32_t pictureColour,
                       Apply apply, ChooseColour choose, QWidget* parent)
    : QDialog(parent), colours_{pageColour, pictureColour}, apply_(std::move(apply)), choose_(std::move(choose))
{
    const bool english = language == Locale::English;
    setObjectName(QStringLiteral("frmKONTEXT"));
    setWindowTitle(TextPair{"Kontextmenü Seite", "context menue of page"}.inQt(english));
    colourTitles_[0] = TextPair{"Seitenfarbe", "color of page"}.inQt(english);
    colourTitles_[1] = TextPair{"Pictureboxfarben", "color of pictureboxes"}.inQt(english);
    if (!choose_) {
        choose_ = [this](uint32_t current, const QString& title) {
            const QColor chosen = QColorDialog::getColor(qtColour(current), this, title);
            return chosen.isValid() ? classicColour(chosen) : current;
        };
    }

    auto* frame = new QGroupBox(TextPair{"Seitenlayout", "page layout"}.inQt(english), this);
    frame->setObjectName(QStringLiteral("fraSKALEN"));
    auto* frameLayout = new QVBoxLayout(frame);
    for (int i = 0; i < 2; ++i) {
        auto* button = new QPushButton(colourTitles_[i], frame);
        button->setObjectName(QStringLiteral("cmdFARBEN%1").arg(i));
        connect(button, &QPushButton::clicked, this, [this, i] { cmdFARBEN(i); });
        frameLayout->addWidget(button);
    }
    header_ = new QCheckBox(TextPair{"Kopf / Fußzeile darstellen", "draw head and foot line "}.inQt(english), this);
    header_->setObjectName(QStringLiteral("chkBOKF"));
    numbering_ = new QCheckBox(TextPair{"Seitennummerierung darstellen", "draw page numbering "}.inQt(english), this);
    numbering_->setObjectName(QStringLiteral("chkBOKFS"));
    header_->setChecked(header);
    numbering_->setChecked(numbering);
    numbering_->setEnabled(header);
    // Without a header there is no page number either.
    connect(header_, &QCheckBox::toggled, this, [this](bool on) {
        numbering_->setEnabled(on);
        numbering_->setChecked(on);
    });

    QHBoxLayout* buttons = dialogButtons(this, english, [this] { cmdOK(); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(header_);
    layout->addWidget(numbering_);
    layout->addLayout(buttons);
}

void frmKONTEXT::cmdFARBEN(int index)
{
    colours_[index] = choose_(colours_[index], colourTitles_[index]);
}

void frmKONTEXT::cmdOK()
{
    if (apply_)
        apply_(header_->isChecked(), numbering_->isChecked(), colours_[0], colours_[1]);
    accept();
}
