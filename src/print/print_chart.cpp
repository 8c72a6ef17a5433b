#include "print/print_chart.h"

#include <cmath>
#include <memory>

#include "astro/time_scales.h"
#include "chart/draw_sky.h"
#include "print/paper_sky.h"
#include "print/print_bodies.h"
#include "print/print_labels.h"
#include "print/print_lines.h"
#include "print/print_milky_way.h"
#include "print/print_sky_layers.h"
#include "print/print_small_bodies.h"

namespace kolvar {

namespace {

constexpr double MilkyWayGrey = 0.87;

// The chart frame of the sheet: the observer's frame, its geometry the
// layout's horizon circle in page points.
ChartFrame SheetFrame(const PageLayout& layout, ObserverState observer) {
    observer.SiderealAngle = GreenwichSiderealAngle(observer.JulianDay);
    ChartFrame frame = ComputeChartFrame(static_cast<int>(std::lround(layout.Page.Width)),
                                         static_cast<int>(std::lround(layout.Page.Height)), observer);
    frame.CentreX = layout.CentreX;
    frame.CentreY = layout.CentreY;
    frame.ChartRadius = layout.Radius;
    return frame;
}

}  // namespace

void DrawPrintSheet(Ink& ink, const PageLayout& layout, const PrintRequest& request) {
    const ChartFrame frame = SheetFrame(layout, request.Observer);
    const auto objects = std::make_unique<SkyObjectTable>();
    const ChartContext chart{frame, request.Observer.JulianDay, *objects};
    const PaperSky sky{chart, layout, PlaceSkyObjects(chart)};

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
