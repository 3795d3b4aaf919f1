// The program: builds the session from the operating system and the user's settings,
// then shows the main window. Without a row in the suite's administration table (or
// stand-alone, from a folder whose path contains "source") it says why and ends.
// With TARVELO_SCRIPT naming a file, the program runs that script instead of a person.
#include "platform/EventLoop.h"
#include "platform/Locale.h"
#include "platform/LoginName.h"
#include "platform/SettingsStore.h"
#include "platform/VbError.h"
#include "shell/QtMessages.h"
#include "shell/QtTexts.h"
#include "shell/ScriptRunner.h"
#include "input/SessionContext.h"
#include "shell/frmMAIN.h"

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QTimer>

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

}  // namespace

int main(int argc, char** argv)
{
    // Started by the frame program, the module may outlive the stream it writes its notes
    // to; a closed stream must not end a session with unsaved work.
    std::signal(SIGPIPE, SIG_IGN);
    KvxApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KVX"));
    std::unique_ptr<ScriptRunner> script;
    if (const QString path = qEnvironmentVariable("TARVELO_SCRIPT"); !path.isEmpty()) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return 2;
        script = std::make_unique<ScriptRunner>(QString::fromUtf8(file.readAll()).split(u'\n'));
    }
    QtSettingsStore settings;
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
