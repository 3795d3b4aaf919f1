#include "CircleArc.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double twoPi = 6.283185307179586;

double normalized(double angle)
{
    angle = std::fmod(angle, twoPi);
    return angle < 0 ? angle + twoPi : angle;
}

}  // namespace

bool CircleArc::SCHNITTVERTIKAL(double XM, double YM, double R, double x, std::pair<double, double>& points)
{
    const double d = R * R - (x - XM) * (x - XM);
    if (d < 0)
        return false;
    points = {YM - std::sqrt(d), YM + std::sqrt(d)};
    return true;
}

bool CircleArc::SCHNITTHORIZONTAL(double XM, double YM, double R, double y, std::pair<double, double>& points)
{
    return SCHNITTVERTIKAL(YM, XM, R, y, points);
}

std::optional<std::vector<CircleArc::Piece>> CircleArc::visible(const Edges& e, double x, double y, double radius,
                                                                double start, double end)
{
    // Crossing points that lie on the rectangle's boundary; a touching point and a corner count once.
    std::vector<std::pair<double, double>> crossings;
    const auto add = [&](double px, double py) {
        for (const auto& [cx, cy] : crossings) {
            if (std::fabs(cx - px) < 1e-9 && std::fabs(cy - py) < 1e-9)
                return;
        }
        crossings.emplace_back(px, py);
    };
    std::pair<double, double> points;
    for (double edge : {e.left, e.right}) {
        if (SCHNITTVERTIKAL(x, y, radius, edge, points)) {
            for (double py : {points.first, points.second}) {
                if (py >= e.top && py <= e.bottom)
                    add(edge, py);
            }
        }
    }
    for (double edge : {e.top, e.bottom}) {
        if (SCHNITTHORIZONTAL(x, y, radius, edge, points)) {
            for (double px : {points.first, points.second}) {
                if (px >= e.left && px <= e.right)
                    add(px, edge);
            }
        }
    }
    if (crossings.size() % 2 != 0)
        return std::nullopt;

    const auto inside = [&](double angle) {
        const double px = x + radius * std::cos(angle), py = y - radius * std::sin(angle);
        return px >= e.left && px <= e.right && py >= e.top && py <= e.bottom;
    };
    // Cut the arc at every crossing and keep the pieces whose middle lies inside.
    std::vector<double> cuts{start, end};
    for (const auto& [cx, cy] : crossings) {
        double angle = normalized(std::atan2(y - cy, cx - x));
        while (angle < start)
            angle += twoPi;
        if (angle < end)
            cuts.push_back(angle);
    }
    std::sort(cuts.begin(), cuts.end());
    std::vector<Piece> pieces;
    for (std::size_t i = 1; i < cuts.size(); ++i) {
        if (cuts[i] - cuts[i - 1] < 1e-12 || !inside((cuts[i - 1] + cuts[i]) / 2))
            continue;
        if (!pieces.empty() && std::fabs(pieces.back().second - cuts[i - 1]) < 1e-12)
            pieces.back().second = cuts[i];
        else
            pieces.emplace_back(cuts[i - 1], cuts[i]);
    }
    return pieces;
}
