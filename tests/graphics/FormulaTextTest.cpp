#include "graphics/FormulaText.h"
#include "ErrorNumber.h"
#include "platform/Locale.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::pair<QString, QString>> runsOf(const QString& text)
{
    std::vector<std::pair<QString, QString>> result;
    for (const auto& run : FormulaText::runs(text))
        result.emplace_back(run.code, run.text);
    return result;
}

using Runs = std::vector<std::pair<QString, QString>>;

TEST(FormulaTextTest, TagsApplyToTheFollowingCharacters)
{
    EXPECT_EQ(runsOf(QStringLiteral("{g,1}s' [kN/m²]")), (Runs{{"g", "s"}, {"", "' [kN/m²]"}}));
    EXPECT_EQ(runsOf(QStringLiteral("{g,1}t{t,1}f")), (Runs{{"g", "t"}, {"t", "f"}}));
    EXPECT_EQ(runsOf(QStringLiteral("{g,1}j{t,1}1, {g,1}j{t,2}r1")),
              (Runs{{"g", "j"}, {"t", "1"}, {"", ", "}, {"g", "j"}, {"t", "r1"}}));
    EXPECT_EQ(runsOf(QStringLiteral("abc")), (Runs{{"", "abc"}}));
    EXPECT_EQ(runsOf(QStringLiteral("x{t,5}ab")), (Runs{{"", "x"}, {"t", "ab"}}));  // the count is cut at the end
    EXPECT_EQ(runsOf(QStringLiteral("20{c,176}C")), (Runs{{"", "20"}, {"c", "°"}, {"", "C"}}));
    EXPECT_EQ(runsOf(QStringLiteral("a{t,1")), (Runs{{"", "a"}, {"", "{t,1"}}));  // no "}": plain text
}

TEST(FormulaTextTest, BrokenTagsRaiseAfterTheRunsBeforeThem)
{
    std::vector<FormulaText::Run> parsed;
    EXPECT_THROW(FormulaText::runs(QStringLiteral("ab{g}c"), &parsed), VbError);
    ASSERT_EQ(parsed.size(), 1u);
    EXPECT_EQ(parsed[0].text, QStringLiteral("ab"));
    EXPECT_EQ(errorNumber([] { FormulaText::runs(QStringLiteral("{t,x}ab")); }), VbError::TypeMismatch);
}

TEST(FormulaTextTest, TagsAreLeftOutOfTheMeasuredText)
{
    EXPECT_EQ(FormulaText::withoutTags(QStringLiteral("{g,1}s{t,1}b = 60 kN/m²")), QStringLiteral("sb = 60 kN/m²"));
    EXPECT_EQ(FormulaText::withoutTags(QStringLiteral("20{c,176}")), QStringLiteral("20"));
}

TEST(FormulaTextTest, NumbersInScientificNotationGetARaisedExponent)
{
    Locale::setCurrent({Locale::English, "."});
    EXPECT_EQ(FormulaText::scientific(QStringLiteral("1.5E-03")), QStringLiteral("1.5*10{h,3}-03"));
    EXPECT_EQ(FormulaText::scientific(QStringLiteral("1E5")), QStringLiteral("1*10{h,1}5"));
    EXPECT_EQ(FormulaText::scientific(QStringLiteral("150")), QStringLiteral("150"));
    EXPECT_EQ(FormulaText::scientific(QStringLiteral("Erddruck")), QStringLiteral("Erddruck"));
    Locale::setCurrent({Locale::German, ","});
    EXPECT_EQ(FormulaText::scientific(QStringLiteral("2,5E+04")), QStringLiteral("2,5*10{h,3}+04"));
}

}  // namespace
