#include "print/print_lines.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "chart/sky_lines.h"
#include "print/print_sky_layers.h"

namespace kolvar {

PaperLineLook PrintedLineLook() {
    return {0.4,
            5.0,
            true,
            {0.62, 0.72, 0.62},
            {0.58, 0.68, 0.82},
            {0.80, 0.45, 0.45},
            {0.75, 0.68, 0.25},
            {0.30, 0.42, 0.60}};
}

void DrawPaperSkyLines(Ink& ink, const PaperSky& sky, const SkyLines& lines, const PaperLineLook& look) {
    if (!lines.Any()) return;
    const ChartContext& chart = sky.Chart;
    const double s = sky.Scale(), r = sky.Layout.Radius;
    const PagePoint centre = sky.Centre();
    const struct {
        bool On;
        SkyLineKind Kind;
        InkColour Colour;
    } layers[] = {
        {lines.AltAzGrid, SkyLineKind::AltAzGrid, look.AltAzGrid},
        {lines.EquatorialGrid, SkyLineKind::EquatorialGrid, look.EquatorialGrid},
        {lines.Equator, SkyLineKind::Equator, look.Equator},
        {lines.Ecliptic, SkyLineKind::Ecliptic, look.Ecliptic},
    };
    struct RimLabel {
        PagePoint At;
        std::string Text;
    };
    std::vector<RimLabel> rims;
    ink.Save();
    if (look.Clip) {
        ink.Circle(centre, r);
        ink.Clip();
    }
    ink.LineWidth(look.Width * s);
    for (const auto& layer : layers) {
        if (!layer.On) continue;
        for (const SkyLine& line : SkyLinesOf(layer.Kind, chart.Frame, chart.JulianDay)) {
            // One stroke from where the line comes up to where it goes down,
            // each end cut at the horizon.
            for (std::size_t i = 1; i < line.Points.size(); ++i) {
                const HorizontalPosition& a = line.Points[i - 1];
                const HorizontalPosition& b = line.Points[i];
                const bool aUp = a.Altitude >= 0.0, bUp = b.Altitude >= 0.0;
                if (aUp && bUp) {
                    if (i == 1) ink.MoveTo(sky.Project(a));
                    ink.LineTo(sky.Project(b));
                } else if (aUp) {
                    if (i == 1) ink.MoveTo(sky.Project(a));
                    ink.LineTo(HorizonPointBetween(sky, a, b));
                } else if (bUp) {
                    ink.MoveTo(HorizonPointBetween(sky, b, a));
                    ink.LineTo(sky.Project(b));
                }
                if (!line.Label.empty() && aUp != bUp)
                    rims.push_back(
                        {aUp ? HorizonPointBetween(sky, a, b) : HorizonPointBetween(sky, b, a), line.Label});
            }
        }
        ink.Colour(layer.Colour[0], layer.Colour[1], layer.Colour[2]);
        ink.Stroke();
    }
    ink.Restore();
    // Each label just inside the horizon where its line meets it; one that
    // would touch a label already written is left out.
    const double size = look.LabelSize * s;
    const double height = ink.Fonts().Ascent(PrintFace::Plain, size);
    std::vector<PagePoint> taken;
    ink.Colour(look.Label[0], look.Label[1], look.Label[2]);
    for (const RimLabel& rim : rims) {
        const double w = ink.TextWidth(PrintFace::Plain, size, rim.Text);
        const double inward = std::hypot(w, height) / 2 + 2.0 * s;
        const double dx = rim.At.X - centre.X, dy = rim.At.Y - centre.Y;
        const double length = std::max(1e-9, std::hypot(dx, dy));
        const PagePoint at{centre.X + dx / length * (r - inward), centre.Y + dy / length * (r - inward)};
        if (std::any_of(taken.begin(), taken.end(), [&](const PagePoint& p) {
                return std::abs(p.X - at.X) < w + 2.0 * s && std::abs(p.Y - at.Y) < height + 2.0 * s;
            }))
            continue;
        taken.push_back(at);
        ink.Text(PrintFace::Plain, size, {at.X, at.Y + height * 0.4}, rim.Text, TextAnchor::Centre);
    }
}

}  // namespace kolvar
