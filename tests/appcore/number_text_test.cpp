#include "appcore/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

namespace kolvar {
namespace {

TEST(FormatGeneral15, FixedPointWithoutTrailingZeros) {
    EXPECT_EQ(FormatGeneral15(1.0, '.'), "1");
    EXPECT_EQ(FormatGeneral15(-0.5, '.'), "-0.5");
    EXPECT_EQ(FormatGeneral15(1.0 / 3.0, '.'), "0.333333333333333");
    EXPECT_EQ(FormatGeneral15(0.3327296, '.'), "0.3327296");
    EXPECT_EQ(FormatGeneral15(2.0 / 3.0, '.'), "0.666666666666667");
    EXPECT_EQ(FormatGeneral15(0.0, '.'), "0");
    EXPECT_EQ(FormatGeneral15(2451545.25, '.'), "2451545.25");
    EXPECT_EQ(FormatGeneral15(123456789012345.0, '.'), "123456789012345");
}

TEST(FormatGeneral15, ScientificOnlyForTinyOrHugeMagnitudes) {
    EXPECT_EQ(FormatGeneral15(0.00001, '.'), "0.00001");
    EXPECT_EQ(FormatGeneral15(0.000015, '.'), "0.000015");
    EXPECT_EQ(FormatGeneral15(0.000001, '.'), "1E-6");
    EXPECT_EQ(FormatGeneral15(-2.5e-7, '.'), "-2.5E-7");
    EXPECT_EQ(FormatGeneral15(1e15, '.'), "1E15");
    EXPECT_EQ(FormatGeneral15(1.5e20, '.'), "1.5E20");
    // Rounding to 15 digits can carry into a new integer digit.
    EXPECT_EQ(FormatGeneral15(999999999999999.9, '.'), "1E15");
}

TEST(FormatGeneral15, WritesTheGivenDecimalSeparator) {
    EXPECT_EQ(FormatGeneral15(-0.5, ','), "-0,5");
    EXPECT_EQ(FormatGeneral15(2.5e-7, ','), "2,5E-7");
    EXPECT_EQ(FormatGeneral15(12.0, ','), "12");
}

TEST(FormatGeneral15, FollowsTheCLocaleByDefault) {
    std::setlocale(LC_NUMERIC, "C");
    EXPECT_EQ(LocaleDecimalSeparator(), '.');
    EXPECT_EQ(FormatGeneral15(0.25), "0.25");
}

TEST(ParseStrictDouble, AcceptsPlainDecimalNumbers) {
    EXPECT_EQ(ParseStrictDouble("1", '.'), 1.0);
    EXPECT_EQ(ParseStrictDouble("-0.5", '.'), -0.5);
    EXPECT_EQ(ParseStrictDouble("+2.25", '.'), 2.25);
    EXPECT_EQ(ParseStrictDouble(".5", '.'), 0.5);
    EXPECT_EQ(ParseStrictDouble("3.", '.'), 3.0);
    EXPECT_EQ(ParseStrictDouble("1.5E-3", '.'), 1.5e-3);
    EXPECT_EQ(ParseStrictDouble("2e+2", '.'), 200.0);
    EXPECT_EQ(ParseStrictDouble("  7.5 ", '.'), 7.5);
    EXPECT_EQ(ParseStrictDouble("0,5", ','), 0.5);
}

TEST(ParseStrictDouble, RejectsAnythingElse) {
    for (const char* bad : {"", " ", "abc", "1.5x", "1,5", "1.2.3", "-", ".", "e5", "1e", "1e+", "--1",
                            "0x10", "inf", "nan", "1 2", "1e999"})
        EXPECT_FALSE(ParseStrictDouble(bad, '.').has_value()) << '"' << bad << '"';
    EXPECT_FALSE(ParseStrictDouble("0.5", ',').has_value());
}

TEST(ParseStrictDouble, RoundTripsFifteenDigitTexts) {
    const double largest = std::numeric_limits<double>::max();
    for (double v : {0.3327296, 0.8305847, -3.141592653589793, 1e-9, 6.02214076e23, largest, -largest,
                     std::numeric_limits<double>::min(), std::numeric_limits<double>::denorm_min()}) {
        const std::optional<double> back = ParseStrictDouble(FormatGeneral15(v, ','), ',');
        ASSERT_TRUE(back.has_value()) << FormatGeneral15(v, ',');
        EXPECT_NEAR(*back, v, std::abs(v) * 1e-14);
    }
    EXPECT_EQ(FormatGeneral15(largest, '.'), "1.79769313486231E308");
}

TEST(ParseIniDouble, TakesEitherSeparatorWhenOnlyOneIsThere) {
    for (char locale : {'.', ',', '\''}) {
        EXPECT_EQ(ParseIniDouble("0,5", locale), 0.5) << locale;
        EXPECT_EQ(ParseIniDouble("-0.5E-3", locale), -0.5e-3) << locale;
        EXPECT_EQ(ParseIniDouble("12", locale), 12.0) << locale;
        for (const char* bad : {"1.5,0", "1,000,000", "1..5", "1.5.", "abc", ""})
            EXPECT_FALSE(ParseIniDouble(bad, locale).has_value()) << '"' << bad << "\" " << locale;
    }
    EXPECT_EQ(ParseIniDouble("2'5", '\''), 2.5);
}

TEST(ParseIniInteger, DecimalAndHexadecimal) {
    EXPECT_EQ(ParseIniInteger("12"), 12);
    EXPECT_EQ(ParseIniInteger("-7"), -7);
    EXPECT_EQ(ParseIniInteger("+3"), 3);
    EXPECT_EQ(ParseIniInteger(" 2"), 2);
    EXPECT_EQ(ParseIniInteger("0x10"), 16);
    EXPECT_EQ(ParseIniInteger("0XfF"), 255);
    EXPECT_EQ(ParseIniInteger("0xFFFFFFFF"), -1);
    EXPECT_EQ(ParseIniInteger("2147483647"), 2147483647);
    EXPECT_EQ(ParseIniInteger("-2147483648"), -2147483647 - 1);
}

TEST(ParseIniInteger, RejectsNonIntegers) {
    for (const char* bad : {"", "ten", "x", "0x", "0xg", "12abc", "1.5", "2147483648", "-2147483649",
                            "0x100000000", "--1", "- 1"})
        EXPECT_FALSE(ParseIniInteger(bad).has_value()) << '"' << bad << '"';
}

}  // namespace
}  // namespace kolvar
