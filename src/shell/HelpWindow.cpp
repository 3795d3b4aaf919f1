#include "HelpWindow.h"

#include <QFile>
#include <QTextBrowser>
#include <QTextFrame>
#include <QVBoxLayout>

HelpWindow::HelpWindow(const QString& helpFile, int context, bool english, QWidget* parent)
    : QDialog(parent), browser_(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("cdlHILFE"));
    setWindowTitle(QStringLiteral("?/Hilfe"));
    browser_->setObjectName(QStringLiteral("txtHILFE"));
    QFile file(helpFile);
    if (file.open(QIODevice::ReadOnly))
        browser_->setHtml(QString::fromUtf8(file.readAll()));
    const QString anchor = QString::number(context);
    const QString englishAnchor = QStringLiteral("en-") + anchor;
    anchor_ = english && browser_->toHtml().contains(QStringLiteral("\"") + englishAnchor + QStringLiteral("\""))
                  ? englishAnchor
                  : anchor;
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browser_);
    resize(720, 560);
    browser_->scrollToAnchor(anchor_);
}

void HelpWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Room below the text, so that a section near its end can stand at the top as well.
    QTextFrame* root = browser_->document()->rootFrame();
    QTextFrameFormat format = root->frameFormat();
    format.setBottomMargin(browser_->viewport()->height());
    root->setFrameFormat(format);
    browser_->scrollToAnchor(anchor_);
}

int HelpWindow::contextOf(const QWidget* widget)
{
    for (; widget; widget = widget->parentWidget()) {
        const QVariant context = widget->property("HelpContextID");
        if (context.isValid())
            return context.toInt();
    }
    return 0;
}
