#pragma once

#include <string>
#include <utility>
#include <variant>
#include <vector>

// Fits the strength law φ(σ') = a + c · lg(σ'/σb) to shear-test results: each point
// (σ'ᵢ, τᵢ) gives φᵢ = arctan(τᵢ/σ'ᵢ) in degrees at xᵢ = lg(σ'ᵢ/σb), and a, c are the
// ordinary least-squares line through (xᵢ, φᵢ). Double precision throughout.
namespace LawFit {

struct Fit {
    int n = 0;
    double a = 0, c = 0;
    double r2 = 0;      // coefficient of determination; 1 when every φᵢ is the same (to rounding)
    double maxDev = 0;  // largest |φᵢ − φ(σ'ᵢ)| in degrees
};

// Why points cannot be fitted; point is the 1-based number of the offending point, 0 for
// the set as a whole.
struct Problem {
    enum Kind { NotPositive, TooFew, NarrowRange, ReferenceStress };
    Kind kind;
    int point = 0;
    // The message in English or German.
    std::string text(bool english) const;
};

using Points = std::vector<std::pair<double, double>>;  // (σ', τ) in kN/m²

// The friction angle of one test in degrees: arctan(τ/σ').
double angle(double sigma, double tau);

std::variant<Fit, Problem> fit(const Points& points, double sigmaB);

}  // namespace LawFit
