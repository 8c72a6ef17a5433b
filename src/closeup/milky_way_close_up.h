#pragma once

#include <vector>

#include "canvas/canvas.h"
#include "closeup/close_up_sky.h"

namespace kolvar {

// Where an outline of the band crosses the window border.
struct BorderCrossing {
    float X = 0.0f;  // the crossing pixel, rounded
    float Y = 0.0f;
    double Angle = 0.0;    // about the window centre, from straight down toward the right edge
    char Direction = 'o';  // 'o' leaving the window, 'i' entering it
};

// The Milky Way in the close-up: outline (recording the border crossings),
// fill along the border, seed fills, lanes. The window is black beforehand.
void DrawMilkyWayCloseUp(Canvas& canvas, const CloseUpSky& sky, const SkyProjection& window);

// The outline walk alone; appends the crossings.
void DrawCloseUpOutline(Canvas& canvas, const MilkyWayDirections& band, const SkyProjection& window,
                        std::vector<BorderCrossing>& crossings);

// The crossing record of border point c (rounded here).
BorderCrossing MakeBorderCrossing(ChartPoint c, char direction, int width, int height);

// Sorts the crossings by angle and, when they pair up, fills the band along
// the border counter-clockwise from every entering crossing to the next one.
void FillAlongBorder(Canvas& canvas, int width, int height, std::vector<BorderCrossing>& crossings);

}  // namespace kolvar
