#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "chart/chart_frame.h"
#include "chart/sky_projection.h"
#include "sky/sky_object_table.h"

namespace kolvar {

// Which names stand on a picture of the sky and where: the choice and
// placement of the written layers, free of any drawing surface, so that the
// screen chart, the close-up and the paper chart place their words alike,
// each measuring text with its own fonts.

enum class SkyLabelKind : std::uint8_t {
    SolarSystem,         // the Sun, the Moon, a planet
    Star,                // proper name or Bayer letter
    DeepSky,             // Messier designation
    Constellation,       // Hungarian name at the label point
    ConstellationRunes,  // the runic name beneath it
    Direction,           // É, K, D, Ny
};

// The faces the labels are written in: plain text is Windows-1250, the
// Symbol face shows Greek letters for Latin ones, the runic face its runes.
inline constexpr std::string_view PlainSkyLabelFace = "Arial";
inline constexpr std::string_view GreekSkyLabelFace = "Symbol";
inline constexpr std::string_view RunicSkyLabelFace = "Runex23x";

struct SkyLabel {
    SkyLabelKind Kind = SkyLabelKind::Star;
    std::string Text;
    std::string_view Face = PlainSkyLabelFace;
    int Size = 0;  // points
    // The text's box: top-left corner and size, in picture pixels.
    int X = 0, Y = 0, Width = 0, Height = 0;
    int Slot = -1;  // objects-table slot of an object label, else -1
};

struct LabelTextSize {
    int Width = 0;
    int Height = 0;
};
// Measures `text` in `face` at `size` points.
using MeasureLabelText = std::function<LabelTextSize(std::string_view face, int size, std::string_view text)>;

// A label size (points) at character size `characterSize` (Betűméret): the
// size itself at the default size 12 (and at 0, no size given), else grown or
// shrunk in proportion and held to 6 .. 24 points so that it stays legible.
int ScaledLabelSize(int size, int characterSize);

struct SkyLabelChoice {
    bool Objects = false;           // object labels
    bool Names = false;             // constellation names
    bool RunicNames = false;        // with the runic name beneath
    double Magnitude = 2.0;         // stars labelled below this magnitude class
    int FaintestMarkerClass = 127;  // objects not marked are not labelled either
    int ObjectSize = 8;             // points
    int NameSize = 9;
};

// The labels of one picture, in placing order: the Sun, the Moon and the
// planets first (in their usual order of brightness), then the
// constellation names by rank (the most prominent first), then stars
// brighter than the limit by brightness, then the Messier objects by
// brightness. An object's label goes beside its marker (right, left, above,
// below, then the four corners: the first place wholly inside the picture,
// and on the chart inside the horizon circle, that overlaps nothing placed
// before); a label with no such place is left out, so no label overprints
// another and the picture is never flooded. A constellation's name is centred on its label point, the
// runic name beneath; both or neither.
std::vector<SkyLabel> PlaceSkyLabels(const SkyObjectTable& objects, const SkyProjection& projection,
                                     const ChartFrame& frame, double julianDay, const SkyLabelChoice& choice,
                                     const MeasureLabelText& measure);

// The direction letters in the chart's margin at the ends of the cardinal
// cross: É (north) beside the top end, D (south) beside the bottom end,
// K (east) above the left end, Ny (west) above the right end.
std::vector<SkyLabel> PlaceDirectionLetters(const ChartFrame& frame, int size,
                                            const MeasureLabelText& measure);

// The text an object is labelled with, and its face; empty when it has none.
struct ObjectLabelText {
    std::string Text;
    std::string_view Face = PlainSkyLabelFace;
};
ObjectLabelText LabelTextOf(const SkyObjectEntry& entry);

}  // namespace kolvar
