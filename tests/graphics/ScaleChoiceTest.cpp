#include "graphics/ScaleChoice.h"
#include "ErrorNumber.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

ScaleChoice::Lists shearLists()
{
    return {{0, 20, 40, 60, 80, 100, 200, 400, 600, 800, 1000},
            {20, 40, 60, 80, 100, 200, 400, 600, 800, 1000},
            {2, 4, 3, 4, 5, 4, 4, 3, 4, 5},
            std::vector<float>(10, 1),
            {2, 4, 3, 4, 5, 4, 4, 3, 4, 5}};
}

TEST(ScaleChoiceTest, AMaximumOf350SnapsTo400)
{
    float min = 0, max = 0;
    const auto axis = ScaleChoice::SKALENWAHL(-1, false, true, 0, {10, 350, 120}, min, max, shearLists());
    EXPECT_EQ(min, 0);
    EXPECT_EQ(max, 400);
    EXPECT_EQ(axis.n, 4);  // ELXIT(6)
    EXPECT_EQ(axis.ticks, (std::vector<float>{0, 100, 200, 300, 400}));
    EXPECT_EQ(axis.G, 1);
    EXPECT_EQ(axis.Z, 4);
}

TEST(ScaleChoiceTest, AutomaticLimitsSnapToTheCandidates)
{
    float min = 0, max = 0;
    ScaleChoice::SKALENWAHL(-1, true, true, 0, {-5, 55}, min, max, shearLists());
    EXPECT_EQ(min, 0);  // raised to the first candidate: the curve below is clipped
    EXPECT_EQ(max, 60);
    ScaleChoice::SKALENWAHL(-1, true, true, 0, {45, 1500}, min, max, shearLists());
    EXPECT_EQ(min, 40);
    EXPECT_EQ(max, 1040);  // the longest length from the snapped minimum
    // A fixed minimum keeps its stored value and the length decides the maximum.
    min = 15;
    ScaleChoice::SKALENWAHL(-1, false, true, 0, {70}, min, max, shearLists());
    EXPECT_EQ(min, 15);
    EXPECT_EQ(max, 95);  // 15 + 80
}

TEST(ScaleChoiceTest, GatheringPassesExtendTheRangeAndKeepTheLimitsSnapped)
{
    float min = 0, max = 0;
    ScaleChoice::SKALENWAHL(1, true, true, 0, {30, 50}, min, max, shearLists());
    EXPECT_EQ(max, 60);  // pass 1 snaps, but does not set MAX = MIN + D
    ScaleChoice::SKALENWAHL(3, true, true, 0, {5, 90}, min, max, shearLists());
    float oneMin = 0, oneMax = 0;
    ScaleChoice::SKALENWAHL(-1, true, true, 0, {30, 50, 5, 90}, oneMin, oneMax, shearLists());
    EXPECT_EQ(min, oneMin);
    EXPECT_EQ(max, oneMax);
}

TEST(ScaleChoiceTest, BrokenListsRaiseInsteadOfReadingPastTheirEnd)
{
    float min = 0, max = 10;
    ScaleChoice::Lists lists = shearLists();
    lists.DIFF.clear();
    EXPECT_EQ(errorNumber([&] { ScaleChoice::SKALENWAHL(-1, false, true, 0, {5}, min, max, lists); }),
              VbError::SubscriptOutOfRange);
    lists = shearLists();
    lists.IT[0] = 0;
    EXPECT_EQ(errorNumber([&] { ScaleChoice::SKALENWAHL(-1, false, true, 0, {5}, min, max, lists); }),
              VbError::DivisionByZero);
    lists = shearLists();
    lists.GIT.resize(2);
    EXPECT_EQ(errorNumber([&] { ScaleChoice::SKALENWAHL(-1, false, true, 0, {350}, min, max, lists); }),
              VbError::SubscriptOutOfRange);
}

