#include "LawFit.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace LawFit {

namespace {

// lg 1.01: the largest σ' must be at least 1 % above the smallest.
const double narrowestSpan = std::log10(1.01);

}  // namespace

std::string Problem::text(bool english) const
{
    const std::string number = std::to_string(point);
    // German, then English.
    std::pair<std::string, std::string> message{"Die Anpassung braucht mindestens zwei Versuchswerte mit verschiedenen Normalspannungen σ'.",
                     "The fit needs at least two test results with different normal stresses σ'."};
    if (kind == NotPositive)
        message = {"Versuchswert " + number + ": σ' und τ müssen größer als 0 sein.",
                   "Test result " + number + ": σ' and τ must be greater than 0."};
    else if (kind == NarrowRange)
        message = {"Die Normalspannungen σ' liegen weniger als 1 % auseinander; daran lässt sich kein Gesetz anpassen.",
                   "The normal stresses σ' lie less than 1 % apart; no law can be fitted to them."};
    else if (kind == ReferenceStress)
        message = {"Die Bezugsspannung σb muss größer als 0 sein.", "The reference stress σb must be greater than 0."};
    return english ? message.second : message.first;
}

double angle(double sigma, double tau)
{
    return std::atan(tau / sigma) * 180 / std::numbers::pi;
}

std::variant<Fit, Problem> fit(const Points& points, double sigmaB)
{
    if (!(sigmaB > 0))
        return Problem{Problem::ReferenceStress};
    std::vector<double> x, phi;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const auto [sigma, tau] = points[i];
        // Negated comparisons also catch NaN.
        if (!(sigma > 0) || !(tau > 0) || !std::isfinite(sigma) || !std::isfinite(tau))
            return Problem{Problem::NotPositive, static_cast<int>(i + 1)};
        x.push_back(std::log10(sigma / sigmaB));
        phi.push_back(angle(sigma, tau));
    }
    const double n = static_cast<double>(x.size());
    double meanX = 0, meanPhi = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        meanX += x[i] / n;
        meanPhi += phi[i] / n;
    }
    // Sums about the means: accurate also for stresses far from σb.
    double sxx = 0, sxy = 0, syy = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        sxx += (x[i] - meanX) * (x[i] - meanX);
        sxy += (x[i] - meanX) * (phi[i] - meanPhi);
        syy += (phi[i] - meanPhi) * (phi[i] - meanPhi);
    }
    // Equal stresses leave no slope to fit; sums of rounded logarithms need not be 0 then.
    const bool oneStress = std::all_of(points.begin(), points.end(),
                                       [&](const auto& point) { return point.first == points.front().first; });
    if (x.size() < 2 || oneStress || !(sxx > 0))
        return Problem{Problem::TooFew};
    // Stresses a hair apart leave the slope to rounding (c = 4.6e16 from σ' 1e-16 apart).
    const auto [low, high] = std::minmax_element(x.begin(), x.end());
    if (*high - *low < narrowestSpan)
        return Problem{Problem::NarrowRange};
    Fit result;
    result.n = static_cast<int>(x.size());
    result.c = sxy / sxx;
    result.a = meanPhi - result.c * meanX;
    double residual = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        const double deviation = phi[i] - (result.a + result.c * x[i]);
        residual += deviation * deviation;
        result.maxDev = std::max(result.maxDev, std::abs(deviation));
    }
    // Angles that differ only by rounding leave nothing to explain: the line meets them all.
    const double roundingSpread = 1e-12 * std::max(1.0, std::abs(meanPhi));
    result.r2 = syy > n * roundingSpread * roundingSpread ? 1 - residual / syy : 1;
    return result;
}

}  // namespace LawFit
