#pragma once

#include <span>

#include "canvas/canvas.h"

namespace kolvar {

inline constexpr Colour FieldCircleColour{255, 110, 90};

// The radius in pixels of a circle `diameterDegrees` of sky across, centred
// on the view axis of a width x height close-up at `zoom`: the gnomonic
// projection maps it to an exact circle of D zoom tan(diameter / 2).
double FieldCirclePixels(double diameterDegrees, int width, int height, double zoom);

// Draws circles of the given true field diameters (degrees) around the
// close-up's centre, as an eyepiece, a finder or a Telrad shows the sky
// there. Circles wholly outside the window are left out.
void DrawFieldCircles(Canvas& canvas, int width, int height, double zoom, std::span<const double> diameters);

}  // namespace kolvar
