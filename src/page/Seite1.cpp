#include "Seite1.h"

#include "data/SlopeChecks.h"
#include "data/TestPoints.h"
#include "furniture/clsKOPFFUSS.h"
#include "input/RecordRules.h"
#include "page/FrictionAngleFigures.h"
#include "page/ParameterTables.h"
#include "page/ReductionFigures.h"
#include "page/ShearFigures.h"
#include "page/VersionRecord.h"
#include "platform/Clock.h"
#include "platform/Connection.h"
#include "platform/EventLoop.h"
#include "platform/Locale.h"
#include "platform/MeasuringSurface.h"
#include "platform/MessageService.h"
#include "platform/Session.h"
#include "platform/TextPair.h"
#include "platform/VbError.h"

#include <QPainter>

#include <cmath>

Seite1::Seite1(Session& session, const Clock& clock, Progress* progress, SurfaceFactory surfaces)
    : session_(session), clock_(clock), progress_(progress), page_(surfaces(sheetWidth, sheetHeight)), g0_(session)
{
    page_->name = "mdiSEITE1";
    for (int figure = 11; figure <= 17; ++figure)
        boxes_[figure - 11] = pictureBox(surfaces, figure, place(figure));
    g0_.ETABELLE = "G0";
    g0_.ESPK1 = "IDOBJEKT";
}

Seite1::~Seite1() = default;

Seite1::Place Seite1::place(int figure)
{
    constexpr double L = 850.5, T = 1701, W = 4819.5, H = 2551.5;
    switch (figure) {
    case 11: return {L, T, W, H};
    case 12: return {L + W, T, W, H};
    case 13: return {L, T + H, W, H};
    case 14: return {L + W, T + H, W, H};
    case 15: return {L, T + 2 * H, W, 2268};
    case 16: return {L + W, T + 2 * H, W, 2268};
    default: return {L + 2 * W, T, 13608 - 2 * W, 7371};
    }
}

std::vector<OutputPage::Box> Seite1::boxes()
{
    std::vector<Box> all;
    for (int figure = 11; figure <= 17; ++figure)
        all.push_back({&box(figure), place(figure)});
    return all;
}

Surface& Seite1::box(int figure)
{
    // Figure 18 shares the box of figure 17.
    return *boxes_.at(std::min(figure, 17) - 11);
}

ErrorTrap Seite1::trap(const std::string& title)
{
    return ErrorTrap(session_.messages(), title, ErrorPrefix::window);
}

void Seite1::writeG0(int16_t figure, std::initializer_list<std::pair<const char*, Variant>> values)
{
    g0_.ESPIDW = state_.ID;
    g0_.ESPK1W = std::to_string(figure);
    for (const auto& [column, value] : values)
        g0_.DVTV(column, value);
}

float Seite1::readG0(int16_t figure, const char* column)
{
    g0_.ESPIDW = state_.ID;
    g0_.ESPK1W = std::to_string(figure);
    float value = 0;
    g0_.DTVS(column, value);
    return value;
}

clsGRAFIK& Seite1::skeleton(int16_t figure, int16_t OBJ, float XDL, float YDO,
                            std::initializer_list<std::pair<const char*, Variant>> rebuild,
                            std::initializer_list<std::pair<const char*, Variant>> always)
{
    if (OBJ == 0)
        box(figure).clear();
    auto& slot = state_.figures.at(figure - 11);
    slot = std::make_unique<clsGRAFIK>(session_);
    if (state_.BONEU) {
        // Every figure's default frame: axes growing right and up, margins in millimetres.
        writeG0(figure,
                {{"OX", int16_t(1)}, {"OY", int16_t(1)}, {"RL", 10.0f}, {"RR", 5.0f}, {"RO", 7.0f}, {"RU", 11.0f}});
        writeG0(figure, rebuild);
    }
    writeG0(figure, always);
    clsGRAFIK& g = *slot;
    g.EID(state_.ID);
    g.EIDOBJEKT = figure;
    g.EOBJEKT(target(figure, OBJ));
    if (OBJ != 0) {
        const Place at = place(figure);
        g.EXDL = static_cast<float>(at.left / Surface::twipsPerMillimetre) + XDL;
        g.EYDO = figure >= 15 ? YDO : static_cast<float>(at.top / Surface::twipsPerMillimetre) + YDO;
    }
    return g;
}

