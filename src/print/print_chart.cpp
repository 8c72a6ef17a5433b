#include "print/print_chart.h"

#include <cmath>
#include <memory>

#include "print/paper_sky.h"
#include "print/print_bodies.h"
#include "print/print_labels.h"
#include "print/print_lines.h"
#include "print/print_milky_way.h"
#include "print/print_sky_layers.h"
#include "print/print_small_bodies.h"
#include "sky/sky_scene.h"

namespace kolvar {

namespace {

constexpr double MilkyWayGrey = 0.87;

// The geometry of the sheet's chart: the page in points, the layout's
// horizon circle.
ChartGeometry SheetGeometry(const PageLayout& layout) {
    ChartGeometry g;
    g.ChartWidth = static_cast<int>(std::lround(layout.Page.Width));
    g.ChartHeight = static_cast<int>(std::lround(layout.Page.Height));
    g.CentreX = layout.CentreX;
    g.CentreY = layout.CentreY;
    g.ChartRadius = layout.Radius;
    return g;
}

}  // namespace

void DrawPrintSheet(Ink& ink, const PageLayout& layout, const PrintRequest& request) {
    const auto scene = std::make_unique<const SkyScene>(ComputeSkyScene(request.Observer));
    const ChartContext chart(SheetGeometry(layout), *scene);
    const ChartFrame& frame = chart.Frame;
    const PaperSky sky{chart, layout, scene->MoonPhase};

    ink.Grey(1.0);
    ink.Paint();
    DrawMilkyWayArea(ink, frame, MilkyWayAreaOf(frame, chart.JulianDay), MilkyWayGrey);
    DrawPaperEcliptic(ink, sky);
    DrawPaperSkyLines(ink, sky, request.Lines, PrintedLineLook());
    DrawPaperFigures(ink, sky);
    DrawHorizonScale(ink, sky);
    DrawDeepSkySymbols(ink, sky);
    DrawStarDiscs(ink, sky);
    DrawPaperBodies(ink, sky);
    DrawPaperSmallBodies(ink, sky, request.SmallBodies);
    if (request.Skyline) DrawPaperSkyline(ink, sky, request.Skyline);
    DrawPaperLabels(ink, sky, request.LabelMagnitude);
    DrawPrintHeader(ink, layout, request.Header);
    DrawPrintKey(ink, layout);
}

}  // namespace kolvar
