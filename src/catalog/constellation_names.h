#pragma once

#include <array>
#include <string>

namespace kolvar {

inline constexpr int ConstellationNameCount = 89;

// Names of one constellation; texts are Windows-1250 bytes.
struct ConstellationName {
    char Abbreviation[4];
    char LatinName[20];
    char Genitive[20];
    char HungarianName[25];
};

// Row 0 is the zodiac pseudo-constellation "Zoo" of the Sun, Moon and planets;
// rows 1..88 follow the Latin names alphabetically, which is NOT the
// catalogue numbering: join the two through the abbreviation.
extern const std::array<ConstellationName, ConstellationNameCount> ConstellationNameTable;

// Abbreviation of a catalogue constellation number 0..88 (0 is "Zoo").
extern const std::array<const char*, ConstellationNameCount> ConstellationAbbreviations;

// Genitive of a catalogue constellation number, found by abbreviation (first
// exact match); " ? " when the number is out of range or nothing matches.
std::string GenitiveOfConstellation(int constellation);

}  // namespace kolvar
