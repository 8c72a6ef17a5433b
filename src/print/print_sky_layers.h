#pragma once

#include <functional>

// The print chart's drawn layers below the labels, each in black or grey on
// white: the ecliptic, the constellation figures, the horizon circle with
// its azimuth scale and direction letters, the deep-sky symbols and the
// stars. Sizes grow with the layout's scale.

#include "catalog/deep_sky_kind.h"
#include "print/paper_sky.h"

namespace kolvar {

// Radius in points (at scale 1) of the disc of a star of a magnitude class:
// the brighter, the larger; the key shows the same discs.
double StarDiscRadius(int magnitudeClass);

// The point where the great circle from `up` (above the horizon) to `down`
// meets the horizon, on the chart.
PagePoint HorizonPointBetween(const PaperSky& sky, const HorizontalPosition& up,
                              const HorizontalPosition& down);
// A segment between two directions added to the path, cut at the horizon;
// nothing when both are below it.
void AddSegment(Ink& ink, const PaperSky& sky, const HorizontalPosition& a, const HorizontalPosition& b);

void DrawPaperEcliptic(Ink& ink, const PaperSky& sky);
void DrawPaperFigures(Ink& ink, const PaperSky& sky);
void DrawHorizonScale(Ink& ink, const PaperSky& sky);
void DrawDeepSkySymbols(Ink& ink, const PaperSky& sky);
void DrawStarDiscs(Ink& ink, const PaperSky& sky);
// A local skyline as a grey silhouette between the horizon circle and the
// skyline's altitude, over what it hides, with its edge drawn.
void DrawPaperSkyline(Ink& ink, const PaperSky& sky, const std::function<double(double azimuth)>& skyline);

// One deep-sky symbol of `kind`, centred at `at`, `size` points across (the
// key draws them too).
void DrawDeepSkySymbol(Ink& ink, DeepSkyKind kind, PagePoint at, double size);

}  // namespace kolvar
