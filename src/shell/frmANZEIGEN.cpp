#include "frmANZEIGEN.h"

#include "platform/TextPair.h"
#include "platform/Variant.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/Locale.h"
#include "shell/DialogButtons.h"

frmANZEIGEN::frmANZEIGEN(QMdiArea& area, int16_t language, QWidget* parent)
    : QDialog(parent), page_(new QLineEdit(this))
{
    const bool english = language == Locale::English;
    setObjectName(QStringLiteral("frmANZEIGEN"));
    setWindowTitle(TextPair{"Anzeigen", "Show"}.inQt(english));
    // Pages in the order of their kinds, each kind in the order of the windows.
    for (const char* kind : {"mdiESEITE", "mdiSEITE", "mdiPSEITE", "mdiMSEITE"}) {
        for (QMdiSubWindow* window : area.subWindowList()) {
            const QString name = window->widget() ? window->widget()->objectName() : QString();
            const bool otherKind = QString::fromLatin1(kind) == u"mdiSEITE" &&
                                   (name.contains(QStringLiteral("mdiESEITE"), Qt::CaseInsensitive) ||
                                    name.contains(QStringLiteral("mdiPSEITE"), Qt::CaseInsensitive) ||
                                    name.contains(QStringLiteral("mdiMSEITE"), Qt::CaseInsensitive));
            if (name.contains(QString::fromLatin1(kind), Qt::CaseInsensitive) && !otherKind)
                pages_.push_back(window);
        }
    }
    const auto active = std::find(pages_.begin(), pages_.end(), area.activeSubWindow());
    page_->setObjectName(QStringLiteral("txtSEITE"));
    page_->setText(QString::number(active == pages_.end() ? 1 : active - pages_.begin() + 1));
    connect(page_, &QLineEdit::editingFinished, this, [this] {
        if (!Variant(page_->text().toStdString()).isNumeric())
            page_->setText(QStringLiteral("1"));
    });

    auto* count = new QLabel(QString::number(pages_.size()), this);
    count->setObjectName(QStringLiteral("lblSEITEN1"));
    auto* form = new QFormLayout;
    form->addRow(new QLabel(TextPair{"Vorhandene Seiten:", "Available Pages:"}.inQt(english), this), count);
    auto* prompt = new QLabel(TextPair{"Anzeigen: ", "Show Page Nr.: "}.inQt(english), this);
    prompt->setObjectName(QStringLiteral("lblSEITE"));
    form->addRow(prompt, page_);
    QHBoxLayout* buttons = dialogButtons(this, english, [this] { cmdOK(); });
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
}

void frmANZEIGEN::cmdOK()
{
    const Variant number(page_->text().toStdString());
    const int chosen = number.isNumeric() ? static_cast<int>(number.toDouble()) - 1 : 0;
    for (int i = 0; i < pageCount(); ++i) {
        if (i == chosen) {
            pages_[i]->showMaximized();
            pages_[i]->show();
        } else {
            pages_[i]->hide();
        }
    }
    accept();
}
