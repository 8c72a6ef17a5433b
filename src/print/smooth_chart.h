#pragma once

// The smooth chart style: the same placement as the plain chart (the objects
// table, the frame, the Moon picture), drawn anti-aliased through cairo onto
// an image surface and handed back as the canvas bitmap the window and the
// renderer show. A dark-blue sky inside the horizon, stars as soft discs
// sized by magnitude class and tinted by spectral type, the Sun, the Moon
// with its phase and the planets sized and coloured, deep-sky objects by kind
// symbol, a translucent Milky Way, and every layer the view turns on.

#include <cstdint>

#include "canvas/bitmap.h"
#include "chart/chart_frame.h"
#include "chart/moon_picture.h"
#include "chart/view_options.h"
#include "closeup/close_up_sky.h"
#include "closeup/draw_close_up.h"
#include "sky/sky_scene.h"

namespace kolvar {

// As RedrawChart, in the smooth style; falls back to the plain redraw when
// cairo or the program's faces cannot be opened.
ChartFrame RedrawSmoothChart(const SkyScene& scene, Bitmap& chart, int width, int height, MoonPicture& moon,
                             const ViewOptions& view);

// The redraw of the style `view` asks for: RedrawChart or RedrawSmoothChart.
ChartFrame RedrawStyledChart(const SkyScene& scene, Bitmap& chart, int width, int height, MoonPicture& moon,
                             const ViewOptions& view);

// The close-up of `view` over the whole of a width x height `picture` (sized
// to it), with every layer `options` turns on: in the smooth style (soft
// star discs, translucent Milky Way, anti-aliased lines and labels; zoomed
// in, the deep stars and NGC/IC objects of `deep` anti-aliased too, and
// `deep` filled in as DrawCloseUp fills it), or, in the plain style, as
// DrawCloseUp and DrawViewLayers draw it. Returns the projection drawn
// through.
SkyProjection DrawStyledCloseUp(Bitmap& picture, int width, int height, const HorizontalPosition& view,
                                const CloseUpSky& sky, CloseUpDeep* deep, const ViewOptions& options);

// The radius in pixels of a star's disc of magnitude class `magnitudeClass`
// on a chart whose horizon circle has `chartRadius` pixels: the brighter, the
// larger, and every disc a little larger on a larger chart.
double SmoothStarRadius(int magnitudeClass, int chartRadius);

}  // namespace kolvar
