#pragma once

#include <QCommandLineParser>
#include <QCoreApplication>

#include <initializer_list>
#include <iostream>
#include <optional>
#include <string>
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

// Reads the command line: the exit status when the tool is done with it (a line it cannot take,
// said with the help; the help or the version shown), none when the tool goes on.
inline std::optional<int> parseToolLine(QCommandLineParser& parser, const QStringList& arguments,
                                        const std::string& tool)
{
    // Every tool ends with status 2 on a command line it cannot take, an unknown option too.
    if (!parser.parse(arguments)) {
        std::cerr << tool << ": " << parser.errorText().toStdString() << "\n" << parser.helpText().toStdString();
        return ExitBadArguments;
    }
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("version"))) {
        std::cout << (parser.isSet(QStringLiteral("help")) ? parser.helpText().toStdString()
                                                           : tool + " " TARVELO_VERSION "\n");
        return ExitSuccess;
    }
    return std::nullopt;
}
