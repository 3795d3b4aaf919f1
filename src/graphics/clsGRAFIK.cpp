#include "clsGRAFIK.h"

#include "data/RecordQueries.h"
#include "data/clsDATEN.h"
#include "laws/ShearLaw.h"
#include "graphics/AxisPainter.h"
#include "graphics/EngineeringSymbols.h"
#include "graphics/FormulaWriter.h"
#include "graphics/PointSymbol.h"
#include "graphics/SegmentClip.h"
#include "platform/Connection.h"
#include "platform/ErrorTrap.h"
#include "platform/Recordset.h"
#include "platform/ScrollBar.h"
#include "platform/Session.h"
#include "platform/VbError.h"

#include <cmath>

namespace {

// Division as the platform does it: a zero divisor is a run-time error, not infinity.
float quotient(float dividend, float divisor)
{
    if (divisor == 0)
        throw VbError::of(VbError::DivisionByZero);
    return dividend / divisor;
}

}  // namespace

clsGRAFIK::clsGRAFIK(Session& session) : session_(session)
{
    try {
        Recordset active(session.cnnX(), RecordQueries::records("[ID]", RecordQueries::Selected));
        EID_ = active.isEOF() ? 0 : active.field("ID").toLong();
    } catch (const VbError& error) {
        // The figure still draws; its G0 row is then that of record 0.
        trap("Grafik").report(error);
    }
}

ErrorTrap clsGRAFIK::trap(const std::string& title, const char* prefix) const
{
    return ErrorTrap(session_.messages(), title, prefix);
}

ErrorTrap clsGRAFIK::longTrap(const std::string& title) const
{
    return ErrorTrap(session_.messages(), title, ErrorPrefix::numbered);
}

Surface& clsGRAFIK::target() const
{
    if (!target_)
        throw VbError::of(VbError::ObjectNotSet);
    return *target_;
}

void clsGRAFIK::EOBJEKT(Surface& surface)
{
    target_ = &surface;
    const Surface::Measurement scale = surface.measure();
    pixelsX_ = static_cast<float>(scale.pixelsPerUnitX);
    pixelsY_ = static_cast<float>(scale.pixelsPerUnitY);
    ELX(static_cast<float>(surface.width() / Surface::twipsPerMillimetre));
    ELY(static_cast<float>(surface.height() / Surface::twipsPerMillimetre));
    SCHRIFTEINSTELLUNGEN("", 0, 0, 0, 0, 0);
}

void clsGRAFIK::EID(int32_t id)
{
    EID_ = id;
}

void clsGRAFIK::resetAxis(std::vector<float>& min, std::vector<float>& diff, std::vector<float>& it,
                          std::vector<float>& git, std::vector<float>& zl, float length)
{
    min = {0, length};
    diff = {length};
    it = {1};
    git = {0};
    zl = {0};
}

void clsGRAFIK::ELX(float width)
{
    ELX_ = width;
    resetAxis(ELXMIN, ELXDIFF, ELXIT, ELXGIT_, ELXZL, width);
}

void clsGRAFIK::ELY(float height)
{
    ELY_ = height;
    resetAxis(ELYMIN, ELYDIFF, ELYIT, ELYGIT_, ELYZL, height);
}

void clsGRAFIK::ELXGIT(const std::vector<float>& list)
{
    ELXGIT_ = ELXZL = list;
}

void clsGRAFIK::ELYGIT(const std::vector<float>& list)
{
    ELYGIT_ = ELYZL = list;
}

void clsGRAFIK::EXYIT(double coupling)
{
    EXYIT_ = vb::toInteger(coupling);
}

void clsGRAFIK::setFrame(int16_t ox, int16_t oy, float rl, float rr, float ro, float ru)
{
    OX_ = ox;
    OY_ = oy;
    RL_ = rl;
    RR_ = rr;
    RO_ = ro;
    RU_ = ru;
}

void clsGRAFIK::setLimits(float xmin, float xmax, float ymin, float ymax, float mx, float my)
{
    XMIN_ = xmin;
    XMAX_ = xmax;
    YMIN_ = ymin;
    YMAX_ = ymax;
    MX_ = mx;
    MY_ = my;
}

