#include "input/RecordRules.h"
#include "platform/Locale.h"

#include <gtest/gtest.h>

namespace {

std::map<std::string, std::string> form()
{
    return {{"KEN", "Sand"}, {"SIB", "60"},    {"A", "22,5"}, {"C", "-2"},   {"AR", "17"},
            {"CR", ""},      {"AB", ""},       {"CB", ""},    {"ARB", ""},   {"CRB", ""},
            {"SIA", "10"},   {"SIMAX", "100"}, {"SI1", "10"}, {"SI2", "60"}, {"N", "100"}};
}

std::string problem(const std::string& column, const std::string& text, bool english = false)
{
    auto texts = form();
    texts[column] = text;
    return RecordRules::formProblem(texts, english);
}

TEST(RecordRulesTest, TheFormNamesTheFirstWrongFieldByItsLabel)
{
    Locale::setCurrent({Locale::German, ","});
    EXPECT_EQ(RecordRules::formProblem(form(), false), "");
    EXPECT_EQ(problem("SIA", "3x"), "σa: Eingegeber Wert ist kein gültiges Zahlenformat!");
    EXPECT_EQ(problem("SIA", "3x", true), "σa: Type of value is not numeric!");
    EXPECT_EQ(problem("ARB", "1e39", true), "ar (soil): Type of value is not numeric!");
    EXPECT_EQ(problem("SIB", " "), "σb: Wert fehlt!");
    EXPECT_EQ(problem("N", "50,5", true), "Subdivisions: Type of value is not an integer!");
    EXPECT_EQ(problem("N", "0"), "N = 0 muss größer als 0 sein.");
    EXPECT_EQ(problem("SIB", "0", true), "σb = 0 must be greater than 0.");
    EXPECT_EQ(problem("SIA", "-5"), "σa = -5 muss größer als 0 sein.");
    EXPECT_EQ(problem("A", "-90", true), "a = -90° must lie between -90° and 90°.");
    EXPECT_EQ(problem("SI1", "5"), "σ1 = 5 muss zwischen σa = 10 und σmax = 100 liegen.");
    EXPECT_EQ(problem("SI2", "200", true), "σ2 = 200 must lie between σa = 10 and σmax = 100.");
    EXPECT_EQ(problem("SIMAX", "5"), "σmax = 5 muss größer als σa = 10 sein.");
    EXPECT_EQ(problem("SIMAX", "5", true), "σmax = 5 must be greater than σa = 10.");
    EXPECT_EQ(problem("KEN", " "), "Datensatzkennzeichnung fehlt!");
    EXPECT_EQ(problem("KEN", "", true), "File name is missing!");
    EXPECT_EQ(problem("KEN", "M"), "Die Kennzeichnung M ist für das Programm reserviert.");
    EXPECT_EQ(problem("KEN", "M", true), "The identification M is reserved for the program.");
    EXPECT_EQ(problem("N", "", true), "Subdivisions: the value is missing!");
    EXPECT_EQ(problem("CRB", "2"), "");  // soil fields may stay empty
    // A slope that takes φ past 90° within the range: tan φ has no value there.
    EXPECT_EQ(problem("C", "3e38"), "a + c · lg(σ/σb) = φ muss von σa bis σmax zwischen -90° und 90° liegen "
                                    "(c = 3E+38).");
    EXPECT_EQ(problem("CR", "3e38", true), "ar + cr · lg(σ/σb) = φ must lie between -90° and 90° from σa to σmax "
                                           "(cr = 3E+38).");
    EXPECT_EQ(problem("C", "100"), "");  // φ from -55.3° at σa = 10 to 44.7° at σmax = 100
    EXPECT_NE(problem("C", "200"), "");  // φ = -133° at σa
}

TEST(RecordRulesTest, SoilAnglesCountOnlyWithSoilValuesAndEveryProblemIsListed)
{
    RecordRules::Values values{"Ton", 60, 20, -2, 15, -1, 0, 0, 120, 0, 10, 100, 10, 60, 100};
    EXPECT_TRUE(RecordRules::problems(values, true).empty());  // no soil values: ar (soil) is not used
    values.AB = 30;
    EXPECT_EQ(RecordRules::problems(values, true),
              std::vector<std::string>{"ar (soil) = 120° must lie between -90° and 90°."});
    values.SIMAX = 10;
    values.N = 0;
    EXPECT_EQ(RecordRules::problems(values, false).size(), 4u);  // σmax, σ2, N, ar (Boden)
}

}  // namespace
