// What the dialog tests cannot reach through a field in the C locale.
#include "dialogs/dialog_numbers.h"

#include <gtest/gtest.h>

namespace kolvar {
namespace {

TEST(DialogNumbers, StrictConversionsTakeTheGivenSeparatorAndRange) {
    EXPECT_EQ(StrictFloat("-0,5", ',').ValueOr(0), -0.5);
    EXPECT_EQ(StrictFloat(" 1,5E-6 ", ',').ValueOr(0), 1.5e-6);
    EXPECT_FALSE(StrictFloat("1.5", ','));  // a point where the locale wants a comma
    for (const char* bad : {"1e999", "1.2.3", "0x1p3", "."}) {
        const FieldNumber<double> refused = StrictFloat(bad, '.');
        ASSERT_FALSE(refused) << bad;
        EXPECT_EQ(refused.Error().Text(), bad);
        EXPECT_EQ(refused.Error().Why(), ConversionError::Reason::NotANumber);
    }
    EXPECT_EQ(StrictInteger("-2147483648").ValueOr(0), -2147483647 - 1);
    for (const char* bad : {"2147483648", "+-1", "0x10"}) EXPECT_FALSE(StrictInteger(bad)) << bad;
}

TEST(DialogNumbers, LeadingFloatReadsSinglePrecisionLikeScanf) {
    EXPECT_EQ(LeadingFloat("+3,5.25").ValueOr({}), 3.5f);  // a comma is a separator too; the first one counts
    EXPECT_EQ(LeadingFloat("1e-50").ValueOr({}), 0.0f);    // below single precision reads as zero
    EXPECT_EQ(LeadingFloat("--1").ValueOr(1.0f), std::nullopt);
    EXPECT_FALSE(LeadingFloat("1e39"));  // beyond it is no value at all
}

}  // namespace
}  // namespace kolvar