void clsGRAFIK::KOORDTRANS(float X, float Y, float& XP, float& YP)
{
    trap("Koordinatentransformation")
        .run({
            [&] {
                const float x0 = EXDL + scrollX_ + RL_;
                XP = OX_ == 1 ? x0 + quotient(X - XMIN_, MX_) : x0 + quotient(XMAX_ - X, MX_);
            },
            [&] {
                const float y0 = EYDO + scrollY_ + RO_;
                YP = OY_ == 1 ? y0 + quotient(YMAX_ - Y, MY_) : y0 + quotient(Y - YMIN_, MY_);
            },
        });
}

void clsGRAFIK::KOORDTRANSINV(float XP, float YP, float& X, float& Y, int16_t SKTX, int16_t SKTY)
{
    trap("Inverse Koordinatentransformation")
        .run({
            [&] {
                X = OX_ == 1 ? MX_ * (XP - EXDL - scrollX_ - RL_) + XMIN_ : (EXDL + scrollX_ + RL_ - XP) * MX_ + XMAX_;
            },
            [&] {
                Y = OY_ == 1 ? MY_ * (RO_ + EYDO + scrollY_ - YP) + YMAX_ : (YP - EYDO - scrollY_ - RO_) * MY_ + YMIN_;
            },
            [&] {
                if (SKTX == 1)
                    X = static_cast<float>(std::pow(10.0, X));
                if (SKTY == 1)
                    Y = static_cast<float>(std::pow(10.0, Y));
            },
        });
}

void clsGRAFIK::LINIENEINSTELLUNGEN(int16_t& LINIENART, float& LINIENBREITE, int32_t& FARBE)
{
    FontSettings::lines(target_, pixelsX_, session_.messages(), ErrorPrefix::engine, LINIENART, LINIENBREITE, FARBE);
}

void clsGRAFIK::LINIENEINSTELLUNGEN(int LINIENART, double LINIENBREITE, long FARBE)
{
    int16_t style = static_cast<int16_t>(LINIENART);
    float width = static_cast<float>(LINIENBREITE);
    int32_t color = static_cast<int32_t>(FARBE);
    LINIENEINSTELLUNGEN(style, width, color);
}

void clsGRAFIK::SCHRIFTEINSTELLUNGEN(const std::string& SCHRIFTART, int16_t SCHRIFTGROESSE, int16_t FETT,
                                     int16_t UNTERSTRICHEN, int16_t KURSIV, int32_t FARBE)
{
    FontSettings::apply(target_, fonts_, session_.messages(), SCHRIFTART, SCHRIFTGROESSE, FETT, UNTERSTRICHEN, KURSIV,
                        FARBE);
}

