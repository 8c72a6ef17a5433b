#pragma once

#include "sky/observer_frame.h"

namespace kolvar {

// The pixel geometry of one chart: its size and the horizon circle in it.
struct ChartGeometry {
    int ChartWidth = 0;  // client size at the redraw
    int ChartHeight = 0;
    int CentreX = 0;  // centre of the horizon circle
    int CentreY = 0;
    int ChartRadius = 0;  // radius of the horizon circle
};

// One redraw's geometry with the observer frame it was drawn for; whoever
// redraws keeps the last one for identification and the close-up.
struct ChartFrame : ChartGeometry, ObserverFrame {};

struct ChartPoint {
    float X = 0.0f;
    float Y = 0.0f;
};

// The horizon circle of a chart of the client size.
ChartGeometry ComputeChartGeometry(int chartWidth, int chartHeight);

// A chart of the given geometry drawn for the frame.
ChartFrame FrameOnChart(const ChartGeometry& geometry, const ObserverFrame& frame);

// Geometry from the client size, frame from the observer's place and instant.
ChartFrame ComputeChartFrame(int chartWidth, int chartHeight, const ObserverState& observer);

// Stereographic projection from the nadir: zenith at the centre, horizon on
// the circle of radius ChartRadius, north up, east left.
ChartPoint ProjectToChart(const ChartGeometry& frame, double azimuth, double altitude);

// The inverse; Distance is left 0. The exact centre is the zenith with
// azimuth 0 (any azimuth would name it).
HorizontalPosition ChartToHorizontal(const ChartGeometry& frame, double x, double y);

// Where the segment p1 -> p2 meets the horizon circle: the point of the
// segment on the circle (the first root of the chord, else the second), and
// when rounding has left both ends a hair off one side, the end nearest to
// the circle's meeting with the line. Never off the segment.
ChartPoint HorizonCrossing(const ChartGeometry& frame, ChartPoint p1, ChartPoint p2);

// The point at distance ChartRadius + offset from the centre on the ray through p.
ChartPoint PointBeyondHorizon(const ChartGeometry& frame, ChartPoint p, double offset);

}  // namespace kolvar
