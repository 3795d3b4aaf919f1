// The program: builds the session from the operating system and the user's settings,
// then shows the main window. Without a row in the suite's administration table (or
// stand-alone, from a folder whose path contains "source") it says why and ends.
// With TARVELO_SCRIPT naming a file, the program runs that script instead of a person.
#include "platform/EventLoop.h"
#include "platform/Locale.h"
#include "platform/LoginName.h"
#include "platform/SettingsStore.h"
#include "platform/VbError.h"
#include "shell/ProgramIcon.h"
#include "shell/QtMessages.h"
#include "shell/QtTexts.h"
#include "shell/ScriptRunner.h"
#include "input/SessionContext.h"
#include "shell/frmMAIN.h"

#include "ToolCommandLine.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTimer>

#include <iostream>
#include <optional>

#include <csignal>
#include <memory>

namespace {

// The last line of defence: an error that escapes a command is reported, and the program
// goes on with the user's work intact, instead of ending.
class KvxApplication : public QApplication {
public:
    using QApplication::QApplication;
    MessageService* messages = nullptr;

    bool notify(QObject* receiver, QEvent* event) override
    {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& error) {
            if (messages)
                messages->show({"KVX", VbError(VbError::InternalError, error.what()).message(ErrorPrefix::window),
                                MessageService::Buttons::Ok, MessageService::Icon::Warning});
            return false;
        }
    }
};

// --help and --version answer on the terminal, before a window or a session exists; the
// module's other arguments are the window system's (-platform, -style …).
std::optional<int> answerHelpOrVersion(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const bool help = arguments.contains(QStringLiteral("--help")) || arguments.contains(QStringLiteral("-h"));
    if (!help && !arguments.contains(QStringLiteral("--version")))
        return std::nullopt;
    QCommandLineParser parser;
    describeTool(parser,
                 QStringLiteral("Contact shear strength of soil and construction materials: the suite's module, "
                                "started by the frame program KALMORA on the user's current project (or stand-alone "
                                "from a program folder named \"source\")."),
                 {});
    std::cout << (help ? parser.helpText().replace(QStringLiteral("<executable_name>"), QStringLiteral("KVX"))
                       : QStringLiteral("KVX " TARVELO_VERSION "\n"))
                         .toStdString();
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    // Started by the frame program, the module may outlive the stream it writes its notes
    // to; a closed stream must not end a session with unsaved work.
    std::signal(SIGPIPE, SIG_IGN);
    if (const std::optional<int> answered = answerHelpOrVersion(argc, argv))
        return *answered;
    KvxApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KVX"));
    ProgramIcon::install(QStringLiteral("KVX"));
    std::unique_ptr<ScriptRunner> script;
    if (const QString path = qEnvironmentVariable("TARVELO_SCRIPT"); !path.isEmpty()) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return 2;
        script = std::make_unique<ScriptRunner>(QString::fromUtf8(file.readAll()).split(u'\n'));
    }
    // The program folder lies in the suite's folder, beside the frame program.
    QtSettingsStore settings(QFileInfo(QCoreApplication::applicationDirPath()).path().toStdString());
    QtMessages dialogs;
    MessageService& messages = script ? static_cast<MessageService&>(*script) : dialogs;
    app.messages = &messages;
    const Locale locale = Locale::system();
    QtTexts::install(locale.SPRACHE);
    SessionContext session(
        {QCoreApplication::applicationDirPath().toStdString(), [] { return loginName(); }, locale, settings, messages});
    if (!session.start())
        return 1;
    frmMAIN window(session,
                   [](const std::string& program) { QProcess::startDetached(QString::fromStdString(program), {}); });
    dialogs.setOwner(&window);
    window.showMaximized();
    // From now on long runs yield at fixed points: windows repaint (the progress bar
    // moves), while the user's clicks and keys wait until the run is over. Start-up does
    // not yield: yielding before the window existed left the program hanging without a
    // window now and then on a busy machine.
    EventLoop::setYieldHook([] { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); });
    if (script)
        QTimer::singleShot(0, &window, [&] { script->run(window); });
    return app.exec();
}
