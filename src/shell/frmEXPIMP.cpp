#include "frmEXPIMP.h"

#include "data/RecordCopy.h"
#include "input/ProjectFile.h"
#include "input/SessionContext.h"
#include "input/SessionLocks.h"
#include "platform/Connection.h"
#include "platform/ErrorTrap.h"
#include "platform/MessageService.h"
#include "platform/TextPair.h"
#include "shell/WaitCursor.h"

#include <QApplication>
#include <QComboBox>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QListWidget>
#include <QPushButton>
#include <QStorageInfo>
#include <QTreeView>
#include <QVBoxLayout>

#include <filesystem>

namespace fs = std::filesystem;

frmEXPIMP::frmEXPIMP(SessionContext& session, QWidget* parent)
    : QDialog(parent), session_(session), english_(session.english())
{
    const WaitCursor wait;
    setObjectName(QStringLiteral("frmEXPIMP"));
    setProperty("HelpContextID", 14);
    setWindowTitle(QStringLiteral("Export/Import"));
    const QString project = QString::fromStdString(session.PROJEKT());
    fraIMP_ = new QGroupBox(TextPair{"Aktuelles Projekt: ", "Selected Projekt: "}.inQt(english_) + project, this);
    fraIMP_->setObjectName(QStringLiteral("fraIMP"));
    fraEXP_ = new QGroupBox(TextPair{"Externes Projekt", "External Project"}.inQt(english_), this);
    fraEXP_->setObjectName(QStringLiteral("fraEXP"));
    const auto list = [this](const char* name, QWidget* parent) {
        auto* widget = new QListWidget(parent);
        widget->setObjectName(QString::fromLatin1(name));
        widget->setSelectionMode(QAbstractItemView::MultiSelection);
        return widget;
    };
    imported_ = list("lstIMP", fraIMP_);
    external_ = list("lstEXP", fraEXP_);
    (new QVBoxLayout(fraIMP_))->addWidget(imported_);

    // Drives are the mounted file systems; the folder tree shows the chosen one.
    drives_ = new QComboBox(fraEXP_);
    drives_->setObjectName(QStringLiteral("drvEXP"));
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        drives_->addItem(volume.rootPath());
    model_ = new QFileSystemModel(this);
    model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    folders_ = new QTreeView(fraEXP_);
    folders_->setObjectName(QStringLiteral("dirEXP"));
    folders_->setModel(model_);
    for (int column = 1; column < model_->columnCount(); ++column)
        folders_->hideColumn(column);
    // The tree starts at the folder that holds the projects (the project's parent when
    // stand-alone); another drive starts at its root.
    const QString projects = QString::fromStdString(session.PROJEKTSPFAD());
    drives_->setCurrentText(QStorageInfo(projects).rootPath());
    folders_->setRootIndex(model_->setRootPath(projects));
    connect(drives_, &QComboBox::currentTextChanged, this,
            [this](const QString& root) { folders_->setRootIndex(model_->setRootPath(root)); });
    // A folder chosen by mouse or keyboard opens.
    connect(folders_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& index) { folderChanged(model_->filePath(index)); });
    auto* externalLayout = new QVBoxLayout(fraEXP_);
    externalLayout->addWidget(drives_);
    externalLayout->addWidget(folders_);
    externalLayout->addWidget(external_);

    const auto button = [this](const char* name, const QString& text) {
        auto* widget = new QPushButton(text, this);
        widget->setObjectName(QString::fromLatin1(name));
        return widget;
    };
    QPushButton* exportButton = button("cmdEXP", QStringLiteral("Export >>"));
    QPushButton* importButton = button("cmdIMP", QStringLiteral("<< Import"));
    QPushButton* close = button("cmdSCHLIESSEN", TextPair{"Schließen", "Quit"}.inQt(english_));
    connect(exportButton, &QPushButton::clicked, this, &frmEXPIMP::cmdEXP);
    connect(importButton, &QPushButton::clicked, this, &frmEXPIMP::cmdIMP);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* middle = new QVBoxLayout;
    middle->addStretch();
    middle->addWidget(exportButton);
    middle->addWidget(importButton);
    middle->addStretch();
    middle->addWidget(close);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(fraIMP_);
    layout->addLayout(middle);
    layout->addWidget(fraEXP_);
    layout->setStretch(0, 1);
    layout->setStretch(2, 1);
    externalLayout->setStretch(1, 2);
    externalLayout->setStretch(2, 3);
    setSizeGripEnabled(true);
    resize(900, 600);
    fill(session_.cnnX(), imported_);
}

frmEXPIMP::~frmEXPIMP() = default;

