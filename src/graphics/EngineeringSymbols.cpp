#include "EngineeringSymbols.h"

#include "data/clsDATEN.h"
#include "graphics/CircleArc.h"
#include "graphics/clsGRAFIK.h"
#include "platform/ErrorTrap.h"
#include "platform/MessageService.h"
#include "platform/Session.h"

#include <cmath>

namespace {

constexpr double twoPi = 6.2831855;
constexpr double degrees = 0.017453292;

}  // namespace

void EngineeringSymbols::segment(double x1, double y1, double x2, double y2)
{
    figure_.STRECKE(static_cast<float>(x1), static_cast<float>(y1), static_cast<float>(x2), static_cast<float>(y2), 0);
}

void EngineeringSymbols::KREIS(float XMP, float YMP, float RP, float AL1, float AL2, int16_t LAGEPFEIL,
                               int16_t BOKREISP, int16_t KO)
{
    figure_.longTrap("Bogen").run({[&] {
        if (AL2 == 0)
            AL2 = static_cast<float>(twoPi);
        float x = XMP, y = YMP, radius = RP;
        if (KO == 1) {
            figure_.KOORDTRANS(XMP, YMP, x, y);
            radius = RP / figure_.MX_;  // world units along x
        }
        const clsGRAFIK::Area area = figure_.plotArea();
        const auto pieces = CircleArc::visible({area.left, area.right, area.top, area.bottom}, x, y, radius, AL1,
                                               AL2 > AL1 ? AL2 : AL2 + twoPi);
        if (!pieces) {
            figure_.session_.messages().show({"Bogen", "Ungerade Anzahl von Schnittpunkten des Kreises mit den Grenzen",
                                              MessageService::Buttons::Ok, MessageService::Icon::Warning});
            return;
        }
        Surface& surface = figure_.target();
        for (const auto& [from, to] : *pieces) {
            const bool full = to - from >= twoPi - 1e-6;
            surface.circle(x, y, radius, surface.foreColor, full ? 0 : std::fmod(from, twoPi),
                           full ? 0 : std::fmod(to, twoPi));
        }
        // Arrowheads along the arc: 1 at its end, 2 at its start, 3 at both.
        const auto at = [&](double angle) {
            return std::pair{x + radius * std::cos(angle), y - radius * std::sin(angle)};
        };
        const double step = radius > 0 ? 2.5 / radius : 0;
        if (LAGEPFEIL == 1 || LAGEPFEIL == 3) {
            const auto [tx, ty] = at(AL2 - step);
            const auto [hx, hy] = at(AL2);
            figure_.PFEIL(tx, ty, hx, hy);
        }
        if (LAGEPFEIL == 2 || LAGEPFEIL == 3) {
            const auto [tx, ty] = at(AL1 + step);
            const auto [hx, hy] = at(AL1);
            figure_.PFEIL(tx, ty, hx, hy);
        }
        if (BOKREISP != 0)
            surface.circle(x, y, 0.5, surface.foreColor);
    }});
}

void EngineeringSymbols::GELAENDESCHRAFFUR(float X1, float Y1, float H1, int16_t ANS, float BE, int16_t KO)
{
    // A ground line of length H1 from (X1, Y1), inclined by BE degrees, with strokes
    // below it every 1.5 mm: at 45 degrees, or at 135 degrees for a negative ANS.
    figure_.trap("Geländeschraffur").run({[&] {
        float x = X1, y = Y1, length = H1;
        if (KO == 2) {
            figure_.KOORDTRANS(X1, Y1, x, y);
            length = H1 / figure_.MX_;
        }
        const double ratio = figure_.MY_ != 0 ? figure_.MX_ / figure_.MY_ : 1;
        const double slope = std::atan(std::tan(BE * degrees) * ratio);
        const double sense = figure_.OY_ == 1 ? -1 : 1;  // upwards on the target when y grows upwards
        const double dx = std::cos(slope), dy = sense * std::sin(slope);
        segment(x, y, x + length * dx, y + length * dy);
        const double stroke = ANS < 0 ? 3 * M_PI / 4 : M_PI / 4;
        const int count = ANS != 0 ? std::abs(ANS) : static_cast<int>(length / 1.5);
        for (int i = 0; i < count; ++i) {
            const double px = x + (i + 0.5) * (length / count) * dx, py = y + (i + 0.5) * (length / count) * dy;
            segment(px, py, px - 1.5 * std::cos(stroke), py + 1.5 * std::sin(stroke));
        }
    }});
}

