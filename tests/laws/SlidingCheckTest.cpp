#include "laws/SlidingCheck.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using SlidingCheck::Law;
using SlidingCheck::Slope;

// The published standard example: a 30 m cover of 0.3 m on a 3H : 1V slope, γ = 18 kN/m³,
// soil φ = 30°, contact δ = 22°, no adhesion or cohesion; the paper gives FS = 1.25.
TEST(SlidingCheckTest, ThePublishedExample)
{
    const Slope slope{SlidingCheck::degreesOf(3), 30, 0.3, 18};
    EXPECT_NEAR(slope.beta, 18.4349, 1e-4);
    EXPECT_NEAR(SlidingCheck::factorOfSafety(slope, 22, 30), 1.2513, 1e-4);
    EXPECT_NEAR(SlidingCheck::infiniteSlope(slope, 22), 1.2121, 1e-4);
    // Laws without curvature give the same angles at any stress.
    const SlidingCheck::Result result = SlidingCheck::check(slope, {22, 0, 60}, Law{30, 0, 60});
    EXPECT_NEAR(*result.fs, 1.2513, 1e-4);
    EXPECT_TRUE(result.met(1.2));
    EXPECT_FALSE(result.met(1.5));
}

// Cases worked by hand from the formulas, each law curved: the angles are those at
// σn = γ · h · cos β, so δ and φ change with the cover.
TEST(SlidingCheckTest, TheLawsGiveTheAnglesAtTheStressOnTheSlipSurface)
{
    struct Case {
        double n, length, thickness, gamma;
        Law contact, soil;
        double sigmaN, delta, phi, fs, fsInfinite;
    };
    const Case cases[] = {
        {2.5, 20, 0.5, 19, {24, -2, 60}, {34, -3, 60}, 8.8205, 25.6653, 36.4980, 1.3096, 1.2013},
        {3.0, 30, 0.3, 18, {22, 0, 60}, {30, 0, 60}, 5.1229, 22.0000, 30.0000, 1.2513, 1.2121},
        {2.0, 15, 1.0, 20, {26, -4, 50}, {36, -5, 50}, 17.8885, 27.7856, 38.2320, 1.3331, 1.0538},
        {4.0, 40, 0.6, 17, {18, -1.5, 100}, {32, -2, 100}, 9.8955, 19.5068, 34.0091, 1.5268, 1.4170},
        {1.5, 10, 0.4, 18, {30, -3, 20}, {38, -4, 20}, 5.9908, 31.5706, 40.0942, 1.0985, 0.9217},
    };
    for (const Case& c : cases) {
        const Slope slope{SlidingCheck::degreesOf(c.n), c.length, c.thickness, c.gamma};
        ASSERT_TRUE(SlidingCheck::problem(slope).first.empty()) << c.n;
        const SlidingCheck::Result result = SlidingCheck::check(slope, c.contact, c.soil);
        EXPECT_NEAR(result.sigmaN, c.sigmaN, 1e-4) << "1 : " << c.n;
        EXPECT_NEAR(result.delta, c.delta, 1e-4) << "1 : " << c.n;
        EXPECT_NEAR(*result.phi, c.phi, 1e-4) << "1 : " << c.n;
        EXPECT_NEAR(*result.fs, c.fs, 1e-4) << "1 : " << c.n;
        EXPECT_NEAR(result.fsInfinite, c.fsInfinite, 1e-4) << "1 : " << c.n;
    }
    // Without the soil's law only the infinite slope is known.
    const SlidingCheck::Result alone = SlidingCheck::check({20, 20, 0.5, 19}, {24, -2, 60}, std::nullopt);
    EXPECT_FALSE(alone.fs);
    EXPECT_FALSE(alone.phi);
    EXPECT_GT(alone.fsInfinite, 0);
}

TEST(SlidingCheckTest, ASlopeThatCannotBeCheckedIsNamed)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        Slope slope;
        const char* says;
    };
    const Case cases[] = {
        {{0, 30, 0.3, 18}, "β must lie between"},
        {{90, 30, 0.3, 18}, "β must lie between"},
        {{nan, 30, 0.3, 18}, "β must lie between"},
        {{20, 30, 0, 18}, "thickness h"},
        {{20, 30, 0.3, -1}, "unit weight γ"},
        {{30, 0.6, 0.3, 18}, "greater than h / sin β"},
        {{30, 0.65, 0.3, 18}, "the active wedge has no weight"},
        {{20, 30, 0.3, 18, 0}, "required factor of safety"},
    };
    for (const Case& c : cases) {
        const auto [german, english] = SlidingCheck::problem(c.slope);
        EXPECT_NE(english.find(c.says), std::string::npos) << c.says << " → " << english;
        EXPECT_FALSE(german.empty());
    }
    EXPECT_TRUE(SlidingCheck::problem({20, 30, 0.3, 18}).first.empty());
}

}  // namespace
