#include "print/smooth_chart.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "astro/angles.h"
#include "astro/planets.h"
#include "astro/sun_moon.h"
#include "astro/time_scales.h"
#include "canvas/canvas.h"
#include "canvas/program_fonts.h"
#include "catalog/constellation_figures.h"
#include "catalog/deep_sky_catalogue.h"
#include "catalog/deep_sky_kind.h"
#include "catalog/ngc_ic_catalogue.h"
#include "catalog/star_catalogue.h"
#include "chart/background_layers.h"
#include "chart/draw_sky.h"
#include "chart/marker.h"
#include "chart/redraw.h"
#include "chart/sky_labels.h"
#include "chart/sky_lines.h"
#include "chart/solar_system_layer.h"
#include "chart/view_layers.h"
#include "closeup/close_up_bodies.h"
#include "closeup/draw_close_up.h"
#include "closeup/milky_way_close_up.h"
#include "identify/object_magnitude.h"
#include "print/ink.h"
#include "print/print_bodies.h"
#include "print/print_lines.h"
#include "print/print_milky_way.h"
#include "print/print_sky_layers.h"
#include "print/print_tools.h"
#include "print/smooth_pixels.h"

namespace kolvar {

namespace {

// Label points to surface pixels: the raster chart's faces are set in points
// of a 96-dpi screen.
constexpr double PixelsPerPoint = 96.0 / 72.0;

constexpr InkColour MarginColour{0.02, 0.03, 0.09};
constexpr InkColour ZenithColour{0.04, 0.07, 0.19};
constexpr InkColour HorizonColour{0.08, 0.13, 0.30};
constexpr InkColour RimColour{0.30, 0.52, 0.72};
constexpr InkColour CrossColour{0.16, 0.55, 0.28};
constexpr InkColour MarginEclipticColour{0.85, 0.78, 0.22};
constexpr InkColour MilkyWayTint{0.62, 0.70, 0.95};
constexpr double MilkyWayAlpha = 0.16;
constexpr InkColour FigureInk{0.26, 0.40, 0.68};
constexpr InkColour RingInk{1.0, 0.32, 0.25};

Colour NightlessColour(const InkColour& c) {
    const std::uint32_t p = PackedPixel(c);
    return {static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8),
            static_cast<std::uint8_t>(p)};
}

InkColour InkOf(Colour c) { return {c.Red / 255.0, c.Green / 255.0, c.Blue / 255.0}; }

void SetInk(Ink& ink, const InkColour& c, double alpha = 1.0) { ink.Colour(c[0], c[1], c[2], alpha); }

PaperLineLook SmoothLineLook() {
    return {1.0,
            8.0,
            false,
            {0.24, 0.40, 0.22},
            {0.16, 0.38, 0.50},
            {0.62, 0.26, 0.26},
            {0.66, 0.60, 0.18},
            {0.36, 0.66, 0.80}};
}

// The tint of a star's disc by the first letter of its spectral type.
InkColour SpectralTint(char letter) {
    switch (letter) {
        case 'O':
        case 'B':
        case 'W':
            return {0.68, 0.80, 1.00};
        case 'A':
            return {0.86, 0.91, 1.00};
        case 'F':
            return {1.00, 1.00, 0.92};
        case 'G':
            return {1.00, 0.94, 0.74};
        case 'K':
            return {1.00, 0.80, 0.56};
        case 'M':
        case 'R':
        case 'N':
        case 'S':
        case 'C':
            return {1.00, 0.64, 0.48};
        default:
            return {0.95, 0.95, 0.95};
    }
}

constexpr std::array<InkColour, PlanetCount> PlanetInks{{
    {0.78, 0.72, 0.66},  // Mercury
    {1.00, 0.97, 0.86},  // Venus
    {0.96, 0.46, 0.30},  // Mars
    {0.96, 0.86, 0.70},  // Jupiter
    {0.92, 0.82, 0.56},  // Saturn
    {0.62, 0.86, 0.90},  // Uranus
    {0.46, 0.56, 0.96},  // Neptune
}};

InkColour DeepSkyInk(DeepSkyKind kind) {
    switch (kind) {
        case DeepSkyKind::Galaxy:
            return {0.90, 0.58, 0.58};
        case DeepSkyKind::OpenCluster:
        case DeepSkyKind::GlobularCluster:
            return {0.90, 0.86, 0.50};
        case DeepSkyKind::Nebula:
            return {0.50, 0.88, 0.62};
        case DeepSkyKind::PlanetaryNebula:
            return {0.50, 0.82, 0.90};
        case DeepSkyKind::Other:
            break;
    }
    return {0.70, 0.70, 0.70};
}

PrintFace FaceOf(std::string_view face) {
    if (face == RunicSkyLabelFace) return PrintFace::Runic;
    if (face == GreekSkyLabelFace) return PrintFace::Greek;
    return PrintFace::Plain;
}

// The image surface of the last redraw, kept: a fresh one costs more than
// many of its layers.
struct KeptSurface {
    const CairoLibrary* Cairo = nullptr;
    cairo_surface_t* Surface = nullptr;
    ~KeptSurface() {
        if (Surface != nullptr) Cairo->cairo_surface_destroy(Surface);
    }
};

// One surface for the chart (0) and one for the close-up (1).
cairo_surface_t* SurfaceFor(const CairoLibrary& c, int width, int height, int slot = 0) {
    thread_local std::array<KeptSurface, 2> surfaces;
    KeptSurface& kept = surfaces[static_cast<std::size_t>(slot)];
    if (kept.Surface != nullptr && c.cairo_image_surface_get_width(kept.Surface) == width &&
        c.cairo_image_surface_get_height(kept.Surface) == height)
        return kept.Surface;
    if (kept.Surface != nullptr) c.cairo_surface_destroy(kept.Surface);
    kept.Cairo = &c;
    kept.Surface = c.cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    return kept.Surface;
}

// What the layers of one smooth picture read.
struct SmoothSky {
    const PaperSky& Paper;
    const ViewOptions& View;
    DaylightLook Look;
    int Faintest;
    double K;  // symbol sizes relative to a chart of radius 420 pixels

