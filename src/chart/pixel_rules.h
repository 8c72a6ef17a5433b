#pragma once

#include <climits>
#include <cmath>

namespace kolvar {

// Float to int conversion of chart coordinates: truncation toward zero, as
// every pixel of the chart is placed. Values beyond the int range (points near
// the nadir project to enormous coordinates) saturate instead of invoking
// undefined behaviour; NaN gives INT_MIN, which every drawing routine treats
// as far off the bitmap.
inline int TruncToInt(double v) {
    if (std::isnan(v)) return INT_MIN;
    if (v >= 2147483647.0) return INT_MAX;
    if (v <= -2147483648.0) return INT_MIN;
    return static_cast<int>(v);
}

// Ceiling to int with the same saturation.
inline int CeilToInt(double v) { return TruncToInt(std::ceil(v)); }

}  // namespace kolvar
