#include "RecordEvaluation.h"

#include "ShearLaw.h"

namespace {

struct Curve {
    std::vector<float> phi, tau;
};

Curve curve(const std::vector<float>& grid, float a, float c, float sigmaB)
{
    Curve values{std::vector<float>(grid.size()), std::vector<float>(grid.size())};
    for (std::size_t i = 0; i < grid.size(); ++i) {
        values.phi[i] = ShearLaw::phi(grid[i], a, c, sigmaB);
        values.tau[i] = ShearLaw::tau(grid[i], values.phi[i]);
    }
    return values;
}

std::vector<float> factors(const std::vector<float>& grid, const std::vector<float>& contact, float a, float c,
                           float sigmaB)
{
    const Curve soil = curve(grid, a, c, sigmaB);
    std::vector<float> f(grid.size());
    for (std::size_t i = 0; i < grid.size(); ++i)
        f[i] = ShearLaw::reduction(contact[i], soil.tau[i]);
    return f;
}

}  // namespace

RecordEvaluation::Values RecordEvaluation::evaluate(const Record& r)
{
    Values v;
    v.grid = ShearLaw::grid(r.SIA, r.SIMAX, r.N);
    Curve peak = curve(v.grid, r.A, r.C, r.SIB);
    Curve residual = curve(v.grid, r.AR, r.CR, r.SIB);
    v.phi = std::move(peak.phi);
    v.tau = std::move(peak.tau);
    v.phir = std::move(residual.phi);
    v.taur = std::move(residual.tau);
    v.f = factors(v.grid, v.tau, r.AB, r.CB, r.SIB);
    v.fr = factors(v.grid, v.taur, r.ARB, r.CRB, r.SIB);

    const auto at = [&r](float sigma, float a, float c, float& phi, float& tau) {
        phi = ShearLaw::phi(sigma, a, c, r.SIB);
        tau = ShearLaw::tau(sigma, phi);
    };
    at(r.SI1, r.A, r.C, v.phi1, v.tau1);
    at(r.SI2, r.A, r.C, v.phi2, v.tau2);
    at(r.SI1, r.AR, r.CR, v.phir1, v.taur1);
    at(r.SI2, r.AR, r.CR, v.phir2, v.taur2);
    v.coulomb = r.SI1 != r.SI2;
    if (v.coulomb) {
        const ShearLaw::Coulomb line = ShearLaw::coulomb(r.SI1, v.phi1, r.SI2, v.phi2);
        const ShearLaw::Coulomb residualLine = ShearLaw::coulomb(r.SI1, v.phir1, r.SI2, v.phir2);
        v.phic = line.phi;
        v.cc = line.intercept;
        v.phicr = residualLine.phi;
        v.ccr = residualLine.intercept;
    }
    return v;
}
