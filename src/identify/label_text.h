#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/runic_names.h"
#include "identify/styled_text.h"
#include "sky/sky_object_table.h"

namespace kolvar {

// The rows of the left label of an object: 0 and 1 form the first line, 2
// and 3 the second, 4 the third. Every row not set by kind is an empty
// "Arial" text of `size` points in green.
//  - Sun, Moon, planet: zodiac sign name, sign glyph; body name, body glyph.
//  - Star: Greek letter (Symbol face); suffix, Flamsteed number (only when
//    there is no Bayer row) and constellation genitive; proper name; the
//    cluster name.
//  - Deep-sky object: constellation genitive; popular name; Messier and NGC.
using LabelRows = std::array<LabelRow, 5>;
LabelRows ComposeLabelRows(const SkyObjectEntry& selection, int size);

// The Latin key of the "Symbol" face for a Greek letter name, followed by a
// space: the last of the 24 letter names that the text begins with decides.
// Empty when the text begins with none.
std::string GreekToSymbolLetter(std::string_view name);

// The cluster the selected star belongs to (RunicClusterOfStar): only a star
// of Taurus can be a member; Pleiades take precedence. None for every other
// object.
RunicCluster ClusterMembership(const SkyObjectEntry& selection);

// The object's runic names: table A's matches (the first PrimaryCount), then
// table B's, the constellation's own names and the cluster's names.
RunicNameList CollectRunicNames(const SkyObjectEntry& selection);

// Each runic name as the right label draws it: at most its first 127 bytes,
// reversed, with "=" appended to every name past the primary ones.
std::vector<std::string> RunicLinesAsDrawn(const RunicNameList& names);

// The same names in Latin letters: each one's Hungarian spelling
// (Windows-1250), as the right label draws them in the Latin-letter script.
std::vector<std::string> HungarianLinesAsDrawn(const RunicNameList& names);

// Glyph codes of the runic face for the astronomical symbols.
inline constexpr unsigned char SunGlyph = 149;
inline constexpr unsigned char MoonGlyph = 150;
inline constexpr unsigned char FirstPlanetGlyph = 151;  // + planet index
inline constexpr unsigned char FirstZodiacGlyph = 159;  // + sign index

}  // namespace kolvar
