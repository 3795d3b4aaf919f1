#include "input/TestPointText.h"

#include <gtest/gtest.h>

namespace {

using TestPointText::Row;

TEST(TestPointTextTest, CsvWithSemicolonsAndDecimalCommasOrCommasAndDecimalPoints)
{
    const auto german = TestPointText::parse("sigma;tau;tau_r\r\n25;15,8;12,1\r\n50;29,6;\r\n\r\n100;58,1;46,4\r\n");
    EXPECT_EQ(german.problem(false), "");
    EXPECT_EQ(german.header, (std::vector<std::string>{"sigma", "tau", "tau_r"}));
    ASSERT_EQ(german.rows.size(), 3u);
    EXPECT_EQ(german.rows[0], (Row{25, 15.8, 12.1}));
    EXPECT_EQ(german.rows[1], (Row{50, 29.6, std::nullopt}));
    EXPECT_EQ(german.columns(), 3u);

    const auto english = TestPointText::parse("\"sigma\",\"tau\"\n25,15.8\n1e2,+58.1\n");
    EXPECT_EQ(english.rows, (std::vector<Row>{{25, 15.8}, {100, 58.1}}));
    EXPECT_EQ(english.columns(), 2u);
}

TEST(TestPointTextTest, SpreadsheetRowsWithTabsTakeEitherDecimalSeparator)
{
    const auto pasted = TestPointText::parse("25\t15,8\t\t21.5\n50\t29.6\t24,3\n");
    EXPECT_TRUE(pasted.header.empty());
    ASSERT_EQ(pasted.rows.size(), 2u);
    EXPECT_EQ(pasted.rows[0], (Row{25, 15.8, std::nullopt, 21.5}));
    EXPECT_EQ(pasted.rows[1], (Row{50, 29.6, 24.3}));
    EXPECT_EQ(pasted.columns(), 4u);
}

TEST(TestPointTextTest, TextThatIsNoNumberIsNamedWithItsLine)
{
    const auto bad = TestPointText::parse("sigma;tau\n25;15,8\n50;2x\n100;58\n");
    EXPECT_EQ(bad.badLine, 3);
    EXPECT_EQ(bad.problem(false), "Zeile 3: \"2x\" ist keine Zahl.");
    EXPECT_EQ(bad.problem(true), "Line 3: \"2x\" is not a number.");
    // A second line of words is no header.
    EXPECT_EQ(TestPointText::parse("a;b\nc;d\n").badLine, 2);
    // A comma file cannot carry decimal commas: "15,8" is two cells there, "1.5.2" none.
    EXPECT_EQ(TestPointText::parse("25,1.5.2\n").badLine, 1);
    EXPECT_FALSE(TestPointText::number("inf"));
    EXPECT_FALSE(TestPointText::number("nan"));
    EXPECT_FALSE(TestPointText::number(""));
    EXPECT_EQ(TestPointText::number(" 12,5 "), 12.5);
}

}  // namespace
