// The program: builds the session from the operating system and the user's settings,
// then shows the main window. Without a row in the suite's administration table (or
// stand-alone, from a folder whose path contains "source") it says why and ends.
#include "platform/Locale.h"
#include "platform/LoginName.h"
#include "platform/SettingsStore.h"
#include "shell/QtMessages.h"
#include "shell/SessionContext.h"
#include "shell/frmMAIN.h"

#include <QApplication>
#include <QProcess>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KVX"));
    QtSettingsStore settings;
    QtMessages messages;
    SessionContext session({QCoreApplication::applicationDirPath().toStdString(), [] { return loginName(); },
                            Locale::system(), settings, messages});
    if (!session.start())
        return 1;
    frmMAIN window(session, [](const std::string& program) {
        QProcess::startDetached(QString::fromStdString(program), {});
    });
    messages.setOwner(&window);
    window.showMaximized();
    return app.exec();
}
