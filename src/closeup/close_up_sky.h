#pragma once

#include "canvas/bitmap.h"
#include "chart/chart_frame.h"
#include "chart/sky_object_table.h"
#include "closeup/sky_directions.h"
#include "closeup/view_frame.h"

namespace kolvar {

// What the close-up draws from: the main chart's last redraw. The close-up is
// modal over the main window, so these do not change while it is open.
struct CloseUpSky {
    const ChartFrame& Chart;        // observer frame of the redraw
    double JulianDay;               // its instant
    const SkyObjectTable& Objects;  // every object as it placed it
    const Bitmap& MoonPicture;      // the 105 x 105 Moon phase picture
    const MilkyWayDirections& MilkyWay;  // its Milky Way lists, turned once for all drawings
};

// The window the close-up draws into: the view frame and the client size.
struct CloseUpWindow {
    const CloseUpFrame& Frame;
    int Width;
    int Height;

    ChartPoint Project(double azimuth, double altitude) const {
        return ProjectCloseUp(Frame, azimuth, altitude, Width, Height);
    }
    // Strictly inside the border pixels.
    bool Inside(ChartPoint p) const {
        return p.X > 0.0f && p.X < Width - 1.0 && p.Y > 0.0f && p.Y < Height - 1.0;
    }
};

}  // namespace kolvar
