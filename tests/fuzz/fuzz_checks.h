#pragma once

// The invariants of the fuzz targets. A broken one is printed and aborts, so
// libFuzzer keeps the input and the corpus replay fails.

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace kolvar::fuzz {

inline void Check(bool ok, const char* what, const std::string& detail = "") {
    if (ok) return;
    std::fprintf(stderr, "invariant broken: %s %s\n", what, detail.c_str());
    std::abort();
}

// Equal to 15 significant digits (subnormals, whose spacing is coarser, exactly).
inline bool SameTo15Digits(double a, double b) {
    return a == b || std::abs(a - b) <= 1e-14 * std::max(std::abs(a), std::abs(b));
}

}  // namespace kolvar::fuzz
