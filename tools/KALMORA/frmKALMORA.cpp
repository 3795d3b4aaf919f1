#include "frmKALMORA.h"

#include "FrameProgram.h"
#include "platform/TextPair.h"
#include "platform/VbError.h"

#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

frmKALMORA::frmKALMORA(FrameProgram& frame, bool english) : frame_(frame), english_(english)
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
    auto* create = new QPushButton(text({"Neues Projekt…", "New project…"}), this);
    create->setObjectName(QStringLiteral("cmdNEU"));
    connect(create, &QPushButton::clicked, this, &frmKALMORA::createProject);
    auto* start = new QPushButton(text({"KVX starten", "Start KVX"}), this);
    start->setObjectName(QStringLiteral("cmdSTART"));
    connect(start, &QPushButton::clicked, this, &frmKALMORA::startModule);
    auto* folder = new QLabel(text({"Datenbanken: ", "Databases: "}) + QString::fromStdString(frame_.databaseFolder()), this);
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
    const QString name = QInputDialog::getText(this, QStringLiteral("Kalmora"), text({"Projektname:", "Project name:"}));
    if (name.isEmpty())
        return;
    try {
        if (!frame_.newProject(name.toStdString()))
            warn(text({"Das Projekt gibt es schon.", "The project exists already."}));
    } catch (const VbError& error) {
        warn(QString::fromStdString(error.description()));
    }
    refresh(name);
}

void frmKALMORA::startModule()
{
    if (!lstPROJEKTE_->currentItem()) {
        warn(text({"Bitte wählen Sie ein Projekt oder legen Sie eines an.", "Please choose a project or make one."}));
        return;
    }
    // The window stays when the module cannot be started, so the user sees why.
    try {
        if (!frame_.start(lstPROJEKTE_->currentItem()->text().toStdString())) {
            warn(text({"KVX konnte nicht gestartet werden: ", "KVX could not be started: "}) +
                 QString::fromStdString(frame_.moduleProgram()));
            return;
        }
    } catch (const VbError& error) {
        warn(QString::fromStdString(error.description()));
        return;
    }
    close();
}

void frmKALMORA::warn(const QString& message)
{
    QMessageBox::warning(this, QStringLiteral("Kalmora"), message);
}

QString frmKALMORA::text(const TextPair& pair) const
{
    return pair.inQt(english_);
}
