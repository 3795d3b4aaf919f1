#include "Seite2.h"

#include "data/TestPoints.h"
#include "furniture/clsTABELLE.h"
#include "graphics/clsGRAFIK.h"
#include "page/FigureLines.h"
#include "page/Seite1.h"
#include "platform/Connection.h"
#include "platform/NumberFormat.h"
#include "platform/TextPair.h"
#include "platform/Variant.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace {

constexpr float steepest = 1.5f, flattest = 5;
constexpr float step = 0.05f;

// The polyline through the points with a finite value; a gap where there is none.
void gappedCurve(clsGRAFIK& g, const std::vector<float>& xs, const std::vector<float>& ys)
{
    std::vector<float> x, y;
    for (std::size_t i = 0; i <= xs.size(); ++i) {
        if (i < xs.size() && std::isfinite(ys[i])) {
            x.push_back(xs[i]);
            y.push_back(ys[i]);
        } else if (x.size() > 1) {
            g.POLYGON(x, y);
            x.clear();
            y.clear();
        } else {
            x.clear();
            y.clear();
        }
    }
}

// A number of the page; "-" for one that is none (a value edited into the file by hand).
std::string shown(double value, const char* pattern)
{
    return std::isfinite(value) ? vb::format(value, pattern) : "-";
}

// n of the inclination 1 : n of a slope angle in degrees.
double ratio(double beta)
{
    return 1 / std::tan(beta * std::numbers::pi / 180);
}

// A note on lines short enough for the screen's table box: broken after ": " and "; ", the
// later lines indented.
std::vector<std::string> noteLines(const std::string& note)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t at = note.find_first_of(":;"); at != std::string::npos; at = note.find_first_of(":;", at + 1)) {
        if (note.compare(at + 1, 1, " ") == 0) {
            lines.push_back((start == 0 ? "" : "   ") + note.substr(start, at + 1 - start));
            start = at + 2;
        }
    }
    lines.push_back((start == 0 ? "" : "   ") + note.substr(start));
    return lines;
}

// The factor the check stands on: the wedges', else the infinite slope's.
double standing(const SlidingCheck::Result& result)
{
    return result.fs.value_or(result.fsInfinite);
}

}  // namespace

Seite2::Seite2(Seite1& first, SurfaceFactory surfaces)
    : first_(first), page_(surfaces(sheetWidth, sheetHeight)), slope_(first.state().slope.value_or(SlidingCheck::Slope{}))
{
    page_->name = "mdiSEITE2";
    for (int figure = 21; figure <= 22; ++figure)
        boxes_[figure - 21] = pictureBox(surfaces, figure, place(figure));
    if (problem().empty())
        result_ = SlidingCheck::check(slope_, laws());
}

Seite2::~Seite2() = default;

OutputPage::Place Seite2::place(int figure)
{
    // The table on the left, the figure on the right, below the header as on page 1.
    constexpr double mm = Surface::twipsPerMillimetre;
    return figure == 22 ? Place{15 * mm, 30 * mm, 125 * mm, 150 * mm} : Place{145 * mm, 30 * mm, 137 * mm, 150 * mm};
}

std::vector<OutputPage::Box> Seite2::boxes()
{
    return {{&box(21), place(21)}, {&box(22), place(22)}};
}

PageState& Seite2::state()
{
    return first_.state();
}

std::string Seite2::text(const char* german, const char* english) const
{
    return first_.state().text(TextPair{german, english});
}

std::string Seite2::problem() const
{
    const auto [german, english] = SlidingCheck::problem(slope_);
    return first_.state().SPR == Locale::English ? english : german;
}

SlidingCheck::RecordLaws Seite2::laws() const
{
    const PageState& s = first_.state();
    const auto law = [&s](float a, float c) { return SlidingCheck::Law{a, c, s.SIB}; };
    const bool soil = s.AB != 0;
    return {law(s.A, s.C), law(s.AR, s.CR), soil ? std::optional(law(s.AB, s.CB)) : std::nullopt,
            soil ? std::optional(law(s.ARB, s.CRB)) : std::nullopt};
}

