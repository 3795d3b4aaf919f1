#include "ShearLaw.h"

#include <cmath>
#include <limits>

float ShearLaw::lg(double value)
{
    return value > 0 ? static_cast<float>(std::log10(value)) : 0.0f;
}

float ShearLaw::phi(float sigma, float a, float c, float sigmaB)
{
    return a + c * lg(sigma / sigmaB);
}

float ShearLaw::tau(float sigma, float phiDegrees)
{
    return static_cast<float>(sigma * std::tan(static_cast<double>(phiDegrees * degree)));
}

std::vector<float> ShearLaw::grid(float sigmaA, float sigmaMax, int N)
{
    std::vector<float> values(N + 1);
    const float step = (sigmaMax - sigmaA) / N;
    int i = 0;
    // Single-precision steps may produce one value too many; the array never grows past N.
    for (float sigma = sigmaA; sigma <= sigmaMax && i <= N; sigma += step)
        values[i++] = sigma;
    values[N] = sigmaMax;
    return values;
}

ShearLaw::Coulomb ShearLaw::coulomb(float sigma1, float phi1, float sigma2, float phi2)
{
    const double tan1 = std::tan(static_cast<double>(phi1 * degree));
    const double tan2 = std::tan(static_cast<double>(phi2 * degree));
    const float angle = static_cast<float>(std::atan((sigma2 * tan2 - sigma1 * tan1) / (sigma2 - sigma1)) / degree);
    const float intercept = static_cast<float>(sigma1 * tan1 - sigma1 * std::tan(static_cast<double>(angle * degree)));
    return {angle, intercept};
}

float ShearLaw::reduction(float contact, float soil)
{
    // Without soil strength there is no factor at all, not "no reduction".
    if (!(soil > 0))
        return std::numeric_limits<float>::quiet_NaN();
    const float factor = contact / soil;
    return std::isfinite(factor) && factor <= 1 ? factor : 1.0f;
}
