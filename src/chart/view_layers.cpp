#include "chart/view_layers.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "astro/spherical_position.h"
#include "canvas/clip.h"
#include "catalog/constellation_figures.h"
#include "chart/milky_way_layer.h"
#include "chart/pixel_rules.h"
#include "chart/polyline_walk.h"
#include "chart/sky_lines.h"
#include "chart/small_body_layer.h"
#include "chart/small_body_path.h"

namespace kolvar {

// Each figure polyline is walked on its own, so its vertices share one letter.
inline std::int32_t LetterOf(const FigureVertex&) { return 'F'; }

namespace {

bool SameColour(const std::uint8_t* p, Colour c) {
    return p[0] == c.Red && p[1] == c.Green && p[2] == c.Blue;
}

// Draws `draw` into a black overlay of the picture's size, within `region`
// alone, and copies its pixels onto those of the picture that show the sky.
// The overlay's memory is kept from one redraw to the next: a fresh one costs
// more than the lines.
template <typename Draw>
void PaintOverSky(Bitmap& picture, Rect region, Colour tint, Draw draw) {
    thread_local Bitmap overlay;
    overlay.Resize(picture.Width(), picture.Height());
    Canvas canvas(overlay);
    canvas.SetClipRect(region);
    region = canvas.ClipRect();
    canvas.SetBrushColour(colours::Black);
    canvas.FillRect(region);
    draw(canvas);
    const std::array<Colour, 4> sky{colours::Black, MilkyWayOutlineColour, MilkyWayBandColour, tint};
    for (int y = region.Top; y < region.Bottom; ++y) {
        const std::size_t row = static_cast<std::size_t>(y) * static_cast<std::size_t>(picture.Stride()) +
                                static_cast<std::size_t>(region.Left) * 3;
        const std::uint8_t* o = overlay.Data() + row;
        std::uint8_t* p = picture.Data() + row;
        for (int x = region.Left; x < region.Right; ++x, o += 3, p += 3) {
            if ((o[0] | o[1] | o[2]) == 0) continue;
            for (const Colour c : sky) {
                if (!SameColour(p, c)) continue;
                p[0] = o[0];
                p[1] = o[1];
                p[2] = o[2];
                break;
            }
        }
    }
}

// Where the lines and the ring of a picture can land: the chart's horizon
// disc, the close-up's whole window; only the ring's box when it is alone.
Rect OverSkyRegion(const SkyProjection& projection, const SkyObjectTable& objects,
                   const ViewOptions& options) {
    const Rect whole{0, 0, projection.Width(), projection.Height()};
    if (!options.Figures && !options.Lines.Any()) {
        const SkyObjectEntry& e = objects[static_cast<std::size_t>(options.SelectedSlot)];
        const ChartPoint p = projection.Project(e.Azimuth, e.Altitude);
        const int x = TruncToInt(p.X), y = TruncToInt(p.Y), r = SelectionRingRadius + 2;
        return Intersect({x - r, y - r, x + r + 1, y + r + 1}, whole);
    }
    if (projection.Type() == SkyProjection::Kind::Gnomonic) return whole;
    const ChartFrame& f = projection.Chart();
    const int r = f.ChartRadius + SelectionRingRadius + 2;
    return Intersect({f.CentreX - r, f.CentreY - r, f.CentreX + r + 1, f.CentreY + r + 1}, whole);
}

Colour LabelColour(SkyLabelKind kind) {
    switch (kind) {
        case SkyLabelKind::SolarSystem:
            return SolarSystemLabelColour;
        case SkyLabelKind::Star:
            return StarLabelColour;
        case SkyLabelKind::DeepSky:
            return DeepSkyLabelColour;
        case SkyLabelKind::Constellation:
        case SkyLabelKind::ConstellationRunes:
            return ConstellationNameColour;
        case SkyLabelKind::Direction:
            return DirectionLetterColour;
    }
    return StarLabelColour;
}

}  // namespace

DaylightLook DaylightLookFor(const SkyObjectTable& objects) {
    return DaylightLookOf(SkyPhaseOf(objects[SunSlot].Altitude));
}

int FaintestMarkerClassFor(const ViewOptions& options, double sunAltitude) {
    return options.Daylight ? DaylightLookOf(SkyPhaseOf(sunAltitude)).FaintestMarkerClass : AllMarkers;
}

void DrawConstellationFigures(Canvas& canvas, const SkyProjection& projection, const ViewSky& sky,
                              int penWidth) {
    const auto directionOf = [&sky](const FigureVertex& v) {
        if (v.Star != NoStar) {
            const SkyObjectEntry& e = sky.Objects[static_cast<std::size_t>(FirstStarSlot + v.Star)];
            return HorizontalPosition{e.Azimuth, e.Altitude, e.Distance};
        }
        return EquatorialToHorizontal(sky.Frame, v.RightAscension, v.Declination, InfinitelyFar,
                                      sky.JulianDay, Equinox::Catalogue);
    };
    canvas.SetPenColour(FigureColour);
    canvas.SetPenWidth(penWidth);
    for (int c = 1; c <= 88; ++c)
        for (const FigurePolyline& line : ConstellationFigureOf(c).Lines)
            DrawSkyPolyline(canvas, projection, line, directionOf);
    canvas.SetPenWidth(1);
}

void DrawSelectionRing(Canvas& canvas, const SkyProjection& projection, const SkyObjectTable& objects,
                       int slot) {
    if (slot < 0 || slot >= SkyObjectCount) return;
    const SkyObjectEntry& e = objects[static_cast<std::size_t>(slot)];
    if (e.Visible != 1 || !projection.Drawable(e.Azimuth, e.Altitude)) return;
    const ChartPoint p = projection.Project(e.Azimuth, e.Altitude);
    const int x = TruncToInt(p.X), y = TruncToInt(p.Y), r = SelectionRingRadius;
    canvas.SetPenColour(SelectionRingColour);
    canvas.SetPenWidth(2);
    canvas.Arc(x - r, y - r, x + r + 1, y + r + 1, x + r, y, x + r, y);
    canvas.SetPenWidth(1);
}

MeasureLabelText CanvasTextMeasure(Canvas& canvas) {
    return [&canvas](std::string_view face, int size, std::string_view text) {
        canvas.SetFontFace(face);
        canvas.SetFontSize(size);
        const TextSize s = canvas.TextExtent(text);
        return LabelTextSize{s.Width, s.Height};
    };
}

void DrawSkyLabels(Canvas& canvas, const std::vector<SkyLabel>& labels) {
    for (const SkyLabel& label : labels) {
        canvas.SetFontFace(label.Face);
        canvas.SetFontSize(label.Size);
        canvas.SetFontColour(LabelColour(label.Kind));
        canvas.TextOutTransparent(label.X, label.Y, label.Text);
    }
}

void TintSky(Bitmap& picture, const SkyProjection& projection, const DaylightLook& look) {
    if (look.Sky == colours::Black && look.MilkyWay) return;
    const bool chart = projection.Type() == SkyProjection::Kind::Stereographic;
    const ChartFrame& f = projection.Chart();
    const long long r2 = static_cast<long long>(f.ChartRadius) * f.ChartRadius;
    for (int y = 0; y < picture.Height(); ++y) {
        std::uint8_t* p =
            picture.Data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(picture.Stride());
        const long long dy = y - f.CentreY;
        for (int x = 0; x < picture.Width(); ++x, p += 3) {
            const long long dx = x - f.CentreX;
            if (chart && dx * dx + dy * dy > r2) continue;
            const bool sky = SameColour(p, colours::Black) ||
                             (!look.MilkyWay &&
                              (SameColour(p, MilkyWayOutlineColour) || SameColour(p, MilkyWayBandColour)));
            if (!sky) continue;
            p[0] = look.Sky.Red;
            p[1] = look.Sky.Green;
            p[2] = look.Sky.Blue;
        }
    }
}

void DrawSkyline(Bitmap& picture, const SkyProjection& projection,
                 const std::function<double(double azimuth)>& skyline) {
    constexpr double HalfPi = 1.5707963267948966;
    // The skyline's top, so that the chart's inside above it is not visited.
    double highest = -HalfPi;
    for (int i = 0; i < 1440; ++i) highest = std::max(highest, skyline(i * HalfPi / 360.0));
    if (highest <= 0.0) return;
    const bool chart = projection.Type() == SkyProjection::Kind::Stereographic;
    const ChartFrame& f = projection.Chart();
    const long long outer2 = static_cast<long long>(f.ChartRadius) * f.ChartRadius;
    // Stereographic from the nadir: altitude h lies tan((90 - h) / 2) radii from the centre.
    const double inner = std::max(0.0, f.ChartRadius * std::tan((HalfPi - highest) / 2) - 2.0);
    const long long inner2 = chart ? static_cast<long long>(inner * inner) : 0;
    for (int y = 0; y < picture.Height(); ++y) {
        std::uint8_t* p =
            picture.Data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(picture.Stride());
        const long long dy = y - f.CentreY;
        for (int x = 0; x < picture.Width(); ++x, p += 3) {
            if (chart) {
                const long long dx = x - f.CentreX;
                const long long d2 = dx * dx + dy * dy;
                if (d2 > outer2 || d2 < inner2) continue;
            }
            const HorizontalPosition h = projection.Backward(x, y);
            if (h.Altitude < 0.0 || h.Altitude >= skyline(h.Azimuth)) continue;
            p[0] = SkylineColour.Red;
            p[1] = SkylineColour.Green;
            p[2] = SkylineColour.Blue;
        }
    }
}

void DrawSmallBodyLayers(Bitmap& picture, const SkyProjection& projection, const ViewSky& sky,
                         const ViewOptions& options) {
    const DaylightLook look =
        options.Daylight ? DaylightLookFor(sky.Objects) : DaylightLookOf(SkyPhase::Night);
    if (options.ShowsPath()) {
        Canvas canvas(picture);
        const SmallBodyTrack track = SmallBodyTrackOf(
            (*options.Bodies)[static_cast<std::size_t>(options.PathBody)], sky.JulianDay, options.PathDays);
        DrawSmallBodyTrack(canvas, projection, sky.Frame, sky.JulianDay, track);
    }
    if (options.ShowsSmallBodies()) {
        // Daylight hides the faint ones as it hides faint stars.
        const double limit = std::min(options.SmallBodyMagnitude, look.FaintestMarkerClass + 1.0);
        SmallBodySky& bodies = SmallBodySkyAt(sky.Frame, sky.JulianDay, options.Bodies, limit);
        Canvas canvas(picture);
        DrawSmallBodies(canvas, projection, *options.Bodies, bodies);
    }
}

void DrawViewLayers(Bitmap& picture, const SkyProjection& projection, const ViewSky& sky,
                    const ViewOptions& options) {
    const DaylightLook look =
        options.Daylight ? DaylightLookFor(sky.Objects) : DaylightLookOf(SkyPhase::Night);
    if (options.Daylight) TintSky(picture, projection, look);
    if (options.Skyline) DrawSkyline(picture, projection, options.Skyline);
    if (options.Figures || options.Lines.Any() || options.SelectedSlot >= 0) {
        PaintOverSky(picture, OverSkyRegion(projection, sky.Objects, options), look.Sky, [&](Canvas& canvas) {
            if (options.Lines.Any())
                DrawSkyLines(canvas, projection, sky.Frame, sky.JulianDay, options.Lines);
            // The figures thicken with the character size, from twice the default on.
            if (options.Figures)
                DrawConstellationFigures(canvas, projection, sky,
                                         ScaledLabelSize(8, options.CharacterSize) >= 16 ? 2 : 1);
            DrawSelectionRing(canvas, projection, sky.Objects, options.SelectedSlot);
        });
    }
    DrawSmallBodyLayers(picture, projection, sky, options);
    const bool chart = projection.Type() == SkyProjection::Kind::Stereographic;
    if (options.Labels || options.Names || (options.Directions && chart)) {
        Canvas canvas(picture);
        const MeasureLabelText measure = CanvasTextMeasure(canvas);
        SkyLabelChoice choice;
        choice.Objects = options.Labels;
        choice.Names = options.Names;
        choice.RunicNames = options.RunicNames;
        choice.Magnitude = options.LabelMagnitude;
        choice.FaintestMarkerClass = look.FaintestMarkerClass;
        choice.ObjectSize = ScaledLabelSize(choice.ObjectSize, options.CharacterSize);
        choice.NameSize = ScaledLabelSize(choice.NameSize, options.CharacterSize);
        std::vector<SkyLabel> labels =
            PlaceSkyLabels(sky.Objects, projection, sky.Frame, sky.JulianDay, choice, measure);
        if (options.Directions && chart) {
            std::vector<SkyLabel> letters = PlaceDirectionLetters(sky.Frame, DirectionLetterSize, measure);
            labels.insert(labels.end(), letters.begin(), letters.end());
        }
        DrawSkyLabels(canvas, labels);
    }
}

}  // namespace kolvar
