#pragma once

// Comets and minor planets on paper, on the sky sheet and on a finder
// chart: a small ring for a minor planet, a dot with a stroke away from the
// Sun for a comet, a grey ring when the elements are more than a year from
// the instant, the name (and the elements' age) beside it; and the track of
// one body over the coming days with a tick and the date (UT) at each step.

#include "print/finder_chart.h"
#include "print/ink.h"
#include "print/paper_sky.h"
#include "print/paper_small_bodies.h"

namespace kolvar {

// On the sky sheet, as the sheet's instant and frame place them.
void DrawPaperSmallBodies(Ink& ink, const PaperSky& sky, const PaperSmallBodies& bodies);

// On a finder chart at `julianDay`, by their J2000 places.
void DrawFinderSmallBodies(Ink& ink, const FinderGeometry& geometry, const FinderChartRequest& chart,
                           double julianDay, const PaperSmallBodies& bodies);

}  // namespace kolvar
