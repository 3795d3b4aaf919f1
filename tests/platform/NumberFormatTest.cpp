#include "platform/NumberFormat.h"
#include "platform/Locale.h"

#include <gtest/gtest.h>

namespace {

TEST(NumberFormatTest, PatternsRoundHalfAwayFromZeroOnTheWrittenDigits)
{
    Locale::setCurrent({Locale::German, ","});
    EXPECT_EQ(vb::format(2.5, "#0"), "3");
    EXPECT_EQ(vb::format(3.5, "#0"), "4");
    EXPECT_EQ(vb::format(-2.5, "#0"), "-3");
    EXPECT_EQ(vb::format(1.005, "#0.00"), "1,01");
    EXPECT_EQ(vb::format(0.125, "#0.00"), "0,13");
    EXPECT_EQ(vb::format(27.349999f, "#0.00"), "27,35");
    EXPECT_EQ(vb::format(9.96, "#0.0"), "10,0");
    EXPECT_EQ(vb::format(999.5, "####0"), "1000");
    EXPECT_EQ(vb::format(0.4, "####0"), "0");
    EXPECT_EQ(vb::format(0.004, "#0.00"), "0,00");
    EXPECT_EQ(vb::format(-0.001, "#0.00"), "0,00");  // no sign on a zero
    EXPECT_EQ(vb::format(0, "#0.0"), "0,0");
}

TEST(NumberFormatTest, OptionalDigitsGroupingAndLiterals)
{
    Locale::setCurrent({Locale::German, ","});
    EXPECT_EQ(vb::format(0.5, "#.##"), ",5");
    EXPECT_EQ(vb::format(10, "#0.##"), "10,");
    EXPECT_EQ(vb::format(1234567.891, "#,##0.0"), "1.234.567,9");
    EXPECT_EQ(vb::format(12.5, "#0.0 kN"), "12,5 kN");
    EXPECT_EQ(vb::format(7, "000"), "007");
    Locale::setCurrent({Locale::English, "."});
    EXPECT_EQ(vb::format(1234.5, "#,##0.00"), "1,234.50");
    EXPECT_EQ(vb::format(1e-7, "#0.00"), "0.00");
    Locale::setCurrent({Locale::German, ","});
}

}  // namespace
