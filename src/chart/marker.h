#pragma once

#include "canvas/canvas.h"
#include "canvas/colour.h"
#include "chart/sky_projection.h"
#include "sky/sky_object_table.h"

namespace kolvar {

// Marker colour of a star: the magnitude picks one of eight brightness bands,
// the (upper-case) spectral letter the tint.
Colour StarColour(double magnitude, char letter);

// The colour DrawMarker uses for an object of the given kind and index.
Colour MarkerColour(int kind, int index);

// The plus-shaped five-pixel marker. Nothing is drawn at x <= 0 or y <= 0.
// The centre is OR-ed into what lies beneath, the arms overwrite.
void DrawMarker(Canvas& canvas, int x, int y, int kind, int index);

// The marker of an object of `kind` and `index` at a direction, at its pixel
// under `projection` truncated toward zero.
void DrawMarkerAt(Canvas& canvas, const SkyProjection& projection, double azimuth, double altitude, int kind,
                  int index);

// A placed object's marker, in either view: drawn only when the object is
// above the horizon (Visible).
void MarkObject(Canvas& canvas, const SkyProjection& projection, const SkyObjectEntry& entry);

// The magnitude class of a star or deep-sky object; the Sun, the Moon and the
// planets count as brighter than anything.
int MagnitudeClassOf(const SkyObjectEntry& entry);

// Whether a placed object is marked under a limit: the Sun, the Moon and the
// planets always, stars and deep-sky objects up to that magnitude class.
inline bool MarkedUnder(const SkyObjectEntry& entry, int faintestClass) {
    return MagnitudeClassOf(entry) <= faintestClass;
}

}  // namespace kolvar
