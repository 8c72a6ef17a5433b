#pragma once

#include <climits>

namespace kolvar {

// Truncates a floating chart coordinate toward zero for the integer drawing
// calls. Values that do not fit an int (and NaN) give INT_MIN, the value the
// x86 truncating conversion produces for them, instead of undefined behaviour;
// INT_MIN lies far outside every bitmap and is clipped (or skipped by callers
// that ignore non-positive coordinates).
constexpr int TruncateToPixel(double v) {
    if (!(v > -2147483649.0 && v < 2147483648.0)) return INT_MIN;
    return static_cast<int>(v);
}

}  // namespace kolvar
