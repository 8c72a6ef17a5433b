#pragma once

#include <optional>

#include "canvas/bitmap.h"
#include "canvas/canvas.h"
#include "canvas/colour.h"

namespace kolvar {

// Rays of an arc: counter-clockwise on screen from the ray through `start` to
// the ray through `end`, both taken from the ellipse centre.
struct ArcRays {
    int StartX = 0, StartY = 0, EndX = 0, EndY = 0;
};

// The ellipse inscribed in the box (x1, y1)-(x2, y2), right and bottom edges
// excluded (corners in any order). A one-pixel outline is the set of ellipse
// pixels with a 4-neighbour outside the ellipse: 8-connected and closed, so a
// 4-connected surface fill cannot cross it. A wider pen is a ring of that width
// centred on the one-pixel outline and always contains the boundary of its own
// outer region, so it is closed too.
// `brush` fills the inside (none for arcs); `arc` limits the outline to a sweep.
void DrawEllipseShape(Bitmap& bitmap, const Rect& clip, int x1, int y1, int x2, int y2, int penWidth,
                      Colour pen, std::optional<Colour> brush, std::optional<ArcRays> arc);

}  // namespace kolvar