void frmEXPIMP::fill(const std::shared_ptr<Connection>& connection, QListWidget* list)
{
    list->clear();
    ErrorTrap(session_.messages(), "Export/Import", ErrorPrefix::window).attempt([&] {
        for (const RecordCopy::Entry& entry : RecordCopy::LISTEFUELLEN(connection)) {
            auto* item = new QListWidgetItem(QString::fromStdString(entry.text), list);
            item->setData(Qt::UserRole, entry.id);
        }
    });
}

void frmEXPIMP::folderChanged(const QString& folder)
{
    // Nothing chosen until a project database opens: no copy can go to an earlier one.
    external_->clear();
    closeExternal();
    fraEXP_->setTitle(TextPair{"Externes Projekt", "External Project"}.inQt(english_));
    const std::string candidate = (fs::path(folder.toStdString()) / "KVX.mdb").string();
    std::error_code ignored;
    // The own working copy and project and the program's template are never another
    // project: records copied into them would be overwritten or appear in every new project.
    if (!fs::exists(candidate, ignored))
        return;
    for (const std::string& own :
         {session_.XMDBPFAD(), session_.projectFile(), session_.programFolder() + "/KVX.mdb"}) {
        if (fs::equivalent(candidate, own, ignored))
            return warn(TextPair{"Dieser Ordner hält das eigene Projekt (oder die Vorlage des Programms); wählen Sie "
                                 "den Ordner eines anderen Projekts.",
                                 "This folder holds the project you work on (or the program's template); choose the "
                                 "folder of another project."}
                            .in(english_));
    }
    if (const std::string problem = ProjectFile::prepare(candidate, english_); !problem.empty())
        return warn(problem);
    auto lock = SessionLocks::borrow(ProjectFile::lockPath(candidate), session_.BENUTZER(),
                                     fs::path(folder.toStdString()).filename().string());
    if (!lock->held())
        return warn(SessionLocks::refusal(*lock, english_));
    externalLock_ = std::move(lock);
    externalName_ = fs::path(folder.toStdString()).filename().string();
    const WaitCursor wait;
    ErrorTrap(session_.messages(), "Export/Import", ErrorPrefix::window)
        .run({
            [&] {
                opened_ = true;
                externalProject_ = Connection::open(
                    "Provider=Microsoft.Jet.OLEDB.4.0; Data Source=" + candidate + ";Persist Security Info=False", 30);
            },
            [&] { fill(externalProject_, external_); },
            [&] {
                fraEXP_->setTitle(TextPair{"Projekt ", "Project "}.inQt(english_) +
                                  QString::fromStdString(fs::path(folder.toStdString()).filename().string()));
            },
        });
}

void frmEXPIMP::warn(const std::string& text)
{
    session_.messages().show({"Export/Import", text, MessageService::Buttons::Ok, MessageService::Icon::Warning});
}

void frmEXPIMP::closeExternal()
{
    externalProject_.reset();
    externalLock_.reset();
}

void frmEXPIMP::copy(const std::shared_ptr<Connection>& from, const std::shared_ptr<Connection>& to, QListWidget* list)
{
    std::vector<int32_t> ids;
    for (int i = 0; i < list->count(); ++i) {
        if (list->item(i)->isSelected())
            ids.push_back(list->item(i)->data(Qt::UserRole).toInt());
    }
    if (!from || !to)
        return warn(TextPair{"Es ist kein externes Projekt geöffnet: wählen Sie links den Ordner eines Projekts.",
                             "No external project is open: choose the folder of a project on the left."}
                        .in(english_));
    if (ids.empty())
        return warn(TextPair{"Es ist kein Datensatz ausgewählt.", "No record is selected."}.in(english_));
    const int copied = [&] {
        const WaitCursor wait;
        return RecordCopy::DATENSATZKOPIEREN(from, to, ids, session_.messages());
    }();
    const std::string project = to == session_.cnnX() ? session_.PROJEKT() : externalName_;
    const std::string count = std::to_string(copied);
    const bool one = copied == 1;
    session_.messages().show({"Export/Import",
                              TextPair{count + (one ? " Datensatz" : " Datensätze") + " nach " + project + " kopiert.",
                                       count + (one ? " record" : " records") + " copied to " + project + "."}
                                  .in(english_),
                              MessageService::Buttons::Ok, MessageService::Icon::Information});
}

void frmEXPIMP::cmdEXP()
{
    copy(session_.cnnX(), externalProject_, imported_);
    if (externalProject_)
        fill(externalProject_, external_);
}

void frmEXPIMP::cmdIMP()
{
    copy(externalProject_, session_.cnnX(), external_);
    fill(session_.cnnX(), imported_);
    opened_ = true;
}

void frmEXPIMP::done(int result)
{
    closeExternal();
    QDialog::done(result);
}
