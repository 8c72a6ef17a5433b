#pragma once

#include "canvas/bitmap.h"
#include "canvas/canvas.h"
#include "canvas/colour.h"

namespace kolvar {

// Paints with `brush` the 4-connected area of pixels of exactly `surface`
// colour that contains (x, y), limited to `clip` (which lies inside the bitmap).
// A start pixel of another colour, or outside the clip box, paints nothing.
// Scanline algorithm over an explicit stack: no recursion, no depth limit.
void FloodFillSurfaceArea(Bitmap& bitmap, const Rect& clip, int x, int y, Colour surface, Colour brush);

}  // namespace kolvar
