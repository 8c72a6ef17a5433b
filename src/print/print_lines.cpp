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

PaperLines PaperLinesOf(const PaperSky& sky, const SkyLines& lines, const PaperLineLook& look) {
    const ChartContext& chart = sky.Chart;
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
    PaperLines out;
    for (const auto& layer : layers) {
        if (!layer.On) continue;
        PaperLineLayer& drawn = out.Layers.emplace_back(PaperLineLayer{layer.Colour, {}});
        for (const SkyLine& line : SkyLinesOf(layer.Kind, chart.Frame, chart.JulianDay)) {
            // One piece from where the line comes up to where it goes down,
            // each end cut at the horizon.
            std::vector<PagePoint>* piece = nullptr;
            for (std::size_t i = 1; i < line.Points.size(); ++i) {
                const HorizontalPosition& a = line.Points[i - 1];
                const HorizontalPosition& b = line.Points[i];
                const bool aUp = a.Altitude >= 0.0, bUp = b.Altitude >= 0.0;
                if (aUp && piece == nullptr) piece = &drawn.Pieces.emplace_back(1, sky.Project(a));
                if (aUp && bUp) {
                    piece->push_back(sky.Project(b));
                } else if (aUp) {
                    piece->push_back(HorizonPointBetween(sky, a, b));
                    piece = nullptr;
                } else if (bUp) {
                    piece = &drawn.Pieces.emplace_back(1, HorizonPointBetween(sky, b, a));
                    piece->push_back(sky.Project(b));
                }
                if (!line.Label.empty() && aUp != bUp)
                    out.Rims.push_back(
                        {aUp ? HorizonPointBetween(sky, a, b) : HorizonPointBetween(sky, b, a), line.Label});
            }
        }
    }
    return out;
}

void DrawPaperRimLabels(Ink& ink, const PaperSky& sky, const PaperLines& lines, const PaperLineLook& look) {
    const double s = sky.Scale(), r = sky.Layout.Radius;
    const PagePoint centre = sky.Centre();
    const double size = look.LabelSize * s;
    const double height = ink.Fonts().Ascent(PrintFace::Plain, size);
    std::vector<PagePoint> taken;
    ink.Colour(look.Label[0], look.Label[1], look.Label[2]);
    for (const PaperRimLabel& rim : lines.Rims) {
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

void DrawPaperSkyLines(Ink& ink, const PaperSky& sky, const SkyLines& lines, const PaperLineLook& look) {
    if (!lines.Any()) return;
    const PaperLines drawn = PaperLinesOf(sky, lines, look);
    ink.Save();
    if (look.Clip) {
        ink.Circle(sky.Centre(), sky.Layout.Radius);
        ink.Clip();
    }
    ink.LineWidth(look.Width * sky.Scale());
    for (const PaperLineLayer& layer : drawn.Layers) {
        for (const std::vector<PagePoint>& piece : layer.Pieces) {
            ink.MoveTo(piece.front());
            for (std::size_t i = 1; i < piece.size(); ++i) ink.LineTo(piece[i]);
        }
        ink.Colour(layer.Colour[0], layer.Colour[1], layer.Colour[2]);
        ink.Stroke();
    }
    ink.Restore();
    DrawPaperRimLabels(ink, sky, drawn, look);
}

}  // namespace kolvar