void EngineeringSymbols::KOTENDREIECK(float PX, float PY, float DH, float RIWI, int16_t GW, int16_t VOLL)
{
    // A triangle standing on its tip at (PX, PY), DH wide, turned by RIWI degrees; GW = 1
    // adds the two strokes of a water level below the tip; VOLL fills all (1), the left
    // (2) or the right half (3) with strokes.
    figure_.trap("Kotendreieck").run({[&] {
        const double turn = RIWI * degrees;
        const auto turned = [&](double dx, double dy) {
            return std::pair{PX + dx * std::cos(turn) + dy * std::sin(turn),
                             PY - dx * std::sin(turn) + dy * std::cos(turn)};
        };
        const double height = DH * 0.866;
        const auto [lx, ly] = turned(-DH / 2, -height);
        const auto [rx, ry] = turned(DH / 2, -height);
        segment(PX, PY, lx, ly);
        segment(lx, ly, rx, ry);
        segment(rx, ry, PX, PY);
        if (GW == 1) {
            for (const double depth : {0.3, 0.6}) {
                const auto [ax, ay] = turned(-DH * (0.5 - depth / 2), depth * height);
                const auto [bx, by] = turned(DH * (0.5 - depth / 2), depth * height);
                segment(ax, ay, bx, by);
            }
        }
        if (VOLL >= 1 && VOLL <= 3) {
            for (double level = 0.2; level < height; level += 0.2) {
                const double half = DH / 2 * level / height;
                const auto [ax, ay] = turned(VOLL == 3 ? 0 : -half, -level);
                const auto [bx, by] = turned(VOLL == 2 ? 0 : half, -level);
                segment(ax, ay, bx, by);
            }
        }
    }});
}

void EngineeringSymbols::LASTFLAECHEN(std::vector<float>& X, std::vector<float>& Y, int32_t P, int16_t IT)
{
    // A load of P over the line through the points, scaled by MSP (load per millimetre),
    // drawn as the outline of the load area and an arrow at every IT-th point.
    figure_.trap("Lastflächen").run({[&] {
        clsDATEN g0(figure_.session_);
        g0.ETABELLE = "G0";
        g0.ESPIDW = figure_.EID_;
        g0.ESPK1 = "IDOBJEKT";
        g0.ESPK1W = std::to_string(figure_.EIDOBJEKT);
        float scale = 0;
        if (!g0.DTVS("MSP", scale))
            return;
        figure_.LINIENEINSTELLUNGEN(0, 0, 0);
        const float height = scale != 0 ? P / scale : 0;
        std::vector<std::pair<float, float>> base;
        for (std::size_t i = 0; i < X.size() && i < Y.size(); ++i) {
            float x = 0, y = 0;
            figure_.KOORDTRANS(X[i], Y[i], x, y);
            base.emplace_back(x, y);
        }
        for (std::size_t i = 0; i < base.size(); ++i) {
            const auto [x, y] = base[i];
            if (i > 0)
                segment(base[i - 1].first, base[i - 1].second - height, x, y - height);
            if (i == 0 || i + 1 == base.size() || (IT > 0 && i % IT == 0))
                figure_.PFEIL(x, y - height, x, y);
            if (i == 0 || i + 1 == base.size())
                segment(x, y - height, x, y);
        }
    }});
}

void EngineeringSymbols::SCHNITTKRAFT(float X1, float Y1, float X2, float Y2, float SHHH, int16_t TYP, float SY)
{
    // The diagram of a section force along the member from (X1, Y1) to (X2, Y2) in world
    // coordinates: ordinate SHHH × SY millimetres across the member, constant (TYP 1) or
    // growing from zero (TYP 2), with arrows from the diagram onto the member.
    figure_.trap("Schnittkraft").run({[&] {
        float ax = 0, ay = 0, bx = 0, by = 0;
        figure_.KOORDTRANS(X1, Y1, ax, ay);
        figure_.KOORDTRANS(X2, Y2, bx, by);
        const double direction = clsGRAFIK::RICHTUNG(ax, ay, bx, by);
        const double across = SHHH * SY;
        const double nx = -std::sin(direction) * across, ny = std::cos(direction) * across;
        const double startShare = TYP == 2 ? 0 : 1;
        segment(ax + startShare * nx, ay + startShare * ny, bx + nx, by + ny);
        if (TYP != 2)
            figure_.PFEIL(static_cast<float>(ax + nx), static_cast<float>(ay + ny), ax, ay);
        figure_.PFEIL(static_cast<float>(bx + nx), static_cast<float>(by + ny), bx, by);
    }});
}
