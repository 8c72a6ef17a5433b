#pragma once

#include <optional>

#include "canvas/canvas.h"
#include "chart/chart_context.h"

namespace kolvar {

struct ChartCircle {
    double CentreX = 0.0;
    double CentreY = 0.0;
    double Radius = 0.0;
};

// The circle through three chart points; empty when they lie on one line
// (or so nearly that the centre is not finite).
std::optional<ChartCircle> CircleThroughPoints(double x1, double y1, double x2, double y2, double x3,
                                               double y3);

// The ecliptic on the chart: the circle through the Sun's projected places as
// seen from the Earth now and a third of a year before and after.
std::optional<ChartCircle> EclipticCircle(const ChartContext& ctx);

// Yellow ecliptic circle filled navy (visible only in the margin, once the
// horizon disc covers its inside).
void DrawEclipticCircle(Canvas& canvas, const ChartContext& ctx);

// Green cross through the centre from edge to edge: north, south, east, west.
void DrawCardinalCross(Canvas& canvas, const ChartFrame& frame);

// Black sky disc with a cyan rim, 5 pixels beyond the horizon circle.
void DrawHorizonDisc(Canvas& canvas, const ChartFrame& frame);

}  // namespace kolvar