    const SkyObjectTable& Objects() const { return Paper.Chart.Objects; }
    const ChartFrame& Frame() const { return Paper.Chart.Frame; }
};

void HorizonPath(Ink& ink, const SmoothSky& sky) { ink.Circle(sky.Paper.Centre(), sky.Frame().ChartRadius); }

// The ground of the picture: the margin's colour with the cardinal cross,
// and inside the horizon the sky, darker at the zenith and lighter towards
// the horizon (in the daylight view from the Sun's sky colour). Kept from one
// redraw to the next while the size and the colours stay.
struct Ground {
    int Width = 0, Height = 0, CentreX = 0, CentreY = 0, Radius = 0;
    std::uint32_t Inner = 0, Outer = 0;
    std::vector<std::uint32_t> Pixels;
};

// The inside of the horizon circle row by row: [first, last) of row y.
template <typename Span>
void ForDiscRows(const ChartFrame& f, int height, int width, Span span) {
    const double r = f.ChartRadius;
    for (int y = std::max(0, f.CentreY - f.ChartRadius); y < std::min(height, f.CentreY + f.ChartRadius + 1);
         ++y) {
        const double dy = y + 0.5 - f.CentreY;
        if (dy * dy > r * r) continue;
        const double half = std::sqrt(r * r - dy * dy);
        const int first = std::max(0, static_cast<int>(std::ceil(f.CentreX - half - 0.5)));
        const int last = std::min(width, static_cast<int>(std::floor(f.CentreX + half - 0.5)) + 1);
        if (first < last) span(y, first, last);
    }
}

struct SurfaceRows {
    unsigned char* Data;
    int Stride;
    std::uint32_t* operator()(int y) const {
        return reinterpret_cast<std::uint32_t*>(Data + static_cast<std::ptrdiff_t>(y) * Stride);
    }
};

// Ground rows over the surface's: whole rows, or only the spans inside the horizon.
void CopyGround(const Ground& ground, const SurfaceRows& row, const ChartFrame& f, bool discOnly) {
    const auto groundRow = [&](int y) {
        return ground.Pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(f.ChartWidth);
    };
    if (!discOnly) {
        for (int y = 0; y < f.ChartHeight; ++y)
            std::memcpy(row(y), groundRow(y), static_cast<std::size_t>(f.ChartWidth) * 4);
        return;
    }
    ForDiscRows(f, f.ChartHeight, f.ChartWidth, [&](int y, int first, int last) {
        std::memcpy(row(y) + first, groundRow(y) + first, static_cast<std::size_t>(last - first) * 4);
    });
}

// The ground of this redraw's size and colours onto the surface: the kept
// one, or a new one made there and kept (the cross drawn whole and covered
// again inside the circle by the sky's own ground).
const Ground& PutGround(Ink& ink, cairo_surface_t* surface, const SmoothSky& sky) {
    thread_local Ground ground;
    const CairoLibrary& c = ink.Cairo();
    const ChartFrame& f = sky.Frame();
    c.cairo_surface_flush(surface);
    const SurfaceRows row{c.cairo_image_surface_get_data(surface), c.cairo_image_surface_get_stride(surface)};
    InkColour inner = ZenithColour, outer = HorizonColour;
    if (sky.View.Daylight && !(sky.Look.Sky == colours::Black)) {
        outer = InkOf(sky.Look.Sky);
        inner = {outer[0] * 0.8, outer[1] * 0.8, outer[2] * 0.85};
    }
    const std::uint32_t in = PackedPixel(inner), out = PackedPixel(outer);
    if (ground.Width == f.ChartWidth && ground.Height == f.ChartHeight && ground.CentreX == f.CentreX &&
        ground.CentreY == f.CentreY && ground.Radius == f.ChartRadius && ground.Inner == in &&
        ground.Outer == out) {
        CopyGround(ground, row, f, false);
        c.cairo_surface_mark_dirty(surface);
        return ground;
    }
    ground = {f.ChartWidth, f.ChartHeight, f.CentreX, f.CentreY, f.ChartRadius, in, out, {}};
    ground.Pixels.assign(static_cast<std::size_t>(f.ChartWidth) * static_cast<std::size_t>(f.ChartHeight),
                         PackedPixel(MarginColour));
    const double r = std::max(1, f.ChartRadius);
    for (int y = 0; y < f.ChartHeight; ++y) {
        const double dy = y + 0.5 - f.CentreY;
        for (int x = 0; x < f.ChartWidth; ++x) {
            const double dx = x + 0.5 - f.CentreX;
            const double t = std::sqrt(dx * dx + dy * dy) / r;
            if (t > 1.0) continue;
            const InkColour colour{inner[0] + (outer[0] - inner[0]) * t, inner[1] + (outer[1] - inner[1]) * t,
                                   inner[2] + (outer[2] - inner[2]) * t};
            ground.Pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(f.ChartWidth) +
                          static_cast<std::size_t>(x)] = PackedPixel(colour);
        }
    }
    CopyGround(ground, row, f, false);
    c.cairo_surface_mark_dirty(surface);
    ink.MoveTo({0.0, f.CentreY + 0.5});
    ink.LineTo({static_cast<double>(f.ChartWidth), f.CentreY + 0.5});
    ink.MoveTo({f.CentreX + 0.5, 0.0});
    ink.LineTo({f.CentreX + 0.5, static_cast<double>(f.ChartHeight)});
    SetInk(ink, CrossColour);
    ink.LineWidth(1.6);
    ink.Stroke();
    c.cairo_surface_flush(surface);
    CopyGround(ground, row, f, true);
    for (int y = 0; y < f.ChartHeight; ++y)
        std::memcpy(
            ground.Pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(f.ChartWidth),
            row(y), static_cast<std::size_t>(f.ChartWidth) * 4);
    c.cairo_surface_mark_dirty(surface);
    return ground;
}

