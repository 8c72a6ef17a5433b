#include "canvas/line_raster.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "canvas/clip.h"

namespace kolvar {

namespace {

__extension__ typedef __int128 Wide;  // products of 33-bit coordinate differences

Wide FloorDiv(Wide a, Wide b) {  // b > 0
    Wide q = a / b;
    if ((a % b != 0) && (a < 0)) --q;
    return q;
}
Wide CeilDiv(Wide a, Wide b) { return -FloorDiv(-a, b); }

// Bresenham over the major axis: step i = 0 .. n-1 has minor offset
// k(i) = floor((2 i m + n) / (2 n)), i.e. i*m/n rounded half up. The visible
// steps are found by solving the clip inequalities for i, so a line running
// billions of pixels outside the bitmap costs nothing.
void MajorAxisLine(Bitmap& bitmap, std::int64_t major0, std::int64_t minor0, std::int64_t n, std::int64_t m,
                   int sMajor, int sMinor, std::int64_t majorLo, std::int64_t majorHi, std::int64_t minorLo,
                   std::int64_t minorHi, bool xMajor, Colour c) {
    // Major coordinate constraint: majorLo <= major0 + sMajor*i <= majorHi.
    Wide iLo = 0, iHi = n - 1;
    if (sMajor > 0) {
        iLo = std::max<Wide>(iLo, majorLo - major0);
        iHi = std::min<Wide>(iHi, majorHi - major0);
    } else {
        iLo = std::max<Wide>(iLo, major0 - majorHi);
        iHi = std::min<Wide>(iHi, major0 - majorLo);
    }
    // Minor coordinate constraint: kMin <= k(i) <= kMax.
    Wide kMin, kMax;
    if (sMinor > 0) {
        kMin = minorLo - minor0;
        kMax = minorHi - minor0;
    } else {
        kMin = minor0 - minorHi;
        kMax = minor0 - minorLo;
    }
    if (kMax < kMin) return;
    if (m == 0) {
        if (kMin > 0 || kMax < 0) return;
    } else {
        const Wide twoN = Wide(2) * n, twoM = Wide(2) * m;
        // k(i) >= kMin  <=>  2 i m >= 2 n kMin - n
        iLo = std::max<Wide>(iLo, CeilDiv(twoN * kMin - n, twoM));
        // k(i) <= kMax  <=>  2 i m < 2 n (kMax + 1) - n
        iHi = std::min<Wide>(iHi, CeilDiv(twoN * (kMax + 1) - n, twoM) - 1);
    }
    if (iHi < iLo) return;

    const Wide twoN = Wide(2) * n;
    const Wide num = Wide(2) * iLo * m + n;
    std::int64_t k = static_cast<std::int64_t>(num / twoN);
    std::int64_t rem = static_cast<std::int64_t>(num % twoN);
    const std::int64_t twoN64 = 2 * n, twoM64 = 2 * m;
    std::int64_t major = major0 + sMajor * static_cast<std::int64_t>(iLo);
    // At most one step per clip column or row remains, so 64 bits suffice from here.
    const std::int64_t steps = static_cast<std::int64_t>(iHi - iLo) + 1;
    for (std::int64_t i = 0; i < steps; ++i) {
        const std::int64_t minor = minor0 + sMinor * k;
        if (xMajor)
            PutPixel(bitmap, static_cast<int>(major), static_cast<int>(minor), c);
        else
            PutPixel(bitmap, static_cast<int>(minor), static_cast<int>(major), c);
        major += sMajor;
        rem += twoM64;
        if (rem >= twoN64) {
            rem -= twoN64;
            ++k;
        }
    }
}

struct Segment {
    double ax, ay, bx, by;
};

// Liang-Barsky clip of a segment to a box; false when nothing remains.
bool ClipSegment(Segment& s, double left, double top, double right, double bottom) {
    double t0 = 0.0, t1 = 1.0;
    const double dx = s.bx - s.ax, dy = s.by - s.ay;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {s.ax - left, right - s.ax, s.ay - top, bottom - s.ay};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0) {
            if (t > t1) return false;
            t0 = std::max(t0, t);
        } else {
            if (t < t0) return false;
            t1 = std::min(t1, t);
        }
    }
    const Segment orig = s;
    s.ax = orig.ax + t0 * dx;
    s.ay = orig.ay + t0 * dy;
    s.bx = orig.ax + t1 * dx;
    s.by = orig.ay + t1 * dy;
    return true;
}

struct Interval {
    double lo = 1.0, hi = -1.0;  // empty when lo > hi
    bool Empty() const { return lo > hi; }
};

Interval Merge(Interval a, Interval b) {
    if (a.Empty()) return b;
    if (b.Empty()) return a;
    return {std::min(a.lo, b.lo), std::max(a.hi, b.hi)};
}

