#include "SheetCommand.h"

#include "OutputFiles.h"
#include "PageRun.h"
#include "ParameterExport.h"
#include "PdfJoin.h"
#include "ProjectAccess.h"
#include "ToolCommandLine.h"
#include "data/RecordQueries.h"
#include "data/SlopeChecks.h"
#include "input/ProjectFile.h"
#include "platform/Connection.h"
#include "platform/PaperSurface.h"
#include "platform/ProjectSession.h"
#include "platform/Recordset.h"
#include "platform/TerminalMessages.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <mutex>
#include <set>
#include <thread>
#include <unistd.h>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace {

// The identifier of the record to draw, 0 when there is none.
int32_t recordId(const std::shared_ptr<Connection>& db, const std::optional<std::string>& ken)
{
    const std::string sql = ken ? "SELECT [ID] FROM [E1] WHERE [KEN]='" + Connection::escaped(*ken) + "'"
                                : RecordQueries::records("[ID]", RecordQueries::Selected);
    Recordset rows(db, sql);
    return rows.isEOF() ? 0 : rows.field(0).toLong();
}

// Every record but the marker record "M", in the order of the selection dialog.
std::vector<std::pair<int32_t, std::string>> allRecords(const std::shared_ptr<Connection>& db)
{
    std::vector<std::pair<int32_t, std::string>> records;
    Recordset rows(db, RecordQueries::records("[ID],[KEN]", RecordQueries::Listed | RecordQueries::PassedOn, true));
    for (; !rows.isEOF(); rows.moveNext())
        records.push_back({rows.field(0).toLong(), rows.field(1).text()});
    return records;
}

// "k/n KEN" on the error stream as each record of a long run begins: one line each, or on a
// terminal one line rewritten. Records drawn side by side count in the order they begin.
class Progress {
public:
    Progress(int count, std::ostream& err)
        : err_(err), count_(count), terminal_(&err == &std::cerr && ::isatty(STDERR_FILENO))
    {
    }
    void begin(const PageRun::Record& record)
    {
        if (count_ <= 20)
            return;
        const std::lock_guard<std::mutex> guard(mutex_);
        err_ << (terminal_ ? "\r" : "") << ++begun_ << "/" << count_ << " " << record.ken
                  << (terminal_ ? "\033[K" : "\n") << std::flush;
    }
    void end() const
    {
        if (terminal_ && count_ > 20)
            err_ << "\n";
    }

private:
    std::ostream& err_;
    std::mutex mutex_;
    int count_;
    int begun_ = 0;
    bool terminal_;
};

// What the pages of a run came to: the tables' rows and the records left out, in order.
struct Drawn {
    std::vector<ParameterExport::Row> rows;
    std::vector<std::string> failed;
    std::string error;  // why the output could not be made
};