// The ground, then the ecliptic's arc where it runs below the horizon,
// drawn whole and covered again inside the circle by the sky's own ground.
void DrawSmoothGround(Ink& ink, cairo_surface_t* surface, const SmoothSky& sky) {
    const Ground& ground = PutGround(ink, surface, sky);
    const std::optional<ChartCircle> e = EclipticCircle(sky.Paper.Chart);
    if (!e) return;
    const ChartFrame& f = sky.Frame();
    // Nothing of a circle inside the horizon reaches the margin.
    const double apart = std::hypot(e->CentreX - f.CentreX, e->CentreY - f.CentreY);
    if (apart + e->Radius + 1.0 < f.ChartRadius) return;
    ink.Circle({e->CentreX, e->CentreY}, e->Radius);
    SetInk(ink, MarginEclipticColour);
    ink.LineWidth(1.6);
    ink.Stroke();
    const CairoLibrary& c = ink.Cairo();
    c.cairo_surface_flush(surface);
    CopyGround(ground, {c.cairo_image_surface_get_data(surface), c.cairo_image_surface_get_stride(surface)},
               f, true);
    c.cairo_surface_mark_dirty(surface);
}

void DrawSmoothMilkyWay(Ink& ink, const SmoothSky& sky) {
    if (sky.View.Daylight && !sky.Look.MilkyWay) return;
    // The rings are cut at the horizon already: no clip is needed.
    const MilkyWayArea area = MilkyWayAreaOf(sky.Frame(), sky.Paper.Chart.JulianDay);
    ink.Save();
    for (const std::vector<PagePoint>& ring : area.Rings) {
        ink.MoveTo(ring.front());
        for (std::size_t i = 1; i < ring.size(); ++i) ink.LineTo(ring[i]);
        ink.ClosePath();
    }
    ink.EvenOdd(true);
    SetInk(ink, MilkyWayTint, MilkyWayAlpha);
    // A faint wide area: the coarser edge sampling shows nothing at this
    // alpha and fills it in far less time.
    ink.Cairo().cairo_set_antialias(ink.Context(), CAIRO_ANTIALIAS_FAST);
    ink.Fill();
    ink.Restore();
    ink.EvenOdd(false);
}

void DrawSmoothSkyline(Ink& ink, const SmoothSky& sky) {
    if (!sky.View.Skyline) return;
    ink.Save();
    for (int degrees = 0; degrees <= 360; ++degrees) {
        const double az = degrees * RadiansPerDegree;
        const PagePoint p = sky.Paper.Project(az, std::max(0.0, sky.View.Skyline(az)));
        degrees == 0 ? ink.MoveTo(p) : ink.LineTo(p);
    }
    ink.ClosePath();
    HorizonPath(ink, sky);
    ink.EvenOdd(true);
    SetInk(ink, InkOf(SkylineColour));
    ink.Fill();
    ink.Restore();
    ink.EvenOdd(false);
}

// The figures' segments, each cut at the horizon.
std::vector<std::vector<PagePoint>> FigurePieces(const SmoothSky& sky) {
    const ChartContext& chart = sky.Paper.Chart;
    const auto directionOf = [&chart](const FigureVertex& v) {
        if (v.Star != NoStar) {
            const SkyObjectEntry& e = chart.Objects[static_cast<std::size_t>(FirstStarSlot + v.Star)];
            return HorizontalPosition{e.Azimuth, e.Altitude, e.Distance};
        }
        return EquatorialToHorizontal(chart.Frame, v.RightAscension, v.Declination, InfinitelyFar,
                                      chart.JulianDay, Equinox::Catalogue);
    };
    std::vector<std::vector<PagePoint>> pieces;
    for (int c = 1; c <= 88; ++c)
        for (const FigurePolyline& line : ConstellationFigureOf(c).Lines) {
            HorizontalPosition previous = directionOf(line.front());
            for (std::size_t i = 1; i < line.size(); ++i) {
                const HorizontalPosition here = directionOf(line[i]);
                const bool aUp = previous.Altitude >= 0.0, bUp = here.Altitude >= 0.0;
                if (aUp || bUp)
                    pieces.push_back(
                        {aUp ? sky.Paper.Project(previous) : HorizonPointBetween(sky.Paper, here, previous),
                         bUp ? sky.Paper.Project(here) : HorizonPointBetween(sky.Paper, previous, here)});
                previous = here;
            }
        }
    return pieces;
}

// One pixel wide straight into the pixels; thicker with a larger character
// size, through cairo.
void DrawSmoothFigures(Ink& ink, const PixelSurface& pixels, cairo_surface_t* surface, const SmoothSky& sky) {
    const std::vector<std::vector<PagePoint>> pieces = FigurePieces(sky);
    const double width = std::clamp(ScaledLabelSize(8, sky.View.CharacterSize) / 8.0, 1.0, 2.5);
    if (width < 1.25) {
        const CairoLibrary& c = ink.Cairo();
        c.cairo_surface_flush(surface);
        BlendPolylines(pixels, pieces, FigureInk, 1.0);
        c.cairo_surface_mark_dirty(surface);
        return;
    }
    for (const std::vector<PagePoint>& piece : pieces) {
        ink.MoveTo(piece[0]);
        ink.LineTo(piece[1]);
    }
    SetInk(ink, FigureInk);
    ink.LineWidth(width);
    ink.RoundEnds();
    ink.Stroke();
}

