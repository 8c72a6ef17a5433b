#include "print/print_sky_layers.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "astro/angles.h"
#include "astro/spherical_position.h"
#include "catalog/constellation_figures.h"
#include "catalog/deep_sky_catalogue.h"
#include "catalog/star_catalogue.h"
#include "chart/background_layers.h"

namespace kolvar {

namespace {

constexpr double FigureGrey = 0.55;
constexpr double EclipticGrey = 0.35;

PagePoint OnCircle(PagePoint centre, double radius, double azimuth) {
    // Azimuth from north (up) through east (left), as the chart is drawn.
    return {centre.X - radius * std::sin(azimuth), centre.Y - radius * std::cos(azimuth)};
}

}  // namespace

PagePoint HorizonPointBetween(const PaperSky& sky, const HorizontalPosition& up,
                              const HorizontalPosition& down) {
    const std::array<double, 3> u = HorizontalVector(up.Azimuth, up.Altitude);
    const std::array<double, 3> v = HorizontalVector(down.Azimuth, down.Altitude);
    const double t = u[2] / (u[2] - v[2]);
    return sky.Project(std::atan2(u[1] + t * (v[1] - u[1]), u[0] + t * (v[0] - u[0])), 0.0);
}

void AddSegment(Ink& ink, const PaperSky& sky, const HorizontalPosition& a, const HorizontalPosition& b) {
    const bool aUp = a.Altitude >= 0.0, bUp = b.Altitude >= 0.0;
    if (!aUp && !bUp) return;
    ink.MoveTo(aUp ? sky.Project(a) : HorizonPointBetween(sky, b, a));
    ink.LineTo(bUp ? sky.Project(b) : HorizonPointBetween(sky, a, b));
}

double StarDiscRadius(int magnitudeClass) { return 0.45 + 0.34 * (6 - std::clamp(magnitudeClass, -1, 6)); }

void DrawPaperEcliptic(Ink& ink, const PaperSky& sky) {
    const std::optional<ChartCircle> circle = EclipticCircle(sky.Chart);
    if (!circle) return;  // it passes through the nadir: a line the chart cannot place
    const double s = sky.Scale();
    ink.Save();
    ink.Circle(sky.Centre(), sky.Layout.Radius);
    ink.Clip();
    ink.Circle({circle->CentreX, circle->CentreY}, circle->Radius);
    ink.Grey(EclipticGrey);
    ink.LineWidth(0.7 * s);
    ink.Dash({4.0 * s, 2.5 * s});
    ink.Stroke();
    ink.Restore();
}

void DrawPaperFigures(Ink& ink, const PaperSky& sky) {
    const ChartContext& chart = sky.Chart;
    const auto directionOf = [&chart](const FigureVertex& v) {
        if (v.Star != NoStar) {
            const SkyObjectEntry& e = chart.Objects[static_cast<std::size_t>(FirstStarSlot + v.Star)];
            return HorizontalPosition{e.Azimuth, e.Altitude, e.Distance};
        }
        return EquatorialToHorizontal(chart.Frame, v.RightAscension, v.Declination, InfinitelyFar,
                                      chart.JulianDay, Equinox::Catalogue);
    };
    for (int c = 1; c <= 88; ++c) {
        for (const FigurePolyline& line : ConstellationFigureOf(c).Lines) {
            HorizontalPosition previous = directionOf(line.front());
            for (std::size_t i = 1; i < line.size(); ++i) {
                const HorizontalPosition here = directionOf(line[i]);
                AddSegment(ink, sky, previous, here);
                previous = here;
            }
        }
    }
    ink.Grey(FigureGrey);
    ink.LineWidth(0.6 * sky.Scale());
    ink.RoundEnds();
    ink.Stroke();
}

void DrawHorizonScale(Ink& ink, const PaperSky& sky) {
    const double s = sky.Scale(), r = sky.Layout.Radius;
    const PagePoint centre = sky.Centre();
    ink.Grey(0.0);
    ink.Circle(centre, r);
    ink.LineWidth(1.1 * s);
    ink.Stroke();
    // Ticks every 5 degrees, longer every 10, numbered every 30 between the
    // four directions, which have their letters instead.
    for (int degrees = 0; degrees < 360; degrees += 5) {
        const double a = degrees * Pi / 180.0;
        const double length = (degrees % 10 == 0 ? 5.0 : 3.0) * s;
        ink.MoveTo(OnCircle(centre, r, a));
        ink.LineTo(OnCircle(centre, r + length, a));
    }
    ink.LineWidth(0.5 * s);
    ink.Stroke();
    const double numberSize = 6.5 * s;
    for (int degrees = 30; degrees < 360; degrees += 30) {
        if (degrees % 90 == 0) continue;
        const PagePoint p = OnCircle(centre, r + 11.0 * s, degrees * Pi / 180.0);
        const double half = ink.Fonts().Ascent(PrintFace::Plain, numberSize) * 0.36;
        ink.Text(PrintFace::Plain, numberSize, {p.X, p.Y + half}, std::to_string(degrees),
                 TextAnchor::Centre);
    }
    // North, east, south, west: É, K, D, Ny.
    const std::pair<int, const char*> letters[] = {{0, "\xC9"}, {90, "K"}, {180, "D"}, {270, "Ny"}};
    const double letterSize = 14.0 * s;
    const double half = ink.Fonts().Ascent(PrintFace::Plain, letterSize) * 0.36;  // half a capital's height
    for (const auto& [degrees, letter] : letters) {
        // The letter's near edge a little beyond the longest ticks.
        const double across =
            degrees % 180 == 0 ? half : ink.TextWidth(PrintFace::Plain, letterSize, letter) / 2;
        const PagePoint p = OnCircle(centre, r + 8.0 * s + across, degrees * Pi / 180.0);
        ink.Text(PrintFace::Plain, letterSize, {p.X, p.Y + half}, letter, TextAnchor::Centre);
    }
}

void DrawDeepSkySymbol(Ink& ink, DeepSkyKind kind, PagePoint at, double size) {
    const double d = size / 2;
    switch (kind) {
        case DeepSkyKind::Galaxy:
            ink.Ellipse(at, d * 1.25, d * 0.6, -0.5);
            break;
        case DeepSkyKind::OpenCluster:
        case DeepSkyKind::GlobularCluster:
            ink.Circle(at, d);
            break;
        case DeepSkyKind::Nebula:
            ink.Rectangle(at.X - d * 0.9, at.Y - d * 0.9, d * 1.8, d * 1.8);
            break;
        case DeepSkyKind::PlanetaryNebula:
            ink.Circle(at, d * 0.6);
            break;
        case DeepSkyKind::Other:
            ink.MoveTo({at.X, at.Y - d});
            ink.LineTo({at.X + d, at.Y});
            ink.LineTo({at.X, at.Y + d});
            ink.LineTo({at.X - d, at.Y});
            ink.ClosePath();
            break;
    }
    ink.Grey(1.0);
    ink.FillPreserve();
    ink.Grey(0.0);
    ink.LineWidth(size * 0.12);
    if (kind == DeepSkyKind::OpenCluster) ink.Dash({size * 0.2, size * 0.14});
    ink.Stroke();
    ink.Dash({});
    if (kind == DeepSkyKind::GlobularCluster) {
        ink.MoveTo({at.X - d, at.Y});
        ink.LineTo({at.X + d, at.Y});
        ink.MoveTo({at.X, at.Y - d});
        ink.LineTo({at.X, at.Y + d});
    } else if (kind == DeepSkyKind::PlanetaryNebula) {
        for (const auto& [dx, dy] : {std::pair{1.0, 0.0}, {-1.0, 0.0}, {0.0, 1.0}, {0.0, -1.0}}) {
            ink.MoveTo({at.X + dx * d * 0.6, at.Y + dy * d * 0.6});
            ink.LineTo({at.X + dx * d * 1.1, at.Y + dy * d * 1.1});
        }
    }
    ink.Stroke();
}

void DrawDeepSkySymbols(Ink& ink, const PaperSky& sky) {
    const double size = 5.5 * sky.Scale();
    for (int i = 0; i < DeepSkyCount; ++i) {
        const SkyObjectEntry& e = sky.Chart.Objects[static_cast<std::size_t>(FirstDeepSkySlot + i)];
        if (e.Visible) DrawDeepSkySymbol(ink, DeepSkyKindOf(i), sky.Project(e.Azimuth, e.Altitude), size);
    }
}

void DrawStarDiscs(Ink& ink, const PaperSky& sky) {
    // A white ring around every disc first, so that a star stands clear of
    // the lines and of the Milky Way, and close neighbours keep their discs.
    const double s = sky.Scale();
    for (const bool disc : {false, true}) {
        for (int i = 0; i < StarCount; ++i) {
            const SkyObjectEntry& e = sky.Chart.Objects[static_cast<std::size_t>(FirstStarSlot + i)];
            if (!e.Visible) continue;
            const double r = StarDiscRadius(StarCatalogue[static_cast<std::size_t>(i)].MagnitudeClass) * s;
            ink.Circle(sky.Project(e.Azimuth, e.Altitude), disc ? r : r + 0.6 * s);
        }
        ink.Grey(disc ? 0.0 : 1.0);
        ink.Fill();
    }
}

void DrawPaperSkyline(Ink& ink, const PaperSky& sky, const std::function<double(double azimuth)>& skyline) {
    // The skyline by the degree (a file's points lie on whole degrees or
    // between them; straight lines in azimuth bend on the chart anyway).
    constexpr int Steps = 720;
    std::vector<PagePoint> edge;
    edge.reserve(Steps);
    for (int k = 0; k < Steps; ++k) {
        const double azimuth = 2 * Pi * k / Steps;
        edge.push_back(sky.Project(azimuth, std::clamp(skyline(azimuth), 0.0, Pi / 2)));
    }
    const auto trace = [&] {
        ink.MoveTo(edge.front());
        for (const PagePoint& p : edge) ink.LineTo(p);
        ink.ClosePath();
    };
    ink.Save();
    ink.Circle(sky.Centre(), sky.Layout.Radius);
    trace();
    ink.EvenOdd(true);
    ink.Grey(0.72);
    ink.Fill();
    ink.Restore();
    trace();
    ink.Grey(0.25);
    ink.LineWidth(0.6 * sky.Scale());
    ink.Stroke();
}

}  // namespace kolvar