void Seite1::progress(int value)
{
    if (progress_)
        progress_->setValue(value);
    EventLoop::yield();
}

bool Seite1::load(std::optional<int32_t> record)
{
    // The page's geometry reaches the database as one unit, not one commit per value; a
    // load that ends in an error leaves the geometry stored before it.
    Connection::Savepoint unit(session_.cnnX());
    state_.header = state_.numbering = true;
    progress(5);
    if (!readRecord(record) || !drawable()) {
        unit.commit();
        return false;
    }
    SEITENKOPF(0);
    progress(20);
    BILD11(0, 0, 0);
    progress(50);
    BILD12(0, 0, 0);
    progress(65);
    BILD13(0, 0, 0);
    EventLoop::yield();
    BILD14(0, 0, 0);
    progress(70);
    BILD15(0, 0, 0);
    EventLoop::yield();
    BILD16(0, 0, 0);
    progress(80);
    BILD17(0, 0, 0);
    progress(90);
    BILD18(0, 0, 0);
    progress(100);
    state_.BONEU = false;
    unit.commit();
    return true;
}

bool Seite1::readRecord(std::optional<int32_t> record)
{
    session_.beginRecord();
    session_.beginFigure(0);
    clsDATEN e1(session_), e2(session_), a1(session_);
    if (record)
        e1.ESPIDW = *record;
    e2.ETABELLE = "E2";
    a1.ETABELLE = "A1";
    PageState& s = state_;
    s.ID = 0;
    e1.DTVL("ID", s.ID);
    if (s.ID == 0) {
        const bool english = Locale::current().englishTexts();
        session_.messages().show({"KVX",
                                  TextPair{"Es ist kein Datensatz ausgewählt.", "No record is selected."}.in(english),
                                  MessageService::Buttons::Ok, MessageService::Icon::Warning});
        return false;
    }
    e2.ESPIDW = a1.ESPIDW = s.ID;
    e1.DTVT("KEN", s.KEN);
    e1.DTVT("KOM", s.KOM);
    const std::pair<const char*, float*> singles[] = {
        {"SIB", &s.SIB}, {"A", &s.A},     {"C", &s.C},        {"AR", &s.AR},   {"CR", &s.CR},
        {"AB", &s.AB},   {"CB", &s.CB},   {"ARB", &s.ARB},    {"CRB", &s.CRB}, {"SIA", &s.SIA},
        {"SI1", &s.SI1}, {"SI2", &s.SI2}, {"SIMAX", &s.SIMAX}};
    try {
        int32_t first = 0, last = 0, rows = 0;
        e2.INDEXL(first, last, rows, {"ID"});
        if (rows == 0) {
            // Without its values a record has nothing to evaluate (a row lost by hand or import).
            refuse(TextPair{"\nSeine Werte fehlen (Tabelle E2).", "\nIts values are missing (table E2)."}.in(
                Locale::current().englishTexts()));
            return false;
        }
        e1.DTVI("SPR", s.SPR);
        a1.DTVB("BONEU", s.BONEU);
        for (const auto& [column, value] : singles)
            e2.DTVS(column, *value);
        e2.DTVI("N", s.N);
        s.points = TestPoints::read(session_.cnnX(), s.ID);
    } catch (const VbError& error) {
        // A stored value that fits no number of its column (a damaged or edited file).
        refuse("\n" + error.description());
        return false;
    }
    for (int law = 0; law < 4; ++law) {
        const auto fitted = LawFit::fit(TestPoints::of(s.points, TestPoints::Law(law)), s.SIB);
        s.fits[law] =
            std::holds_alternative<LawFit::Fit>(fitted) ? std::optional(std::get<LawFit::Fit>(fitted)) : std::nullopt;
    }
    // A record with a slope check has a second page, counted from here on.
    s.slope = SlopeChecks::read(session_.cnnX(), s.ID);
    if (s.slope && s.pageCount <= s.pageNumber)
        s.pageCount = static_cast<int16_t>(s.pageNumber + 1);
    return true;
}

