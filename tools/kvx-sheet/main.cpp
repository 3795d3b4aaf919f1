// kvx-sheet PROJECT.mdb [--record KEN | --all] [--pdf OUT.pdf] [--png OUT.png] [--csv OUT.csv] [--json OUT.json]
//           [--in-place] [--dpi N] [--help]
// Renders the design sheet of one record of a project database without a window: the
// PDF is the printed A4 sheet, the PNG the screen page. The record defaults to the
// selected one. Without --in-place the program works on a copy in memory and leaves the
// project database untouched; with it, the evaluation is stored as the program would
// store it (rebuild flag from A1, geometry in G0).
#include "OutputFiles.h"
#include "ParameterExport.h"
#include "ToolCommandLine.h"
#include "data/clsDATEN.h"
#include "input/ProjectFile.h"
#include "input/SessionLocks.h"
#include "page/ParameterTables.h"
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

#include <QCommandLineParser>
#include <QGuiApplication>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <optional>
#include <unistd.h>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Options {
    std::string database;
    std::optional<std::string> record;
    std::string pdf;
    std::string png;
    bool inPlace = false;
    bool all = false;
    std::string csv;
    std::string json;
    double dpi = 96;
};

// Reads the command line; a message and nothing when it asks for something impossible.
std::optional<Options> parse(const QStringList& arguments)
{
    QCommandLineParser parser;
    describeTool(parser, QStringLiteral("Writes the design sheet of a record of a project database."),
                 {{QStringLiteral("PROJECT.mdb"), QStringLiteral("the project database")}});
    const QCommandLineOption record(QStringLiteral("record"), QStringLiteral("the record (default: the selected one)"),
                                    QStringLiteral("KEN"));
    const QCommandLineOption pdf(QStringLiteral("pdf"), QStringLiteral("the printed A4 sheet"),
                                 QStringLiteral("OUT.pdf"));
    const QCommandLineOption png(QStringLiteral("png"), QStringLiteral("the screen page"), QStringLiteral("OUT.png"));
    const QCommandLineOption inPlace(QStringLiteral("in-place"), QStringLiteral("store the evaluation in the project"));
    const QCommandLineOption dpi(QStringLiteral("dpi"), QStringLiteral("resolution of the screen page, 30 to 1200"),
                                 QStringLiteral("N"), QStringLiteral("96"));
    const QCommandLineOption all(QStringLiteral("all"), QStringLiteral("every record, one page each, into one PDF"));
    const QCommandLineOption csv(QStringLiteral("csv"), QStringLiteral("the parameter tables as CSV"),
                                 QStringLiteral("OUT.csv"));
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("the parameter tables as JSON"),
                                  QStringLiteral("OUT.json"));
    parser.addOptions({record, pdf, png, inPlace, dpi, all, csv, json});
    // Read before the application exists, so the help names the program itself.
    const std::string help =
        parser.helpText().replace(QStringLiteral("<executable_name>"), QStringLiteral("kvx-sheet")).toStdString();
    if (!parser.parse(arguments)) {
        std::cerr << "kvx-sheet: " << parser.errorText().toStdString() << "\n" << help;
        return std::nullopt;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        std::cout << help;
        std::exit(0);
    }
    if (parser.isSet(QStringLiteral("version"))) {
        std::cout << "kvx-sheet " TARVELO_VERSION "\n";
        std::exit(0);
    }
    Options options;
    const QStringList positional = parser.positionalArguments();
    bool number = false;
    options.dpi = parser.value(dpi).toDouble(&number);
    // Resolution bounds the memory of the screen page: 1200 dpi is about 0.5 GB.
    const bool oneRecordOnly =
        parser.isSet(all) && (parser.isSet(record) || parser.isSet(png) || parser.isSet(inPlace));
    if (positional.size() != 1 || !number || !(options.dpi >= 30 && options.dpi <= 1200) || oneRecordOnly) {
        std::cerr << (positional.size() != 1 ? "kvx-sheet: one project database is needed\n"
                      : oneRecordOnly        ? "kvx-sheet: --record, --png and --in-place take one record, not --all\n"
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
    options.all = parser.isSet(all);
    options.csv = parser.value(csv).toStdString();
    options.json = parser.value(json).toStdString();
    if (options.pdf.empty() && options.png.empty() && options.csv.empty() && options.json.empty())
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

// Every record but the marker record "M", in the order of the selection dialog.
std::vector<std::pair<int32_t, std::string>> allRecords(const std::shared_ptr<Connection>& db)
{
    std::vector<std::pair<int32_t, std::string>> records;
    Recordset rows(db, "SELECT [ID],[KEN] FROM [E1] WHERE ID>0 AND [KEN]<>'M' ORDER BY [KEN]");
    for (; !rows.isEOF(); rows.moveNext())
        records.push_back({rows.field(0).toLong(), rows.field(1).text()});
    return records;
}

// Loads the record's page as an evaluation run does: a record without evaluation state
// gets its geometry built, and keeps it afterwards.
bool evaluate(Session& session, Seite1& page, int32_t id)
{
    clsDATEN evaluation(session);
    evaluation.ETABELLE = "A1";
    evaluation.ESPIDW = id;
    int32_t rows = 0, first = 0, last = 0;
    evaluation.INDEXL(first, last, rows, {"ID"});
    if (rows == 0)
        evaluation.DVTB("BONEU", true);
    if (!page.load(id))
        return false;
    evaluation.DVTB("BONEU", false);
    return true;
}

int run(const Options& options)
{
    std::error_code error;
    OutputFiles outputs({options.pdf, options.png, options.csv, options.json}, options.database);
    if (!outputs.refusal().empty()) {
        std::cerr << "kvx-sheet: " << outputs.refusal() << "\n";
        return 2;
    }
    if (!fs::is_regular_file(options.database, error)) {
        std::cerr << "kvx-sheet: no such file: " << options.database << "\n";
        return 1;
    }
    // Checked before anything is copied or written; a killed writer's journal is rolled back.
    if (const std::string problem = ProjectFile::prepare(options.database, true); !problem.empty()) {
        std::cerr << "kvx-sheet: not a project database: " << problem << "\n";
        return 1;
    }
    // A damaged file would be drawn wrong, or made worse by writing into it.
    if (const std::string damage = DatabaseFiles::damage(options.database); !damage.empty()) {
        std::cerr << "kvx-sheet: " << options.database << " is damaged (" << damage
                  << "); restore it from a backup\n";
        return 1;
    }
    std::unique_ptr<LockFile> lock;
    const std::string projectFolder = fs::absolute(options.database).parent_path().string();
    std::shared_ptr<Connection> database;
    if (options.inPlace) {
        // Said once for the file, before a value is read (and refused column by column).
        for (const std::string& needed : {options.database, projectFolder}) {
            if (::access(needed.c_str(), W_OK) != 0) {
                std::cerr << "kvx-sheet: cannot write " << needed << ": " << std::strerror(errno) << "\n";
                return 1;
            }
        }
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
        database = Connection::privateCopy(options.database);
    }
    TerminalMessages messages;
    ProjectSession session(database, messages, projectFolder);
    std::vector<std::pair<int32_t, std::string>> records;
    if (options.all) {
        records = allRecords(session.cnnX());
    } else if (const int32_t id = recordId(session.cnnX(), options.record); id != 0) {
        records.push_back({id, options.record.value_or("")});
    } else {
        std::cerr << "kvx-sheet: "
                  << (options.record ? "no record with the identification " + *options.record
                                     : std::string("no record is selected; name one with --record"))
                  << "\n";
        return 1;
    }

    SystemClock clock;
    QIODevice* const pdf = outputs.open(options.pdf);
    QIODevice* const png = outputs.open(options.png);
    QIODevice* const csv = outputs.open(options.csv);
    QIODevice* const json = outputs.open(options.json);
    if (!outputs.error().empty()) {
        std::cerr << "kvx-sheet: " << outputs.error() << "\n";
        return 1;
    }
    std::unique_ptr<PaperSurface> paper;
    if (pdf)
        paper = PaperSurface::pdf(pdf, QString::fromStdString(options.all ? session.PROJEKT() : records.front().second));
    ParameterExport parameters(csv, json);
    std::vector<std::string> failed;
    int printed = 0;
    const int count = static_cast<int>(records.size());
    const bool terminal = ::isatty(STDERR_FILENO);
    for (int k = 1; k <= count; ++k) {
        const auto& [id, ken] = records[k - 1];
        if (count > 20)
            std::cerr << (terminal ? "\r" : "") << k << "/" << count << " " << ken << (terminal ? "\033[K" : "\n")
                      << std::flush;
        const int warningsBefore = messages.warnings();
        // One page in memory at a time, however many records.
        Seite1 page(session, clock, nullptr,
                    options.png.empty() ? Seite1::unseen(options.dpi) : Seite1::screen(options.dpi));
        page.state().pageNumber = static_cast<int16_t>(options.all ? k : 1);
        page.state().pageCount = static_cast<int16_t>(options.all ? count : 1);
        std::string why;
        try {
            // A record that fails leaves the project as it was: no evaluation state of its own.
            Connection::Savepoint unit(session.cnnX());
            if (!evaluate(session, page, id) || messages.warnings() != warningsBefore)
                why = messages.lastWarning();  // a sheet drawn past an error is not the record's sheet
            else
                unit.commit();
        } catch (const VbError& error) {
            why = error.description();  // a record no check foresaw: named, and the others still printed
        }
        if (!why.empty()) {
            failed.push_back(ken + ": " + why);
            continue;
        }
        if (png && !page.screenImage().save(png, "PNG")) {
            std::cerr << "kvx-sheet: cannot write " << options.png << "\n";
            return 1;
        }
        if (paper) {
            if (printed > 0)
                paper->newPage();
            page.DRUCKEN(*paper);
        }
        ++printed;
        parameters.add(page.state(), ParameterTables(page).values());
    }
    if (terminal && count > 20)
        std::cerr << "\n";
    if (options.all && !failed.empty()) {
        std::cerr << "kvx-sheet: " << failed.size() << " of " << count << " records could not be evaluated:\n";
        for (const std::string& reason : failed)
            std::cerr << "  " << reason << "\n";
    }
    // With --all the output holds the records that could be drawn; a run that drew none
    // leaves no output, and what was there before stays.
    if (printed == 0 || (!options.all && !failed.empty()))
        return 1;
    if ((paper && !paper->finish()) || !parameters.finish() || !outputs.commit()) {
        std::cerr << "kvx-sheet: " << (outputs.error().empty() ? "cannot write the output" : outputs.error()) << "\n";
        return 1;
    }
    return failed.empty() ? 0 : 3;
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
        if (status == 3)
            return 1;  // --all with records left out: the others are written
    } catch (const VbError& error) {
        std::cerr << "kvx-sheet: " << options->database << ": " << error.description() << "\n";
    } catch (const std::exception& error) {
        std::cerr << "kvx-sheet: " << options->database << ": " << error.what() << "\n";
    }
    return status;
}