// The records in `jobs` runs of consecutive records, each drawn on a thread of its own with a
// session on a copy of the project of its own; their PDFs joined in order into `pdf`.
Drawn drawSideBySide(const SheetCommand::Options& options, const std::string& projectFolder,
                     const std::vector<PageRun::Record>& records, int16_t pageCount, int jobs, QIODevice* pdf,
                     const QString& title, Progress& progress)
{
    struct Part {
        std::string file;
        Drawn drawn;
    };
    const QTemporaryDir folder;
    std::vector<Part> parts(static_cast<std::size_t>(jobs));
    std::vector<std::thread> threads;
    for (std::size_t j = 0; j < parts.size(); ++j) {
        const auto first = records.begin() + static_cast<std::ptrdiff_t>(records.size() * j / parts.size());
        const auto last = records.begin() + static_cast<std::ptrdiff_t>(records.size() * (j + 1) / parts.size());
        parts[j].file = folder.filePath(QStringLiteral("part-%1.pdf").arg(j)).toStdString();
        threads.emplace_back([&, part = &parts[j], run = std::vector<PageRun::Record>(first, last)] {
            try {
                const std::shared_ptr<Connection> database = Connection::privateCopy(options.database);
                database->execute(ProjectFile::lookupIndexes);
                TerminalMessages messages;
                ProjectSession session(database, messages, projectFolder);
                std::unique_ptr<PaperSurface> paper;
                if (pdf)
                    paper = PaperSurface::pdf(QString::fromStdString(part->file), title);
                PageRun pages(session, messages, options.dpi, false, pageCount);
                pages.draw(run, paper.get(), nullptr, [&](const PageRun::Record& record) { progress.begin(record); });
                if (paper && pages.printed() > 0 && !paper->finish())
                    part->drawn.error = "cannot write " + part->file;
                part->drawn.rows = pages.rows();
                part->drawn.failed = pages.failed();
            } catch (const std::exception& error) {
                part->drawn.error = error.what();
            }
        });
    }
    for (std::thread& thread : threads)
        thread.join();
    Drawn all;
    std::vector<std::string> printedParts;
    for (Part& part : parts) {
        all.rows.insert(all.rows.end(), part.drawn.rows.begin(), part.drawn.rows.end());
        all.failed.insert(all.failed.end(), part.drawn.failed.begin(), part.drawn.failed.end());
        if (all.error.empty())
            all.error = part.drawn.error;
        if (!part.drawn.rows.empty())
            printedParts.push_back(part.file);
    }
    if (pdf && all.error.empty() && !printedParts.empty() && !PdfJoin::join(printedParts, *pdf, all.error))
        all.error = "cannot join the pages: " + all.error;
    return all;
}

}  // namespace

