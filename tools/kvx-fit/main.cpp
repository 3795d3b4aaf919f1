// kvx-fit POINTS.csv --sigma-b SB
// Fits the strength law φ = a + c · lg(σ'/σb) to shear-test results and prints the fit
// as one JSON object. The CSV holds σ', τ and optionally τr (kN/m²), one test a row,
// with ';' and decimal comma or ',' and decimal point, and may start with a header.
#include "ToolCommandLine.h"
#include "input/TestPointText.h"
#include "laws/LawFit.h"
#include "platform/JsonText.h"

#include <QFile>

#include <iostream>
#include <string>

namespace {

const char* const columnNames[] = {"sigma", "tau", "tau_r"};

// The points of one column of τ.
LawFit::Points column(const TestPointText::Parsed& table, std::size_t tau)
{
    LawFit::Points points;
    for (const TestPointText::Row& row : table.rows)
        points.push_back({*row[0], *row[tau]});
    return points;
}

// The first test that lacks σ' or the τ of a column, named with the column; empty when none does.
std::string missingCell(const TestPointText::Parsed& table, std::size_t tau)
{
    for (std::size_t i = 0; i < table.rows.size(); ++i) {
        const TestPointText::Row& row = table.rows[i];
        for (const std::size_t at : {std::size_t(0), tau}) {
            if (at >= row.size() || !row[at])
                return "Test result " + std::to_string(i + 1) + ": " + columnNames[at] + " is missing.";
        }
    }
    return {};
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kvx-fit"));
    QCommandLineParser parser;
    describeTool(parser, QStringLiteral("Fits phi = a + c * lg(sigma'/sigma_b) to shear-test results; prints JSON."),
                 {{QStringLiteral("POINTS.csv"), QStringLiteral("columns sigma, tau and optionally tau_r")}});
    const QCommandLineOption sigmaB(QStringLiteral("sigma-b"), QStringLiteral("the reference stress in kN/m²"),
                                    QStringLiteral("SB"));
    parser.addOption(sigmaB);
    if (const std::optional<int> done = parseToolLine(parser, app.arguments(), "kvx-fit"))
        return *done;
    bool isNumber = false;
    const double reference = parser.value(sigmaB).toDouble(&isNumber);
    if (parser.positionalArguments().size() != 1 || !isNumber) {
        std::cerr << "kvx-fit: one file of test results and --sigma-b with a number are needed\n"
                  << parser.helpText().toStdString();
        return ExitBadArguments;
    }
    const QString path = parser.positionalArguments().front();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::cerr << "kvx-fit: cannot read " << path.toStdString() << "\n";
        return ExitFailure;
    }
    const QByteArray text = file.read(TestPointText::maximumBytes + 1);
    if (text.size() > TestPointText::maximumBytes) {
        std::cerr << "kvx-fit: " << path.toStdString() << ": more than 1 MB, no file of test results\n";
        return ExitFailure;
    }
    const TestPointText::Parsed table = TestPointText::parse(text.toStdString(), '.');
    std::string problem = table.problem(true);
    if (problem.empty() && table.columns() < 2)
        problem = "the file needs the columns sigma and tau";
    std::string json = "{";
    const auto add = [&](std::size_t tau, const char* suffix) {
        problem = missingCell(table, tau);
        if (!problem.empty())
            return;
        const auto fitted = LawFit::fit(column(table, tau), reference);
        if (const auto* why = std::get_if<LawFit::Problem>(&fitted)) {
            problem = why->text(true);
            return;
        }
        const LawFit::Fit& fit = std::get<LawFit::Fit>(fitted);
        const std::string s = suffix;
        if (tau == 1)
            json += "\"n\":" + std::to_string(fit.n);
        json += ",\"a" + s + "\":" + JsonText::number(fit.a) + ",\"c" + s + "\":" + JsonText::number(fit.c) + ",\"r2" + s +
                "\":" + JsonText::number(fit.r2) + ",\"max_dev" + (s.empty() ? "" : "_" + s) + "\":" + JsonText::number(fit.maxDev);
    };
    if (problem.empty())
        add(1, "");
    if (problem.empty() && table.columns() >= 3)
        add(2, "r");
    if (!problem.empty()) {
        std::cerr << "kvx-fit: " << path.toStdString() << ": " << problem << "\n";
        return ExitFailure;
    }
    std::cout << json << "}\n";
    return ExitSuccess;
}
