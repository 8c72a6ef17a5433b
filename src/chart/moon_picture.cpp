#include "chart/moon_picture.h"

#include <cmath>
#include <cstdlib>

#include "chart/pixel_rules.h"

namespace kolvar {

MoonPicture ComposeMoonPicture(const ChartFrame& frame, double phase, const Bitmap& light,
                               const Bitmap& dark) {
    MoonPicture out;
    out.Picture = Bitmap(MoonPictureSize, MoonPictureSize);
    const double a = std::cos(phase);
    const double b = std::sin(phase);
    // |51 a| truncated: 0..51 (an undefined phase, NaN, counts as a quarter).
    const double semiAxis = std::abs(51 * a);
    const int d = semiAxis <= 51.0 ? static_cast<int>(semiAxis) : 0;
    const int side = b > 0 ? 1 : -1;
    const bool darkInside = a > 0;
    for (int i = 0; i < MoonPictureSize; ++i) {
        for (int j = 0; j < MoonPictureSize; ++j) {
            const int di = i - 52, dj = j - 52;
            const bool inside = 2601 * di * di + d * d * dj * dj <= 2601 * d * d;
            const bool isDark = inside ? darkInside : di * side >= 0;
            out.Picture.SetPixel(i, j, isDark ? dark.Pixel(i, j) : light.Pixel(i, j));
        }
    }
    const int e = CeilToInt(frame.ChartRadius * 0.14);
    out.Size = 2 * e;
    out.Left = TruncToInt(frame.CentreX + frame.ChartRadius * 0.9 - e);
    out.Top = TruncToInt(frame.CentreY + frame.ChartRadius * 0.9 - e);
    return out;
}

void LayMoonPicture(Bitmap& chart, const MoonPicture& moon) {
    const int n = moon.Size;
    const int srcW = moon.Picture.Width(), srcH = moon.Picture.Height();
    if (n <= 0 || srcW <= 0 || srcH <= 0) return;
    for (int dy = 0; dy < n; ++dy) {
        const int y = moon.Top + dy;
        if (y < 0 || y >= chart.Height()) continue;
        // Sample at the centre of each target pixel.
        const int sy = static_cast<int>((2LL * dy + 1) * srcH / (2LL * n));
        for (int dx = 0; dx < n; ++dx) {
            const int x = moon.Left + dx;
            if (x < 0 || x >= chart.Width()) continue;
            const int sx = static_cast<int>((2LL * dx + 1) * srcW / (2LL * n));
            chart.SetPixel(x, y, moon.Picture.Pixel(sx, sy));
        }
    }
}

}  // namespace kolvar
