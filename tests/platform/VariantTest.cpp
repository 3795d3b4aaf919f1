#include "platform/Variant.h"
#include "platform/Locale.h"
#include "platform/VbError.h"

#include "ErrorNumber.h"

#include <gtest/gtest.h>

namespace {

class VariantTest : public ::testing::Test {
protected:
    void SetUp() override { Locale::setCurrent({Locale::German, ","}); }
    void TearDown() override { Locale::setCurrent({Locale::German, ","}); }
    static void english() { Locale::setCurrent({Locale::English, "."}); }
};

TEST_F(VariantTest, IntegersRoundHalvesToTheEvenNeighbour)
{
    EXPECT_EQ(Variant(2.5f).toInteger(), 2);
    EXPECT_EQ(Variant(3.5f).toInteger(), 4);
    EXPECT_EQ(Variant(-2.5).toInteger(), -2);
    EXPECT_EQ(Variant(2.51).toInteger(), 3);
    EXPECT_EQ(Variant(0.5).toLong(), 0);
    EXPECT_EQ(Variant(1.5).toLong(), 2);
    EXPECT_EQ(Variant("2,5").toInteger(), 2);
}

TEST_F(VariantTest, ValuesOutsideTheRangeOverflow)
{
    EXPECT_EQ(errorNumber([] { Variant(40000).toInteger(); }), VbError::Overflow);
    EXPECT_EQ(errorNumber([] { Variant(32767.5).toInteger(); }), VbError::Overflow);
    EXPECT_EQ(Variant(32767.4).toInteger(), 32767);
    EXPECT_EQ(Variant(-32768).toInteger(), -32768);
    EXPECT_EQ(errorNumber([] { Variant(3e9).toLong(); }), VbError::Overflow);
    EXPECT_EQ(errorNumber([] { Variant(1e39).toSingle(); }), VbError::Overflow);
}

TEST_F(VariantTest, TextReadsWithTheSessionDecimalSeparator)
{
    EXPECT_DOUBLE_EQ(Variant("1,5").toDouble(), 1.5);
    EXPECT_DOUBLE_EQ(Variant(" -0,25 ").toDouble(), -0.25);
    EXPECT_DOUBLE_EQ(Variant("1,5E-3").toDouble(), 0.0015);
    EXPECT_EQ(errorNumber([] { Variant("1.5").toDouble(); }), VbError::TypeMismatch);
    english();
    EXPECT_DOUBLE_EQ(Variant("1.5").toDouble(), 1.5);
    EXPECT_EQ(errorNumber([] { Variant("1,5").toDouble(); }), VbError::TypeMismatch);
}

TEST_F(VariantTest, TextThatIsNoNumberIsATypeMismatch)
{
    for (const char* text : {"abc", "", "1,5x", "E5", "1e", "-", ",,1"})
        EXPECT_EQ(errorNumber([text] { Variant(text).toSingle(); }), VbError::TypeMismatch) << text;
    EXPECT_FALSE(Variant("abc").isNumeric());
    EXPECT_TRUE(Variant("12,5").isNumeric());
    EXPECT_FALSE(Variant::null().isNumeric());
}

TEST_F(VariantTest, NullAndEmptyConvert)
{
    EXPECT_EQ(Variant().toSingle(), 0.0f);
    EXPECT_EQ(Variant().toText(), "");
    EXPECT_FALSE(Variant().toBoolean());
    EXPECT_EQ(errorNumber([] { Variant::null().toInteger(); }), VbError::InvalidUseOfNull);
    EXPECT_EQ(Variant::null().text(), "");
}

TEST_F(VariantTest, SingleTextHasSevenSignificantDigitsAndTheSessionSeparator)
{
    EXPECT_EQ(Variant(60.0f).toText(), "60");
    EXPECT_EQ(Variant(1.5f).toText(), "1,5");
    EXPECT_EQ(Variant(0.1f).toText(), "0,1");
    EXPECT_EQ(Variant(1.0f / 3.0f).toText(), "0,3333333");
    EXPECT_EQ(Variant(-27.35f).toText(), "-27,35");
    EXPECT_EQ(Variant(1234567.0f).toText(), "1234567");
    EXPECT_EQ(Variant(12345678.0f).toText(), "1,234568E+07");
    EXPECT_EQ(Variant(0.0015f).toText(), "0,0015");
    EXPECT_EQ(Variant(0.000015f).toText(), "1,5E-05");
    english();
    EXPECT_EQ(Variant(1.5f).toText(), "1.5");
}

TEST_F(VariantTest, DoubleTextHasFifteenSignificantDigits)
{
    EXPECT_EQ(Variant(0.1).toText(), "0,1");
    EXPECT_EQ(Variant(1.0 / 3.0).toText(), "0,333333333333333");
    EXPECT_EQ(Variant(123456789012345.0).toText(), "123456789012345");
    EXPECT_EQ(Variant(1e15).toText(), "1E+15");
}

TEST_F(VariantTest, BooleansFollowThePlatform)
{
    EXPECT_EQ(Variant(true).toInteger(), -1);
    EXPECT_TRUE(Variant("Wahr").toBoolean());
    EXPECT_TRUE(Variant("true").toBoolean());
    EXPECT_FALSE(Variant("0").toBoolean());
    EXPECT_TRUE(Variant(2.5f).toBoolean());
    EXPECT_EQ(errorNumber([] { Variant("ja").toBoolean(); }), VbError::TypeMismatch);
    EXPECT_EQ(Variant(true).toText(), "Wahr");
    english();
    EXPECT_EQ(Variant(false).toText(), "False");
}

TEST_F(VariantTest, DatesRoundTripThroughText)
{
    const VbDate date = Variant("07.12.2026").toDate();
    EXPECT_DOUBLE_EQ(date.serial, 46363);
    EXPECT_EQ(Variant(date).toText(), "07.12.2026");
    EXPECT_EQ(Variant(VbDate{46363.5}).toText(), "07.12.2026 12:00:00");
    english();
    EXPECT_EQ(Variant(VbDate{46363.75}).toText(), "12/7/2026 6:00:00 PM");
    // A British locale writes its own short form: 7 December, not 12 July.
    Locale::setCurrent({Locale::English, ".", "dd/MM/yyyy"});
    EXPECT_EQ(Variant(date).toText(), "07/12/2026");
}

TEST_F(VariantTest, ErrorDescriptionsFollowTheSessionLanguage)
{
    EXPECT_EQ(VbError::of(VbError::Overflow).description(), "Überlauf");
    english();
    EXPECT_EQ(VbError::of(VbError::TypeMismatch).description(), "Type mismatch");
}

}  // namespace
