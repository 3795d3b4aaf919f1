#include "laws/LawFit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

namespace {

// τ at σ' for a friction angle in degrees.
double tauAt(double sigma, double phiDegrees)
{
    return sigma * std::tan(phiDegrees * std::numbers::pi / 180);
}

LawFit::Fit fitted(const LawFit::Points& points, double sigmaB)
{
    const auto result = LawFit::fit(points, sigmaB);
    EXPECT_TRUE(std::holds_alternative<LawFit::Fit>(result));
    return std::holds_alternative<LawFit::Fit>(result) ? std::get<LawFit::Fit>(result) : LawFit::Fit{};
}

LawFit::Problem problem(const LawFit::Points& points, double sigmaB = 100)
{
    const auto result = LawFit::fit(points, sigmaB);
    EXPECT_TRUE(std::holds_alternative<LawFit::Problem>(result));
    return std::holds_alternative<LawFit::Problem>(result) ? std::get<LawFit::Problem>(result) : LawFit::Problem{};
}

TEST(LawFitTest, ThreePointsAgreeWithTheHandComputation)
{
    // x = lg(σ'/σb) = −1, 0, 1 and φ = 32°, 30°, 25°: mean x 0, mean φ 29, Sxx 2, Sxy −7, so
    // c = −3.5 and a = 29; fitted 32.5, 29, 25.5 leave −0.5, 1, −0.5: SSres 1.5 of SStot 26.
    const LawFit::Fit fit = fitted({{10, tauAt(10, 32)}, {100, tauAt(100, 30)}, {1000, tauAt(1000, 25)}}, 100);
    EXPECT_EQ(fit.n, 3);
    EXPECT_NEAR(fit.a, 29, 1e-9);
    EXPECT_NEAR(fit.c, -3.5, 1e-9);
    EXPECT_NEAR(fit.r2, 1 - 1.5 / 26, 1e-9);
    EXPECT_NEAR(fit.maxDev, 1, 1e-9);
}

TEST(LawFitTest, PointsOnALawGiveItBackExactly)
{
    // a = 22.5, c = −2 with σb = 60, at stresses far from σb and in any order.
    LawFit::Points points;
    for (const double sigma : {400.0, 12.5, 60.0, 1000.0, 3.0})
        points.push_back({sigma, tauAt(sigma, 22.5 - 2 * std::log10(sigma / 60))});
    const LawFit::Fit fit = fitted(points, 60);
    EXPECT_EQ(fit.n, 5);
    EXPECT_NEAR(fit.a, 22.5, 1e-9);
    EXPECT_NEAR(fit.c, -2, 1e-9);
    EXPECT_NEAR(fit.r2, 1, 1e-9);
    EXPECT_NEAR(fit.maxDev, 0, 1e-9);

    // Two points define the line; a constant angle is a line without slope, fitted perfectly.
    const LawFit::Fit two = fitted({{50, tauAt(50, 31)}, {200, tauAt(200, 28)}}, 100);
    EXPECT_NEAR(two.a + two.c * std::log10(0.5), 31, 1e-9);
    EXPECT_NEAR(two.r2, 1, 1e-9);
    const LawFit::Fit flat = fitted({{50, 50}, {100, 100}, {400, 400}}, 100);
    EXPECT_NEAR(flat.a, 45, 1e-9);
    EXPECT_NEAR(flat.c, 0, 1e-9);
    EXPECT_EQ(flat.r2, 1);
    // Equal angles whose mean differs from them by rounding alone (7 points once gave R² = 0).
    for (int count = 2; count <= 12; ++count) {
        LawFit::Points same;
        for (int k = 1; k <= count; ++k)
            same.push_back({10.0 * k, 5.0 * k});
        EXPECT_EQ(fitted(same, 100).r2, 1) << count << " points";
    }
}

TEST(LawFitTest, PointsThatCannotBeFittedAreNamed)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(problem({{50, 30}, {0, 10}, {100, 60}}).point, 2);
    EXPECT_EQ(problem({{50, 30}, {100, -1}}).kind, LawFit::Problem::NotPositive);
    EXPECT_EQ(problem({{50, 30}, {100, 60}, {200, nan}}).point, 3);
    EXPECT_EQ(problem({{50, 30}, {100, 60}, {200, 0}}).text(false),
              "Versuchswert 3: σ' und τ müssen größer als 0 sein.");
    EXPECT_EQ(problem({{-5, 30}}).text(true), "Test result 1: σ' and τ must be greater than 0.");

    EXPECT_EQ(problem({}).kind, LawFit::Problem::TooFew);
    EXPECT_EQ(problem({{50, 30}}).kind, LawFit::Problem::TooFew);
    EXPECT_EQ(problem({{50, 30}, {50, 31}, {50, 29}}).kind, LawFit::Problem::TooFew);
    // Stresses whose logarithms do not sum to exactly 0 about their mean.
    EXPECT_EQ(problem({{35, 20}, {35, 21}, {35, 22}}).kind, LawFit::Problem::TooFew);
    EXPECT_EQ(problem(LawFit::Points(7, {50, 30})).kind, LawFit::Problem::TooFew);
    EXPECT_EQ(problem({{100, 50}, {100.0000001, 60}}).kind, LawFit::Problem::NarrowRange);
    EXPECT_EQ(problem({{100, 50}, {100.9, 60}}).kind, LawFit::Problem::NarrowRange);
    EXPECT_EQ(problem({{50, 30}, {100, 60}}, 0).kind, LawFit::Problem::ReferenceStress);
    EXPECT_EQ(problem({{50, 30}, {100, 60}}, nan).kind, LawFit::Problem::ReferenceStress);
}

}  // namespace