void Seite1::refuse(const std::string& problems)
{
    const bool english = Locale::current().englishTexts();
    session_.messages().show({"KVX",
                              TextPair{"Der Datensatz " + state_.KEN + " kann nicht ausgewertet werden:",
                                       "The record " + state_.KEN + " cannot be evaluated:"}
                                      .in(english) +
                                  problems,
                              MessageService::Buttons::Ok, MessageService::Icon::Warning});
}

bool Seite1::drawable()
{
    // A record that cannot be drawn (it came by import or from a file edited by hand):
    // say which inputs are wrong before anything is drawn.
    const PageState& s = state_;
    const bool english = Locale::current().englishTexts();
    const auto number = [](float value) { return vb::singleText(value); };
    std::string problems;
    for (const std::string& problem : RecordRules::problems(
             {s.KEN, s.SIB, s.A, s.C, s.AR, s.CR, s.AB, s.CB, s.ARB, s.CRB, s.SIA, s.SIMAX, s.SI1, s.SI2, s.N},
             english))
        problems += "\n" + problem;
    if (!problems.empty()) {
        refuse(problems);
        return false;
    }
    state_.values = RecordEvaluation::evaluate(
        {s.SIB, s.A, s.C, s.AR, s.CR, s.AB, s.CB, s.ARB, s.CRB, s.SIA, s.SI1, s.SI2, s.SIMAX, s.N});
    if (!state_.values.coulomb)
        session_.messages().show({"KVX",
                                  TextPair{"σ1 und σ2 sind gleich (" + number(s.SI1) +
                                               " kN/m²): Die Coulombschen Geraden und ihre Tabellenwerte entfallen.",
                                           "σ1 and σ2 are equal (" + number(s.SI1) +
                                               " kN/m²): the Coulomb lines and their table values are left out."}
                                      .in(english),
                                  MessageService::Buttons::Ok, MessageService::Icon::Information});
    return true;
}

void Seite1::SEITENKOPF(int16_t OBJ)
{
    trap("Kopffusszeile").run({[&] { header(OBJ == 0 ? *page_ : target(0, OBJ), OBJ != 0, state_.pageNumber); }});
}

void Seite1::header(Surface& surface, bool paper, int16_t pageNumber)
{
    session_.beginFigure(0);
    if (!paper)
        surface.clear();
    clsKOPFFUSS head(session_.messages());
    head.AUSGABEOBJEKT(surface, surface);
    head.BEARBEITER = session_.BEARBEITER();
    head.COPYRIGHT =
        TextPair{VersionRecord::copyright, VersionRecord::copyrightEnglish}.in(state_.SPR == Locale::English);
    head.EBOKFS = state_.numbering ? -1 : 0;
    head.KENNZEICHNUNG(Variant(state_.KEN));
    const VbDate now = clock_.now();
    head.DATUM = VbDate{std::floor(now.serial)};
    head.KOMMENTAR = state_.KOM;
    head.RANDABSTAND("", 15);
    if (!paper) {
        head.RANDABSTAND("oben", 7.5f);
        head.RANDABSTAND("unten", 7.5f);
    }
    head.SEITE = pageNumber;
    head.SEITENANZAHL = state_.pageCount;
    head.UEBERSCHRIFT = state_.hasLanguage() ? VersionRecord::product : "";
    head.PROJEKT = session_.PROJEKT();
    head.PROGRAMMIERER = VersionRecord::programmer;
    head.SPRACHE = state_.SPR;
    head.UHRZEIT = now;
    head.KOPFFUSSZEILE();
}

