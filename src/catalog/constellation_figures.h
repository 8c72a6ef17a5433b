#pragma once

#include <cstdint>
#include <span>

namespace kolvar {

inline constexpr int FigureVertexCount = 893;
inline constexpr int FigurePolylineCount = 150;
inline constexpr int ConstellationLabelCount = 89;  // Serpens has two, one per half

// A vertex that is not a catalogue star.
inline constexpr std::int16_t NoStar = -1;

// One vertex of a constellation figure. When Star is a StarCatalogue index
// the vertex is that star: draw it where the star's marker stands, so the
// line ends exactly on it. Otherwise the position is the only place it has.
struct FigureVertex {
    std::int16_t Star;     // StarCatalogue index, or NoStar
    float RightAscension;  // radians 0..2 pi, equinox 2000 (the figure source's own position;
    float Declination;     // for a star vertex within 10 arc seconds of the star)
};

// An open polyline; a closed loop repeats its first vertex at the end.
using FigurePolyline = std::span<const FigureVertex>;

struct ConstellationLabelPoint {
    float RightAscension;  // radians 0..2 pi, equinox 2000
    float Declination;
};

struct ConstellationFigure {
    std::span<const FigurePolyline> Lines;
    // One point; two for Serpens, Caput first, then Cauda.
    std::span<const ConstellationLabelPoint> Labels;
    // 1 the most prominent constellations, 2, 3 the least: which to name
    // first when there is no room for all.
    int Rank;
};

// Figure and label points of catalogue constellation 1..88 (numbering of
// ConstellationAbbreviations); an empty figure with rank 0 for any other number.
const ConstellationFigure& ConstellationFigureOf(int constellation);

}  // namespace kolvar
