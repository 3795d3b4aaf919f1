#pragma once

#include <QCommandLineParser>
#include <QCoreApplication>

#include <initializer_list>
#include <utility>

// How every tool ends: 0 when it did all it was asked, 1 when something failed (what could
// be done is done and said), 2 for a command line it cannot take.
enum ExitStatus : int { ExitSuccess = 0, ExitFailure = 1, ExitBadArguments = 2 };

// What every tool's command line has: a description, help, version and the positional
// arguments (name, text). The tool adds its own options and processes the line itself.
inline void describeTool(QCommandLineParser& parser, const QString& description,
                         std::initializer_list<std::pair<QString, QString>> positional)
{
    QCoreApplication::setApplicationVersion(QStringLiteral(TARVELO_VERSION));
    parser.setApplicationDescription(description);
    parser.addHelpOption();
    parser.addVersionOption();
    for (const auto& [name, text] : positional)
        parser.addPositionalArgument(name, text);
}