std::vector<std::string> Seite2::rangeNotes() const
{
    if (!result_)
        return {};
    const PageState& s = first_.state();
    const double sigma = result_->peak.sigmaN;
    const std::string at = "σn = " + shown(sigma, "0.00") + " kN/m² ";
    std::vector<std::string> notes;
    if (sigma < s.SIA || sigma > s.SIMAX) {
        const std::string range = vb::singleText(s.SIA) + " … " + vb::singleText(s.SIMAX) + " kN/m²";
        notes.push_back(first_.state().text(TextPair{at + "liegt außerhalb von σa … σmax = " + range +
                                                         ": die Winkel sind über den Bereich hinaus fortgesetzt.",
                                                     at + "lies outside σa … σmax = " + range +
                                                         ": the angles are extended beyond the range."}));
    }
    const auto tests = TestPoints::of(s.points, TestPoints::Contact);
    if (!tests.empty()) {
        const auto [low, high] = std::minmax_element(tests.begin(), tests.end());
        if (sigma < low->first || sigma > high->first) {
            const std::string range =
                vb::doubleText(low->first) + " … " + vb::doubleText(high->first) + " kN/m²";
            notes.push_back(first_.state().text(
                TextPair{at + "liegt außerhalb der Versuchswerte (σ' = " + range + ").",
                         at + "lies outside the test results (σ' = " + range + ")."}));
        }
    }
    return notes;
}

Seite2::Curve Seite2::curve() const
{
    Curve values;
    if (!result_)
        return values;
    // Up to the design slope where it is flatter, within the figure's widest axis.
    const float last = std::clamp(static_cast<float>(ratio(slope_.beta)), flattest, 20.0f);
    const SlidingCheck::RecordLaws recordLaws = laws();
    for (int i = 0; steepest + i * step <= last + step / 2; ++i) {
        const float n = steepest + i * step;
        SlidingCheck::Slope slope = slope_;
        slope.beta = SlidingCheck::degreesOf(n);
        values.n.push_back(n);
        if (!SlidingCheck::problem(slope).first.empty()) {
            values.peak.push_back(std::numeric_limits<float>::quiet_NaN());
            values.residual.push_back(std::numeric_limits<float>::quiet_NaN());
            continue;
        }
        const SlidingCheck::Checked checked = SlidingCheck::check(slope, recordLaws);
        values.peak.push_back(static_cast<float>(standing(checked.peak)));
        values.residual.push_back(static_cast<float>(standing(checked.residual)));
    }
    return values;
}

void Seite2::draw()
{
    Connection::Savepoint unit(first_.session().cnnX());
    if (first_.state().header)
        first_.header(*page_, false, static_cast<int16_t>(first_.state().pageNumber + 1));
    else
        page_->clear();
    BILD21(0, 0, 0);
    BILD22(0, 0, 0);
    unit.commit();
}

void Seite2::KONTEXT(bool HBOKF, bool HBOKFS, uint32_t pageColour, uint32_t pictureColour)
{
    page_->backColor = pageColour;
    for (auto& picture : boxes_)
        picture->backColor = pictureColour;
    first_.state().header = HBOKF;
    first_.state().numbering = HBOKFS;
    draw();
}

void Seite2::ZOOM(double dpi)
{
    resample(dpi);
    draw();
}

void Seite2::DRUCKEN(Surface& printer)
{
    Connection::Savepoint unit(first_.session().cnnX());
    printer_ = &printer;
    first_.trap("Drucken von Seite 2")
        .run({
            [&] { printer.setScaleMode(Surface::Millimetres); },
            [&] {
                if (first_.state().header)
                    first_.header(printer, true, static_cast<int16_t>(first_.state().pageNumber + 1));
            },
            [&] {
                BILD22(1, 15, 32);
                BILD21(1, 15, 125);
            },
        });
    printer_ = nullptr;
    BILD21(0, 0, 0);
    BILD22(0, 0, 0);
    unit.commit();
}

