#pragma once

#include <array>

namespace kolvar {

// The twelve zodiac signs by sign index (0 Aries .. 11 Pisces), texts
// zero-padded Windows-1250; the labels show only the Hungarian name.
struct ZodiacSign {
    char Abbreviation[4];
    char LatinName[15];
    char HungarianName[15];
};
extern const std::array<ZodiacSign, 12> ZodiacSignNames;

}  // namespace kolvar
