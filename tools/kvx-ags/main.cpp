// kvx-ags list FILE.ags
// kvx-ags import FILE.ags PROJECT/KVX.mdb --contact KEY [--soil KEY] [--sigma-b SB]
// kvx-ags export PROJECT/KVX.mdb OUT.ags [--record KEN]...
// Shear-box tests in AGS4 files: lists the test sets of a file as JSON, makes a record of a
// contact set and an optional soil set, writes a project's records as an AGS4 file.
#include "ProjectAccess.h"
#include "ToolCommandLine.h"
#include "data/AgsFile.h"
#include "data/AgsShearSets.h"
#include "input/AgsRecords.h"
#include "input/RecordRules.h"
#include "platform/JsonText.h"
#include "platform/Locale.h"
#include "platform/ReplacingFile.h"
#include "platform/VbError.h"

#include <cmath>
#include <filesystem>
#include <iostream>

namespace fs = std::filesystem;

namespace {

int fail(const std::string& message)
{
    std::cerr << "kvx-ags: " << message << "\n";
    return ExitFailure;
}

int list(const std::string& path)
{
    const AgsShearSets sets(AgsFile::read(path));
    std::cout << "[";
    bool first = true;
    for (const AgsShearSets::Set& set : sets.sets()) {
        std::cout << (first ? "\n" : ",\n") << "  {\"key\": " << JsonText::quoted(set.key)
                  << ", \"LOCA_ID\": " << JsonText::quoted(set.locaId) << ", \"SAMP_REF\": " << JsonText::quoted(set.sampRef)
                  << ", \"SPEC_REF\": " << JsonText::quoted(set.specRef)
                  << ", \"SPEC_DESC\": " << JsonText::quoted(set.specDesc) << ", \"stages\": " << set.stages.size()
                  << "}";
        first = false;
    }
    std::cout << "\n]\n";
    return ExitSuccess;
}

int import(const std::string& path, const std::string& project, const std::string& contactKey,
           const std::optional<std::string>& soilKey, float sigmaB, const std::optional<std::string>& ken)
{
    const AgsShearSets sets(AgsFile::read(path));
    const AgsShearSets::Set* contact = sets.find(contactKey);
    const AgsShearSets::Set* soil = soilKey ? sets.find(*soilKey) : nullptr;
    for (const auto& [set, key] : {std::pair{contact, &contactKey}, {soil, soilKey ? &*soilKey : nullptr}}) {
        if (key && !set)
            return fail(path + ": no test set with the key " + *key + " (kvx-ags list " + path + " names them)");
    }
    const bool english = Locale::current().englishTexts();
    const auto made = AgsRecords::make(*contact, soil, sigmaB, english);
    if (const auto* problem = std::get_if<std::string>(&made))
        return fail(path + ": " + *problem + " Nothing was imported.");
    AgsRecords::Record record = std::get<AgsRecords::Record>(made);
    // Sets that differ only in their sample would be named alike: the user may name the record.
    if (ken) {
        record.values.KEN = *ken;
        std::vector<std::string> problems = RecordRules::problems(record.values, english);
        if (ken->empty())
            problems.insert(problems.begin(), RecordRules::missingIdentification(english));
        if (!problems.empty())
            return fail(path + ": --ken " + *ken + ": " + problems.front() + " Nothing was imported.");
    }
    const ProjectAccess access(project, ProjectAccess::Mode::Write);
    if (!access.problem().empty())
        return fail(access.problem());
    const int32_t id =
        AgsRecords::store(access.database(), record, english ? Locale::English : Locale::German);
    if (id == 0)
        return fail(project + " has a record " + record.values.KEN + " already; nothing was imported");
    std::cout << record.values.KEN << "\n";
    return ExitSuccess;
}

int exportRecords(const std::string& project, const std::string& path, const std::vector<std::string>& records)
{
    std::error_code same;
    if (fs::equivalent(project, path, same))
        return fail(path + " is the project itself; nothing was written");
    const ProjectAccess access(project, ProjectAccess::Mode::Read);
    if (!access.problem().empty())
        return fail(access.problem());
    std::vector<std::string> missing;
    const AgsFile file =
        AgsRecords::exportFile(access.database(), fs::path(access.folder()).filename().string(), records, missing);
    if (!missing.empty())
        return fail(project + " has no record " + missing.front() + "; nothing was written");
    const std::string text = file.write();
    ReplacingFile output(path);
    if (!output.open() || output.device()->write(text.data(), static_cast<qint64>(text.size())) !=
                              static_cast<qint64>(text.size()) ||
        !output.commit())
        return fail("cannot write " + path + ": " + output.error());
    return ExitSuccess;
}

// The command line read and carried out; the exit status.
int run(const QStringList& arguments)
{
    QCommandLineParser parser;
    describeTool(parser, QStringLiteral("Shear-box tests in AGS4 files: list, import, export."),
                 {{QStringLiteral("COMMAND"), QStringLiteral("list FILE.ags | import FILE.ags PROJECT.mdb | "
                                                             "export PROJECT.mdb OUT.ags")}});
    const auto option = [](const char* name, const char* text, const char* value, const char* preset = "") {
        return QCommandLineOption(QString::fromLatin1(name), QString::fromUtf8(text), QString::fromLatin1(value),
                                  QString::fromLatin1(preset));
    };
    const QCommandLineOption contact = option("contact", "import: the contact test set", "KEY");
    const QCommandLineOption soil = option("soil", "import: the soil test set", "KEY");
    const QCommandLineOption sigmaB = option("sigma-b", "import: the reference stress in kN/m² (default 100)", "SB", "100");
    const QCommandLineOption record = option("record", "export: a record to write (default: all)", "KEN");
    const QCommandLineOption ken = option("ken", "import: the record's identification (default: LOCA_ID SPEC_REF)", "KEN");
    parser.addOptions({contact, soil, sigmaB, record, ken});
    if (const std::optional<int> done = parseToolLine(parser, arguments, "kvx-ags"))
        return *done;
    const QStringList args = parser.positionalArguments();
    const QString command = args.value(0);
    bool number = false;
    const float reference = parser.value(sigmaB).toFloat(&number);
    const bool valid = (command == u"list" && args.size() == 2) ||
                       (command == u"import" && args.size() == 3 && parser.isSet(contact) && number && reference > 0 &&
                        std::isfinite(reference)) ||
                       (command == u"export" && args.size() == 3);
    if (!valid) {
        std::cerr << "kvx-ags: list FILE.ags, import FILE.ags PROJECT.mdb --contact KEY [--soil KEY] "
                     "[--sigma-b SB > 0] or export PROJECT.mdb OUT.ags [--record KEN]...\n"
                  << parser.helpText().toStdString();
        return ExitBadArguments;
    }
    const std::string first = args.value(1).toStdString(), second = args.value(2).toStdString();
    try {
        if (command == u"list")
            return list(first);
        if (command == u"import")
            return import(first, second, parser.value(contact).toStdString(),
                          parser.isSet(soil) ? std::optional(parser.value(soil).toStdString()) : std::nullopt,
                          reference, parser.isSet(ken) ? std::optional(parser.value(ken).toStdString()) : std::nullopt);
        std::vector<std::string> records;
        for (const QString& ken : parser.values(record))
            records.push_back(ken.toStdString());
        return exportRecords(first, second, records);
    } catch (const AgsError& error) {
        return fail(error.what());
    } catch (const VbError& error) {
        return fail(error.description());
    } catch (const std::exception& error) {
        return fail(error.what());
    }
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    return run(app.arguments());
}
