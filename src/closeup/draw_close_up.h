#pragma once

#include "canvas/canvas.h"
#include "closeup/close_up_sky.h"

namespace kolvar {

// The client size of the close-up window as designed: its outer 439 x 300
// less a window frame of 8 x 27.
inline constexpr int DefaultCloseUpWidth = 431;
inline constexpr int DefaultCloseUpHeight = 273;

inline constexpr Colour GroundColour = Colour::FromColorRef(0x400000);
inline constexpr Colour CloseUpHorizonColour = Colour::FromColorRef(0x800000);

// The whole close-up picture of a width x height window looking at `view`:
// paints in order the black sky over the whole window, the Milky Way, stars,
// deep-sky objects, the planets farther than the Sun, the Sun, the nearer
// planets, the Moon and the ground. Returns the projection it drew through,
// which maps the window's pixels back to the sky until the next drawing.
SkyProjection DrawCloseUp(Canvas& canvas, int width, int height, const HorizontalPosition& view,
                          const CloseUpSky& sky);

// The screen row of the horizon for a view at `altitude` (0 when it lies
// above the window).
double CloseUpHorizonRow(double altitude, int width, int height);

// Darkens the window below the horizon and draws the horizon line.
void DrawCloseUpGround(Canvas& canvas, double viewAltitude, int width, int height);

}  // namespace kolvar
