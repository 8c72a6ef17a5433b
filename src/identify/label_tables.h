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

// A Greek letter name and the Latin key that shows that letter in the
// "Symbol" face.
struct SymbolLetter {
    char GreekName[8];
    char Letter;
};
extern const std::array<SymbolLetter, 24> SymbolLetterTable;

}  // namespace kolvar
