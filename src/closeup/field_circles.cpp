#include "closeup/field_circles.h"

#include <cmath>

#include "astro/angles.h"
#include "chart/close_up_frame.h"

namespace kolvar {

double FieldCirclePixels(double diameterDegrees, int width, int height, double zoom) {
    return CloseUpDiagonal(width, height) * zoom * std::tan(0.5 * diameterDegrees * Pi / 180.0);
}

void DrawFieldCircles(Canvas& canvas, int width, int height, double zoom, std::span<const double> diameters) {
    const double cx = 0.5 * width, cy = 0.5 * height;
    // Beyond the half-diagonal a circle around the centre misses every pixel.
    const double reach = 0.5 * std::hypot(width, height) + 2.0;
    canvas.SetPenColour(FieldCircleColour);
    canvas.SetPenWidth(1);
    for (const double diameter : diameters) {
        const double r = FieldCirclePixels(diameter, width, height, zoom);
        if (!(r >= 0.5 && r <= reach)) continue;
        const int left = static_cast<int>(std::lround(cx - r)), top = static_cast<int>(std::lround(cy - r));
        const int right = static_cast<int>(std::lround(cx + r)) + 1;
        const int bottom = static_cast<int>(std::lround(cy + r)) + 1;
        canvas.Arc(left, top, right, bottom, right, top + (bottom - top) / 2, right,
                   top + (bottom - top) / 2);
    }
}

}  // namespace kolvar
