#include "laws/RecordEvaluation.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// The values figures, tables and tools share, from the record alone: no page is drawn.
TEST(RecordEvaluationTest, CurvesSecantsAndFactorsOfARecord)
{
    RecordEvaluation::Record record{60, 22.5f, -2, 17, -1, 35, -4, 30, -3, 10, 10, 60, 100, 100};
    const RecordEvaluation::Values v = RecordEvaluation::evaluate(record);
    ASSERT_EQ(v.grid.size(), 101u);
    for (const auto* curve : {&v.phi, &v.tau, &v.phir, &v.taur, &v.f, &v.fr})
        EXPECT_EQ(curve->size(), v.grid.size());
    EXPECT_NEAR(v.tau1, 4.4640664, 1e-5);
    EXPECT_NEAR(v.tau2, 24.8528129, 1e-4);
    EXPECT_TRUE(v.coulomb);
    EXPECT_NEAR(v.phic, 22.1844041, 1e-4);
    EXPECT_NEAR(v.cc, 0.3863171, 1e-4);
    EXPECT_FLOAT_EQ(v.phir2, 17);
    for (float f : v.f)
        EXPECT_TRUE(f > 0 && f <= 1) << f;

    // σ1 = σ2 has no secant; a soil without values has no factor.
    record.SI2 = record.SI1;
    record.AB = record.CB = 0;
    const RecordEvaluation::Values equal = RecordEvaluation::evaluate(record);
    EXPECT_FALSE(equal.coulomb);
    EXPECT_EQ(equal.phic, 0);
    EXPECT_EQ(equal.ccr, 0);
    EXPECT_TRUE(std::isnan(equal.f.front()));
}

}  // namespace