void DrawSmoothLines(Ink& ink, const PixelSurface& pixels, cairo_surface_t* surface, const SmoothSky& sky) {
    if (!sky.View.Lines.Any()) return;
    const PaperLineLook look = SmoothLineLook();
    const PaperLines lines = PaperLinesOf(sky.Paper, sky.View.Lines, look);
    const CairoLibrary& c = ink.Cairo();
    c.cairo_surface_flush(surface);
    for (const PaperLineLayer& layer : lines.Layers) BlendPolylines(pixels, layer.Pieces, layer.Colour, 0.9);
    c.cairo_surface_mark_dirty(surface);
    DrawPaperRimLabels(ink, sky.Paper, lines, look);
}

// The symbols of one kind in one path and one stroke: a stroke costs cairo
// far more than the path it strokes.
void DrawSmoothDeepSky(Ink& ink, const SmoothSky& sky) {
    const double d = 3.2 * sky.K;
    ink.LineWidth(1.0);
    for (const DeepSkyKind kind :
         {DeepSkyKind::Galaxy, DeepSkyKind::OpenCluster, DeepSkyKind::GlobularCluster, DeepSkyKind::Nebula,
          DeepSkyKind::PlanetaryNebula, DeepSkyKind::Other}) {
        bool any = false;
        for (int i = 0; i < DeepSkyCount; ++i) {
            const SkyObjectEntry& e = sky.Objects()[static_cast<std::size_t>(FirstDeepSkySlot + i)];
            if (e.Visible != 1 || !MarkedUnder(e, sky.Faintest) || DeepSkyKindOf(i) != kind) continue;
            any = true;
            const PagePoint at = sky.Paper.Project(e.Azimuth, e.Altitude);
            switch (kind) {
                case DeepSkyKind::Galaxy:
                    ink.Ellipse(at, d * 1.3, d * 0.6, -0.5);
                    break;
                case DeepSkyKind::OpenCluster:
                    ink.Circle(at, d);
                    break;
                case DeepSkyKind::GlobularCluster:
                    ink.Circle(at, d);
                    ink.MoveTo({at.X - d, at.Y});
                    ink.LineTo({at.X + d, at.Y});
                    ink.MoveTo({at.X, at.Y - d});
                    ink.LineTo({at.X, at.Y + d});
                    break;
                case DeepSkyKind::Nebula:
                    ink.Rectangle(at.X - d * 0.9, at.Y - d * 0.9, d * 1.8, d * 1.8);
                    break;
                case DeepSkyKind::PlanetaryNebula:
                    ink.Circle(at, d * 0.6);
                    for (const auto& [dx, dy] : {std::pair{1.0, 0.0}, {-1.0, 0.0}, {0.0, 1.0}, {0.0, -1.0}}) {
                        ink.MoveTo({at.X + dx * d * 0.6, at.Y + dy * d * 0.6});
                        ink.LineTo({at.X + dx * d * 1.2, at.Y + dy * d * 1.2});
                    }
                    break;
                case DeepSkyKind::Other:
                    ink.MoveTo({at.X, at.Y - d});
                    ink.LineTo({at.X + d, at.Y});
                    ink.LineTo({at.X, at.Y + d});
                    ink.LineTo({at.X - d, at.Y});
                    ink.ClosePath();
                    break;
            }
        }
        if (!any) continue;
        if (kind == DeepSkyKind::OpenCluster) ink.Dash({1.6, 1.4});
        SetInk(ink, DeepSkyInk(kind), 0.9);
        ink.Stroke();
        ink.Dash({});
    }
}

PixelSurface PixelsOf(const CairoLibrary& c, cairo_surface_t* surface) {
    return {c.cairo_image_surface_get_data(surface), c.cairo_image_surface_get_stride(surface),
            c.cairo_image_surface_get_width(surface), c.cairo_image_surface_get_height(surface)};
}

// The stars, blended straight into the surface's pixels, the faint first and
// the bright over them: three thousand small discs cost far less this way
// than as cairo paths.
void BlendStars(const PixelSurface& pixels, const SmoothSky& sky) {
    const ChartFrame& f = sky.Frame();
    for (int i = StarCount - 1; i >= 0; --i) {
        const SkyObjectEntry& e = sky.Objects()[static_cast<std::size_t>(FirstStarSlot + i)];
        if (e.Visible != 1 || !MarkedUnder(e, sky.Faintest)) continue;
        const StarRecord& star = StarCatalogue[static_cast<std::size_t>(i)];
        BlendStarDisc(
            pixels,
            {sky.Paper.Project(e.Azimuth, e.Altitude), SmoothStarRadius(star.MagnitudeClass, f.ChartRadius),
             SpectralTint(star.SpectralClass)},
            f.CentreX, f.CentreY, f.ChartRadius);
    }
}

// A body's disc with a glow around it.
void GlowDisc(Ink& ink, PagePoint at, double r, const InkColour& colour) {
    SetInk(ink, colour, 0.12);
    ink.Circle(at, r * 2.2);
    ink.Fill();
    SetInk(ink, colour, 0.25);
    ink.Circle(at, r * 1.45);
    ink.Fill();
    SetInk(ink, colour);
    ink.Circle(at, r);
    ink.Fill();
}

