#include "SlidingCheck.h"

#include "ShearLaw.h"

#include <cmath>
#include <numbers>

namespace SlidingCheck {

namespace {

double radians(double degrees)
{
    return degrees * std::numbers::pi / 180;
}

// The weight of the active wedge per metre of slope width: γ · h² · (L/h − 1/sin β − tan β / 2).
double activeWeight(const Slope& s)
{
    const double beta = radians(s.beta);
    return s.unitWeight * s.thickness * s.thickness *
           (s.length / s.thickness - 1 / std::sin(beta) - std::tan(beta) / 2);
}

}  // namespace

double degreesOf(double n)
{
    return std::atan(1 / n) * 180 / std::numbers::pi;
}

std::pair<std::string, std::string> problem(const Slope& s)
{
    if (!(s.beta > 0 && s.beta < 90))
        return {"Die Böschungsneigung β muss zwischen 0° und 90° liegen.",
                "The slope angle β must lie between 0° and 90°."};
    if (!(s.thickness > 0 && std::isfinite(s.thickness)))
        return {"Die Dicke h der Abdeckung muss größer als 0 sein.", "The cover thickness h must be greater than 0."};
    if (!(s.unitWeight > 0 && std::isfinite(s.unitWeight)))
        return {"Die Wichte γ muss größer als 0 sein.", "The unit weight γ must be greater than 0."};
    if (!(s.length > s.thickness / std::sin(radians(s.beta)) && std::isfinite(s.length)))
        return {"Die Böschungslänge L muss größer als h / sin β sein.",
                "The slope length L must be greater than h / sin β."};
    // Shorter still, the active wedge has no weight left: no wedge to hold.
    if (!(activeWeight(s) > 0))
        return {"Die Böschungslänge L ist für die Dicke h zu kurz: der aktive Keil hat kein Gewicht.",
                "The slope length L is too short for the thickness h: the active wedge has no weight."};
    if (!(s.required > 0 && std::isfinite(s.required)))
        return {"Der erforderliche Sicherheitsbeiwert muss größer als 0 sein.",
                "The required factor of safety must be greater than 0."};
    return {};
}

double factorOfSafety(const Slope& s, double delta, double phi, double adhesion, double cohesion)
{
    const double beta = radians(s.beta), sinB = std::sin(beta), cosB = std::cos(beta);
    const double tanDelta = std::tan(radians(delta)), tanPhi = std::tan(radians(phi));
    const double h = s.thickness;
    const double WA = activeWeight(s);
    const double NA = WA * cosB;
    const double Ca = adhesion * (s.length - h / sinB);
    const double WP = s.unitWeight * h * h / std::sin(2 * beta);
    const double C = cohesion * h / sinB;
    const double a = (WA - NA * cosB) * cosB;
    const double b =
        -((WA - NA * cosB) * sinB * tanPhi + (NA * tanDelta + Ca) * sinB * cosB + sinB * (C + WP * tanPhi));
    const double c = (NA * tanDelta + Ca) * sinB * sinB * tanPhi;
    return (-b + std::sqrt(b * b - 4 * a * c)) / (2 * a);
}

double infiniteSlope(const Slope& s, double delta, double adhesion)
{
    const double beta = radians(s.beta);
    return std::tan(radians(delta)) / std::tan(beta) +
           adhesion / (s.unitWeight * s.thickness * std::sin(beta) * std::cos(beta));
}

Result check(const Slope& slope, const Law& contact, const std::optional<Law>& soil)
{
    Result result;
    result.sigmaN = slope.unitWeight * slope.thickness * std::cos(radians(slope.beta));
    const auto sigma = static_cast<float>(result.sigmaN);
    result.delta = ShearLaw::phi(sigma, contact.a, contact.c, contact.sigmaB);
    result.fsInfinite = infiniteSlope(slope, result.delta);
    if (soil) {
        result.phi = ShearLaw::phi(sigma, soil->a, soil->c, soil->sigmaB);
        result.fs = factorOfSafety(slope, result.delta, *result.phi);
    }
    return result;
}

Checked check(const Slope& slope, const RecordLaws& laws)
{
    return {check(slope, laws.contact, laws.soil), check(slope, laws.contactResidual, laws.soilResidual)};
}

}  // namespace SlidingCheck
