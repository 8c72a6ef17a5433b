#pragma once

#include "canvas/bitmap.h"
#include "chart/chart_frame.h"

namespace kolvar {

// The Moon phase picture: 105 x 105 pixels, disc of radius 51 about (52, 52).
inline constexpr int MoonPictureSize = 105;

struct MoonPicture {
    Bitmap Picture;  // composed 105 x 105 picture
    int Left = 0;    // where it is shown over the chart, stretched to Size x Size
    int Top = 0;
    int Size = 0;
};

// The two stored faces, lit and unlit, decoded once from the embedded PNGs.
const Bitmap& LightMoonPicture();
const Bitmap& DarkMoonPicture();

// Cuts the phase picture together from the two faces: the terminator is an
// ellipse of horizontal semi-axis |51 cos phase|; the lit side is on the right
// while the Moon waxes (sin phase < 0). Places it at the lower right of the
// horizon circle with a size of twice ceil(0.14 ChartRadius).
MoonPicture ComposeMoonPicture(const ChartFrame& frame, double phase, const Bitmap& light,
                               const Bitmap& dark);

// Lays the picture over the chart as the main window shows it: stretched to
// Size x Size at (Left, Top), nearest neighbour, clipped to the chart.
void LayMoonPicture(Bitmap& chart, const MoonPicture& moon);

}  // namespace kolvar
