#pragma once

#include "canvas/canvas.h"
#include "closeup/close_up_sky.h"
#include "closeup/deep_layers.h"

namespace kolvar {

// The client size of the close-up window as designed: its outer 439 x 300
// less a window frame of 8 x 27.
inline constexpr int DefaultCloseUpWidth = 431;
inline constexpr int DefaultCloseUpHeight = 273;

inline constexpr Colour GroundColour = Colour::FromColorRef(0x400000);
inline constexpr Colour CloseUpHorizonColour = Colour::FromColorRef(0x800000);

// The deep layers of a zoomed close-up: how far it is zoomed, the deep star
// file and the magnitude limit to draw with; the drawing fills in the field
// it showed and how, for the objects table and the hit test.
struct CloseUpDeep {
    double Zoom = 1.0;                    // 1 is the close-up's own scale, which draws no deep layer
    const DeepStarFile* Stars = nullptr;  // none, or one that failed: the NGC/IC objects alone
    float MagnitudeLimit = 0.0f;          // 0: FieldMagnitudeLimit of the field
    DeepFieldContents Field;
    DeepProjection Projection;
    std::vector<DrawnDeepObject> Drawn;
};

// The field of a close-up across its width, in degrees, at `zoom`.
double CloseUpFieldDegrees(int width, int height, double zoom);
// The zoom that makes the close-up `fieldDegrees` across its width.
double CloseUpZoomFor(double fieldDegrees, int width, int height);

// The whole close-up picture of a width x height window looking at `view`:
// paints in order the black sky over the whole window, the Milky Way, stars,
// deep-sky objects, the planets farther than the Sun, the Sun, the nearer
// planets, the Moon and the ground. Returns the projection it drew through,
// which maps the window's pixels back to the sky until the next drawing.
// With `deep` zoomed in, the view is magnified and its deep stars and
// objects are drawn after the Milky Way, under the bright catalogue's
// markers and the bodies.
SkyProjection DrawCloseUp(Canvas& canvas, int width, int height, const HorizontalPosition& view,
                          const CloseUpSky& sky, CloseUpDeep* deep = nullptr);

// The turn from J2000 directions to the pixels of a width x height close-up
// in `frame` (its zoom included), as the deep layers place their stars:
// Unproject of the centre is the view's J2000 direction.
DeepProjection CloseUpDeepProjection(const CloseUpFrame& frame, const CloseUpSky& sky, int width, int height);

// The deep stars and objects in the field of a width x height close-up in
// `frame` (zoomed in), into `deep`'s projection and field; returns the
// magnitude limit they are drawn to.
float QueryCloseUpDeepField(int width, int height, const CloseUpFrame& frame, const CloseUpSky& sky,
                            CloseUpDeep& deep);

// The screen row of the horizon for a view at `altitude` (0 when it lies
// above the window).
double CloseUpHorizonRow(double altitude, int width, int height, double zoom = 1.0);

// Darkens the window below the horizon and draws the horizon line.
void DrawCloseUpGround(Canvas& canvas, double viewAltitude, int width, int height, double zoom = 1.0);

}  // namespace kolvar