void clsGRAFIK::SKALEN(int16_t NR, const std::vector<float>& X, const std::vector<float>& Y)
{
    clsDATEN g0(session_);
    g0.ETABELLE = "G0";
    g0.ESPIDW = EID_;
    g0.ESPK1 = "IDOBJEKT";
    g0.ESPK1W = std::to_string(EIDOBJEKT);
    const bool read = g0.DTVI("OX", OX_) && g0.DTVI("OY", OY_) && g0.DTVS("RL", RL_) && g0.DTVS("RR", RR_) &&
                      g0.DTVS("RO", RO_) && g0.DTVS("RU", RU_) && g0.DTVS("XMIN", XMIN_) && g0.DTVS("XMAX", XMAX_) &&
                      g0.DTVS("YMIN", YMIN_) && g0.DTVS("YMAX", YMAX_);
    if (!read)
        return;

    const ScaleChoice::Lists xLists{ELXMIN, ELXDIFF, ELXIT, ELXGIT_, ELXZL};
    const ScaleChoice::Lists yLists{ELYMIN, ELYDIFF, ELYIT, ELYGIT_, ELYZL};
    ErrorTrap steps = trap("Skalen", ErrorPrefix::engineShort);
    bool scalesRead = false;
    const bool completed = steps.run({
        [&] {
            if (!ELXMIN.empty())
                xAxis_ = ScaleChoice::SKALENWAHL(NR, EBOXMIN != 0, EBOXMAX != 0, ESKTX, X, XMIN_, XMAX_, xLists);
        },
        [&] {
            if (!ELYMIN.empty())
                yAxis_ = ScaleChoice::SKALENWAHL(NR, EBOYMIN != 0, EBOYMAX != 0, ESKTY, Y, YMIN_, YMAX_, yLists);
        },
        [&] {
            // The coupled limit stands; only the ticks are rebuilt for it.
            if (EXYIT_ == 1) {
                const float coupled = YMIN_ + (XMAX_ - XMIN_) * quotient(ELY_ - RO_ - RU_, ELX_ - RL_ - RR_);
                YMAX_ = coupled;
                yAxis_ = ScaleChoice::SKALENWAHL(0, false, false, ESKTY, Y, YMIN_, YMAX_, yLists);
                YMAX_ = coupled;
            } else if (EXYIT_ == 2) {
                const float coupled = (YMAX_ - YMIN_) * quotient(ELX_ - RL_ - RR_, ELY_ - RO_ - RU_) + XMIN_;
                XMAX_ = coupled;
                xAxis_ = ScaleChoice::SKALENWAHL(0, false, false, ESKTX, X, XMIN_, XMAX_, xLists);
                XMAX_ = coupled;
            }
        },
        [&] {
            const std::pair<int16_t, std::pair<const char*, float>> limits[] = {{EBOXMIN, {"XMIN", XMIN_}},
                                                                                {EBOXMAX, {"XMAX", XMAX_}},
                                                                                {EBOYMIN, {"YMIN", YMIN_}},
                                                                                {EBOYMAX, {"YMAX", YMAX_}}};
            for (const auto& [automatic, limit] : limits) {
                if (automatic != 0)
                    g0.DVTS(limit.first, limit.second);
            }
        },
        [&] {
            if (NR == 1 || NR == 2)
                throw ErrorTrap::Leave();
        },
        [&] {
            if (ESKTX == 1) {
                XMIN_ = LOG10(XMIN_);
                XMAX_ = LOG10(XMAX_);
            }
            if (ESKTY == 1) {
                YMIN_ = LOG10(YMIN_);
                YMAX_ = LOG10(YMAX_);
            }
        },
        [&] {
            scalesRead = g0.DTVS("MYMX", MYMX_) && g0.DTVS("MX", MX_) && g0.DTVS("MY", MY_);
            if (!scalesRead)
                throw ErrorTrap::Leave();
            if (!(MX_ != 0 && MY_ != 0)) {
                ScaleChoice::MASSSTAB(MX_, MY_, XMIN_, XMAX_, YMIN_, YMAX_, ELX_ - RL_ - RR_, ELY_ - RO_ - RU_, MYMX_);
                g0.DVTS("MX", MX_);
                g0.DVTS("MY", MY_);
            }
        },
        [&] { scrollBars(); },
        [&] {
            const bool xHidden = !EXBALKEN || !EXBALKEN->visible;
            const bool yHidden = !EYBALKEN || !EYBALKEN->visible;
            if (xHidden && yHidden)
                AxisPainter(*this).draw();
        },
    });
    (void)completed;
}

void clsGRAFIK::scrollBars()
{
    Surface& surface = target();
    // One axis: the bar sits along the lower (x) or right (y) edge of a picture box.
    const auto fit = [&](ScrollBar& bar, bool horizontal, float span, float scale, float before, float after,
                         float frame) {
        const double extent = horizontal ? surface.scaleWidth() : surface.scaleHeight();
        const double across = horizontal ? surface.scaleHeight() : surface.scaleWidth();
        const float needed = quotient(span, scale);
        float available = static_cast<float>(1.01 * extent) - before - after;
        if (surface.isPrinter()) {
            available = frame;
        } else if (available > needed) {
            bar.value = 0;
            bar.visible = false;
        } else {
            bar.min = 0;
            bar.max = 10000;
            bar.largeChange = static_cast<int>(std::nearbyint((1 - (needed - available) / needed) * 10000));
            bar.smallChange = static_cast<int>(std::nearbyint(bar.largeChange / 50.0));
            bar.left = horizontal ? 0 : across - 5;
            bar.top = horizontal ? across - 5 : 0;
            bar.width = horizontal ? extent - 5 : 5;
            bar.height = horizontal ? 5 : extent - 5;
            bar.visible = true;
        }
        if (bar.value == 0)
            return 0.0f;
        const float share = static_cast<float>(std::nearbyint(bar.value / 10000.0 * 1000) / 1000);
        return share * (available - needed - before - after);
    };
    if (EXBALKEN)
        scrollX_ = fit(*EXBALKEN, true, XMAX_ - XMIN_, MX_, RL_, RR_, ELX_);
    if (EYBALKEN)
        scrollY_ = fit(*EYBALKEN, false, YMAX_ - YMIN_, MY_, RO_, RU_, ELY_);
}

