#include "frmAUSWAHL.h"

#include "data/RecordQueries.h"
#include "platform/Connection.h"
#include "platform/ErrorTrap.h"
#include "platform/MessageService.h"
#include "platform/Recordset.h"
#include "platform/Session.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/Locale.h"
#include "platform/TextPair.h"
#include "shell/DialogButtons.h"
#include "shell/WaitCursor.h"

frmAUSWAHL::frmAUSWAHL(Session& session, const QString& mode, int16_t language, QWidget* parent)
    : QDialog(parent), session_(session), mode_(mode), english_(language == Locale::English),
      list_(new QListWidget(this)), comment_(new QLabel(this))
{
    setObjectName(QStringLiteral("frmAUSWAHL"));
    setProperty("HelpContextID", 13);
    const TextPair title = mode == u"O"   ? TextPair{"Datei/Öffnen", "File/Open"}
                           : mode == u"L" ? TextPair{"Datei/Löschen", "File/Delete"}
                           : mode == u"E" ? TextPair{"Datei/Export Inf.system", "File/Export Inf.system"}
                                          : TextPair{"Datei/Auswahl", "File/Select"};
    setWindowTitle(title.inQt(english_));
    list_->setObjectName(QStringLiteral("lstKEN"));
    list_->setSelectionMode(QAbstractItemView::MultiSelection);
    comment_->setObjectName(QStringLiteral("lblKOMMENTAR"));
    // A long comment wraps inside the dialog instead of widening it past the screen.
    comment_->setWordWrap(true);
    comment_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    QHBoxLayout* buttons = dialogButtons(
        this, english_, [this] { cmdOK(); }, [this] { cmdABBRECHEN(); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(comment_);
    layout->addLayout(buttons);
    connect(list_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { itemClicked(list_->row(item)); });
    resize(340, 360);
    load();
}

void frmAUSWAHL::load()
{
    const WaitCursor wait;
    loading_ = true;
    ErrorTrap(session_.messages(), windowTitle().toStdString(), ErrorPrefix::window).run({[&] {
        Recordset rows(session_.cnnX(), RecordQueries::records("*", RecordQueries::Listed, true));
        for (; !rows.isEOF(); rows.moveNext()) {
            list_->addItem(QString::fromStdString(rows.field("KEN").text()));
            ids_.push_back(rows.field("ID").toLong());
            comments_.push_back(QString::fromStdString(rows.field("KOM").text()));
            const Variant active = rows.field("AKT");
            if (!active.isNull() && active.toBoolean()) {
                list_->item(list_->count() - 1)->setSelected(true);
                itemClicked(list_->count() - 1);
            }
        }
        rows.close();
    }});
    loading_ = false;
}

void frmAUSWAHL::itemClicked(int index)
{
    QListWidgetItem* item = list_->item(index);
    if (!item)
        return;
    const int selected = static_cast<int>(list_->selectedItems().size());
    if (loading_) {
        // Opening: only the first selected record in list order stays selected. The first
        // one's comment shows from the start.
        if (mode_ == u"O" && selected > 1)
            item->setSelected(false);
        else if (selected == 1)
            comment_->setText(comments_[index]);
        return;
    }
    if (mode_ == u"O" && selected > 1) {
        // Opening takes one record: the clicked one, in place of the one chosen before.
        for (QListWidgetItem* other : list_->selectedItems()) {
            if (other != item)
                other->setSelected(false);
        }
    } else if ((mode_ == u"A" || mode_ == u"E") && item->isSelected()) {
        // Only records evaluated one by one may be chosen together.
        Recordset state(session_.cnnX(), RecordQueries::evaluationState(ids_[index], "[BONEU]"));
        const bool missing = state.isEOF();
        if (missing || state.field(0).toBoolean()) {
            const std::string ken = item->text().toStdString();
            session_.messages().show({windowTitle().toStdString(),
                                      TextPair{"Datensatz " + ken + " muß zuerst einzeln ausgewertet werden!",
                                               "File " + ken + " has to be calculated first!"}
                                          .in(english_),
                                      MessageService::Buttons::Ok, MessageService::Icon::Warning});
            if (missing)
                item->setSelected(false);
        }
    }
    comment_->setText(comments_[index]);
}

void frmAUSWAHL::cmdOK()
{
    const WaitCursor wait;
    ErrorTrap(session_.messages(), windowTitle().toStdString(), ErrorPrefix::window).run({[&] {
        // Items and rows are paired by the record identifier.
        Recordset rows(session_.cnnX(), RecordQueries::records("[ID],[AKT]", RecordQueries::Listed, true));
        for (; !rows.isEOF(); rows.moveNext()) {
            const int32_t id = rows.field("ID").toLong();
            for (std::size_t i = 0; i < ids_.size(); ++i) {
                if (ids_[i] == id) {
                    rows.setField("AKT", list_->item(static_cast<int>(i))->isSelected());
                    rows.update();
                    break;
                }
            }
        }
        rows.close();
    }});
    Tag = QStringLiteral("OK");
    accept();
}

void frmAUSWAHL::cmdABBRECHEN()
{
    Tag = QStringLiteral("Abbrechen");
    reject();
}
