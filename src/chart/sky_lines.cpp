#include "chart/sky_lines.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

#include "astro/angles.h"
#include "astro/spherical_position.h"
#include "astro/transforms.h"
#include "canvas/clip.h"
#include "chart/pixel_rules.h"
#include "chart/polyline_walk.h"

namespace kolvar {

// Each line is walked on its own, so its points share one letter.
inline std::int32_t LetterOf(const HorizontalPosition&) { return 'G'; }

namespace {

HorizontalPosition OfDate(const ChartFrame& frame, double julianDay, double ra, double dec) {
    return EquatorialToHorizontal(frame, ra, dec, InfinitelyFar, julianDay, Equinox::OfDate);
}

std::string DegreesText(int degrees) {
    std::string text = degrees > 0 ? "+" : degrees < 0 ? "-" : "";
    text += std::to_string(std::abs(degrees));
    text += '\xB0';  // the degree sign in Windows-1250
    return text;
}

// A circle of constant declination (or altitude) sampled every degree, closed.
template <typename At>
SkyLine Circle(At at, std::string label) {
    SkyLine line{{}, std::move(label)};
    line.Points.reserve(361);
    for (int d = 0; d <= 360; ++d) line.Points.push_back(at(d * RadiansPerDegree));
    return line;
}

}  // namespace

std::vector<SkyLine> SkyLinesOf(SkyLineKind kind, const ChartFrame& frame, double julianDay) {
    std::vector<SkyLine> lines;
    switch (kind) {
        case SkyLineKind::AltAzGrid:
            for (int alt = 10; alt <= 80; alt += 10)
                lines.push_back(Circle(
                    [alt](double az) {
                        return HorizontalPosition{az, alt * RadiansPerDegree, InfinitelyFar};
                    },
                    {}));
            for (int az = 0; az < 360; az += 15) {
                SkyLine line;
                // From just below the horizon, so the walk cuts the line at the rim.
                for (int alt = -2; alt <= 80; ++alt)
                    line.Points.push_back({az * RadiansPerDegree, alt * RadiansPerDegree, InfinitelyFar});
                lines.push_back(std::move(line));
            }
            break;
        case SkyLineKind::EquatorialGrid:
            for (int hour = 0; hour < 24; ++hour) {
                SkyLine line{{}, std::to_string(hour) + "h"};
                for (int dec = -80; dec <= 80; ++dec)
                    line.Points.push_back(
                        OfDate(frame, julianDay, hour * RadiansPerHour, dec * RadiansPerDegree));
                lines.push_back(std::move(line));
            }
            for (int dec = -80; dec <= 80; dec += 10)
                lines.push_back(
                    Circle([&](double ra) { return OfDate(frame, julianDay, ra, dec * RadiansPerDegree); },
                           DegreesText(dec)));
            break;
        case SkyLineKind::Equator:
            lines.push_back(Circle([&](double ra) { return OfDate(frame, julianDay, ra, 0.0); }, {}));
            break;
        case SkyLineKind::Ecliptic:
            // The Sun seen from every point of a circular orbit: the ecliptic of
            // the date, the same great circle as the chart's ecliptic circle.
            lines.push_back(Circle(
                [&](double longitude) {
                    const SphericalPosition p =
                        HeliocentricToEquatorial(SphericalPosition{}, SphericalPosition{longitude, 0.0, 1.0});
                    return OfDate(frame, julianDay, p.Longitude, p.Latitude);
                },
                {}));
            break;
    }
    return lines;
}

ChartPoint RimLabelCorner(const SkyProjection& projection, ChartPoint rim, int w, int h) {
    if (projection.Type() == SkyProjection::Kind::Gnomonic) {
        const double x = std::clamp(rim.X - w / 2.0, 2.0, std::max(2.0, projection.Width() - w - 2.0));
        const double y = std::clamp(rim.Y - h / 2.0, 2.0, std::max(2.0, projection.Height() - h - 2.0));
        return {static_cast<float>(x), static_cast<float>(y)};
    }
    const ChartFrame& f = projection.Chart();
    const double dx = f.CentreX - static_cast<double>(rim.X), dy = f.CentreY - static_cast<double>(rim.Y);
    const double length = std::max(1.0, std::hypot(dx, dy));
    // The box's centre goes inward by half its diagonal and a margin, so no
    // corner reaches the circle.
    const double inward = std::hypot(w, h) / 2.0 + 3.0;
    const double cx = f.CentreX - dx / length * (f.ChartRadius - inward);
    const double cy = f.CentreY - dy / length * (f.ChartRadius - inward);
    return {static_cast<float>(std::floor(cx - w / 2.0)), static_cast<float>(std::floor(cy - h / 2.0))};
}

void DrawSkyLines(Canvas& canvas, const SkyProjection& projection, const ChartFrame& frame, double julianDay,
                  const SkyLines& lines) {
    struct RimLabel {
        ChartPoint At;
        const std::string* Text;
    };
    const struct {
        bool On;
        SkyLineKind Kind;
        Colour Pen;
    } layers[] = {
        {lines.AltAzGrid, SkyLineKind::AltAzGrid, AltAzGridColour},
        {lines.EquatorialGrid, SkyLineKind::EquatorialGrid, EquatorialGridColour},
        {lines.Equator, SkyLineKind::Equator, EquatorColour},
        {lines.Ecliptic, SkyLineKind::Ecliptic, EclipticLineColour},
    };
    std::vector<SkyLine> labelled;
    std::vector<RimLabel> rims;
    canvas.SetPenWidth(1);
    for (const auto& layer : layers) {
        if (!layer.On) continue;
        std::vector<SkyLine> drawn = SkyLinesOf(layer.Kind, frame, julianDay);
        canvas.SetPenColour(layer.Pen);
        for (const SkyLine& line : drawn)
            WalkPolyline(
                canvas, projection, line.Points, [](const HorizontalPosition& h) { return h; },
                [](ChartPoint c) { return c; },
                [&](ChartPoint c, ChartPoint here, CrossingDirection direction) {
                    if (direction == CrossingDirection::Entering) {
                        MoveTo(canvas, c);
                        LineTo(canvas, here);
                    }
                    if (!line.Label.empty()) rims.push_back({c, &line.Label});
                });
        if (layer.Kind == SkyLineKind::EquatorialGrid) labelled = std::move(drawn);
    }
    if (rims.empty()) return;
    canvas.SetFontFace("Arial");
    canvas.SetFontSize(GridLabelSize);
    canvas.SetFontColour(GridLabelColour);
    std::vector<Rect> taken;
    for (const RimLabel& rim : rims) {
        const TextSize size = canvas.TextExtent(*rim.Text);
        const ChartPoint corner = RimLabelCorner(projection, rim.At, size.Width, size.Height);
        const int x = TruncToInt(corner.X), y = TruncToInt(corner.Y);
        const Rect box{x - 1, y - 1, x + size.Width + 1, y + size.Height + 1};
        if (std::any_of(taken.begin(), taken.end(),
                        [&](const Rect& r) { return !IsEmpty(Intersect(r, box)); }))
            continue;
        taken.push_back(box);
        canvas.TextOutTransparent(x, y, *rim.Text);
    }
}

}  // namespace kolvar