float clsGRAFIK::LOG10(double value)
{
    return ShearLaw::lg(value);
}

float clsGRAFIK::LININT(float X1, float X2, float X, float Y1, float Y2)
{
    if (X1 == X2) {
        session_.messages().show(
            {"LININT", "Division durch Null!", MessageService::Buttons::Ok, MessageService::Icon::Warning});
        return 0;
    }
    return Y2 - (Y2 - Y1) * (X2 - X) / (X2 - X1);
}

float clsGRAFIK::RICHTUNG(float X1, float Y1, float X2, float Y2)
{
    constexpr float halfPi = 1.5707963705062866f;
    constexpr float threeHalfPi = 4.71238911151886f;
    constexpr float pi = 3.1415927f;
    constexpr float twoPi = 6.2831855f;
    const float dx = X2 - X1;
    const float dy = Y2 - Y1;
    if (dx == 0 && dy == 0)
        return 0;
    if (dx == 0)
        return dy > 0 ? halfPi : threeHalfPi;
    if (dy == 0)
        return dx < 0 ? pi : 0;
    float angle = std::atan(dy / dx);
    if (dx < 0)
        angle += pi;
    if (dx > 0 && dy < 0)
        angle += twoPi;
    return angle;
}

clsGRAFIK::Area clsGRAFIK::plotArea() const
{
    return {EXDL + RL_, EXDL + ELX_ - RR_, EYDO + RO_, EYDO + ELY_ - RU_};
}

void clsGRAFIK::TEXT(float X, float Y, const std::string& text, int16_t KO, int16_t AL, int16_t ARX, int16_t ARY)
{
    std::string copy = text;
    TEXT(X, Y, copy, KO, AL, ARX, ARY);
}

void clsGRAFIK::TEXT(float X, float Y, std::string& text, int16_t KO, int16_t AL, int16_t ARX, int16_t ARY)
{
    const bool anchored = trap("Text").attempt([&] {
        if (KO == 1)
            KOORDTRANS(ESKTX == 1 ? LOG10(X) : X, ESKTY == 1 ? LOG10(Y) : Y, X, Y);
        else if (KO == 2) {
            X += EXDL + scrollX_;
            Y += EYDO + scrollY_;
        }
        target();
    });
    if (!anchored || !target_)
        return;
    // World texts stay inside the plot area, with a millimetre of tolerance.
    std::optional<FormulaWriter::Bounds> clip;
    if (KO == 1)
        clip = FormulaWriter::Bounds{EXDL + RL_ - 1, EXDL + ELX_ - RR_ + 1, EYDO + RO_ - 1, EYDO + ELY_ - RU_ + 1};
    FormulaWriter(*target_, fonts_, session_.messages(), "Text").write(X, Y, text, AL, ARX, ARY, clip);
}

namespace {

// Which points get a symbol or a text: 0 none, -1 the first, 1 the last, 2 first and
// last, 3 and more every k-th point from the first.
std::vector<std::size_t> selectedPoints(int selection, std::size_t count)
{
    std::vector<std::size_t> points;
    if (count == 0 || selection == 0)
        return points;
    if (selection == -1 || selection == 2)
        points.push_back(0);
    if (selection == 1 || (selection == 2 && count > 1))
        points.push_back(count - 1);
    if (selection >= 3) {
        const long step = std::max(1L, std::lround(std::nearbyint((count - 1.0) / (selection - 1.0))));
        for (std::size_t i = 0; i < count; i += step)
            points.push_back(i);
    }
    return points;
}

// Offsets (mm) and alignments of the text positions beside a point: right, above right,
// above, above left, left, below left, below, below right, on the point, then the same
// eight directions (less "on the point") at twice the distance.
struct TextPlace {
    float dx, dy;
    int16_t ARX, ARY;
};
constexpr TextPlace textPlaces[15] = {{1, 0, 0, 1},  {1, -1, 0, 2}, {0, -1, 1, 2},  {-1, -1, 2, 2}, {-1, 0, 2, 1},
                                      {-1, 1, 2, 0}, {0, 1, 1, 0},  {1, 1, 0, 0},   {0, 0, 1, 1},   {2, 0, 0, 1},
                                      {2, -2, 0, 2}, {0, -2, 1, 2}, {-2, -2, 2, 2}, {-2, 0, 2, 1},  {0, 2, 1, 0}};

}  // namespace

