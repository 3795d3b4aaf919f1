// kvx-sheet PROJECT.mdb [--record KEN] [--pdf OUT.pdf] [--png OUT.png] [--in-place] [--dpi N] [--help]
// Renders the design sheet of one record of a project database without a window: the
// PDF is the printed A4 sheet, the PNG the screen page. The record defaults to the
// selected one. Without --in-place the program works on a copy in memory and leaves the
// project database untouched; with it, the evaluation is stored as the program would
// store it (rebuild flag from A1, geometry in G0).
#include "data/clsDATEN.h"
#include "input/ProjectFile.h"
#include "input/SessionLocks.h"
#include "page/Seite1.h"
#include "platform/Clock.h"
#include "platform/Connection.h"
#include "platform/LoginName.h"
#include "platform/PaperSurface.h"
#include "platform/ProjectSession.h"
#include "platform/Recordset.h"
#include "platform/TerminalMessages.h"
#include "platform/VbError.h"

#include <QCommandLineParser>
#include <QGuiApplication>

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

// Reads the command line; a message and nothing when it asks for something impossible.
std::optional<Options> parse(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Writes the design sheet of a record of a project database."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("PROJECT.mdb"), QStringLiteral("the project database"));
    const QCommandLineOption record(QStringLiteral("record"), QStringLiteral("the record (default: the selected one)"),
                                    QStringLiteral("KEN"));
    const QCommandLineOption pdf(QStringLiteral("pdf"), QStringLiteral("the printed A4 sheet"), QStringLiteral("OUT.pdf"));
    const QCommandLineOption png(QStringLiteral("png"), QStringLiteral("the screen page"), QStringLiteral("OUT.png"));
    const QCommandLineOption inPlace(QStringLiteral("in-place"), QStringLiteral("store the evaluation in the project"));
    const QCommandLineOption dpi(QStringLiteral("dpi"), QStringLiteral("resolution of the screen page, 30 to 1200"),
                                 QStringLiteral("N"), QStringLiteral("96"));
    parser.addOptions({record, pdf, png, inPlace, dpi});
    // Read before the application exists, so the help names the program itself.
    const std::string help = parser.helpText().replace(QStringLiteral("<executable_name>"), QStringLiteral("kvx-sheet")).toStdString();
    if (!parser.parse(arguments)) {
        std::cerr << "kvx-sheet: " << parser.errorText().toStdString() << "\n" << help;
        return std::nullopt;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        std::cout << help;
        std::exit(0);
    }
    Options options;
    const QStringList positional = parser.positionalArguments();
    bool number = false;
    options.dpi = parser.value(dpi).toDouble(&number);
    // Resolution bounds the memory of the screen page: 1200 dpi is about 0.5 GB.
    if (positional.size() != 1 || !number || !(options.dpi >= 30 && options.dpi <= 1200)) {
        std::cerr << (positional.size() != 1 ? "kvx-sheet: one project database is needed\n"
                                              : "kvx-sheet: --dpi takes a number from 30 to 1200\n")
                  << help;
        return std::nullopt;
    }
    options.database = positional.front().toStdString();
    if (parser.isSet(record))
        options.record = parser.value(record).toStdString();
    options.pdf = parser.value(pdf).toStdString();
    options.png = parser.value(png).toStdString();
    options.inPlace = parser.isSet(inPlace);
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
    const std::string projectFolder = fs::absolute(options.database).parent_path().string();
    std::shared_ptr<Connection> database;
    if (options.inPlace) {
        // Writing into a project that a session has open would be undone by its next save.
        lock = SessionLocks::borrow(ProjectFile::lockPath(options.database), loginName(),
                                    fs::path(projectFolder).filename().string());
        if (!lock->held()) {
            std::cerr << "kvx-sheet: " << SessionLocks::refusal(*lock, true) << "\n";
            return 1;
        }
        database = Connection::openFile(options.database);
    } else {
        // A private copy in memory: the project file is only read.
        database = Connection::copyIntoMemory(options.database);
    }
    TerminalMessages messages;
    ProjectSession session(database, messages, projectFolder);
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
    // A sheet drawn past an error is not the record's sheet.
    return messages.warnings() == 0 ? 0 : 1;
}

// Output of a run that failed does not stay behind looking complete.
void removeOutput(const Options& options)
{
    std::error_code ignored;
    for (const std::string& file : {options.pdf, options.png}) {
        if (!file.empty())
            fs::remove(file, ignored);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const std::optional<Options> options = parse(arguments);
    if (!options)
        return 2;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    int status = 1;
    try {
        status = run(*options);
    } catch (const VbError& error) {
        std::cerr << "kvx-sheet: " << options->database << ": " << error.description() << "\n";
    } catch (const std::exception& error) {
        std::cerr << "kvx-sheet: " << options->database << ": " << error.what() << "\n";
    }
    if (status == 1)
        removeOutput(*options);
    return status;
}