Interval DiscRow(double cx, double cy, double r, double y) {
    const double dy = y - cy;
    const double h2 = r * r - dy * dy;
    if (h2 <= 0.0) return {};
    const double h = std::sqrt(h2);
    return {cx - h, cx + h};
}

// The body of the stroke without its end discs: points whose perpendicular
// foot falls inside the segment and whose distance from its line is below r.
struct StrokeBody {
    double ax, ay, ux, uy, len, r;

    StrokeBody(const Segment& s, double radius) : ax(s.ax), ay(s.ay), ux(0), uy(0), len(0), r(radius) {
        const double dx = s.bx - s.ax, dy = s.by - s.ay;
        len = std::sqrt(dx * dx + dy * dy);
        if (len > 0.0) {
            ux = dx / len;
            uy = dy / len;
        }
    }

    Interval Row(double y) const {
        if (len == 0.0) return {};
        // Projection: 0 < (x - ax) ux + (y - ay) uy < len.
        Interval proj, dist;
        const double py = (y - ay) * uy;
        if (ux == 0.0) {
            if (!(py > 0.0 && py < len)) return {};
            proj = {-1e300, 1e300};
        } else {
            double a = (0.0 - py) / ux, b = (len - py) / ux;
            if (a > b) std::swap(a, b);
            proj = {ax + a, ax + b};
        }
        // Distance: |(x - ax) uy - (y - ay) ux| < r.
        const double qy = (y - ay) * ux;
        if (uy == 0.0) {
            if (!(std::fabs(qy) < r)) return {};
            dist = {-1e300, 1e300};
        } else {
            double a = (qy - r) / uy, b = (qy + r) / uy;
            if (a > b) std::swap(a, b);
            dist = {ax + a, ax + b};
        }
        return {std::max(proj.lo, dist.lo), std::min(proj.hi, dist.hi)};
    }
};

}  // namespace

void DrawThinLine(Bitmap& bitmap, const Rect& clip, int x0, int y0, int x1, int y1, Colour c) {
    if (IsEmpty(clip)) return;
    const std::int64_t dx = std::int64_t(x1) - x0, dy = std::int64_t(y1) - y0;
    if (dx == 0 && dy == 0) return;
    const std::int64_t ax = dx < 0 ? -dx : dx, ay = dy < 0 ? -dy : dy;
    const int sx = dx < 0 ? -1 : 1, sy = dy < 0 ? -1 : 1;
    if (ax >= ay)
        MajorAxisLine(bitmap, x0, y0, ax, ay, sx, sy, clip.Left, clip.Right - 1, clip.Top, clip.Bottom - 1,
                      true, c);
    else
        MajorAxisLine(bitmap, y0, x0, ay, ax, sy, sx, clip.Top, clip.Bottom - 1, clip.Left, clip.Right - 1,
                      false, c);
}

void DrawWideLine(Bitmap& bitmap, const Rect& clip, int x0, int y0, int x1, int y1, int width, Colour c) {
    if (IsEmpty(clip) || width < 1) return;
    const double off = (width % 2 == 1) ? 0.5 : 0.0;
    const double r = width / 2.0;
    Segment s{x0 + off, y0 + off, x1 + off, y1 + off};
    // Only the part of the segment within r of the clip box can paint a visible
    // pixel; cutting it there keeps all later arithmetic small and exact enough.
    const double margin = r + 2.0;
    if (!ClipSegment(s, clip.Left - margin, clip.Top - margin, clip.Right + margin, clip.Bottom + margin))
        return;

    const double top = std::min(s.ay, s.by) - r, bottom = std::max(s.ay, s.by) + r;
    const std::int64_t rowLo =
        std::max<std::int64_t>(clip.Top, FloorClamped(top - 0.5, INT32_MIN, INT32_MAX));
    const std::int64_t rowHi =
        std::min<std::int64_t>(clip.Bottom - 1, CeilClamped(bottom, INT32_MIN, INT32_MAX));
    const StrokeBody body(s, r);
    for (std::int64_t j = rowLo; j <= rowHi; ++j) {
        const double y = static_cast<double>(j) + 0.5;
        Interval span = body.Row(y);
        // The end discs of a cut segment lie wholly outside the clip box.
        span = Merge(span, DiscRow(s.ax, s.ay, r, y));
        span = Merge(span, DiscRow(s.bx, s.by, r, y));
        if (span.Empty()) continue;
        // Pixel i is painted when its centre i + 0.5 lies strictly inside (lo, hi).
        const std::int64_t lo = FloorClamped(span.lo - 0.5, INT32_MIN, INT32_MAX) + 1;
        const std::int64_t hi = CeilClamped(span.hi - 0.5, INT32_MIN, INT32_MAX) - 1;
        FillRunClipped(bitmap, clip, j, lo, hi, c);
    }
}

}  // namespace kolvar