void Seite1::drawScreenFigures()
{
    BILD11(0, 0, 0);
    EventLoop::yield();
    BILD12(0, 0, 0);
    EventLoop::yield();
    BILD13(0, 0, 0);
    EventLoop::yield();
    BILD14(0, 0, 0);
    EventLoop::yield();
    BILD15(0, 0, 0);
    EventLoop::yield();
    BILD16(0, 0, 0);
    EventLoop::yield();
    BILD17(0, 0, 0);
    EventLoop::yield();
    BILD18(0, 0, 0);
    EventLoop::yield();
}

void Seite1::KONTEXT(bool HBOKF, bool HBOKFS, uint32_t pageColour, uint32_t pictureColour)
{
    page_->backColor = pageColour;
    for (auto& picture : boxes_)
        picture->backColor = pictureColour;
    state_.header = HBOKF;
    state_.numbering = HBOKFS;
    redraw();
}

void Seite1::ZOOM(double dpi)
{
    resample(dpi);
    redraw();
}

void Seite1::redraw()
{
    Connection::Savepoint unit(session_.cnnX());
    page_->clear();
    if (state_.header)
        SEITENKOPF(0);
    drawScreenFigures();
    unit.commit();
}

void Seite1::DRUCKEN(Surface& printer)
{
    Connection::Savepoint unit(session_.cnnX());
    printer_ = &printer;
    trap("Drucken von Seite 1")
        .run({
            [&] { printer.setScaleMode(Surface::Millimetres); },
            [&] {
                if (state_.header)
                    SEITENKOPF(1);
            },
            [&] {
                BILD11(1, 0, 10);
                EventLoop::yield();
                BILD12(1, 0, 10);
                EventLoop::yield();
                BILD13(1, 0, 28);
                EventLoop::yield();
                BILD14(1, 0, 28);
                EventLoop::yield();
                BILD15(1, 0, 215);
                EventLoop::yield();
                BILD16(1, 0, 215);
                EventLoop::yield();
                BILD17D(1, 15, 170);
                EventLoop::yield();
            },
        });
    printer_ = nullptr;
    drawScreenFigures();
    unit.commit();
}

template <typename Figures>
void Seite1::drawFigure(int number, void (Figures::*draw)(int16_t, float, float), int16_t OBJ, float XDL, float YDO)
{
    session_.beginFigure(number);
    (Figures(*this).*draw)(OBJ, XDL, YDO);
}

// One line each: a table of the figures and the procedures that draw them.
// clang-format off
void Seite1::BILD11(int16_t OBJ, float XDL, float YDO) { drawFigure(11, &ShearFigures::BILD11, OBJ, XDL, YDO); }
void Seite1::BILD12(int16_t OBJ, float XDL, float YDO) { drawFigure(12, &ShearFigures::BILD12, OBJ, XDL, YDO); }
void Seite1::BILD13(int16_t OBJ, float XDL, float YDO) { drawFigure(13, &FrictionAngleFigures::BILD13, OBJ, XDL, YDO); }
void Seite1::BILD14(int16_t OBJ, float XDL, float YDO) { drawFigure(14, &FrictionAngleFigures::BILD14, OBJ, XDL, YDO); }
void Seite1::BILD15(int16_t OBJ, float XDL, float YDO) { drawFigure(15, &ReductionFigures::BILD15, OBJ, XDL, YDO); }
void Seite1::BILD16(int16_t OBJ, float XDL, float YDO) { drawFigure(16, &ReductionFigures::BILD16, OBJ, XDL, YDO); }
void Seite1::BILD17(int16_t OBJ, float XDL, float YDO) { drawFigure(17, &ParameterTables::BILD17, OBJ, XDL, YDO); }
void Seite1::BILD18(int16_t OBJ, float XDL, float YDO) { drawFigure(18, &ParameterTables::BILD18, OBJ, XDL, YDO); }
void Seite1::BILD17D(int16_t OBJ, float XDL, float YDO) { drawFigure(17, &ParameterTables::BILD17D, OBJ, XDL, YDO); }
// clang-format on
