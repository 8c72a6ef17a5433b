#include "dialogs/dialog_numbers.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kolvar {
namespace {

bool RejectsInteger(const char* text)
{
    try {
        StrictInteger(text);
        return false;
    } catch (const ConversionError& e) {
        return e.Text() == text && e.Why() == ConversionError::Reason::NotANumber;
    }
}

bool RejectsFloat(const char* text, char separator)
{
    try {
        StrictFloat(text, separator);
        return false;
    } catch (const ConversionError& e) {
        return e.Text() == text;
    }
}

TEST(StrictInteger, TakesOnlyASignedDecimalWithin32Bits)
{
    EXPECT_EQ(StrictInteger("2000"), 2000);
    EXPECT_EQ(StrictInteger("-56"), -56);
    EXPECT_EQ(StrictInteger("+7"), 7);
    EXPECT_EQ(StrictInteger(" 12 "), 12);
    EXPECT_EQ(StrictInteger("-2147483648"), -2147483647 - 1);
    for (const char* bad : {"", " ", "1.0", "12a", "0x10", "--1", "+-1", "1 2", "2147483648", "1e3"})
        EXPECT_TRUE(RejectsInteger(bad)) << bad;
}

TEST(StrictFloat, TakesOnlyTheGivenSeparator)
{
    EXPECT_EQ(StrictFloat("2451545.25", '.'), 2451545.25);
    EXPECT_EQ(StrictFloat("-0,5", ','), -0.5);
    EXPECT_EQ(StrictFloat(" 1E-6 ", '.'), 1e-6);
    EXPECT_EQ(StrictFloat(".5", '.'), 0.5);
    EXPECT_EQ(StrictFloat("+5.", '.'), 5.0);
    // A point where the locale wants a comma, and the reverse, are no numbers.
    EXPECT_TRUE(RejectsFloat("1.5", ','));
    EXPECT_TRUE(RejectsFloat("1,5", '.'));
    for (const char* bad : {"", ".", "1.5x", "nan", "inf", "-inf", "1e", "1e999", "1.2.3", "0x1p3"})
        EXPECT_TRUE(RejectsFloat(bad, '.')) << bad;
}

TEST(StrictJulianDay, RefusesDaysTheElementsDoNotCover)
{
    EXPECT_EQ(StrictJulianDay("2451545"), 2451545.0);
    try {
        StrictJulianDay("9e8");
        FAIL() << "accepted";
    } catch (const ConversionError& e) {
        EXPECT_EQ(e.Why(), ConversionError::Reason::UncoveredDay);
        EXPECT_EQ(e.Text(), "9e8");
    }
}

TEST(LeadingFloat, ReadsTheLeadingNumberInSinglePrecision)
{
    EXPECT_EQ(LeadingFloat("1.1"), 1.1f);
    EXPECT_EQ(LeadingFloat("  -2.5 h"), -2.5f);  // trailing text ignored
    EXPECT_EQ(LeadingFloat("+3,5"), 3.0f);       // a comma ends the number
    EXPECT_EQ(LeadingFloat("1e-50"), 0.0f);      // below single precision reads as zero
    for (const char* none : {"", " ", "abc", ".", "-", "--1", "+-1"}) EXPECT_FALSE(LeadingFloat(none)) << none;
    // What a float cannot hold is no value at all, not an infinity.
    for (const char* bad : {"nan", "inf", "-Infinity", "1e39"}) EXPECT_THROW(LeadingFloat(bad), ConversionError) << bad;
}

TEST(ReduceToSignedByte, WrapsModulo256)
{
    EXPECT_EQ(ReduceToSignedByte(300), 44);
    EXPECT_EQ(ReduceToSignedByte(200), -56);
    EXPECT_EQ(ReduceToSignedByte(-1), -1);
    EXPECT_EQ(ReduceToSignedByte(-200), 56);
    EXPECT_EQ(ReduceToSignedByte(127), 127);
    EXPECT_EQ(ReduceToSignedByte(128), -128);
}

}  // namespace
}  // namespace kolvar
