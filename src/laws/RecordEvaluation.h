#pragma once

#include <vector>

// What a record's four laws give over its stress range: the curves φ and τ of the contact
// (peak and residual) on the grid σa … σmax, the values at σ1 and σ2, the Coulomb secants
// through them, and the reduction factors against the soil. The figures draw these values,
// the parameter tables and the tools list them; nothing here draws.
namespace RecordEvaluation {

// A record's numbers as stored; it has passed the record rules (σmax > σa, N > 0).
struct Record {
    float SIB = 0, A = 0, C = 0, AR = 0, CR = 0, AB = 0, CB = 0, ARB = 0, CRB = 0;
    float SIA = 0, SI1 = 0, SI2 = 0, SIMAX = 0;
    int N = 0;
};

struct Values {
    std::vector<float> grid, phi, tau, phir, taur;
    // Contact / soil on the grid, at most 1; NaN where the soil has no strength.
    std::vector<float> f, fr;
    float phi1 = 0, tau1 = 0, phi2 = 0, tau2 = 0;
    float phir1 = 0, taur1 = 0, phir2 = 0, taur2 = 0;
    // The secants' angles and intercepts; without a secant (σ1 = σ2) they stay 0.
    bool coulomb = true;
    float phic = 0, cc = 0, phicr = 0, ccr = 0;
};

Values evaluate(const Record& record);

}  // namespace RecordEvaluation