void DrawSmoothBodies(Ink& ink, const SmoothSky& sky, double julianDay) {
    const SkyObjectTable& objects = sky.Objects();
    const SkyObjectEntry& sun = objects[SunSlot];
    const SkyObjectEntry& moon = objects[MoonSlot];
    if (sun.Visible == 1)
        GlowDisc(ink, sky.Paper.Project(sun.Azimuth, sun.Altitude), 7.0 * sky.K, {1.0, 0.9, 0.55});
    if (moon.Visible == 1) {
        const PagePoint at = sky.Paper.Project(moon.Azimuth, moon.Altitude);
        SetInk(ink, {0.9, 0.9, 0.8}, 0.12);
        ink.Circle(at, 6.5 * sky.K * 1.8);
        ink.Fill();
        DrawMoonPhase(ink, at, 6.5 * sky.K, sky.Paper.MoonPhase, SunwardAngle(sky.Paper, moon, sun),
                      MoonInk{{0.22, 0.23, 0.28}, {0.96, 0.95, 0.86}, {0.55, 0.55, 0.50}, 0.06});
    }
    const std::array<double, SkyObjectCount> magnitudes = ObjectMagnitudes(julianDay);
    for (int i = 0; i < PlanetCount; ++i) {
        const SkyObjectEntry& e = objects[static_cast<std::size_t>(FirstPlanetSlot + i)];
        if (e.Visible != 1) continue;
        const PagePoint at = sky.Paper.Project(e.Azimuth, e.Altitude);
        const double m = magnitudes[static_cast<std::size_t>(FirstPlanetSlot + i)];
        const double r = sky.K * std::clamp(3.0 - 0.42 * (std::isfinite(m) ? m : 6.0), 1.6, 5.2);
        const InkColour& colour = PlanetInks[static_cast<std::size_t>(i)];
        GlowDisc(ink, at, r, colour);
        if (i == 4) {  // Saturn's ring
            ink.Ellipse(at, r * 2.1, r * 0.7, -0.35);
            SetInk(ink, colour, 0.85);
            ink.LineWidth(0.9);
            ink.Stroke();
        }
    }
}

void DrawSmoothLabelsOn(Ink& ink, const SkyObjectTable& objects, const SkyProjection& projection,
                        const ChartFrame& frame, double julianDay, const ViewOptions& view, int faintest) {
    const PrintFonts& fonts = ink.Fonts();
    const MeasureLabelText measure = [&fonts](std::string_view face, int size, std::string_view text) {
        const PrintFace f = FaceOf(face);
        const double px = size * PixelsPerPoint;
        return LabelTextSize{static_cast<int>(std::ceil(fonts.TextWidth(f, text, px))),
                             static_cast<int>(std::ceil(fonts.Ascent(f, px) + fonts.Descent(f, px)))};
    };
    std::vector<SkyLabel> labels;
    if (view.Labels || view.Names) {
        SkyLabelChoice choice;
        choice.Objects = view.Labels;
        choice.Names = view.Names;
        choice.RunicNames = view.RunicNames;
        choice.Magnitude = view.LabelMagnitude;
        choice.FaintestMarkerClass = faintest;
        choice.ObjectSize = ScaledLabelSize(choice.ObjectSize, view.CharacterSize);
        choice.NameSize = ScaledLabelSize(choice.NameSize, view.CharacterSize);
        labels = PlaceSkyLabels(objects, projection, frame, julianDay, choice, measure);
    }
    if (view.Directions && projection.Type() == SkyProjection::Kind::Stereographic) {
        std::vector<SkyLabel> letters = PlaceDirectionLetters(frame, DirectionLetterSize, measure);
        labels.insert(labels.end(), letters.begin(), letters.end());
    }
    for (const SkyLabel& label : labels) {
        const PrintFace face = FaceOf(label.Face);
        const double px = label.Size * PixelsPerPoint;
        Colour colour = StarLabelColour;
        switch (label.Kind) {
            case SkyLabelKind::SolarSystem:
                colour = SolarSystemLabelColour;
                break;
            case SkyLabelKind::DeepSky:
                colour = DeepSkyLabelColour;
                break;
            case SkyLabelKind::Constellation:
            case SkyLabelKind::ConstellationRunes:
                colour = ConstellationNameColour;
                break;
            case SkyLabelKind::Direction:
                colour = DirectionLetterColour;
                break;
            case SkyLabelKind::Star:
                break;
        }
        SetInk(ink, InkOf(colour));
        ink.Text(face, px, {static_cast<double>(label.X), label.Y + fonts.Ascent(face, px)}, label.Text);
    }
}

void DrawSmoothLabels(Ink& ink, const SmoothSky& sky) {
    const ChartContext& chart = sky.Paper.Chart;
    DrawSmoothLabelsOn(ink, chart.Objects, chart.Projection, chart.Frame, chart.JulianDay, sky.View,
                       sky.Faintest);
}

void DrawSmoothRing(Ink& ink, const SmoothSky& sky) {
    const int slot = sky.View.SelectedSlot;
    if (slot < 0 || slot >= SkyObjectCount) return;
    const SkyObjectEntry& e = sky.Objects()[static_cast<std::size_t>(slot)];
    if (e.Visible != 1) return;
    ink.Circle(sky.Paper.Project(e.Azimuth, e.Altitude), (SelectionRingRadius + 2) * sky.K);
    SetInk(ink, RingInk);
    ink.LineWidth(2.0);
    ink.Stroke();
}

// The close-up in the smooth style.
constexpr InkColour CloseUpSkyInk{0.05, 0.09, 0.22};
constexpr InkColour CloseUpGroundInk{0.09, 0.07, 0.05};
constexpr InkColour CloseUpHorizonInk{0.35, 0.30, 0.22};

// Whether a direction stands well in front of the close-up's viewer: lines
// between such points are drawn and clipped at the window's edge.
bool InFront(const CloseUpFrame& frame, const HorizontalPosition& h) {
    const auto v = HorizontalVector(h.Azimuth, h.Altitude);
    return v[0] * frame.W[0] + v[1] * frame.W[1] + v[2] * frame.W[2] > 0.2;
}

PagePoint PointOf(const SkyProjection& window, const HorizontalPosition& h) {
    const ChartPoint p = window.Project(h);
    return {p.X, p.Y};
}

