// kvx-sheet PROJECT.mdb [--record KEN] [--pdf OUT.pdf] [--png OUT.png] [--in-place] [--dpi N]
// Renders the design sheet of one record of a project database without a window: the
// PDF is the printed A4 sheet, the PNG the screen page. The record defaults to the
// selected one. Without --in-place the program works on a temporary copy and leaves the
// project database untouched; with it, the evaluation is stored as the program would
// store it (rebuild flag from A1, geometry in G0).
#include "data/clsDATEN.h"
#include "input/ProjectFile.h"
#include "input/SessionLocks.h"
#include "page/Seite1.h"
#include "platform/Clock.h"
#include "platform/Connection.h"
#include "platform/DatabaseFiles.h"
#include "platform/LoginName.h"
#include "platform/PaperSurface.h"
#include "platform/ProjectSession.h"
#include "platform/Recordset.h"
#include "platform/TerminalMessages.h"
#include "platform/VbError.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <filesystem>
#include <iostream>
#include <optional>

namespace fs = std::filesystem;

namespace {

struct Options {
    std::string database;
    std::optional<std::string> record;
    std::string pdf;
    std::string png;
    bool inPlace = false;
    double dpi = 96;
};

int usage()
{
    std::cerr << "usage: kvx-sheet PROJECT.mdb [--record KEN] [--pdf OUT.pdf] [--png OUT.png] [--in-place] [--dpi N]\n";
    return 2;
}

std::optional<Options> parse(int argc, char** argv)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        const bool hasValue = i + 1 < argc;
        if (argument == "--record" && hasValue)
            options.record = argv[++i];
        else if (argument == "--pdf" && hasValue)
            options.pdf = argv[++i];
        else if (argument == "--png" && hasValue)
            options.png = argv[++i];
        else if (argument == "--dpi" && hasValue)
            options.dpi = std::max(48.0, std::atof(argv[++i]));
        else if (argument == "--in-place")
            options.inPlace = true;
        else if (!argument.starts_with("--") && options.database.empty())
            options.database = argument;
        else
            return std::nullopt;
    }
    if (options.database.empty())
        return std::nullopt;
    if (options.pdf.empty() && options.png.empty())
        options.pdf = "sheet.pdf";
    return options;
}

// The identifier of the record to draw, 0 when there is none.
int32_t recordId(const std::shared_ptr<Connection>& db, const std::optional<std::string>& ken)
{
    const std::string sql = ken ? "SELECT [ID] FROM [E1] WHERE [KEN]='" + Connection::escaped(*ken) + "'"
                                : "SELECT [ID] FROM [E1] WHERE [AKT]=true";
    Recordset rows(db, sql);
    return rows.isEOF() ? 0 : rows.field(0).toLong();
}

int run(const Options& options)
{
    std::error_code error;
    if (!fs::is_regular_file(options.database, error)) {
        std::cerr << "kvx-sheet: no such file: " << options.database << "\n";
        return 1;
    }
    // Checked by reading alone, before anything is copied or written.
    if (const std::string problem = ProjectFile::problem(options.database, true); !problem.empty()) {
        std::cerr << "kvx-sheet: not a project database: " << problem << "\n";
        return 1;
    }
    std::unique_ptr<LockFile> lock;
    QTemporaryDir scratch;
    std::string working = options.database;
    if (options.inPlace) {
        // Writing into a project that a session has open would be undone by its next save.
        lock = SessionLocks::borrow(ProjectFile::lockPath(options.database), loginName(),
                                     fs::absolute(options.database).parent_path().filename().string());
        if (!lock->held()) {
            std::cerr << "kvx-sheet: " << SessionLocks::refusal(*lock, true) << "\n";
            return 1;
        }
    } else {
        working = (fs::path(scratch.path().toStdString()) / "KVX.mdb").string();
        DatabaseFiles::copy(options.database, working);
    }
    TerminalMessages messages;
    ProjectSession session(working, messages, {}, fs::absolute(options.database).parent_path().string(),
                           options.inPlace ? Connection::Journal::Rollback : Connection::Journal::WriteAhead);
    const int32_t id = recordId(session.cnnX(), options.record);
    if (id == 0) {
        std::cerr << "kvx-sheet: " << (options.record ? "no record with the identification " + *options.record
                                                     : std::string("no record is selected; name one with --record"))
                  << "\n";
        return 1;
    }

    // As an evaluation run: a record without evaluation state gets its geometry built.
    clsDATEN evaluation(session);
    evaluation.ETABELLE = "A1";
    evaluation.ESPIDW = id;
    int32_t rows = 0, first = 0, last = 0;
    evaluation.INDEXL(first, last, rows, {"ID"});
    if (rows == 0)
        evaluation.DVTB("BONEU", true);

    SystemClock clock;
    Seite1 page(session, clock, nullptr, Seite1::screen(options.dpi));
    if (!page.load(id))
        return 1;
    evaluation.DVTB("BONEU", false);

    if (!options.png.empty() && !page.screenImage().save(QString::fromStdString(options.png))) {
        std::cerr << "kvx-sheet: cannot write " << options.png << "\n";
        return 1;
    }
    if (!options.pdf.empty()) {
        auto paper = PaperSurface::pdf(QString::fromStdString(options.pdf), QString::fromStdString(page.state().KEN));
        page.DRUCKEN(*paper);
        if (!paper->finish()) {
            std::cerr << "kvx-sheet: cannot write " << options.pdf << "\n";
            return 1;
        }
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::optional<Options> options = parse(argc, argv);
    if (!options)
        return usage();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    try {
        return run(*options);
    } catch (const VbError& error) {
        std::cerr << "kvx-sheet: " << options->database << ": " << error.description() << "\n";
        return 1;
    }
}
