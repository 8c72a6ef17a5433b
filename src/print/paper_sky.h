#pragma once

#include "chart/chart_context.h"
#include "print/ink.h"
#include "print/page_layout.h"

namespace kolvar {

// What the print layers of one page read: the chart frame in page points
// (its centre and radius are the layout's horizon circle) with the instant
// and the objects placed for it, the page's layout, and the Moon's phase
// angle as the placement returned it.
struct PaperSky {
    const ChartContext& Chart;
    const PageLayout& Layout;
    double MoonPhase = 0.0;

    double Scale() const { return Layout.Scale; }
    PagePoint Centre() const {
        return {static_cast<double>(Layout.CentreX), static_cast<double>(Layout.CentreY)};
    }
    PagePoint Project(double azimuth, double altitude) const {
        const ChartPoint p = Chart.Projection.Project(azimuth, altitude);
        return {p.X, p.Y};
    }
    PagePoint Project(const HorizontalPosition& h) const { return Project(h.Azimuth, h.Altitude); }
};

}  // namespace kolvar
