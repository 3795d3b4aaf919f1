#include "frmKALMORA.h"

#include "FrameProgram.h"
#include "platform/VbError.h"

#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

frmKALMORA::frmKALMORA(FrameProgram& frame) : frame_(frame)
{
    setObjectName(QStringLiteral("frmKALMORA"));
    setWindowTitle(QStringLiteral("Kalmora"));
    createWidgets();
    refresh(QString::fromStdString(frame_.currentProject()));
    resize(480, 320);
}

void frmKALMORA::createWidgets()
{
    lstPROJEKTE_ = new QListWidget(this);
    lstPROJEKTE_->setObjectName(QStringLiteral("lstPROJEKTE"));
    connect(lstPROJEKTE_, &QListWidget::itemActivated, this, &frmKALMORA::startModule);
    auto* create = new QPushButton(QStringLiteral("Neues Projekt…"), this);
    create->setObjectName(QStringLiteral("cmdNEU"));
    connect(create, &QPushButton::clicked, this, &frmKALMORA::createProject);
    auto* start = new QPushButton(QStringLiteral("KVX starten"), this);
    start->setObjectName(QStringLiteral("cmdSTART"));
    connect(start, &QPushButton::clicked, this, &frmKALMORA::startModule);
    auto* folder = new QLabel(QStringLiteral("Datenbanken: ") + QString::fromStdString(frame_.databaseFolder()), this);
    folder->setObjectName(QStringLiteral("lblDATENBANKEN"));

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(create);
    buttons->addWidget(start);
    buttons->addStretch();
    auto* row = new QHBoxLayout;
    row->addWidget(lstPROJEKTE_);
    row->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(folder);
    lstPROJEKTE_->setFocus();
}

void frmKALMORA::refresh(const QString& selected)
{
    lstPROJEKTE_->clear();
    for (const std::string& project : frame_.projects())
        lstPROJEKTE_->addItem(QString::fromStdString(project));
    const QList<QListWidgetItem*> found = lstPROJEKTE_->findItems(selected, Qt::MatchExactly);
    lstPROJEKTE_->setCurrentRow(found.isEmpty() ? 0 : lstPROJEKTE_->row(found.first()));
}

void frmKALMORA::createProject()
{
    const QString name = QInputDialog::getText(this, QStringLiteral("Kalmora"), QStringLiteral("Projektname:"));
    if (name.isEmpty())
        return;
    try {
        if (!frame_.newProject(name.toStdString()))
            warn(QStringLiteral("Das Projekt gibt es schon."));
    } catch (const VbError& error) {
        warn(QString::fromStdString(error.description()));
    }
    refresh(name);
}

void frmKALMORA::startModule()
{
    if (!lstPROJEKTE_->currentItem()) {
        warn(QStringLiteral("Bitte wählen Sie ein Projekt oder legen Sie eines an."));
        return;
    }
    // The window stays when the module cannot be started, so the user sees why.
    try {
        if (!frame_.start(lstPROJEKTE_->currentItem()->text().toStdString())) {
            warn(QStringLiteral("KVX konnte nicht gestartet werden: ") +
                 QString::fromStdString(frame_.moduleProgram()));
            return;
        }
    } catch (const VbError& error) {
        warn(QString::fromStdString(error.description()));
        return;
    }
    close();
}

void frmKALMORA::warn(const QString& text)
{
    QMessageBox::warning(this, QStringLiteral("Kalmora"), text);
}
