// kvx-sheet PROJECT.mdb [--record KEN | --all [--jobs N]] [--pdf OUT.pdf] [--png OUT.png] [--csv OUT.csv]
//           [--json OUT.json] [--in-place] [--dpi N] [--help]
// Renders the design sheet of one record of a project database without a window: the
// PDF is the printed A4 sheet, the PNG the screen page. The record defaults to the
// selected one. Without --in-place the program works on a copy in memory and leaves the
// project database untouched; with it, the evaluation is stored as the program would
// store it (rebuild flag from A1, geometry in G0).
#include "SheetCommand.h"
#include "ToolCommandLine.h"
#include "platform/VbError.h"

#include <QGuiApplication>

#include <sqlite3.h>

#include <iostream>

int main(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const auto parsed = SheetCommand::parse(arguments, std::cout, std::cerr);
    if (const int* status = std::get_if<int>(&parsed))
        return *status;
    const SheetCommand::Options& options = std::get<SheetCommand::Options>(parsed);
    // Pages drawn side by side would wait on one another for SQLite's memory statistics;
    // nothing here reads them. Set before the engine starts.
    sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    int status = ExitFailure;
    try {
        status = SheetCommand::run(options, std::cerr);
    } catch (const VbError& error) {
        std::cerr << "kvx-sheet: " << options.database << ": " << error.description() << "\n";
    } catch (const std::exception& error) {
        std::cerr << "kvx-sheet: " << options.database << ": " << error.what() << "\n";
    }
    return status;
}
