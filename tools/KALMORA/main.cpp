// KALMORA: the suite's frame program. Without arguments it shows a small window to
// create or choose a project and start the module KVX on it; the same actions are
// commands for scripts:
//   KALMORA init [DB_FOLDER]          suite databases and their folder
//   KALMORA new NAME                  a new project
//   KALMORA choose NAME [EDITOR]      the user's current project
//   KALMORA start NAME [EDITOR]       choose, then start the module
//   KALMORA list                      the projects
#include "FrameProgram.h"
#include "ToolCommandLine.h"
#include "frmKALMORA.h"
#include "platform/LoginName.h"
#include "platform/SettingsStore.h"
#include "platform/VbError.h"
#include "platform/Locale.h"
#include "shell/ProgramIcon.h"
#include "shell/QtTexts.h"

#include <QApplication>
#include <QCommandLineParser>

#include <iostream>
#include <memory>
#include <optional>

namespace {

int command(FrameProgram& frame, const QCommandLineParser& parser)
{
    const QStringList arguments = parser.positionalArguments();
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
    } else if (verb == u"choose") {
        frame.choose(name, editor);
    } else if (verb == u"start") {
        if (!frame.start(name, editor)) {
            std::cerr << "KALMORA: cannot start " << frame.moduleProgram() << "\n";
            return 1;
        }
    } else if (verb == u"list") {
        for (const std::string& project : frame.projects())
            std::cout << project << "\n";
    } else {
        std::cerr << parser.helpText().toStdString();
        return 2;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    // Commands need no window system; the module they start opens on the user's display.
    const bool windowed = argc < 2;
    std::unique_ptr<QCoreApplication> app =
        windowed ? std::make_unique<QApplication>(argc, argv) : std::make_unique<QCoreApplication>(argc, argv);
    QCommandLineParser parser;
    describeTool(parser,
                 QStringLiteral("The suite's frame program: without a command a window to choose a project and "
                                "start KVX on it."),
                 {{QStringLiteral("command"),
                   QStringLiteral("init [DB_FOLDER] | new NAME | choose NAME [EDITOR] | start NAME [EDITOR] | list")}});
    parser.process(*app);
    QtSettingsStore settings(QCoreApplication::applicationDirPath().toStdString());
    FrameProgram frame(QCoreApplication::applicationDirPath().toStdString(), settings, loginName());
    try {
        if (windowed) {
            ProgramIcon::install(QStringLiteral("KALMORA"));
            const bool english = Locale::system().SPRACHE == Locale::English;
            QtTexts::install(Locale::system().SPRACHE);
            frame.init();
            frmKALMORA window(frame, english);
            window.show();
            return QApplication::exec();
        }
        return command(frame, parser);
    } catch (const VbError& error) {
        std::cerr << "KALMORA: " << error.description() << "\n";
        return 1;
    } catch (const std::exception& error) {
        // A folder or file the system refuses (no permission, a full disk): said, not a crash.
        std::cerr << "KALMORA: " << error.what() << "\n";
        return 1;
    }
}