void Seite2::BILD21(int16_t OBJ, float XDL, float YDO)
{
    using FigureLines::blue;
    using FigureLines::red;
    const PageState& s = first_.state();
    first_.session().beginFigure(21);
    clsGRAFIK g(first_.session());
    const Curve values = curve();
    first_.trap("Bild 21").run({
        ErrorTrap::creating([&] {
            if (OBJ == 0)
                box(21).clear();
            first_.writeG0(21, {{"OX", int16_t(1)},
                                {"OY", int16_t(1)},
                                {"RL", 14.0f},
                                {"RR", 6.0f},
                                {"RO", 16.0f},
                                {"RU", 12.0f},
                                {"XMIN", 0.0f},
                                {"YMIN", 0.0f},
                                {"MX", 0.0f},
                                {"MY", 0.0f},
                                {"MYMX", 0.0f}});
            g.EID(s.ID);
            g.EIDOBJEKT = 21;
            g.EOBJEKT(target(21, OBJ));
            if (OBJ != 0) {
                g.EXDL = XDL;
                g.EYDO = YDO;
                g.ELX(180);
                g.ELY(120);
            }
        }),
        [&] {
            g.EBOXMIN = g.EBOYMIN = 0;
            g.EBOXMAX = g.EBOYMAX = -1;
            g.EAXEX = g.EAXEY = 1;
            g.ELXMIN = {0, 5, 6, 8, 10, 15, 20};
            g.ELXDIFF.assign(g.ELXMIN.begin() + 1, g.ELXMIN.end());
            g.ELXIT = {5, 6, 4, 5, 3, 4};
            g.ELXGIT(std::vector<float>(6, 1));
            g.ELXZL = g.ELXIT;
            g.ETEXTX = s.text({"Böschungsneigung 1 : n", "Slope inclination 1 : n"});
            g.ESKZX = "#0";
            g.ELYMIN = {0, 0.5f, 1, 1.5f, 2, 2.5f, 3, 4, 5, 6, 8, 10};
            g.ELYDIFF.assign(g.ELYMIN.begin() + 1, g.ELYMIN.end());
            g.ELYIT = {5, 5, 3, 4, 5, 3, 4, 5, 3, 4, 5};
            g.ELYGIT(std::vector<float>(11, 1));
            g.ELYZL = g.ELYIT;
            g.ETEXTY = "FS [-]";
            g.ESKZY = "#0.0";
        },
        [&] {
            g.LINIENEINSTELLUNGEN(0, 0, 0);
            g.SCHRIFTEINSTELLUNGEN("", 9, -1, 0, 0, 0);
            g.TEXT(1, 1, s.text({"Gleitsicherheit der Abdeckung", "Sliding of the cover"}), 2, 0, 0, 0);
            g.SCHRIFTEINSTELLUNGEN("", 8, 0, 0, 0, 0);
            g.TEXT(15, 7,
                   "L = " + shown(slope_.length, "0.0#") + " m, h = " + shown(slope_.thickness, "0.0#") +
                       " m, {g,1}g = " + shown(slope_.unitWeight, "0.0#") + " kN/m³",
                   2, 0, 0, 0);
        },
        [&] {
            // The required factor and the design point lie in the figure (design slopes up to 1 : 20,
            // the widest axis); very flat slopes with large factors run off its top.
            std::vector<float> x = values.n, y;
            for (const std::vector<float>* curve : {&values.peak, &values.residual}) {
                for (float fs : *curve)
                    y.push_back(std::isfinite(fs) ? std::min(fs, 10.0f) : 0);
            }
            x.insert(x.end(), values.n.begin(), values.n.end());
            x.push_back(0);
            y.push_back(static_cast<float>(slope_.required));
            if (result_) {
                x.push_back(static_cast<float>(ratio(slope_.beta)));
                y.push_back(static_cast<float>(std::min(standing(result_->peak), 10.0)));
            }
            g.SKALEN(-1, x, y);
        },
        [&] {
            g.LINIENEINSTELLUNGEN(0, 0, 0);
            gappedCurve(g, values.n, values.peak);
            g.LINIENEINSTELLUNGEN(0, 0, blue);
            gappedCurve(g, values.n, values.residual);
        },
        [&] {
            g.LINIENEINSTELLUNGEN(0, 0, red);
            FigureLines::segment(g, 0, g.XMAX(), static_cast<float>(slope_.required),
                                 static_cast<float>(slope_.required));
            // Above the line, a little clear of it.
            g.TEXT(0.2f, static_cast<float>(slope_.required) + (g.YMAX() - g.YMIN()) / 40,
                   s.text({"erforderlich ", "required "}) + shown(slope_.required, "0.00"), 1, 0, 0, 2);
        },
        [&] {
            if (!result_)
                return;
            const float n = static_cast<float>(ratio(slope_.beta));
            g.LINIENEINSTELLUNGEN(2, 0, 0);
            FigureLines::segment(g, n, n, 0, g.YMAX());
            g.LINIENEINSTELLUNGEN(0, 0, 0);
            g.measuredPoints({n, n}, {static_cast<float>(standing(result_->peak)),
                                      static_cast<float>(standing(result_->residual))});
            g.TEXT(n, g.YMAX(), s.text({" Entwurf 1 : ", " design 1 : "}) + shown(n, "0.0#"), 1, 0, 0, 0);
        },
        [&] {
            // Which curve is which, at the steep end where both are drawn.
            if (values.n.empty())
                return;
            g.TEXT(steepest, values.peak.front(), s.text({"Spitze ", "peak "}), 1, 0, 2, 1);
            g.TEXT(steepest, values.residual.front(), s.text({"Rest ", "residual "}), 1, 0, 2, 0);
        },
    });
}

