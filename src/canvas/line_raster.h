#pragma once

#include "canvas/bitmap.h"
#include "canvas/canvas.h"
#include "canvas/colour.h"

namespace kolvar {

// A one-pixel line from (x0, y0) towards (x1, y1), 8-connected, without its end
// point. Only the pixels inside `clip` are visited, however far off the
// end points lie. `clip` must lie inside the bitmap.
void DrawThinLine(Bitmap& bitmap, const Rect& clip, int x0, int y0, int x1, int y1, Colour c);

// A stroke `width` pixels wide with round caps: every pixel whose centre lies
// closer than width/2 to the segment. Odd widths run through pixel centres,
// even widths through pixel corners, so a width-2 stroke is exactly two pixels wide.
void DrawWideLine(Bitmap& bitmap, const Rect& clip, int x0, int y0, int x1, int y1, int width, Colour c);

}  // namespace kolvar
