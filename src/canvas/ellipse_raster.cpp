#include "canvas/ellipse_raster.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "canvas/clip.h"

namespace kolvar {

namespace {

struct Span {
    std::int64_t lo = 1, hi = 0;  // inclusive, empty when lo > hi
    bool Empty() const { return lo > hi; }
};

// Pixels of row j whose centres lie inside the ellipse about (cx, cy) with
// semi-axes (a, b). Results are limited to a little beyond the clip columns so
// that huge ellipses stay in integer range and comparisons between rows still hold.
struct EllipseRows {
    double cx, cy, a, b;
    std::int64_t colLo, colHi;

    Span Row(std::int64_t j) const {
        if (a <= 0.0 || b <= 0.0) return {};
        const double dy = (static_cast<double>(j) + 0.5 - cy) / b;
        const double t = 1.0 - dy * dy;
        if (t < 0.0) return {};
        const double h = a * std::sqrt(t);
        Span s;
        s.lo = CeilClamped(cx - h - 0.5, colLo, colHi);
        s.hi = FloorClamped(cx + h - 0.5, colLo, colHi);
        return s;
    }
};

Span Intersect(Span a, Span b) { return {std::max(a.lo, b.lo), std::min(a.hi, b.hi)}; }

struct ArcFilter {
    double cx, cy, start, sweep;
    bool full;

    static double Angle(double x, double y, double cx, double cy) {
        // Screen y grows downwards; counter-clockwise on screen is the usual
        // mathematical sense once y is flipped.
        return std::atan2(-(y - cy), x - cx);
    }
    static double Reduce(double a) {
        constexpr double turn = 2.0 * std::numbers::pi;
        a = std::fmod(a, turn);
        if (a < 0.0) a += turn;
        return a;
    }
    bool Contains(std::int64_t i, std::int64_t j) const {
        if (full) return true;
        const double t = Angle(static_cast<double>(i) + 0.5, static_cast<double>(j) + 0.5, cx, cy);
        return Reduce(t - start) <= sweep;
    }
};

void PaintOutlineRun(Bitmap& bitmap, const Rect& clip, std::int64_t j, std::int64_t lo, std::int64_t hi,
                     Colour c, const ArcFilter& arc) {
    lo = std::max<std::int64_t>(lo, clip.Left);
    hi = std::min<std::int64_t>(hi, clip.Right - 1);
    if (hi < lo) return;
    if (arc.full) {
        FillRun(bitmap, static_cast<int>(j), static_cast<int>(lo), static_cast<int>(hi), c);
        return;
    }
    for (std::int64_t i = lo; i <= hi; ++i)
        if (arc.Contains(i, j)) PutPixel(bitmap, static_cast<int>(i), static_cast<int>(j), c);
}

}  // namespace

void DrawEllipseShape(Bitmap& bitmap, const Rect& clip, int x1, int y1, int x2, int y2, int penWidth,
                      Colour pen, std::optional<Colour> brush, std::optional<ArcRays> arc) {
    if (IsEmpty(clip)) return;
    if (x2 < x1) std::swap(x1, x2);
    if (y2 < y1) std::swap(y1, y2);
    if (x1 == x2 || y1 == y2) return;
    if (penWidth < 1) penWidth = 1;

    const double cx = (static_cast<double>(x1) + static_cast<double>(x2)) / 2.0;
    const double cy = (static_cast<double>(y1) + static_cast<double>(y2)) / 2.0;
    const double a = (static_cast<double>(x2) - static_cast<double>(x1)) / 2.0;
    const double b = (static_cast<double>(y2) - static_cast<double>(y1)) / 2.0;

    const std::int64_t colLo = std::int64_t(clip.Left) - 4, colHi = std::int64_t(clip.Right) + 4;
    // The one-pixel outline runs through the centres of the edge pixels, half a
    // pixel inside the box; a wide pen extends half its width to either side.
    const double half = penWidth / 2.0;
    const EllipseRows outer = penWidth == 1
                                  ? EllipseRows{cx, cy, a, b, colLo, colHi}
                                  : EllipseRows{cx, cy, a - 0.5 + half, b - 0.5 + half, colLo, colHi};
    const EllipseRows inner{cx, cy, a - 0.5 - half, b - 0.5 - half, colLo, colHi};

    ArcFilter filter{cx, cy, 0.0, 0.0, true};
    if (arc) {
        const double s = ArcFilter::Angle(arc->StartX + 0.5, arc->StartY + 0.5, cx, cy);
        const double e = ArcFilter::Angle(arc->EndX + 0.5, arc->EndY + 0.5, cx, cy);
        const bool samePoint = arc->StartX == arc->EndX && arc->StartY == arc->EndY;
        filter = {cx, cy, s, ArcFilter::Reduce(e - s), samePoint || s == e};
    }

    const std::int64_t rowLo =
        std::max<std::int64_t>(clip.Top, FloorClamped(cy - outer.b - 1.0, INT32_MIN, INT32_MAX));
    const std::int64_t rowHi =
        std::min<std::int64_t>(clip.Bottom - 1, CeilClamped(cy + outer.b + 1.0, INT32_MIN, INT32_MAX));
    if (rowHi < rowLo) return;

    Span above = outer.Row(rowLo - 1), here = outer.Row(rowLo);
    for (std::int64_t j = rowLo; j <= rowHi; ++j) {
        const Span below = outer.Row(j + 1);
        if (!here.Empty()) {
            // Pixels whose four neighbours all lie in the outer region.
            Span interior;
            if (!above.Empty() && !below.Empty())
                interior = {std::max({above.lo, below.lo, here.lo + 1}),
                            std::min({above.hi, below.hi, here.hi - 1})};
            if (penWidth > 1) interior = Intersect(interior, inner.Row(j));
            if (interior.Empty()) {
                PaintOutlineRun(bitmap, clip, j, here.lo, here.hi, pen, filter);
            } else {
                PaintOutlineRun(bitmap, clip, j, here.lo, interior.lo - 1, pen, filter);
                PaintOutlineRun(bitmap, clip, j, interior.hi + 1, here.hi, pen, filter);
                if (brush) FillRunClipped(bitmap, clip, j, interior.lo, interior.hi, *brush);
            }
        }
        above = here;
        here = below;
    }
}

}  // namespace kolvar
