// KALMORA: the suite's frame program. Without arguments it shows a small window to
// create or choose a project and start the module KVX on it; the same actions are
// commands for scripts:
//   KALMORA init [DB_FOLDER]          suite databases and their folder
//   KALMORA new NAME                  a new project
//   KALMORA choose NAME [EDITOR]      the user's current project
//   KALMORA start NAME [EDITOR]       choose, then start the module
//   KALMORA list                      the projects
#include "FrameProgram.h"
#include "platform/LoginName.h"
#include "platform/SettingsStore.h"
#include "platform/VbError.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QVBoxLayout>

#include <iostream>
#include <memory>
#include <optional>

namespace {

int command(FrameProgram& frame, const QStringList& arguments)
{
    const QString verb = arguments.value(0);
    const std::string name = arguments.value(1).toStdString();
    const std::optional<std::string> editor =
        arguments.size() > 2 ? std::optional<std::string>(arguments.value(2).toStdString()) : std::nullopt;
    if (verb == u"init") {
        frame.init(name);
        std::cout << frame.databaseFolder() << "\n";
    } else if (verb == u"new") {
        if (!frame.newProject(name)) {
            std::cerr << "KALMORA: project " << name << " exists already\n";
            return 1;
        }
    } else if (verb == u"choose" || verb == u"start") {
        frame.choose(name, editor);
        if (verb == u"start" && !QProcess::startDetached(QString::fromStdString(frame.moduleProgram()), {})) {
            std::cerr << "KALMORA: cannot start " << frame.moduleProgram() << "\n";
            return 1;
        }
    } else if (verb == u"list") {
        for (const std::string& project : frame.projects())
            std::cout << project << "\n";
    } else {
        std::cerr
            << "usage: KALMORA [init [DB_FOLDER] | new NAME | choose NAME [EDITOR] | start NAME [EDITOR] | list]\n";
        return 2;
    }
    return 0;
}

// The window: projects on the left, the actions on the right.
int window(FrameProgram& frame)
{
    QWidget main;
    main.setObjectName(QStringLiteral("frmKALMORA"));
    main.setWindowTitle(QStringLiteral("Kalmora"));
    auto* list = new QListWidget(&main);
    list->setObjectName(QStringLiteral("lstPROJEKTE"));
    const auto refresh = [&frame, list] {
        list->clear();
        for (const std::string& project : frame.projects())
            list->addItem(QString::fromStdString(project));
    };
    refresh();
    auto* create = new QPushButton(QStringLiteral("Neues Projekt…"), &main);
    auto* start = new QPushButton(QStringLiteral("KVX starten"), &main);
    auto* folder = new QLabel(QStringLiteral("Datenbanken: ") + QString::fromStdString(frame.databaseFolder()), &main);
    QObject::connect(create, &QPushButton::clicked, &main, [&] {
        const QString name = QInputDialog::getText(&main, QStringLiteral("Kalmora"), QStringLiteral("Projektname:"));
        if (name.isEmpty())
            return;
        try {
            if (!frame.newProject(name.toStdString()))
                QMessageBox::warning(&main, QStringLiteral("Kalmora"), QStringLiteral("Das Projekt gibt es schon."));
        } catch (const VbError& error) {
            QMessageBox::warning(&main, QStringLiteral("Kalmora"), QString::fromStdString(error.description()));
        }
        refresh();
    });
    QObject::connect(start, &QPushButton::clicked, &main, [&] {
        if (!list->currentItem())
            return;
        try {
            frame.choose(list->currentItem()->text().toStdString());
        } catch (const VbError& error) {
            QMessageBox::warning(&main, QStringLiteral("Kalmora"), QString::fromStdString(error.description()));
            return;
        }
        QProcess::startDetached(QString::fromStdString(frame.moduleProgram()), {});
        main.close();
    });
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(create);
    buttons->addWidget(start);
    buttons->addStretch();
    auto* row = new QHBoxLayout;
    row->addWidget(list);
    row->addLayout(buttons);
    auto* layout = new QVBoxLayout(&main);
    layout->addLayout(row);
    layout->addWidget(folder);
    main.resize(480, 320);
    main.show();
    return QApplication::exec();
}

}  // namespace

int main(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // Commands need no window system; the module they start opens on the user's display.
    std::unique_ptr<QCoreApplication> app = arguments.isEmpty() ? std::make_unique<QApplication>(argc, argv)
                                                                : std::make_unique<QCoreApplication>(argc, argv);
    QtSettingsStore settings;
    FrameProgram frame(QCoreApplication::applicationDirPath().toStdString(), settings, loginName());
    try {
        if (arguments.isEmpty()) {
            frame.init();
            return window(frame);
        }
        return command(frame, arguments);
    } catch (const VbError& error) {
        std::cerr << "KALMORA: " << error.description() << "\n";
        return 1;
    }
}