void BlendCloseUpLines(const PixelSurface& pixels, const SkyProjection& window, const ViewSky& sky,
                       const ViewOptions& view) {
    const CloseUpFrame& frame = window.View();
    const PaperLineLook look = SmoothLineLook();
    const struct {
        bool On;
        SkyLineKind Kind;
        InkColour Ink;
    } layers[] = {{view.Lines.AltAzGrid, SkyLineKind::AltAzGrid, look.AltAzGrid},
                  {view.Lines.EquatorialGrid, SkyLineKind::EquatorialGrid, look.EquatorialGrid},
                  {view.Lines.Equator, SkyLineKind::Equator, look.Equator},
                  {view.Lines.Ecliptic, SkyLineKind::Ecliptic, look.Ecliptic}};
    for (const auto& layer : layers) {
        if (!layer.On) continue;
        for (const SkyLine& line : SkyLinesOf(layer.Kind, sky.Frame, sky.JulianDay))
            for (std::size_t i = 1; i < line.Points.size(); ++i)
                if (InFront(frame, line.Points[i - 1]) && InFront(frame, line.Points[i]))
                    BlendLine(pixels, PointOf(window, line.Points[i - 1]), PointOf(window, line.Points[i]),
                              layer.Ink, 0.9);
    }
    if (!view.Figures) return;
    for (int c = 1; c <= 88; ++c)
        for (const FigurePolyline& line : ConstellationFigureOf(c).Lines) {
            const auto directionOf = [&](const FigureVertex& v) {
                if (v.Star != NoStar) {
                    const SkyObjectEntry& e = sky.Objects[static_cast<std::size_t>(FirstStarSlot + v.Star)];
                    return HorizontalPosition{e.Azimuth, e.Altitude, e.Distance};
                }
                return EquatorialToHorizontal(sky.Frame, v.RightAscension, v.Declination, InfinitelyFar,
                                              sky.JulianDay, Equinox::Catalogue);
            };
            HorizontalPosition previous = directionOf(line.front());
            for (std::size_t i = 1; i < line.size(); ++i) {
                const HorizontalPosition here = directionOf(line[i]);
                if (InFront(frame, previous) && InFront(frame, here))
                    BlendLine(pixels, PointOf(window, previous), PointOf(window, here), FigureInk, 1.0);
                previous = here;
            }
        }
}

// The Milky Way as the plain close-up outlines it, laid translucent over the sky.
void BlendCloseUpMilkyWay(const PixelSurface& pixels, const CloseUpSky& sky, const SkyProjection& window) {
    thread_local Bitmap band;
    band.Resize(pixels.Width, pixels.Height);
    band.Fill(colours::Black);
    Canvas canvas(band);
    DrawMilkyWayCloseUp(canvas, sky, window);
    const std::uint32_t tint = PackedPixel(MilkyWayTint);
    const std::uint32_t a = static_cast<std::uint32_t>(MilkyWayAlpha * 256.0);
    for (int y = 0; y < pixels.Height; ++y) {
        const std::uint8_t* b =
            band.Data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(band.Stride());
        std::uint32_t* row = pixels.Row(y);
        for (int x = 0; x < pixels.Width; ++x, b += 3) {
            if ((b[0] | b[1] | b[2]) == 0) continue;
            const std::uint32_t p = row[x], q = 256 - a;
            row[x] = ((((p & 0xFF00FFu) * q + (tint & 0xFF00FFu) * a) >> 8) & 0xFF00FFu) |
                     ((((p & 0x00FF00u) * q + (tint & 0x00FF00u) * a) >> 8) & 0x00FF00u);
        }
    }
}

// A small NGC/IC object's symbol at `at` (pixel centres at half pixels), as
// the plain close-up draws it.
void DeepSymbol(Ink& ink, NgcIcKind kind, PagePoint at) {
    switch (kind) {
        case NgcIcKind::Galaxy:
        case NgcIcKind::GalaxyCluster:
            ink.Ellipse(at, 5.5, 3.5, 0.0);
            break;
        case NgcIcKind::OpenCluster:
        case NgcIcKind::GlobularCluster:
            ink.Circle(at, 4.5);
            if (kind == NgcIcKind::GlobularCluster) {
                ink.MoveTo({at.X - 4.5, at.Y});
                ink.LineTo({at.X + 4.5, at.Y});
                ink.MoveTo({at.X, at.Y - 4.5});
                ink.LineTo({at.X, at.Y + 4.5});
            }
            break;
        case NgcIcKind::Nebula:
        case NgcIcKind::SupernovaRemnant:
            ink.Rectangle(at.X - 3.0, at.Y - 3.0, 6.0, 6.0);
            break;
        case NgcIcKind::PlanetaryNebula:
            ink.Circle(at, 3.5);
            for (const auto& [dx, dy] : {std::pair{1.0, 0.0}, {-1.0, 0.0}, {0.0, 1.0}, {0.0, -1.0}}) {
                ink.MoveTo({at.X + 3.5 * dx, at.Y + 3.5 * dy});
                ink.LineTo({at.X + 6.5 * dx, at.Y + 6.5 * dy});
            }
            break;
        default:
            ink.MoveTo({at.X - 3.5, at.Y - 3.5});
            ink.LineTo({at.X + 3.5, at.Y + 3.5});
            ink.MoveTo({at.X + 3.5, at.Y - 3.5});
            ink.LineTo({at.X - 3.5, at.Y + 3.5});
            break;
    }
}

// The zoomed close-up's NGC/IC objects: outlines, symbols and labels,
// anti-aliased; the deep stars come after them, as discs in the pixels.
void DrawSmoothDeepObjects(Ink& ink, const DeepLayerPlan& plan) {
    const auto objects = NgcIcCatalogue();
    const PrintFonts& fonts = ink.Fonts();
    const double px = 8 * PixelsPerPoint;
    ink.LineWidth(1.0);
    for (const DeepLayerPlan::Object& o : plan.Objects) {
        const DrawnDeepObject& d = o.Drawn;
        if (!d.Outline.empty()) {
            ink.MoveTo({d.Outline.front().X, d.Outline.front().Y});
            for (const ChartPoint& p : d.Outline) ink.LineTo({p.X, p.Y});
            ink.ClosePath();
        } else {
            DeepSymbol(ink, static_cast<NgcIcKind>(objects[d.Object].Kind), {d.Centre.X, d.Centre.Y});
        }
        SetInk(ink, InkOf(o.Ink), 0.9);
        ink.Stroke();
        if (o.Labelled) {
            SetInk(ink, InkOf(o.Ink));
            ink.Text(PrintFace::Plain, px,
                     {static_cast<double>(o.LabelX), o.LabelY + fonts.Ascent(PrintFace::Plain, px)},
                     DeepObjectLabel(d.Object));
        }
    }
}

