// drawing-samples OUT_DIR
// Draws two sample figures, one with linear and one with a logarithmic axis, Greek axis
// titles and a curve clipped at the plot area, as figure-sample.png (screen) and
// figure-sample.pdf (A4 paper), and a parameter table under a page head and foot as
// furniture-sample.png and furniture-sample.pdf.
#include "data/FigureFrame.h"
#include "furniture/clsKOPFFUSS.h"
#include "furniture/clsTABELLE.h"
#include "graphics/clsGRAFIK.h"
#include "platform/DatabaseFiles.h"
#include "platform/Locale.h"
#include "platform/PaperSurface.h"
#include "platform/ProjectSession.h"
#include "platform/RasterSurface.h"
#include "platform/TerminalMessages.h"

#include "ToolCommandLine.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <cmath>
#include <filesystem>
#include <iostream>

namespace fs = std::filesystem;

namespace {

constexpr float figureWidth = 85;
constexpr float figureHeight = 58.5;

void writeFrame(Session& session, int16_t figure, float ymax)
{
    FigureFrame::write(session, 1, figure,
                       {{"OX", int16_t(1)}, {"OY", int16_t(1)}, {"RL", 10.0f}, {"RR", 5.0f}, {"RO", 7.0f}, {"RU", 11.0f},
                        {"XMIN", 0.0f}, {"YMIN", 0.0f}, {"YMAX", ymax}, {"MX", 0.0f}, {"MY", 0.0f}});
}

// Shear strength of a log-linear law: phi = a + c lg(sigma / sigma_b), tau = sigma tan phi.
float strength(float sigma, float a, float c)
{
    const float phi = a + c * clsGRAFIK::LOG10(sigma / 60.0f);
    return sigma * std::tan(phi * 0.017453292f);
}

// A figure of record 1 placed on the target, with its G0 row written.
std::unique_ptr<clsGRAFIK> placed(Session& session, int16_t number, float ymax, Surface& target, float left, float top)
{
    writeFrame(session, number, ymax);
    auto figure = std::make_unique<clsGRAFIK>(session);
    figure->EID(1);
    figure->EIDOBJEKT = number;
    figure->EOBJEKT(target);
    figure->EXDL = left;
    figure->EYDO = top;
    figure->ELX(figureWidth);
    figure->ELY(figureHeight);
    return figure;
}

void linearFigure(Session& session, Surface& target, float left, float top)
{
    const auto owner = placed(session, 11, 60, target, left, top);
    clsGRAFIK& figure = *owner;
    figure.EBOXMAX = -1;
    figure.ELXMIN = {0, 20, 40, 60, 80, 100, 200, 400, 600, 800, 1000};
    figure.ELXDIFF = {20, 40, 60, 80, 100, 200, 400, 600, 800, 1000};
    figure.ELXIT = {2, 4, 3, 4, 5, 4, 4, 3, 4, 5};
    figure.ELXGIT(std::vector<float>(10, 1));
    figure.ELXZL = figure.ELXIT;
    figure.ETEXTX = "{g,1}s' [kN/m²]";
    figure.ESKZX = "#0";
    figure.ELYMIN = {0, 20, 40, 60, 80, 100};
    figure.ELYDIFF = {20, 40, 60, 80, 100};
    figure.ELYIT = {4, 4, 3, 4, 5};
    figure.ELYGIT(std::vector<float>(5, 1));
    figure.ELYZL = figure.ELYIT;
    figure.ETEXTY = "{g,1}t{t,1}f [kN/m²]";
    figure.ESKZY = "#0";
    figure.LINIENEINSTELLUNGEN(0, 0, 0);
    figure.SCHRIFTEINSTELLUNGEN("", 9, -1, 0, 0, 0);
    figure.TEXT(1, 1, "Mohrsche und Coulombsche Bruchbedingung", 2, 0, 0, 0);
    figure.SCHRIFTEINSTELLUNGEN("", 8, 0, 0, 0, 0);
    figure.TEXT(13, 8, "{g,1}s{t,1}b = 60 kN/m²", 2, 0, 0, 0);

    std::vector<float> sigma, tau;
    for (int i = 0; i <= 100; ++i) {
        sigma.push_back(10 + i * 1.9f);
        tau.push_back(strength(sigma.back(), 30, -3));
    }
    std::vector<float> limitX{0, 200}, limitY{0, 0};
    figure.SKALEN(1, limitX, limitY);
    figure.SKALEN(3, sigma, tau);
    figure.POLYGON(sigma, tau);
    // The Coulomb line runs on beyond the fixed y range and ends on the frame.
    figure.LINIENEINSTELLUNGEN(0, 0.35, Surface::rgb(255, 0, 0));
    std::vector<float> lineX{0, 200}, lineY{2, 2 + 200 * 0.62f};
    figure.POLYGON(lineX, lineY);
}

void logarithmicFigure(Session& session, Surface& target, float left, float top)
{
    const auto owner = placed(session, 13, 40, target, left, top);
    clsGRAFIK& figure = *owner;
    figure.EBOXMIN = figure.EBOXMAX = -1;
    figure.ESKTX = 1;
    figure.ELXMIN = {0.01f, 0.1f, 1, 10, 100};
    figure.ELXIT = {10};
    figure.ELXGIT({1});
    figure.ELXZL = {1};
    figure.ETEXTX = "{g,1}s{t,1}n [kN/m²]";
    figure.ESKZX = "#0.##";
    figure.ELYMIN = {0, 10, 20, 30, 40};
    figure.ELYDIFF = {10, 20, 30, 40};
    figure.ELYIT = {2, 4, 3, 4};
    figure.ELYGIT(std::vector<float>(4, 1));
    figure.ELYZL = figure.ELYIT;
    figure.ETEXTY = "{g,1}j{t,1}c [°]";
    figure.ESKZY = "#0";
    figure.LINIENEINSTELLUNGEN(0, 0, 0);
    figure.SCHRIFTEINSTELLUNGEN("", 8, 0, 0, 0, 0);
    figure.TEXT(13, 8, "Reibungswinkel {g,1}j = a + c lg({g,1}s/{g,1}s{t,1}b)", 2, 0, 0, 0);

    std::vector<float> sigma, phi;
    for (int i = 0; i <= 80; ++i) {
        sigma.push_back(static_cast<float>(0.01 * std::pow(10.0, i / 20.0)));
        phi.push_back(30 - 3 * clsGRAFIK::LOG10(sigma.back() / 60));
    }
    figure.SKALEN(-1, sigma, phi);
    figure.LINIENEINSTELLUNGEN(0, 0.35, Surface::rgb(0, 0, 255));
    figure.POLYGON(sigma, phi);
}

void parameterTable(MessageService& messages, Surface& target, float left, float top)
{
    clsTABELLE table(messages);
    table.EOBJEKT(target);
    table.EXDL = left;
    table.EYDO = top;
    table.ELSB = {22, 16, 16, 16, 16};
    table.ELGIT = {2, 1, 1, 1};
    table.ELGITLEER = {0, 1, 0, 0};
    table.ELA = {0, 1, 1, 3, 3};
    table.ELFORMAT = {"", "#0.0", "#0.0", "#0.00", "#0.00"};
    table.LINIENEINSTELLUNGEN(0, 0, 0);
    table.SCHRIFTEINSTELLUNGEN("", 8, 0, 0, 0, 0);
    const clsTABELLE::Cells header{{"", "{g,1}s [kN/m²]"},
                                   {"Mohr", "{g,1}j{t,1}c [°]"},
                                   {"", "{g,1}j{t,2}cr [°]"},
                                   {"Coulomb", "c{t,1}c [kN/m²]"},
                                   {"", "tan {g,1}d"}};
    table.TABELLE(header, 0);
    clsTABELLE::Cells body(5);
    for (float sigma : {10.0f, 25.0f, 50.0f, 100.0f, 200.0f}) {
        const float phi = 30 - 3 * clsGRAFIK::LOG10(sigma / 60);
        body[0].push_back(sigma);
        body[1].push_back(phi);
        body[2].push_back(phi - 6.5f);
        body[3].push_back(sigma / 40);
        body[4].push_back(std::tan(phi * 0.017453292f));
    }
    table.TABELLE(body, 1);
    table.SCHRIFTEINSTELLUNGEN("", 9, -1, 0, 0, 0);
    table.TITEL("Scherparameter");
    table.SCHRIFTEINSTELLUNGEN("", 7, 0, 0, 0, 0);
    table.FUSSNOTE("{g,1}j{t,1}c: Kontaktreibungswinkel nach Mohr");
}

void pageHead(MessageService& messages, Surface& page)
{
    clsKOPFFUSS head(messages);
    head.AUSGABEOBJEKT(page, page);
    head.BEARBEITER = "B. Sommer";
    head.COPYRIGHT = "Tarvelo Geotechnik, Musterstadt";
    head.KENNZEICHNUNG(std::vector<Variant>{"PEHD-Dichtungsbahn auf Sand", "Concrete on clay"});
    head.DATUM = VbDate{46363};
    head.UHRZEIT = VbDate{0.6};
    head.UEBERSCHRIFT = "KVX - Kontaktscherfestigkeit";
    head.PROGRAMMIERER = "Tarvelo";
    head.KOMMENTAR = "Rahmenscherversuche 30 x 30 cm";
    head.KOPFFUSSZEILE();
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    describeTool(parser, QStringLiteral("Draws sample figures, a table and a page head and foot."),
                 {{QStringLiteral("OUT_DIR"), QStringLiteral("the folder for the PNG and PDF files")}});
    parser.process(app);
    if (parser.positionalArguments().size() != 1) {
        std::cerr << parser.helpText().toStdString();
        return 2;
    }
    Locale::setCurrent({Locale::German, ","});
    const fs::path out = parser.positionalArguments().front().toStdString();
    fs::create_directories(out);
    const QTemporaryDir project;
    const fs::path database = fs::path(project.path().toStdString()) / "KVX.mdb";
    DatabaseFiles::copy((fs::path(QCoreApplication::applicationDirPath().toStdString()) / ".." / "KVX.mdb").string(),
                        database.string());
    TerminalMessages messages;
    ProjectSession session(database.string(), messages);

    // On screen: two picture boxes side by side in one image.
    RasterSurface screen(2 * figureWidth * Surface::twipsPerMillimetre, figureHeight * Surface::twipsPerMillimetre,
                         144);
    screen.setUserScale(0, 0, 2 * figureWidth, figureHeight);
    linearFigure(session, screen, 0, 0);
    logarithmicFigure(session, screen, figureWidth, 0);
    screen.save(QString::fromStdString((out / "figure-sample.png").string()));

    auto paper = PaperSurface::pdf(QString::fromStdString((out / "figure-sample.pdf").string()), "Tarvelo figures");
    paper->setScaleMode(Surface::Millimetres);
    linearFigure(session, *paper, 20, 30);
    logarithmicFigure(session, *paper, 105, 30);
    paper->finish();
    RasterSurface tableBox(96 * Surface::twipsPerMillimetre, 60 * Surface::twipsPerMillimetre, 144);
    tableBox.setUserScale(0, 0, 96, 60);
    parameterTable(messages, tableBox, 0, 6);
    tableBox.save(QString::fromStdString((out / "furniture-sample.png").string()));
    auto sheet = PaperSurface::pdf(QString::fromStdString((out / "furniture-sample.pdf").string()), "Tarvelo page");
    sheet->setScaleMode(Surface::Millimetres);
    pageHead(messages, *sheet);
    parameterTable(messages, *sheet, 20, 45);
    sheet->finish();

    std::cout << (out / "figure-sample.png").string() << "\n"
              << (out / "figure-sample.pdf").string() << "\n"
              << (out / "furniture-sample.png").string() << "\n"
              << (out / "furniture-sample.pdf").string() << "\n";
    return 0;
}