std::variant<SheetCommand::Options, int> SheetCommand::parse(const QStringList& arguments, std::ostream& out,
                                                          std::ostream& err)
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
    const QCommandLineOption jobs(QStringLiteral("jobs"),
                                  QStringLiteral("pages of --all drawn side by side, 1 to 64 (default: the cores)"),
                                  QStringLiteral("N"), QString::number(std::clamp(QThread::idealThreadCount(), 1, 64)));
    parser.addOptions({record, pdf, png, inPlace, dpi, all, csv, json, jobs});
    // The help names the program itself, also where another process reads the command line.
    const QString shownName = QCoreApplication::instance() ? QCoreApplication::arguments().constFirst()
                                                           : QStringLiteral("<executable_name>");
    const std::string help =
        parser.helpText().replace(QStringLiteral("Usage: ") + shownName, QStringLiteral("Usage: kvx-sheet")).toStdString();
    if (!parser.parse(arguments)) {
        err << "kvx-sheet: " << parser.errorText().toStdString() << "\n" << help;
        return ExitBadArguments;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        out << help;
        return ExitSuccess;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        out << "kvx-sheet " TARVELO_VERSION "\n";
        return ExitSuccess;
    }
    Options options;
    const QStringList positional = parser.positionalArguments();
    bool number = false;
    options.dpi = parser.value(dpi).toDouble(&number);
    // Resolution bounds the memory of the screen page: 1200 dpi is about 0.5 GB.
    const bool oneRecordOnly =
        parser.isSet(all) && (parser.isSet(record) || parser.isSet(png) || parser.isSet(inPlace));
    bool whole = false;
    options.jobs = parser.value(jobs).toInt(&whole);
    const bool jobsValid = whole && options.jobs >= 1 && options.jobs <= 64;
    if (positional.size() != 1 || !number || !(options.dpi >= 30 && options.dpi <= 1200) || oneRecordOnly ||
        !jobsValid) {
        err << (positional.size() != 1 ? "kvx-sheet: one project database is needed\n"
                      : oneRecordOnly        ? "kvx-sheet: --record, --png and --in-place take one record, not --all\n"
                      : !jobsValid           ? "kvx-sheet: --jobs takes a whole number from 1 to 64\n"
                                             : "kvx-sheet: --dpi takes a number from 30 to 1200\n")
                  << help;
        return ExitBadArguments;
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

int SheetCommand::run(const Options& options, std::ostream& err)
{
    OutputFiles outputs({options.pdf, options.png, options.csv, options.json}, options.database);
    if (!outputs.refusal().empty()) {
        err << "kvx-sheet: " << outputs.refusal() << "\n";
        return ExitBadArguments;
    }
    const ProjectAccess project(options.database,
                                options.inPlace ? ProjectAccess::Mode::Write : ProjectAccess::Mode::Read);
    if (!project.problem().empty()) {
        err << "kvx-sheet: " << project.problem() << "\n";
        return ExitFailure;
    }
    const std::string& projectFolder = project.folder();
    const std::shared_ptr<Connection>& database = project.database();
    TerminalMessages messages;
    ProjectSession session(database, messages, projectFolder);
    std::vector<std::pair<int32_t, std::string>> records;
    if (options.all) {
        records = allRecords(session.cnnX());
    } else if (const int32_t id = recordId(session.cnnX(), options.record); id != 0) {
        records.push_back({id, options.record.value_or("")});
    } else {
        err << "kvx-sheet: "
                  << (options.record ? "no record with the identification " + *options.record
                                     : std::string("no record is selected; name one with --record"))
                  << "\n";
        return ExitFailure;
    }

    QIODevice* const pdf = outputs.open(options.pdf);
    QIODevice* const png = outputs.open(options.png);
    QIODevice* const csv = outputs.open(options.csv);
    QIODevice* const json = outputs.open(options.json);
    if (!outputs.error().empty()) {
        err << "kvx-sheet: " << outputs.error() << "\n";
        return ExitFailure;
    }
    // Pages are numbered through the run: a record with a slope check has two.
    const int count = static_cast<int>(records.size());
    const std::set<int32_t> checked = SlopeChecks::records(session.cnnX());
    std::vector<PageRun::Record> numbered;
    int16_t next = 1;
    for (const auto& [id, ken] : records) {
        numbered.push_back({id, ken, options.all ? next : int16_t(1)});
        next = static_cast<int16_t>(next + 1 + checked.count(id));
    }
    const auto pageCount = static_cast<int16_t>(options.all ? next - 1 : 1);
    const QString title = QString::fromStdString(options.all ? session.PROJEKT() : records.front().second);
    Progress progress(count, err);
    const int jobs = options.all ? std::min(options.jobs, count) : 1;
    Drawn drawn;
    if (jobs > 1) {
        drawn = drawSideBySide(options, projectFolder, numbered, pageCount, jobs, pdf, title, progress);
    } else {
        std::unique_ptr<PaperSurface> paper;
        if (pdf)
            paper = PaperSurface::pdf(pdf, title);
        PageRun pages(session, messages, options.dpi, !options.png.empty(), pageCount);
        if (!pages.draw(numbered, paper.get(), png, [&](const PageRun::Record& record) { progress.begin(record); })) {
            err << "kvx-sheet: cannot write " << options.png << "\n";
            return ExitFailure;
        }
        if (paper && pages.printed() > 0 && !paper->finish())
            drawn.error = "cannot write the output";
        drawn.rows = pages.rows();
        drawn.failed = pages.failed();
    }
    progress.end();
    const std::vector<std::string>& failed = drawn.failed;
    const int printed = static_cast<int>(drawn.rows.size());
    if (options.all && !failed.empty()) {
        err << "kvx-sheet: " << failed.size() << " of " << count << " records could not be evaluated:\n";
        for (const std::string& reason : failed)
            err << "  " << reason << "\n";
    }
    // With --all the output holds the records that could be drawn; a run that drew none
    // leaves no output, and what was there before stays.
    if (printed == 0 || (!options.all && !failed.empty()))
        return ExitFailure;
    ParameterExport parameters(csv, json);
    for (const ParameterExport::Row& row : drawn.rows)
        parameters.add(row);
    if (!drawn.error.empty() || !parameters.finish() || !outputs.commit()) {
        err << "kvx-sheet: "
                  << (!drawn.error.empty()         ? drawn.error
                      : outputs.error().empty() ? std::string("cannot write the output")
                                                : outputs.error())
                  << "\n";
        return ExitFailure;
    }
    // --all with records left out fails, but the others are written.
    return failed.empty() ? ExitSuccess : ExitFailure;
}