void BlendDeepStars(const PixelSurface& pixels, const DeepLayerPlan& plan) {
    for (const DeepLayerPlan::Star& s : plan.Stars)
        BlendStarDisc(pixels, {{s.At.X, s.At.Y}, s.Radius, InkOf(s.Tint)}, 0.0, 0.0, 1e9);
}

SkyProjection DrawSmoothCloseUp(const PrintTools& tools, Bitmap& picture, int width, int height,
                                const HorizontalPosition& view, const CloseUpSky& sky, CloseUpDeep* deep,
                                const ViewOptions& options) {
    const CairoLibrary& c = *tools.Cairo;
    CloseUpFrame frame = ComputeCloseUpFrame(view);
    const bool zoomed = deep != nullptr && deep->Zoom > 1.0;
    if (zoomed) frame.Zoom = deep->Zoom;
    const SkyProjection window = SkyProjection::Gnomonic(frame, width, height);
    cairo_surface_t* surface = SurfaceFor(c, width, height, 1);
    const PixelSurface pixels = PixelsOf(c, surface);
    const std::uint32_t ground = PackedPixel(CloseUpSkyInk);
    for (int y = 0; y < height; ++y) std::fill(pixels.Row(y), pixels.Row(y) + width, ground);
    const ViewSky viewSky{sky.Chart, sky.JulianDay, sky.Objects};
    if (!options.Daylight || DaylightLookFor(sky.Objects).MilkyWay) BlendCloseUpMilkyWay(pixels, sky, window);
    BlendCloseUpLines(pixels, window, viewSky, options);
    // Zoomed in, the deep field over the sky and under the catalogue's stars:
    // its objects, then its stars over their outlines.
    if (zoomed) {
        const float limit = QueryCloseUpDeepField(width, height, frame, sky, *deep);
        const DeepLayerPlan plan =
            PlanDeepLayers(deep->Projection, deep->Field, width, height, {limit, true});
        c.cairo_surface_mark_dirty(surface);
        cairo_t* cr = c.cairo_create(surface);
        Ink ink(c, *tools.Fonts, cr);
        DrawSmoothDeepObjects(ink, plan);
        c.cairo_destroy(cr);
        c.cairo_surface_flush(surface);
        BlendDeepStars(pixels, plan);
        deep->Drawn.clear();
        for (const DeepLayerPlan::Object& o : plan.Objects) deep->Drawn.push_back(o.Drawn);
    }
    const int faintest = sky.FaintestMarkerClass;
    const double radiusScale = std::max(width, height) * 0.75;
    for (int i = StarCount - 1; i >= 0; --i) {
        const SkyObjectEntry& e = sky.Objects[static_cast<std::size_t>(FirstStarSlot + i)];
        if (!MarkedUnder(e, faintest) || !InFront(frame, {e.Azimuth, e.Altitude, 0.0})) continue;
        const StarRecord& star = StarCatalogue[static_cast<std::size_t>(i)];
        BlendStarDisc(pixels,
                      {PointOf(window, {e.Azimuth, e.Altitude, 0.0}),
                       SmoothStarRadius(star.MagnitudeClass, static_cast<int>(radiusScale)),
                       SpectralTint(star.SpectralClass)},
                      width / 2.0, height / 2.0, 1e9);
    }
    c.cairo_surface_mark_dirty(surface);
    cairo_t* cr = c.cairo_create(surface);
    Ink ink(c, *tools.Fonts, cr);
    const double k = std::clamp(radiusScale / 420.0, 0.75, 1.8);
    ink.LineWidth(1.0);
    for (int i = 0; i < DeepSkyCount; ++i) {
        const SkyObjectEntry& e = sky.Objects[static_cast<std::size_t>(FirstDeepSkySlot + i)];
        if (!MarkedUnder(e, faintest) || !InFront(frame, {e.Azimuth, e.Altitude, 0.0})) continue;
        ink.Circle(PointOf(window, {e.Azimuth, e.Altitude, 0.0}), 3.5 * k);
        SetInk(ink, DeepSkyInk(DeepSkyKindOf(i)), 0.9);
        ink.Stroke();
    }
    for (int i = 0; i < PlanetCount; ++i) {
        const SkyObjectEntry& e = sky.Objects[static_cast<std::size_t>(FirstPlanetSlot + i)];
        if (InFront(frame, {e.Azimuth, e.Altitude, 0.0}))
            GlowDisc(ink, PointOf(window, {e.Azimuth, e.Altitude, 0.0}), 3.5 * k,
                     PlanetInks[static_cast<std::size_t>(i)]);
    }
    DrawSmoothLabelsOn(ink, sky.Objects, window, sky.Chart, sky.JulianDay, options, faintest);
    if (options.SelectedSlot >= 0 && options.SelectedSlot < SkyObjectCount) {
        const SkyObjectEntry& e = sky.Objects[static_cast<std::size_t>(options.SelectedSlot)];
        if (e.Visible == 1 && InFront(frame, {e.Azimuth, e.Altitude, 0.0})) {
            ink.Circle(PointOf(window, {e.Azimuth, e.Altitude, 0.0}), (SelectionRingRadius + 2) * k);
            SetInk(ink, RingInk);
            ink.LineWidth(2.0);
            ink.Stroke();
        }
    }
    c.cairo_destroy(cr);
    c.cairo_surface_flush(surface);
    picture.Resize(width, height);
    CopyToBitmap(pixels, picture);
    // The Sun and the Moon with its phase picture, and the ground below the
    // horizon, as the plain close-up has them.
    Canvas canvas(picture);
    DrawCloseUpSun(canvas, sky, window);
    DrawCloseUpMoon(canvas, sky, window);
    const double row = CloseUpHorizonRow(view.Altitude, width, height, frame.Zoom);
    const Colour groundColour = NightlessColour(CloseUpGroundInk),
                 horizonColour = NightlessColour(CloseUpHorizonInk);
    for (int y = std::max(0, static_cast<int>(row)); y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.SetPixel(x, y, y == static_cast<int>(row) ? horizonColour : groundColour);
    DrawSmallBodyLayers(picture, window, viewSky, options);
    return window;
}

}  // namespace

