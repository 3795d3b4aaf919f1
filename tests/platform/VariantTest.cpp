#include "platform/Variant.h"
#include "platform/Locale.h"
#include "platform/NumberFormat.h"
#include "platform/VbError.h"

#include "ErrorNumber.h"
#include "RealLocale.h"

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
    EXPECT_EQ(errorNumber([] { Variant("1,5E400").toDouble(); }), VbError::Overflow);
    EXPECT_EQ(Variant("-1,5E-400").toDouble(), 0);
    EXPECT_EQ(Variant("0,00001E-320").toDouble(), 0);
}

// Only the session's separator counts, whatever locale the C library was given: in a
// German desktop session a typed "30,5" once became 30.
TEST_F(VariantTest, TextAndNumbersFollowTheSessionNeverTheCLibrary)
{
    for (const char* library : {"C", userLocales[0], userLocales[1], userLocales[2]}) {
        const CLibraryLocale scope(library);
        for (const Locale& session : {Locale{Locale::German, ","}, Locale{Locale::English, "."}}) {
            Locale::setCurrent(session);
            const std::string sep = session.DEZIMALPUNKT;
            const std::string other = sep == "," ? "." : ",";
            SCOPED_TRACE(std::string(library) + ", session separator " + sep);
            EXPECT_EQ(Variant("30" + sep + "5").toDouble(), 30.5);
            EXPECT_EQ(Variant(" -2" + sep + "75 ").toDouble(), -2.75);
            EXPECT_EQ(Variant("1" + sep + "5E-3").toDouble(), 0.0015);
            EXPECT_EQ(Variant("25" + sep + "12").toSingle(), 25.12f);
            EXPECT_EQ(Variant(30.02).toText(), "30" + sep + "02");
            EXPECT_EQ(Variant(-27.35f).toText(), "-27" + sep + "35");
            EXPECT_EQ(Variant(1.0f / 3.0f).toText(), "0" + sep + "3333333");
            EXPECT_EQ(vb::format(28.5, "#0.00"), "28" + sep + "50");
            // The other separator groups thousands somewhere: never read as a decimal.
            for (const std::string& text : {"1" + other + "000", "1" + other + "234" + sep + "5", "1" + other + "5"})
                EXPECT_EQ(errorNumber([&] { Variant(text).toDouble(); }), VbError::TypeMismatch) << text;
        }
    }
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
