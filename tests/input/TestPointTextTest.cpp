#include "input/TestPointText.h"

#include <gtest/gtest.h>

namespace {

using TestPointText::Row;
using TestPointText::Source;

TEST(TestPointTextTest, CsvWithSemicolonsAndDecimalCommasOrCommasAndDecimalPoints)
{
    const auto german = TestPointText::parse("sigma;tau;tau_r\r\n25;15,8;12,1\r\n50;29,6;\r\n\r\n100;58,1;46,4\r\n", '.');
    EXPECT_EQ(german.problem(false), "");
    EXPECT_EQ(german.header, (std::vector<std::string>{"sigma", "tau", "tau_r"}));
    ASSERT_EQ(german.rows.size(), 3u);
    EXPECT_EQ(german.rows[0], (Row{25, 15.8, 12.1}));
    EXPECT_EQ(german.rows[1], (Row{50, 29.6, std::nullopt}));
    EXPECT_EQ(german.columns(), 3u);

    const auto english = TestPointText::parse("\"sigma\",\"tau\"\n25,15.8\n1e2,+58.1\n", ',');
    EXPECT_EQ(english.rows, (std::vector<Row>{{25, 15.8}, {100, 58.1}}));
    EXPECT_EQ(english.columns(), 2u);
}

TEST(TestPointTextTest, SpreadsheetRowsWithTabsTakeTheReadersDecimalSeparator)
{
    const auto pasted = TestPointText::parse("25\t15,8\t\t21,5\n50\t29,6\t24,3\n", ',', Source::Spreadsheet);
    EXPECT_TRUE(pasted.header.empty());
    ASSERT_EQ(pasted.rows.size(), 2u);
    EXPECT_EQ(pasted.rows[0], (Row{25, 15.8, std::nullopt, 21.5}));
    EXPECT_EQ(pasted.rows[1], (Row{50, 29.6, 24.3}));
    EXPECT_EQ(pasted.columns(), 4u);
    EXPECT_EQ(TestPointText::parse("25\t15.8\n", '.', Source::Spreadsheet).rows[0], (Row{25, 15.8}));
}

// One character is the decimal separator; the other groups thousands somewhere and is never
// read as a decimal, neither in a cell nor in a file.
TEST(TestPointTextTest, TheOtherSeparatorIsNeverADecimal)
{
    struct Case {
        std::string text;
        char decimal;
        Source source;
        int line, column;
    };
    for (const Case& c : std::initializer_list<Case>{{"1.000\t800\n", ',', Source::Spreadsheet, 1, 1},
                                                     {"25\t1.234,5\n", ',', Source::Spreadsheet, 1, 2},
                                                     {"25\t1,000\n", '.', Source::Spreadsheet, 1, 2},
                                                     {"25\t0,75\n", '.', Source::Spreadsheet, 1, 2},
                                                     {"sigma;tau\n1.200;800\n", '.', Source::File, 2, 1},
                                                     {"25;15,8\n50;1.200,5\n", ',', Source::File, 2, 2},
                                                     {"25\t15.8\n", ',', Source::File, 1, 2}}) {
        const auto parsed = TestPointText::parse(c.text, c.decimal, c.source);
        EXPECT_EQ(parsed.badLine, c.line) << c.text;
        EXPECT_EQ(parsed.badColumn, c.column) << c.text;
    }
    EXPECT_FALSE(TestPointText::number("1.000", ','));
    EXPECT_FALSE(TestPointText::number("1,000", '.'));
    EXPECT_EQ(TestPointText::number("1000", ','), 1000);
}

TEST(TestPointTextTest, TextThatIsNoNumberIsNamedWithItsLine)
{
    const auto bad = TestPointText::parse("sigma;tau\n25;15,8\n50;2x\n100;58\n", '.');
    EXPECT_EQ(bad.badLine, 3);
    EXPECT_EQ(bad.problem(false), "Zeile 3, Spalte 2: \"2x\" ist keine Zahl.");
    EXPECT_EQ(bad.problem(true), "Line 3, column 2: \"2x\" is not a number.");
    // A second line of words is no header.
    EXPECT_EQ(TestPointText::parse("a;b\nc;d\n", ',').badLine, 2);
    // A comma file cannot carry decimal commas: "15,8" is two cells there, "1.5.2" none.
    EXPECT_EQ(TestPointText::parse("25,1.5.2\n", ',').badLine, 1);
    EXPECT_FALSE(TestPointText::number("inf", '.'));
    EXPECT_FALSE(TestPointText::number("nan", '.'));
    EXPECT_FALSE(TestPointText::number("", '.'));
    EXPECT_EQ(TestPointText::number(" 12,5 ", ','), 12.5);
}

}  // namespace
