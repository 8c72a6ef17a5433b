// The age note of old elements and the facts identification tells.

#include "texts/small_body_texts.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kolvar {
namespace {

TEST(SmallBodyTexts, EpochNoteOnlyBeyondAYearEitherWay) {
    const struct {
        double Days;
        const char* Note;
    } cases[] = {
        {0.0, ""},
        {365.0, ""},
        {-365.0, ""},
        {3.2 * 365.25, " (elemek 3,2 \xE9ve)"},
        {-1.5 * 365.25, " (elemek 1,5 \xE9v m\xFAlva)"},
        {NAN, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(EpochAgeNote(c.Days), c.Note) << c.Days;

    SmallBody halley;
    halley.Kind = SmallBodyKind::Comet;
    halley.Designation = "1P";
    halley.Name = "Halley";
    EXPECT_EQ(SmallBodyLabel(halley, 4000.0), "1P/Halley (elemek 11,0 \xE9ve)");
    const auto facts = SmallBodyFacts(halley, NAN, 2.5, 1.25, 0.0);
    EXPECT_EQ(facts[1], "\xFCst\xF6k\xF6s");
    EXPECT_EQ(facts[2], "f\xE9nyess\xE9ge ismeretlen");
    EXPECT_EQ(facts[3], "Napt\xF3l 2,500 CSE");
}

}  // namespace
}  // namespace kolvar
