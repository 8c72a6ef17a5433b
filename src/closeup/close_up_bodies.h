#pragma once

#include <optional>

#include "canvas/canvas.h"
#include "closeup/close_up_sky.h"

namespace kolvar {

// A body's disc in the close-up window.
struct CloseUpDisc {
    double CentreX = 0.0;
    double CentreY = 0.0;
    double Radius = 0.0;
};

// The disc of a body of radius `bodyRadius` (AU) placed in `entry`: the ends
// of its vertical diameter projected, their midpoint and half their distance.
// Empty when the body is not visible, when it lies too far from the view
// axis to reach into the window at all, or when the disc misses the window.
std::optional<CloseUpDisc> CloseUpBodyDisc(const SkyObjectEntry& entry, double bodyRadius,
                                           const SkyProjection& window);

// The yellow Sun disc with its marker.
void DrawCloseUpSun(Canvas& canvas, const CloseUpSky& sky, const SkyProjection& window);

// The Moon disc, painted with the Moon phase picture turned so that the
// picture's top points to the ecliptic north pole; the picture's corner
// colour is transparent.
void DrawCloseUpMoon(Canvas& canvas, const CloseUpSky& sky, const SkyProjection& window);

// Copies `picture` (105 x 105, disc of radius 51 about (52, 52)) into the disc,
// its top turned toward the screen angle g (radians, x right, y down).
void CopyMoonPicture(Canvas& canvas, const Bitmap& picture, const CloseUpDisc& disc, double g);

}  // namespace kolvar
