#pragma once

#include <string>
#include <vector>

#include "canvas/canvas.h"
#include "canvas/colour.h"
#include "chart/chart_frame.h"
#include "chart/sky_projection.h"
#include "chart/view_options.h"

namespace kolvar {

// The coordinate lines over the sky as directions of the observer's frame:
// each line a run of points one degree apart, to be joined in order and cut
// where it leaves the drawable part of a picture.
struct SkyLine {
    std::vector<HorizontalPosition> Points;
    std::string Label;  // written where the line meets the rim (Windows-1250); empty: none
};

enum class SkyLineKind { AltAzGrid, EquatorialGrid, Equator, Ecliptic };

// Altitude circles every 10 degrees and azimuth lines every 15 (up to 80
// degrees, short of the zenith); hour circles of right ascension and
// declination circles every 10 degrees of the date, up to 80 degrees, with
// their values as labels; the equator; the ecliptic of the date.
std::vector<SkyLine> SkyLinesOf(SkyLineKind kind, const ChartFrame& frame, double julianDay);

inline constexpr Colour AltAzGridColour{62, 92, 54};
inline constexpr Colour EquatorialGridColour{38, 92, 112};
inline constexpr Colour EquatorColour{150, 62, 62};
inline constexpr Colour EclipticLineColour{160, 150, 40};
inline constexpr Colour GridLabelColour{80, 160, 190};
inline constexpr int GridLabelSize = 7;

// The lines `lines` turns on, in the order above (the later over the
// earlier), with the equatorial grid's labels just inside the rim: the
// chart's horizon circle or the close-up's border. A label that would
// overlap one already written is left out.
void DrawSkyLines(Canvas& canvas, const SkyProjection& projection, const ChartFrame& frame, double julianDay,
                  const SkyLines& lines);

// Where a label of w x h pixels goes, as its top-left corner, for a line that
// meets the rim at `rim`: moved inward until the whole box lies at least two
// pixels inside the horizon circle, or inside the close-up's window.
ChartPoint RimLabelCorner(const SkyProjection& projection, ChartPoint rim, int w, int h);

}  // namespace kolvar