std::vector<std::array<std::string, 4>> Seite2::rows() const
{
    const auto maybe = [&](const std::optional<double>& value) { return value ? shown(*value, "0.00") : "-"; };
    // The inclination beside the angle, where the angle makes a slope.
    const std::string inclination = result_ ? " (1 : " + shown(ratio(slope_.beta), "0.0#") + ")" : "";
    std::vector<std::array<std::string, 4>> table = {
        {text("Böschungsneigung {g,1}b", "Slope angle {g,1}b"), "[°]", shown(slope_.beta, "0.0#") + inclination, ""},
        {text("Böschungslänge L", "Slope length L"), "[m]", shown(slope_.length, "0.00"), ""},
        {text("Dicke der Abdeckung h", "Cover thickness h"), "[m]", shown(slope_.thickness, "0.00"), ""},
        {text("Wichte der Abdeckung {g,1}g", "Unit weight of the cover {g,1}g"), "[kN/m³]",
         shown(slope_.unitWeight, "0.0#"), ""},
    };
    if (!result_)
        return table;
    const SlidingCheck::Result& peak = result_->peak;
    const SlidingCheck::Result& residual = result_->residual;
    const auto met = [&](const SlidingCheck::Result& r) {
        return r.met(slope_.required) ? text("erfüllt", "met") : text("nicht erfüllt", "not met");
    };
    const std::vector<std::array<std::string, 4>> results = {
        {text("Normalspannung {g,1}s{t,1}n", "Normal stress {g,1}s{t,1}n"), "[kN/m²]", shown(peak.sigmaN, "0.00"),
         ""},
        {text("Kontaktreibungswinkel {g,1}d", "Contact friction angle {g,1}d"), "[°]", shown(peak.delta, "0.00"),
         shown(residual.delta, "0.00")},
        {text("Reibungswinkel des Bodens {g,1}j", "Friction angle of the soil {g,1}j"), "[°]", maybe(peak.phi),
         maybe(residual.phi)},
        {text("Sicherheit FS (Gleitkeile)", "Factor of safety FS (wedges)"), "[-]", maybe(peak.fs),
         maybe(residual.fs)},
        {text("Sicherheit FS∞ (unendliche Böschung)", "Factor of safety FS∞ (infinite slope)"), "[-]",
         shown(peak.fsInfinite, "0.00"), shown(residual.fsInfinite, "0.00")},
        {text("erforderliche Sicherheit", "Required factor of safety"), "[-]", shown(slope_.required, "0.00"), ""},
        {text("Nachweis", "Check"), "", met(peak), met(residual)},
    };
    table.insert(table.end(), results.begin(), results.end());
    return table;
}

void Seite2::BILD22(int16_t OBJ, float XDL, float YDO)
{
    const PageState& s = first_.state();
    first_.session().beginFigure(22);
    first_.trap("Bild 22").run({[&] {
        if (OBJ == 0)
            box(22).clear();
        clsTABELLE::Cells header(4), body(4);
        header[0] = {""};
        header[1] = {""};
        header[2] = {s.text({"Spitze", "Peak"})};
        header[3] = {s.text({"Rest", "Residual"})};
        for (const auto& row : rows()) {
            for (std::size_t column = 0; column < row.size(); ++column)
                body[column].push_back(Variant(row[column]));
        }
        clsTABELLE table(first_.session().messages());
        table.EOBJEKT(target(22, OBJ));
        table.EXDL = XDL;
        table.EYDO = YDO + 7;
        table.ERZ = 1.5f;
        table.ERO = 7;
        table.ERU = 1;
        table.ELSB = {62, 17, 23, 20};
        table.ELGIT = {1, 1, 1};
        table.ELGITLEER = {0, 0, 0, 0};
        table.EZA = 1.3f;
        table.ELA = {0, 1, 2, 2};
        table.ELFORMAT.assign(4, "");
        table.LINIENEINSTELLUNGEN(0, 0, 0);
        table.SCHRIFTEINSTELLUNGEN("", 8, 0, 0, 0, 0);
        table.TABELLE(header, clsTABELLE::Header);
        table.TABELLE(body, clsTABELLE::Body);
        int16_t line = 0;
        std::vector<std::string> notes = rangeNotes();
        if (!result_)
            notes.insert(notes.begin(), problem());
        else if (!result_->peak.fs)
            notes.push_back(text("Ohne Bodenwerte: nur die unendliche Böschung (FS∞).",
                                 "No soil values: the infinite slope (FS∞) only."));
        notes.push_back(text("Gleitkeile nach Koerner und Soong (2005); Winkel der Gesetze bei {g,1}s{t,1}n, "
                             "ohne Adhäsion und Kohäsion.",
                             "Wedges after Koerner and Soong (2005); angles of the laws at {g,1}s{t,1}n, "
                             "no adhesion or cohesion."));
        for (const std::string& note : notes) {
            for (const std::string& part : noteLines(note))
                table.FUSSNOTE(part, line++);
        }
        table.SCHRIFTEINSTELLUNGEN("", 9, -1, 0, 0, 0);
        table.TITEL(s.text({"Gleitsicherheit", "Sliding of the cover"}));
    }});
}