void clsGRAFIK::POLYGON(std::vector<float>& X, std::vector<float>& Y, int16_t PSIT, int16_t PSTYP, int16_t PNR,
                        const std::string& text, int16_t LAGETEXT, int16_t LAGEPFEIL, int16_t FARBEN,
                        const std::vector<int16_t>* BOL)
{
    static const uint32_t colours[8] = {Surface::rgb(0, 0, 255), Surface::rgb(0, 215, 0),   Surface::rgb(0, 255, 255),
                                        Surface::rgb(255, 0, 0), Surface::rgb(255, 0, 255), Surface::rgb(0, 180, 0),
                                        Surface::rgb(0, 0, 180), Surface::rgb(0, 0, 0)};
    uint32_t saved = 0;
    std::vector<float> xs, ys;
    trap("Polygon").run({
        [&] { saved = target().foreColor; },
        [&] {
            for (std::size_t i = 0; i < X.size(); ++i) {
                if (i >= Y.size())
                    throw VbError::of(VbError::SubscriptOutOfRange);
                if (ESKTX == 1)
                    X[i] = LOG10(X[i]);
                if (ESKTY == 1)
                    Y[i] = LOG10(Y[i]);
            }
        },
        [&] {
            if (FARBEN != 0 && PSTYP >= 0 && PSTYP <= 7)
                target().foreColor = colours[PSTYP];
        },
        [&] {
            for (std::size_t i = 0; i < X.size(); ++i) {
                float xp = 0, yp = 0;
                KOORDTRANS(X[i], Y.at(i), xp, yp);
                xs.push_back(xp);
                ys.push_back(yp);
            }
        },
        [&] { drawCurve(xs, ys, BOL); },
        [&] {
            for (std::size_t i : selectedPoints(PSIT, xs.size()))
                drawSymbol(PSTYP, xs[i], ys[i]);
        },
        [&] {
            const TextPlace& place = textPlaces[std::clamp<int>(LAGETEXT, 0, 14)];
            for (std::size_t i : selectedPoints(PNR, xs.size()))
                TEXT(xs[i] + place.dx, ys[i] + place.dy, text, 0, 0, place.ARX, place.ARY);
        },
        [&] {
            // 1: at the end, 2: at the start, 3: both, 4: at the end of every segment.
            const std::size_t n = xs.size();
            if (n < 2 || LAGEPFEIL == 0)
                return;
            if (LAGEPFEIL == 1 || LAGEPFEIL == 3)
                PFEIL(xs[n - 2], ys[n - 2], xs[n - 1], ys[n - 1]);
            if (LAGEPFEIL == 2 || LAGEPFEIL == 3)
                PFEIL(xs[1], ys[1], xs[0], ys[0]);
            if (LAGEPFEIL == 4) {
                for (std::size_t i = 1; i < n; ++i)
                    PFEIL(xs[i - 1], ys[i - 1], xs[i], ys[i]);
            }
        },
        [&] { target().foreColor = saved; },
    });
}

void clsGRAFIK::STRECKE(float X1, float Y1, float X2, float Y2, int32_t FARBE)
{
    longTrap("Strecke").run({[&] {
        const Area area = plotArea();
        if (FARBE != 0) {
            const auto clampX = [&](float x) { return std::clamp(x, area.left, area.right); };
            const auto clampY = [&](float y) { return std::clamp(y, area.top, area.bottom); };
            target().box(clampX(X1), clampY(Y1), clampX(X2), clampY(Y2), static_cast<uint32_t>(FARBE), false);
            return;
        }
        clipSegment(X1, Y1, X2, Y2);
    }});
}

void clsGRAFIK::drawCurve(const std::vector<float>& xs, const std::vector<float>& ys, const std::vector<int16_t>* BOL)
{
    // The clipped segments that join up are drawn as one path each: viewers draw a line of
    // hundreds of separate strokes as a dotted one.
    const SegmentClip::Edges edges = plotEdges();
    Surface& surface = target();
    surface.lineRole = Surface::LineRole::Curve;
    std::vector<QPointF> run;
    const auto flush = [&] {
        surface.polyline(run);
        run.clear();
    };
    for (std::size_t i = 1; i < xs.size(); ++i) {
        if (BOL && !(i - 1 < BOL->size() && (*BOL)[i - 1] == 1))
            continue;
        const auto segment = clipped(edges, xs[i - 1], ys[i - 1], xs[i], ys[i]);
        if (!segment) {
            flush();
            continue;
        }
        const QPointF from(segment->x1, segment->y1), to(segment->x2, segment->y2);
        if (run.empty() || run.back() != from) {
            flush();
            run.push_back(from);
        }
        run.push_back(to);
    }
    flush();
    surface.lineRole = Surface::LineRole::Frame;
}

