#pragma once

#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

// What a command-line tool of the machine prints (pdftotext, pdfinfo: scripts/setup installs
// them); a null string when the machine lacks the tool.
inline QString toolOutput(const QString& tool, const QStringList& arguments)
{
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty())
        return {};
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(20000);
    return QString::fromUtf8(process.readAllStandardOutput());
}
