#pragma once

#include <array>

#include "chart/chart_frame.h"

namespace kolvar {

// The close-up looks along W with U to the right and V down the screen, all
// unit vectors in horizontal Cartesian axes (HorizontalVector).
struct CloseUpFrame {
    std::array<double, 3> U{};  // screen right
    std::array<double, 3> V{};  // screen down
    std::array<double, 3> W{};  // view axis
    double Zoom = 1.0;          // magnification over the close-up's own scale
};

// Where a direction 90 degrees or more from the view axis projects: far
// outside every window.
inline constexpr float CloseUpFarAway = 2147483648.0f;

// The frame of a view centred on (azimuth, altitude) of `view`.
CloseUpFrame ComputeCloseUpFrame(const HorizontalPosition& view);

// Gnomonic projection into a width x height window: the view centre at the
// window centre, Zoom D tan t pixels out at angle t from it, D the window
// diagonal, so at Zoom 1 the half-diagonal always spans atan(1/2). Higher altitude is
// up, larger azimuth to the right.
ChartPoint ProjectCloseUp(const CloseUpFrame& frame, double azimuth, double altitude, int width, int height);

// The direction of window pixel (x, y); Distance is left 0.
HorizontalPosition UnprojectCloseUp(const CloseUpFrame& frame, double x, double y, int width, int height);

// The angle (radians) between a direction and the view axis.
double AngleFromViewAxis(const CloseUpFrame& frame, double azimuth, double altitude);

// The window diagonal D in pixels.
double CloseUpDiagonal(int width, int height);

// Where the segment p1 -> p2 leaves or enters a width x height window: the
// first of the lines x = 0, x = W - 1, y = 0, y = H - 1 (in that order) that
// the segment meets, or the segment's midpoint when it meets none.
ChartPoint ClipSegmentToWindow(ChartPoint p1, ChartPoint p2, int width, int height);

}  // namespace kolvar
