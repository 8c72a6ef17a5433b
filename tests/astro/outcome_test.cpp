// The shared whole-text readers: what they take and what each refusal says.
#include "astro/outcome.h"

#include <gtest/gtest.h>

namespace kolvar {
namespace {

TEST(SharedReaders, WholeDecimalTakesOneFiniteNumberAndNamesEachRefusal) {
    struct Case {
        const char* Text;
        double Value;            // when Error is empty
        std::string_view Error;  // empty when the text reads
    };
    const Case cases[] = {
        {"-1.5e3", -1500.0, ""},
        {".5", 0.5, ""},
        {"1e-400", 0.0, OutOfRangeError},  // below the smallest subnormal
        {"1e999", 0.0, OutOfRangeError},
        {"inf", 0.0, OutOfRangeError},
        {"nan", 0.0, NotANumberError},
        {"+1", 0.0, NotANumberError},  // from_chars takes no '+'; callers allow one
        {"1 ", 0.0, NotANumberError},
        {"1e999x", 0.0, NotANumberError},  // trailing text before range
        {"", 0.0, NotANumberError},
    };
    for (const Case& c : cases) {
        const Outcome<double> read = ReadWholeDecimal(c.Text);
        EXPECT_EQ(read.Ok(), c.Error.empty()) << c.Text;
        if (read)
            EXPECT_EQ(*read, c.Value) << c.Text;
        else
            EXPECT_EQ(read.Error(), c.Error) << c.Text;
    }
}

TEST(SharedReaders, WholeIntegerKeepsToItsType) {
    EXPECT_EQ(ReadWholeInteger<int>("-2147483648").ValueOr(0), -2147483647 - 1);
    EXPECT_EQ(ReadWholeInteger<int>("2147483648").Error(), OutOfRangeError);
    EXPECT_EQ(ReadWholeInteger<long long>("2147483648").ValueOr(0), 2147483648LL);
    for (const char* bad : {"", "+1", "1.0", "0x10", " 1"})
        EXPECT_EQ(ReadWholeInteger<int>(bad).Error(), NotAWholeNumberError) << bad;
}

}  // namespace
}  // namespace kolvar
