#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace kolvar {

// Names of catalogue stars, keyed by the Bright Star Catalogue (HR) number.
// Text fields are blank-padded Windows-1250 bytes.
struct ProperNameRecord {
    std::int16_t HrNumber;
    char ProperName[28];  // 27 characters padded with blanks
};

struct BayerRecord {
    std::int16_t HrNumber;
    std::uint8_t GreekLetter;  // 1..24 alpha..omega, 0 for a Latin-letter designation
    char Suffix[5];            // superscript ("1  ") or Latin letters ("c 2"), blank-padded
};

struct FlamsteedRecord {
    std::int16_t HrNumber;
    std::int16_t FlamsteedNumber;
};

extern const std::span<const ProperNameRecord> ProperNameTable;
extern const std::span<const BayerRecord> BayerTable;
extern const std::span<const FlamsteedRecord> FlamsteedTable;

// The one index of the three name tables by HR number: the proper name's
// first row, the Bayer designation's last row (where several match, the
// last one wins) and the Flamsteed number's first row; -1 where none matches.
struct NameRows {
    int Proper = -1, Bayer = -1, Flamsteed = -1;
};
NameRows NameRowsOfHr(int hrNumber);

// Proper name of the first matching row without its padding; empty when none.
std::string ProperNameOf(int hrNumber);

struct BayerDesignation {
    bool Found = false;
    std::string GreekLetter;  // "gamma"; empty for Latin-letter rows
    std::string Suffix;       // "1", "c 2"; empty when there is none
};

// Every matching row is applied in turn, so the last one wins.
BayerDesignation BayerOf(int hrNumber);

struct FlamsteedMatch {
    int Number = 0;    // 0 when the star has none
    int Position = 0;  // row of the match, or the row count when none
};

// First matching row.
FlamsteedMatch FlamsteedOf(int hrNumber);

}  // namespace kolvar
