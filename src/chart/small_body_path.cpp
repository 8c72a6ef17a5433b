#include "chart/small_body_path.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>

#include "astro/time_scales.h"
#include "chart/pixel_rules.h"

namespace kolvar {

namespace {

constexpr int TickHalf = 3;

std::optional<ChartPoint> PixelOf(const SkyProjection& projection, const ChartFrame& frame, double julianDay,
                                  const PathPoint& p) {
    if (!p.Place.Valid) return std::nullopt;
    const HorizontalPosition h =
        EquatorialToHorizontal(frame, p.Place.OfDate.Longitude, p.Place.OfDate.Latitude,
                               p.Place.OfDate.Distance, julianDay, Equinox::OfDate);
    const SkyProjection::Placed at = projection.Place(h);
    if (!at.Drawable) return std::nullopt;
    return projection.PixelOf(at);
}

}  // namespace

double PathTickDays(double days) { return days <= 15.0 ? 1.0 : std::max(1.0, std::round(days / 15.0)); }

SmallBodyTrack SmallBodyTrackOf(const SmallBody& body, double julianDay, double days) {
    SmallBodyTrack track;
    days = std::clamp(days, 0.0, LongestPathDays);
    if (!(days > 0.0)) return track;
    track.TickDays = PathTickDays(days);
    const double end = julianDay + days;
    track.Line = SmallBodyPath(body, julianDay, end, track.TickDays / 4.0);
    // Ticks at 0 h UT: the first midnight after the instant, then every step.
    const double firstMidnight = std::floor(julianDay - 0.5) + 1.5;
    if (firstMidnight <= end) track.Ticks = SmallBodyPath(body, firstMidnight, end, track.TickDays);
    return track;
}

std::string PathDateText(double julianDay) {
    const CalendarMoment c = CalendarFromJulianDay(julianDay + 1e-6, 0.0f, false);
    char text[16];
    std::snprintf(text, sizeof text, "%02d.%02d.", c.Month % 100, c.Day % 100);
    return text;
}

void DrawSmallBodyTrack(Canvas& canvas, const SkyProjection& projection, const ChartFrame& frame,
                        double julianDay, const SmallBodyTrack& track) {
    canvas.SetPenColour(SmallBodyPathColour);
    canvas.SetPenWidth(1);
    std::optional<ChartPoint> previous;
    for (const PathPoint& p : track.Line) {
        const std::optional<ChartPoint> at = PixelOf(projection, frame, julianDay, p);
        if (at && previous) {
            canvas.MoveTo(TruncToInt(previous->X), TruncToInt(previous->Y));
            canvas.LineTo(TruncToInt(at->X), TruncToInt(at->Y));
        }
        previous = at;
    }
    canvas.SetFontFace("Arial");
    canvas.SetFontSize(7);
    canvas.SetFontColour(SmallBodyPathColour);
    std::vector<Rect> written;
    for (std::size_t k = 0; k < track.Ticks.size(); ++k) {
        const std::optional<ChartPoint> at = PixelOf(projection, frame, julianDay, track.Ticks[k]);
        if (!at) continue;
        // Across the track: square to the way to the next tick (or from the last).
        const std::size_t other = k + 1 < track.Ticks.size() ? k + 1 : (k > 0 ? k - 1 : k);
        const std::optional<ChartPoint> next = PixelOf(projection, frame, julianDay, track.Ticks[other]);
        double dx = 0.0, dy = -1.0;
        if (next && other != k) {
            const double ax = static_cast<double>(next->X) - at->X, ay = static_cast<double>(next->Y) - at->Y;
            const double n = std::hypot(ax, ay);
            if (n > 1e-9) {
                dx = -ay / n;
                dy = ax / n;
            }
        }
        const int x = TruncToInt(at->X), y = TruncToInt(at->Y);
        const int ox = static_cast<int>(std::lround(dx * TickHalf)),
                  oy = static_cast<int>(std::lround(dy * TickHalf));
        canvas.MoveTo(x - ox, y - oy);
        canvas.LineTo(x + ox, y + oy);
        canvas.SetPixel(x + ox, y + oy, SmallBodyPathColour);
        const std::string text = PathDateText(track.Ticks[k].JulianDay);
        const TextSize size = canvas.TextExtent(text);
        const int tx = x + static_cast<int>(std::lround(dx * (TickHalf + 2))) + (dx < 0 ? -size.Width : 0);
        const int ty = y + static_cast<int>(std::lround(dy * (TickHalf + 2))) - size.Height / 2;
        const Rect box{tx, ty, tx + size.Width, ty + size.Height};
        if (std::any_of(written.begin(), written.end(), [&](const Rect& o) {
                return box.Left < o.Right && o.Left < box.Right && box.Top < o.Bottom && o.Top < box.Bottom;
            }))
            continue;
        written.push_back(box);
        canvas.TextOutTransparent(tx, ty, text);
    }
}

}  // namespace kolvar
