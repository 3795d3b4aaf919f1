#pragma once

#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

#include <optional>

// What a command-line tool of the machine prints (pdftotext, pdfinfo: scripts/setup installs
// them); nothing when the machine lacks the tool. A tool that fails or hangs yields an empty
// text, so the caller's checks fail instead of being skipped.
inline std::optional<QString> toolOutput(const QString& tool, const QStringList& arguments)
{
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty())
        return std::nullopt;
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(20000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}
