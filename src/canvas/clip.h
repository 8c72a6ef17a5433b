#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "canvas/bitmap.h"
#include "canvas/canvas.h"
#include "canvas/span_fill.h"

namespace kolvar {

inline Rect Intersect(const Rect& a, const Rect& b) {
    Rect r{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
           std::min(a.Bottom, b.Bottom)};
    if (r.Right < r.Left) r.Right = r.Left;
    if (r.Bottom < r.Top) r.Bottom = r.Top;
    return r;
}

inline bool IsEmpty(const Rect& r) { return r.Right <= r.Left || r.Bottom <= r.Top; }

inline Rect BoundsOf(const Bitmap& b) { return {0, 0, b.Width(), b.Height()}; }

// Float to int with the value first limited to [lo, hi]; NaN gives lo.
// Every conversion of a computed coordinate goes through here so that far-off
// geometry can never overflow the integer conversion.
inline std::int64_t ClampToInt(double v, std::int64_t lo, std::int64_t hi) {
    if (!(v >= static_cast<double>(lo))) return lo;
    if (v >= static_cast<double>(hi)) return hi;
    return static_cast<std::int64_t>(v);
}

inline std::int64_t FloorClamped(double v, std::int64_t lo, std::int64_t hi) {
    return ClampToInt(std::floor(v), lo, hi);
}
inline std::int64_t CeilClamped(double v, std::int64_t lo, std::int64_t hi) {
    return ClampToInt(std::ceil(v), lo, hi);
}

// Paints pixels x0..x1 (inclusive) of row y, clipped to `clip`.
inline void FillRunClipped(Bitmap& bitmap, const Rect& clip, std::int64_t y, std::int64_t x0, std::int64_t x1,
                           Colour c) {
    if (y < clip.Top || y >= clip.Bottom) return;
    x0 = std::max<std::int64_t>(x0, clip.Left);
    x1 = std::min<std::int64_t>(x1, clip.Right - 1);
    if (x1 < x0) return;
    FillRun(bitmap, static_cast<int>(y), static_cast<int>(x0), static_cast<int>(x1), c);
}

}  // namespace kolvar
