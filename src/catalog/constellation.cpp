#include "catalog/constellation.h"

#include <array>
#include <cstring>

#include "catalog/constellation_hungarian_names.h"

namespace kolvar {

namespace {

template <std::size_t N>
std::string_view Stored(const char (&text)[N]) {
    return {text, strnlen(text, N)};
}

std::array<ConstellationRecord, ConstellationNameCount> BuildRecords() {
    std::array<ConstellationRecord, ConstellationNameCount> records;
    for (int n = 0; n < ConstellationNameCount; ++n) {
        ConstellationRecord& r = records[static_cast<std::size_t>(n)];
        r.Number = n;
        r.Abbreviation = ConstellationAbbreviations[static_cast<std::size_t>(n)];
        for (const ConstellationName& row : ConstellationNameTable) {
            if (Stored(row.Abbreviation) != r.Abbreviation) continue;
            r.Latin = Stored(row.LatinName);
            r.Genitive = Stored(row.Genitive);
            r.TableHungarian = Stored(row.HungarianName);
            break;
        }
        r.Hungarian = HungarianNameOfConstellation(n);
        r.Figure = &ConstellationFigureOf(n);
    }
    return records;
}

}  // namespace

const ConstellationRecord& ConstellationOf(int number) {
    static const std::array<ConstellationRecord, ConstellationNameCount> records = BuildRecords();
    return records[number >= 0 && number < ConstellationNameCount ? static_cast<std::size_t>(number) : 0];
}

}  // namespace kolvar