TEST(ScaleChoiceTest, LogarithmicTicksRunThroughEveryStepOfEachDecade)
{
    const ScaleChoice::Lists lists{{0.01f, 0.05f, 0.1f, 1, 10, 100}, {}, {10}, {1}, {1}};
    float min = 0.01f, max = 100;
    const auto axis = ScaleChoice::SKALENWAHL(0, false, false, 1, {}, min, max, lists);
    ASSERT_EQ(axis.ticks.size(), 40u);
    EXPECT_EQ(axis.n, 39);
    EXPECT_NEAR(axis.ticks.front(), -2, 1e-6);
    EXPECT_NEAR(axis.ticks[1], -2 + std::log10(2), 1e-6);
    EXPECT_NEAR(axis.ticks[8], -2 + std::log10(9), 1e-6);
    EXPECT_NEAR(axis.ticks[9], -1, 1e-6);  // a decade position is listed twice
    EXPECT_NEAR(axis.ticks[10], -1, 1e-6);
    EXPECT_NEAR(axis.ticks.back(), 2, 1e-6);
    EXPECT_EQ(axis.grid, (std::vector<float>{-2, -1, 0, 1, 2}));
    for (std::size_t i = 1; i < axis.ticks.size(); ++i)
        EXPECT_GE(axis.ticks[i], axis.ticks[i - 1]);
}

TEST(ScaleChoiceTest, LogarithmicDecadesAndLimitsWithinOneDecade)
{
    const ScaleChoice::Lists decades{{0.01f, 0.1f, 1, 10, 100}, {}, {1}, {1}, {1}};
    float min = 0.05f, max = 30;  // snapped to 0.01 and 100
    auto axis = ScaleChoice::SKALENWAHL(-1, true, true, 1, {0.05f, 30}, min, max, decades);
    EXPECT_FLOAT_EQ(min, 0.01f);
    EXPECT_FLOAT_EQ(max, 100);
    EXPECT_EQ(axis.ticks.size(), axis.grid.size());
    EXPECT_EQ(axis.ticks.size(), 6u);

    const ScaleChoice::Lists steps{{2, 5}, {}, {10}, {10}, {10}};
    min = 2, max = 5;
    axis = ScaleChoice::SKALENWAHL(0, false, false, 1, {}, min, max, steps);
    EXPECT_EQ(axis.ticks.size(), 4u);  // 2, 3, 4, 5
    EXPECT_NEAR(axis.ticks[1], std::log10(3.0), 1e-6);
}

TEST(ScaleChoiceTest, NonPositiveLogarithmicLimitsEndInFiniteTicks)
{
    const ScaleChoice::Lists lists{{-1, 0, 10}, {}, {10}, {1}, {1}};
    for (float limit : {-1.0f, 0.0f}) {
        float min = limit, max = limit;
        const auto axis = ScaleChoice::SKALENWAHL(0, false, false, 1, {}, min, max, lists);
        EXPECT_LT(axis.ticks.size(), 300u);
        for (float tick : axis.ticks)
            EXPECT_TRUE(std::isfinite(tick));
    }
}

TEST(ScaleChoiceTest, TheCoarserScaleWinsWhenTheRatioIsFixed)
{
    float mx = 0, my = 0;
    ScaleChoice::MASSSTAB(mx, my, 0, 140, 0, 54, 70, 27, 1);
    EXPECT_FLOAT_EQ(mx, 2);
    EXPECT_FLOAT_EQ(my, 2);
    mx = 0, my = 0;
    ScaleChoice::MASSSTAB(mx, my, 0, 100, 0, 54, 70, 27, 1);
    EXPECT_FLOAT_EQ(my, 2);
    EXPECT_FLOAT_EQ(mx, 2);  // y was coarser
    mx = 3, my = 0.5f;
    ScaleChoice::MASSSTAB(mx, my, 0, 100, 0, 54, 70, 27, 0);
    EXPECT_FLOAT_EQ(mx, 3);  // stored scales stay
    EXPECT_FLOAT_EQ(my, 0.5f);
}

}  // namespace
