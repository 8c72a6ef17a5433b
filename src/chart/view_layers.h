#pragma once

#include <functional>
#include <vector>

#include "canvas/bitmap.h"
#include "canvas/canvas.h"
#include "chart/chart_frame.h"
#include "chart/sky_labels.h"
#include "chart/sky_phase.h"
#include "chart/sky_projection.h"
#include "chart/view_options.h"
#include "sky/sky_object_table.h"

namespace kolvar {

// The optional layers over a finished picture of the sky, the chart or the
// close-up. They come after every layer of the plain picture and change no
// pixel they do not cover; the lines and the ring go only over the sky
// (black, the Milky Way, the daylight tint), never over a marker or a disc.

inline constexpr Colour FigureColour{46, 72, 120};
inline constexpr Colour SelectionRingColour{255, 80, 64};
inline constexpr Colour SolarSystemLabelColour{255, 220, 130};
inline constexpr Colour StarLabelColour{190, 190, 190};
inline constexpr Colour DeepSkyLabelColour{140, 200, 140};
inline constexpr Colour ConstellationNameColour{110, 140, 200};
inline constexpr Colour DirectionLetterColour = colours::Green;
inline constexpr int SelectionRingRadius = 7;
inline constexpr int DirectionLetterSize = 12;

// What the layers read: the frame and instant of the chart's last redraw and
// the objects it placed.
struct ViewSky {
    const ChartFrame& Frame;
    double JulianDay;
    const SkyObjectTable& Objects;
};

// The look of the daylight view for the Sun's place in `objects` (slot 0).
DaylightLook DaylightLookFor(const SkyObjectTable& objects);
// The faintest magnitude class a picture marks under `options`.
int FaintestMarkerClassFor(const ViewOptions& options, double sunAltitude);

// The 150 polylines of the 88 constellations, cut where they leave the
// drawable part; a vertex that is a catalogue star stands where that star was
// placed, so the line ends on its marker.
void DrawConstellationFigures(Canvas& canvas, const SkyProjection& projection, const ViewSky& sky,
                              int penWidth = 1);

// A ring around the marker of `slot` when the object is visible and drawable.
void DrawSelectionRing(Canvas& canvas, const SkyProjection& projection, const SkyObjectTable& objects,
                       int slot);

// Text measured with the canvas's own fonts.
MeasureLabelText CanvasTextMeasure(Canvas& canvas);

// Writes the labels in their kinds' colours, over what lies beneath.
void DrawSkyLabels(Canvas& canvas, const std::vector<SkyLabel>& labels);

// The chart's sky inside the horizon circle (`chart`), or the close-up's whole
// sky, takes the daylight colour: black, and the Milky Way while it is hidden.
void TintSky(Bitmap& picture, const SkyProjection& projection, const DaylightLook& look);

// The colour of a local skyline's silhouette: the ground at night.
inline constexpr Colour SkylineColour{34, 30, 24};

// Paints, inside the chart's horizon circle or over the close-up, every pixel
// whose direction lies above the horizon and below the skyline's altitude at
// its azimuth, as the dark silhouette of the local horizon.
void DrawSkyline(Bitmap& picture, const SkyProjection& projection,
                 const std::function<double(double azimuth)>& skyline);

// The comets and minor planets `options` shows, and the track of the one
// followed, over a finished picture.
void DrawSmallBodyLayers(Bitmap& picture, const SkyProjection& projection, const ViewSky& sky,
                         const ViewOptions& options);

// Every layer `options` turns on, in order: the daylight tint, the skyline, the grids and
// lines, the figures and the selection ring, the comets and minor planets, the labels and
// names, the direction letters (chart
// only). The night view is not drawn here: it maps the finished picture, with
// whatever is laid over it (MapToNightPalette).
void DrawViewLayers(Bitmap& picture, const SkyProjection& projection, const ViewSky& sky,
                    const ViewOptions& options);

}  // namespace kolvar
