#include "print/smooth_pixels.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace kolvar {

namespace {

// `a` (0..256) of `ink` over `px`, both 0x00RRGGBB: red and blue in one
// multiplication, green in another.
inline std::uint32_t Mix(std::uint32_t px, std::uint32_t ink, std::uint32_t a) {
    const std::uint32_t b = 256 - a;
    const std::uint32_t rb = ((px & 0xFF00FFu) * b + (ink & 0xFF00FFu) * a) >> 8;
    const std::uint32_t g = ((px & 0x00FF00u) * b + (ink & 0x00FF00u) * a) >> 8;
    return (rb & 0xFF00FFu) | (g & 0x00FF00u);
}

inline std::uint32_t Weight(double a) {
    return static_cast<std::uint32_t>(std::clamp(a, 0.0, 1.0) * 256.0 + 0.5);
}

void Plot(const PixelSurface& s, int x, int y, std::uint32_t ink, double a) {
    if (x < 0 || y < 0 || x >= s.Width || y >= s.Height || a <= 0.0) return;
    std::uint32_t& px = s.Row(y)[x];
    px = Mix(px, ink, Weight(a));
}

}  // namespace

std::uint32_t PackedPixel(const InkColour& c) {
    const auto channel = [](double v) {
        return static_cast<std::uint32_t>(std::clamp(v, 0.0, 1.0) * 255.0 + 0.5);
    };
    return channel(c[0]) << 16 | channel(c[1]) << 8 | channel(c[2]);
}

void BlendLine(const PixelSurface& surface, PagePoint a, PagePoint b, const InkColour& ink, double alpha) {
    double x0 = a.X, y0 = a.Y, x1 = b.X, y1 = b.Y;
    if (!std::isfinite(x0 + y0 + x1 + y1)) return;
    const bool steep = std::abs(y1 - y0) > std::abs(x1 - x0);
    if (steep) {
        std::swap(x0, y0);
        std::swap(x1, y1);
    }
    if (x0 > x1) {
        std::swap(x0, x1);
        std::swap(y0, y1);
    }
    const std::uint32_t packed = PackedPixel(ink);
    const double dx = x1 - x0;
    const double gradient = dx < 1e-9 ? 0.0 : (y1 - y0) / dx;
    // Only the part over the surface is walked.
    const double limit = steep ? surface.Height : surface.Width;
    const int first = static_cast<int>(std::max(0.0, std::floor(x0 + 0.5)));
    const int last = static_cast<int>(std::min(limit - 1.0, std::floor(x1 + 0.5)));
    for (int x = first; x <= last; ++x) {
        const double y = y0 + gradient * (x + 0.5 - x0) - 0.5;
        const double fy = std::floor(y);
        const double f = y - fy;
        const int iy = static_cast<int>(fy);
        if (steep) {
            Plot(surface, iy, x, packed, alpha * (1.0 - f));
            Plot(surface, iy + 1, x, packed, alpha * f);
        } else {
            Plot(surface, x, iy, packed, alpha * (1.0 - f));
            Plot(surface, x, iy + 1, packed, alpha * f);
        }
    }
}

void BlendPolylines(const PixelSurface& surface, const std::vector<std::vector<PagePoint>>& lines,
                    const InkColour& ink, double alpha) {
    for (const std::vector<PagePoint>& line : lines)
        for (std::size_t i = 1; i < line.size(); ++i) BlendLine(surface, line[i - 1], line[i], ink, alpha);
}

void BlendStarDisc(const PixelSurface& surface, const StarDisc& star, double clipX, double clipY,
                   double clipRadius) {
    const double r = star.Radius, reach = r * 2.2 + 1.0;
    // Faint discs are smaller than a pixel's worth of light: dimmer instead.
    const double strength = std::min(1.0, 0.45 + r * 0.45);
    const int x0 = std::max(0, static_cast<int>(std::floor(star.At.X - reach)));
    const int x1 = std::min(surface.Width - 1, static_cast<int>(std::ceil(star.At.X + reach)));
    const int y0 = std::max(0, static_cast<int>(std::floor(star.At.Y - reach)));
    const int y1 = std::min(surface.Height - 1, static_cast<int>(std::ceil(star.At.Y + reach)));
    const double clip2 = clipRadius * clipRadius, glow2 = 4.84 * r * r;
    const std::uint32_t tint = PackedPixel(star.Tint);
    for (int y = y0; y <= y1; ++y) {
        std::uint32_t* row = surface.Row(y);
        const double dy = y + 0.5 - star.At.Y, cy = y + 0.5 - clipY;
        for (int x = x0; x <= x1; ++x) {
            const double dx = x + 0.5 - star.At.X, cx = x + 0.5 - clipX;
            if (cx * cx + cy * cy > clip2) continue;
            const double d2 = dx * dx + dy * dy;
            if (d2 >= glow2 && d2 >= (r + 0.5) * (r + 0.5)) continue;
            const double d = std::sqrt(d2);
            const double disc = std::clamp(r + 0.5 - d, 0.0, 1.0);
            const double q = std::max(0.0, 1.0 - d2 / glow2);
            const double a = std::max(disc, 0.3 * q * q * q) * strength;
            // The middle of a bright disc goes towards white.
            const double white = disc * std::clamp(1.0 - d / (0.6 * r), 0.0, 1.0) * 0.6;
            const std::uint32_t ink = white > 0.0 ? Mix(tint, 0xFFFFFFu, Weight(white)) : tint;
            if (a > 0.002) row[x] = Mix(row[x], ink, Weight(a));
        }
    }
}

void CopyToBitmap(const PixelSurface& surface, Bitmap& picture) {
    const int w = std::min(picture.Width(), surface.Width);
    for (int y = 0; y < std::min(picture.Height(), surface.Height); ++y) {
        const std::uint32_t* __restrict in = surface.Row(y);
        std::uint8_t* __restrict out =
            picture.Data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(picture.Stride());
        for (int x = 0; x < w; ++x) {
            const std::uint32_t p = in[x];
            out[3 * x] = static_cast<std::uint8_t>(p >> 16);
            out[3 * x + 1] = static_cast<std::uint8_t>(p >> 8);
            out[3 * x + 2] = static_cast<std::uint8_t>(p);
        }
    }
}

}  // namespace kolvar