void clsGRAFIK::clipSegment(float X1, float Y1, float X2, float Y2)
{
    if (const auto segment = clipped(plotEdges(), X1, Y1, X2, Y2))
        target().line(segment->x1, segment->y1, segment->x2, segment->y2);
}

SegmentClip::Edges clsGRAFIK::plotEdges() const
{
    const Area area = plotArea();
    return {area.left, area.right, area.top, area.bottom};
}

std::optional<SegmentClip::Segment> clsGRAFIK::clipped(const SegmentClip::Edges& edges, float X1, float Y1, float X2,
                                                       float Y2)
{
    const auto interpolate = [this](float a1, float a2, float a, float b1, float b2) {
        return LININT(a1, a2, a, b1, b2);
    };
    return SegmentClip::clip(edges, X1, Y1, X2, Y2, interpolate);
}

void clsGRAFIK::measuredPoints(const std::vector<float>& X, const std::vector<float>& Y)
{
    LINIENEINSTELLUNGEN(0, 0, 0);
    const Area area = plotArea();
    for (std::size_t i = 0; i < X.size() && i < Y.size(); ++i) {
        float x = 0, y = 0;
        KOORDTRANS(ESKTX == 1 ? LOG10(X[i]) : X[i], ESKTY == 1 ? LOG10(Y[i]) : Y[i], x, y);
        if (x >= area.left && x <= area.right && y >= area.top && y <= area.bottom)
            drawSymbol(4, x, y);
    }
}

void clsGRAFIK::drawSymbol(int type, float x, float y)
{
    PointSymbol::draw(target(), type, x, y);
}

void clsGRAFIK::PFEIL(float PX1, float PY1, float PX2, float PY2)
{
    trap("Pfeil").run({[&] {
        constexpr float opening = 0.26179938577f;
        const float direction = RICHTUNG(PX2, PY2, PX1, PY1);
        const float distance = std::hypot(PX2 - PX1, PY2 - PY1);
        float barb = 2.5f;
        if (2 * barb > distance)
            barb = distance / 2;
        const float b1x = PX2 + barb * std::cos(direction + opening), b1y = PY2 + barb * std::sin(direction + opening);
        const float b2x = PX2 + barb * std::cos(direction - opening), b2y = PY2 + barb * std::sin(direction - opening);
        STRECKE(PX2, PY2, b1x, b1y, 0);
        STRECKE(PX2, PY2, b2x, b2y, 0);
        STRECKE(b1x, b1y, b2x, b2y, 0);
    }});
}

void clsGRAFIK::KREIS(float XMP, float YMP, float RP, float AL1, float AL2, int16_t LAGEPFEIL, int16_t BOKREISP,
                      int16_t KO)
{
    EngineeringSymbols(*this).KREIS(XMP, YMP, RP, AL1, AL2, LAGEPFEIL, BOKREISP, KO);
}

void clsGRAFIK::GELAENDESCHRAFFUR(float X1, float Y1, float H1, int16_t ANS, float BE, int16_t KO)
{
    EngineeringSymbols(*this).GELAENDESCHRAFFUR(X1, Y1, H1, ANS, BE, KO);
}

void clsGRAFIK::KOTENDREIECK(float PX, float PY, float DH, float RIWI, int16_t GW, int16_t VOLL)
{
    EngineeringSymbols(*this).KOTENDREIECK(PX, PY, DH, RIWI, GW, VOLL);
}

void clsGRAFIK::LASTFLAECHEN(std::vector<float>& X, std::vector<float>& Y, int32_t P, int16_t IT)
{
    EngineeringSymbols(*this).LASTFLAECHEN(X, Y, P, IT);
}

void clsGRAFIK::SCHNITTKRAFT(float X1, float Y1, float X2, float Y2, float SHHH, int16_t TYP, float SY)
{
    EngineeringSymbols(*this).SCHNITTKRAFT(X1, Y1, X2, Y2, SHHH, TYP, SY);
}
