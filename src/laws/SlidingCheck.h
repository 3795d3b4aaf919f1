#pragma once

#include <optional>
#include <string>
#include <utility>

// Limit equilibrium of a uniform cover soil on a slope that may slide on the contact beneath
// it: an active wedge on the slope held by a passive wedge at its toe (Koerner and Soong,
// "Analysis and design of veneer cover soils", Geosynthetics International 12(1), 2005, the
// gravitational case), and the infinite slope beside it. The strength laws give the angles
// at the normal stress on the slip surface. Angles in degrees, lengths in m, unit weights in
// kN/m³, stresses in kN/m²; double precision.
namespace SlidingCheck {

struct Slope {
    double beta = 0;        // inclination of the slope
    double length = 0;      // L, along the slope
    double thickness = 0;   // h, of the cover
    double unitWeight = 0;  // γ, of the cover
    double required = 1.5;  // the factor of safety asked for
};

// The law φ(σ) = a + c · lg(σ/σb) of a contact or a soil.
struct Law {
    float a = 0, c = 0, sigmaB = 0;
};

struct Result {
    double sigmaN = 0;          // γ · h · cos β
    double delta = 0;           // the contact's angle at σn
    std::optional<double> phi;  // the soil's angle at σn; none without a soil law
    std::optional<double> fs;   // with both wedges; none without a soil law
    double fsInfinite = 0;
    // The factor the check stands on (the wedges', else the infinite slope's) reaches the
    // factor asked for.
    bool met(double required) const { return fs.value_or(fsInfinite) >= required; }
};

// The inclination 1 : n in degrees.
double degreesOf(double n);

// Why the slope cannot be checked, in German and English; empty texts when it can.
std::pair<std::string, std::string> problem(const Slope& slope);

// The factor of safety with both wedges, for the contact's angle δ and adhesion ca and the
// soil's angle φ and cohesion c.
double factorOfSafety(const Slope& slope, double delta, double phi, double adhesion = 0, double cohesion = 0);
// tan δ / tan β + ca / (γ · h · sin β · cos β).
double infiniteSlope(const Slope& slope, double delta, double adhesion = 0);

// The check with the angles the laws give at σn, each a secant through the origin (no
// adhesion, no cohesion); without a soil law only the infinite slope. The slope has passed
// `problem`.
Result check(const Slope& slope, const Law& contact, const std::optional<Law>& soil);

// A record's laws: the contact's peak and residual strength, and the soil's where it has
// values.
struct RecordLaws {
    Law contact, contactResidual;
    std::optional<Law> soil, soilResidual;
};
struct Checked {
    Result peak, residual;
};
Checked check(const Slope& slope, const RecordLaws& laws);

}  // namespace SlidingCheck
