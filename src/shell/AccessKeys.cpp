#include "AccessKeys.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <set>

namespace {

// The caption with its marker on a letter no earlier item of its menu answers; without a
// marker when every letter of it is taken.
QString marked(const QString& caption, std::set<QChar>& taken)
{
    const QString text = AccessKeys::plain(caption);
    const qsizetype current = caption.indexOf(u'&');
    if (current >= 0 && current + 1 < caption.size() && caption.at(current + 1) != u'&') {
        const QChar key = caption.at(current + 1).toLower();
        if (taken.insert(key).second)
            return caption;
    }
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar key = text.at(i).toLower();
        if ((key.isLetterOrNumber() || key == u'?') && taken.insert(key).second)
            return text.left(i) + u'&' + text.mid(i);
    }
    return text;
}

void assignAll(const QList<QAction*>& actions)
{
    std::set<QChar> taken;
    for (QAction* action : actions) {
        if (!action->isSeparator() && !action->text().isEmpty())
            action->setText(marked(action->text(), taken));
        if (action->menu())
            AccessKeys::assign(action->menu());
    }
}

}  // namespace

void AccessKeys::assign(QMenuBar* bar)
{
    assignAll(bar->actions());
}

void AccessKeys::assign(QMenu* menu)
{
    assignAll(menu->actions());
}

QString AccessKeys::plain(const QString& caption)
{
    QString text;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == u'&' && i + 1 < caption.size())
            ++i;  // "&&" stands for one "&"
        text += caption.at(i);
    }
    return text;
}
