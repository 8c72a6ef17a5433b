#pragma once

// The track of one comet or minor planet among the stars over the coming
// days or weeks: its places from the instant on, drawn as a line in the sky
// of the instant (where the stars stand now), with a tick and the date (UT,
// "12.09.") at each midnight of a step.

#include <span>
#include <string>
#include <vector>

#include "astro/small_body.h"
#include "astro/small_body_place.h"
#include "canvas/canvas.h"
#include "chart/chart_frame.h"
#include "chart/sky_projection.h"

namespace kolvar {

inline constexpr Colour SmallBodyPathColour{200, 200, 90};
inline constexpr double LongestPathDays = 3660.0;

struct SmallBodyTrack {
    std::vector<PathPoint> Line;   // from the instant to its end, a few points a tick
    std::vector<PathPoint> Ticks;  // at 0 h UT, every TickDays
    double TickDays = 1.0;
};

// The days between ticks for a track of `days`: 1 up to 15 days, then about
// 15 ticks, in whole days.
double PathTickDays(double days);

// The track from `julianDay` (UT) for `days` days.
SmallBodyTrack SmallBodyTrackOf(const SmallBody& body, double julianDay, double days);

// "12.09." of a Julian day (UT).
std::string PathDateText(double julianDay);

// Draws the track as the sky of `julianDay` shows it: the line where drawable,
// a tick across it at each tick point and the dates beside them (one that
// would overlap an earlier one is left out).
void DrawSmallBodyTrack(Canvas& canvas, const SkyProjection& projection, const ChartFrame& frame,
                        double julianDay, const SmallBodyTrack& track);

}  // namespace kolvar
