// What the dialog tests cannot reach through a field in the C locale.
#include "dialogs/dialog_numbers.h"

#include <gtest/gtest.h>

namespace kolvar {
namespace {

TEST(DialogNumbers, StrictConversionsTakeTheGivenSeparatorAndRange) {
    EXPECT_EQ(StrictFloat("-0,5", ','), -0.5);
    EXPECT_EQ(StrictFloat(" 1,5E-6 ", ','), 1.5e-6);
    EXPECT_THROW(StrictFloat("1.5", ','), ConversionError);  // a point where the locale wants a comma
    for (const char* bad : {"1e999", "1.2.3", "0x1p3", "."})
        EXPECT_THROW(StrictFloat(bad, '.'), ConversionError) << bad;
    EXPECT_EQ(StrictInteger("-2147483648"), -2147483647 - 1);
    for (const char* bad : {"2147483648", "+-1", "0x10"})
        EXPECT_THROW(StrictInteger(bad), ConversionError) << bad;
}

TEST(DialogNumbers, LeadingFloatReadsSinglePrecisionLikeScanf) {
    EXPECT_EQ(LeadingFloat("+3,5.25"), 3.5f);  // a comma is a separator too; the first one counts
    EXPECT_EQ(LeadingFloat("1e-50"), 0.0f);    // below single precision reads as zero
    EXPECT_FALSE(LeadingFloat("--1"));
    EXPECT_THROW(LeadingFloat("1e39"), ConversionError);  // beyond it is no value at all
}

}  // namespace
}  // namespace kolvar
