#pragma once

// One record of everything the program knows of a constellation, by the
// catalogues' number (1..88; 0 is the zodiac pseudo-constellation "Zoo" of
// the Sun, the Moon and the planets): the name table's row joined to the
// number through the abbreviation, the Hungarian name the chart writes (its
// runic one: RunicNameOfConstellation), and its figure with its label points. Texts are Windows-1250
// bytes as the tables hold them (the name table's padded as stored).

#include <string_view>

#include "catalog/constellation_figures.h"
#include "catalog/constellation_names.h"

namespace kolvar {

struct ConstellationRecord {
    int Number = 0;
    std::string_view Abbreviation;
    std::string_view Latin, Genitive;  // of the name table; empty when it lacks the abbreviation
    std::string_view TableHungarian;   // the name table's Hungarian name, as it spells it
    std::string_view Hungarian;        // the name the chart writes (empty for 0)
    const ConstellationFigure* Figure = nullptr;
};

// The record of catalogue constellation 0..88; that of 0 for any other
// number. Built on first use.
const ConstellationRecord& ConstellationOf(int number);

}  // namespace kolvar
