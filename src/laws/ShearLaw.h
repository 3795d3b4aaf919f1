#pragma once

#include <vector>

// The log-linear strength law of a contact or a soil, φ(σ) = a + c · lg(σ / σb), and the
// constructions built on it. Angles in degrees, stresses in kN/m²; values are single
// precision, tangents and arc tangents double.
namespace ShearLaw {

// π/180 in single precision, as the page converts degrees everywhere.
constexpr float degree = 0.017453292f;

// lg of a value, 0 for a value that has none (0 or below): how the page takes logarithms,
// for the laws and for logarithmic scales alike.
float lg(double value);

float phi(float sigma, float a, float c, float sigmaB);
float tau(float sigma, float phiDegrees);

// σa, σa + Δσ, … with Δσ = (σmax − σa) / N in single precision, N + 1 values, the last
// exactly σmax. The caller has made sure that σmax > σa and N > 0.
std::vector<float> grid(float sigmaA, float sigmaMax, int N);

// The Coulomb line through (σ1, τ1) and (σ2, τ2): its angle φc and intercept cc.
struct Coulomb {
    float phi;
    float intercept;
};
Coulomb coulomb(float sigma1, float phi1, float sigma2, float phi2);

// The reduction factor contact / soil, at most 1; NaN where the soil has no strength.
float reduction(float contact, float soil);

}  // namespace ShearLaw
