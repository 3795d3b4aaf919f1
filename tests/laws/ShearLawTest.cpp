#include "laws/ShearLaw.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(ShearLawTest, TheGridRunsFromSigmaAToExactlySigmaMax)
{
    const std::vector<float> grid = ShearLaw::grid(10, 100, 100);
    ASSERT_EQ(grid.size(), 101u);
    EXPECT_EQ(grid.front(), 10);
    EXPECT_NEAR(grid[1], 10.9, 1e-5);
    EXPECT_NEAR(grid[50], 55, 1e-3);
    EXPECT_EQ(grid.back(), 100);
    for (std::size_t i = 1; i < grid.size(); ++i)
        EXPECT_GT(grid[i], grid[i - 1]);
    // Steps that do not add up exactly never write past the last element.
    for (int n : {3, 7, 999, 1000})
        EXPECT_EQ(ShearLaw::grid(0.1f, 0.7f, n).size(), static_cast<std::size_t>(n + 1));
}

TEST(ShearLawTest, FrictionAngleAndStrengthOfTheLogLinearLaw)
{
    EXPECT_FLOAT_EQ(ShearLaw::phi(60, 22.5f, -2, 60), 22.5f);  // σ = σb gives a
    EXPECT_NEAR(ShearLaw::phi(10, 22.5f, -2, 60), 24.0563025, 1e-5);
    EXPECT_FLOAT_EQ(ShearLaw::phi(0, 22.5f, -2, 60), 22.5f);  // lg of nothing is taken as 0
    EXPECT_NEAR(ShearLaw::tau(60, 22.5f), 24.8528129, 1e-4);
    EXPECT_NEAR(ShearLaw::tau(10, 24.0563025f), 4.4640664, 1e-5);
}

TEST(ShearLawTest, TheCoulombLineThroughTwoPointsOfTheCurve)
{
    const ShearLaw::Coulomb peak = ShearLaw::coulomb(10, 24.0563025f, 60, 22.5f);
    EXPECT_NEAR(peak.phi, 22.1844041, 1e-4);
    EXPECT_NEAR(peak.intercept, 0.3863171, 1e-4);
    // With c = 0 the curve is a straight line through the origin: the secant is the line itself.
    const ShearLaw::Coulomb straight = ShearLaw::coulomb(10, 30, 60, 30);
    EXPECT_NEAR(straight.phi, 30, 1e-4);
    EXPECT_NEAR(straight.intercept, 0, 1e-4);
}

TEST(ShearLawTest, ReductionFactorsAreCappedAtOne)
{
    EXPECT_NEAR(ShearLaw::reduction(24.8528f, 42.0125f), 0.59156, 1e-4);
    EXPECT_EQ(ShearLaw::reduction(30, 20), 1);  // a contact stronger than the soil
    // No soil strength: no factor at all (a design sheet must not suggest "no reduction").
    EXPECT_TRUE(std::isnan(ShearLaw::reduction(5, 0)));
    EXPECT_TRUE(std::isnan(ShearLaw::reduction(0, 0)));
    EXPECT_TRUE(std::isnan(ShearLaw::reduction(5, -3)));
    EXPECT_TRUE(std::isfinite(ShearLaw::reduction(1e30f, 1e-30f)));
}

}  // namespace
