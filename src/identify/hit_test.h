#pragma once

#include "chart/sky_projection.h"
#include "sky/sky_object_table.h"

namespace kolvar {

// The slot of the visible entry whose pixel under `projection` lies nearest
// to (x, y), by squared distance; no distance limit. Ties go to the lower
// slot (Sun, Moon, planets, stars, deep-sky objects). With nothing visible,
// slot 0 (the Sun), visible or not. A direction the projection cannot show
// lands far outside the picture (or nowhere, NaN) and loses to every other.
int NearestVisibleSlot(const SkyObjectTable& objects, const SkyProjection& projection, int x, int y);

// The entry that a click at pixel (x, y) names, on the main chart (its
// stereographic projection) or in the close-up (its gnomonic one): a copy of
// the nearest visible entry.
SkyObjectEntry HitTest(const SkyObjectTable& objects, const SkyProjection& projection, int x, int y);

}  // namespace kolvar