double SmoothStarRadius(int magnitudeClass, int chartRadius) {
    const double k = std::clamp(chartRadius / 420.0, 0.75, 1.8);
    return k * (0.75 + 0.55 * (6 - std::clamp(magnitudeClass, -1, 7)));
}

ChartFrame RedrawSmoothChart(const SkyScene& scene, Bitmap& chart, int width, int height, MoonPicture& moon,
                             const ViewOptions& view) {
    PrintTools tools;
    if (width <= 0 || height <= 0 || !RegisterProgramFonts() || !OpenPrinting(tools).empty())
        return RedrawChart(scene, chart, width, height, moon, view);
    const CairoLibrary& c = *tools.Cairo;
    cairo_surface_t* surface = SurfaceFor(c, width, height);
    if (c.cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS)
        return RedrawChart(scene, chart, width, height, moon, view);

    chart.Resize(width, height);
    const double sunAltitude = scene.Objects[SunSlot].Altitude;
    const DaylightLook look =
        view.Daylight ? DaylightLookOf(SkyPhaseOf(sunAltitude)) : DaylightLookOf(SkyPhase::Night);
    const int faintest = FaintestMarkerClassFor(view, sunAltitude);
    const ChartContext ctx(ComputeChartGeometry(width, height), scene, faintest);
    const ChartFrame& frame = ctx.Frame;
    const double phase = scene.MoonPhase;
    moon = ComposeMoonPicture(frame, phase, LightMoonPicture(), DarkMoonPicture());
    // The picture's ground is the plain chart's blue; here it is the margin's.
    const std::uint32_t margin = PackedPixel(MarginColour);
    const Colour ground{static_cast<std::uint8_t>(margin >> 16), static_cast<std::uint8_t>(margin >> 8),
                        static_cast<std::uint8_t>(margin)};
    for (int y = 0; y < moon.Picture.Height(); ++y)
        for (int x = 0; x < moon.Picture.Width(); ++x)
            if (const Colour p = moon.Picture.Pixel(x, y); p.Red < 8 && p.Green < 8 && p.Blue > 40)
                moon.Picture.SetPixel(x, y, ground);

    PageLayout layout;
    layout.Page = {static_cast<double>(width), static_cast<double>(height)};
    layout.CentreX = frame.CentreX;
    layout.CentreY = frame.CentreY;
    layout.Radius = frame.ChartRadius;
    layout.Scale = std::clamp(frame.ChartRadius / 420.0, 0.75, 1.8);
    const PaperSky paper{ctx, layout, phase};
    const SmoothSky sky{paper, view, look, faintest, layout.Scale};

    cairo_t* cr = c.cairo_create(surface);
    Ink ink(c, *tools.Fonts, cr);
    DrawSmoothGround(ink, surface, sky);
    DrawSmoothMilkyWay(ink, sky);
    DrawSmoothSkyline(ink, sky);
    const PixelSurface pixels = PixelsOf(c, surface);
    DrawSmoothLines(ink, pixels, surface, sky);
    if (view.Figures) DrawSmoothFigures(ink, pixels, surface, sky);
    DrawSmoothDeepSky(ink, sky);
    c.cairo_surface_flush(surface);
    BlendStars(pixels, sky);
    c.cairo_surface_mark_dirty(surface);
    DrawSmoothBodies(ink, sky, scene.JulianDay);
    c.cairo_surface_flush(surface);
    BlendRing(pixels, {paper.Centre(), frame.ChartRadius + 0.5, RimColour}, 1.5);
    c.cairo_surface_mark_dirty(surface);
    DrawSmoothRing(ink, sky);
    DrawSmoothLabels(ink, sky);
    c.cairo_destroy(cr);
    c.cairo_surface_flush(surface);
    CopyToBitmap(pixels, chart);
    // The comets and minor planets keep the plain chart's markers.
    DrawSmallBodyLayers(chart, ctx.Projection, ViewSky{frame, scene.JulianDay, scene.Objects}, view);
    return frame;
}

ChartFrame RedrawStyledChart(const SkyScene& scene, Bitmap& chart, int width, int height, MoonPicture& moon,
                             const ViewOptions& view) {
    if (view.Style == ChartStyle::Smooth) return RedrawSmoothChart(scene, chart, width, height, moon, view);
    return RedrawChart(scene, chart, width, height, moon, view);
}

}  // namespace kolvar

namespace kolvar {

SkyProjection DrawStyledCloseUp(Bitmap& picture, int width, int height, const HorizontalPosition& view,
                                const CloseUpSky& sky, CloseUpDeep* deep, const ViewOptions& options) {
    PrintTools tools;
    if (options.Style == ChartStyle::Smooth && width > 0 && height > 0 && RegisterProgramFonts() &&
        OpenPrinting(tools).empty())
        return DrawSmoothCloseUp(tools, picture, width, height, view, sky, deep, options);
    picture.Resize(width, height);
    Canvas canvas(picture);
    const SkyProjection window = DrawCloseUp(canvas, width, height, view, sky, deep);
    if (options.AddsAnything())
        DrawViewLayers(picture, window, ViewSky{sky.Chart, sky.JulianDay, sky.Objects}, options);
    return window;
}

}  // namespace kolvar
