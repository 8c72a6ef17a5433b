#pragma once

// One printed sheet of the sky: the same placement as the screen chart (the
// objects table filled by the chart's own layers, the stereographic
// projection with the zenith at the centre, north up, east left), with the
// horizon circle sized to the sheet, drawn in vectors through cairo.

#include <functional>

#include "chart/view_options.h"
#include "print/ink.h"
#include "print/page_layout.h"
#include "print/paper_small_bodies.h"
#include "print/print_header.h"
#include "sky/observer_state.h"

namespace kolvar {

struct PrintRequest {
    ObserverState Observer;  // place and instant (Longitude, Latitude, JulianDay)
    PrintHeader Header;
    double LabelMagnitude = 2.5;  // stars brighter than this are named
    SkyLines Lines;               // grids and lines over the sky
    // A local skyline: its altitude (radians) over an azimuth (radians from
    // north through east); none, the plain horizon.
    std::function<double(double azimuth)> Skyline;
    PaperSmallBodies SmallBodies;  // comets and minor planets
};

// Paints the whole sheet: white ground, Milky Way, ecliptic, the grids and
// lines asked for, figures, the horizon with its scale, deep-sky symbols,
// stars, Sun, Moon and planets, the local skyline over what it hides,
// labels, header and key.
void DrawPrintSheet(Ink& ink, const PageLayout& layout, const PrintRequest& request);

}  // namespace kolvar
