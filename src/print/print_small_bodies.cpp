#include "print/print_small_bodies.h"

#include <cmath>
#include <functional>
#include <optional>
#include <string>

#include "chart/small_body_layer.h"
#include "chart/small_body_path.h"
#include "texts/small_body_texts.h"

namespace kolvar {

namespace {

// Where a place lands on the page, or nothing where the chart does not show it.
using PageOf =
    std::function<std::optional<PagePoint>(double raOfDate, double decOfDate, const SmallBodyPlace& place)>;

void DrawMarks(Ink& ink, const std::vector<SmallBody>& bodies, const std::vector<PlacedSmallBody>& placed,
               const PageOf& page, double s) {
    for (const PlacedSmallBody& b : placed) {
        const SmallBodyPlace& p = b.Place;
        const std::optional<PagePoint> at = page(p.OfDate.Longitude, p.OfDate.Latitude, p);
        if (!at) continue;
        const SmallBody& body = bodies[b.Body];
        ink.Circle(*at, 2.6 * s);
        ink.Grey(1.0);
        ink.Fill();
        ink.Grey(0.0);
        if (body.Kind == SmallBodyKind::Comet) {
            ink.Circle(*at, 1.5 * s);
            ink.Fill();
            double ra = 0.0, dec = 0.0;
            if (TailDirection(p, ra, dec)) {
                if (const std::optional<PagePoint> tail = page(ra, dec, p)) {
                    const double dx = tail->X - at->X, dy = tail->Y - at->Y;
                    const double n = std::hypot(dx, dy);
                    if (n > 1e-9) {
                        ink.LineWidth(0.6 * s);
                        ink.MoveTo(*at);
                        ink.LineTo({at->X + dx / n * 9.0 * s, at->Y + dy / n * 9.0 * s});
                        ink.Stroke();
                    }
                }
            }
        } else {
            ink.LineWidth(0.6 * s);
            ink.Circle(*at, 1.8 * s);
            ink.Stroke();
        }
        if (StaleElements(p.EpochAgeDays)) {
            ink.Grey(0.5);
            ink.LineWidth(0.4 * s);
            ink.Circle(*at, 3.6 * s);
            ink.Stroke();
            ink.Grey(0.0);
        }
        ink.Text(PrintFace::Plain, 5.5 * s, {at->X + 4.5 * s, at->Y + 2.0 * s},
                 SmallBodyLabel(body, p.EpochAgeDays));
    }
}

void DrawTrack(Ink& ink, const SmallBodyTrack& track, const PageOf& page, double s) {
    ink.Grey(0.35);
    ink.LineWidth(0.5 * s);
    bool drawing = false;
    for (const PathPoint& p : track.Line) {
        const std::optional<PagePoint> at =
            p.Place.Valid ? page(p.Place.OfDate.Longitude, p.Place.OfDate.Latitude, p.Place) : std::nullopt;
        if (!at) {
            drawing = false;
            continue;
        }
        if (drawing)
            ink.LineTo(*at);
        else
            ink.MoveTo(*at);
        drawing = true;
    }
    ink.Stroke();
    for (std::size_t k = 0; k < track.Ticks.size(); ++k) {
        const SmallBodyPlace& p = track.Ticks[k].Place;
        if (!p.Valid) continue;
        const std::optional<PagePoint> at = page(p.OfDate.Longitude, p.OfDate.Latitude, p);
        if (!at) continue;
        const std::size_t other = k + 1 < track.Ticks.size() ? k + 1 : (k > 0 ? k - 1 : k);
        const SmallBodyPlace& q = track.Ticks[other].Place;
        std::optional<PagePoint> next =
            q.Valid ? page(q.OfDate.Longitude, q.OfDate.Latitude, q) : std::nullopt;
        double nx = 0.0, ny = -1.0;
        if (next && other != k) {
            const double dx = next->X - at->X, dy = next->Y - at->Y, n = std::hypot(dx, dy);
            if (n > 1e-9) {
                nx = -dy / n;
                ny = dx / n;
            }
        }
        ink.MoveTo({at->X - nx * 2.0 * s, at->Y - ny * 2.0 * s});
        ink.LineTo({at->X + nx * 2.0 * s, at->Y + ny * 2.0 * s});
        ink.Stroke();
        ink.Text(PrintFace::Plain, 4.5 * s, {at->X + nx * 3.5 * s, at->Y + ny * 3.5 * s + 1.5 * s},
                 PathDateText(track.Ticks[k].JulianDay), nx < 0 ? TextAnchor::Right : TextAnchor::Left);
    }
}

void DrawAll(Ink& ink, const PaperSmallBodies& bodies, const ChartFrame& frame, double julianDay,
             const PageOf& page, double s) {
    if (!bodies.Any()) return;
    ink.Save();
    if (bodies.PathBody >= 0 && static_cast<std::size_t>(bodies.PathBody) < bodies.Bodies->size())
        DrawTrack(ink,
                  SmallBodyTrackOf((*bodies.Bodies)[static_cast<std::size_t>(bodies.PathBody)], julianDay,
                                   bodies.PathDays),
                  page, s);
    if (bodies.Shown)
        DrawMarks(ink, *bodies.Bodies, PlaceSmallBodies(frame, julianDay, *bodies.Bodies, bodies.Magnitude),
                  page, s);
    ink.Restore();
}

}  // namespace

void DrawPaperSmallBodies(Ink& ink, const PaperSky& sky, const PaperSmallBodies& bodies) {
    const ChartContext& chart = sky.Chart;
    const PageOf page = [&](double ra, double dec, const SmallBodyPlace& p) -> std::optional<PagePoint> {
        const HorizontalPosition h =
            EquatorialToHorizontal(chart.Frame, ra, dec, p.OfDate.Distance, chart.JulianDay, Equinox::OfDate);
        if (h.Altitude < 0.0) return std::nullopt;
        return sky.Project(h);
    };
    DrawAll(ink, bodies, chart.Frame, chart.JulianDay, page, sky.Scale());
}

void DrawFinderSmallBodies(Ink& ink, const FinderGeometry& geometry, const FinderChartRequest& chart,
                           double julianDay, const PaperSmallBodies& bodies) {
    // The finder is drawn in J2000: each place by its astrometric direction,
    // a point of date (the tail's) moved by the same offset.
    const PageOf page = [&](double ra, double dec, const SmallBodyPlace& p) -> std::optional<PagePoint> {
        return FinderProject(geometry, chart.RightAscension, chart.Declination,
                             p.RightAscension + (ra - p.OfDate.Longitude),
                             p.Declination + (dec - p.OfDate.Latitude));
    };
    DrawAll(ink, bodies, ChartFrame{}, julianDay, page, geometry.Chart.Width / 500.0);
}

}  // namespace kolvar
