#include "print/smooth_pixels.h"

#include <algorithm>
#include <cmath>
#include <utility>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

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

void CopyRow(const std::uint32_t* __restrict in, std::uint8_t* __restrict out, int count) {
    for (int x = 0; x < count; ++x) {
        const std::uint32_t p = in[x];
        out[3 * x] = static_cast<std::uint8_t>(p >> 16);
        out[3 * x + 1] = static_cast<std::uint8_t>(p >> 8);
        out[3 * x + 2] = static_cast<std::uint8_t>(p);
    }
}

#if defined(__x86_64__) || defined(__i386__)
// Four pixels at a time with one byte shuffle (SSSE3, where the processor has
// it): a whole chart in a fraction of the time of the loop above. Each store
// writes four bytes beyond the twelve it means, which the next one covers, so
// it stops six pixels short of the row's end; returns how many it copied.
__attribute__((target("ssse3"))) int ShuffleRow(const std::uint32_t* in, std::uint8_t* out, int count) {
    const __m128i order = _mm_setr_epi8(2, 1, 0, 6, 5, 4, 10, 9, 8, 14, 13, 12, -1, -1, -1, -1);
    int x = 0;
    for (; x + 6 <= count; x += 4, out += 12)
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out),
                         _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(in + x)), order));
    return x;
}
bool HasByteShuffle() {
    static const bool has = __builtin_cpu_supports("ssse3");
    return has;
}
#else
int ShuffleRow(const std::uint32_t*, std::uint8_t*, int) { return 0; }
bool HasByteShuffle() { return false; }
#endif

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
    // Only the part over the surface is walked: along the line within the
    // surface's extent, and across it only the rows (or columns) it has.
    const double limit = steep ? surface.Height : surface.Width;
    const int across = steep ? surface.Width : surface.Height;
    const int first = static_cast<int>(std::max(0.0, std::floor(x0 + 0.5)));
    const int last = static_cast<int>(std::min(limit - 1.0, std::floor(x1 + 0.5)));
    if (!(alpha > 0.0)) return;
    for (int x = first; x <= last; ++x) {
        const double y = y0 + gradient * (x + 0.5 - x0) - 0.5;
        const double fy = std::floor(y);
        if (!(fy >= -1.0 && fy < across)) continue;
        const double f = y - fy;
        const int iy = static_cast<int>(fy);
        const double upper = alpha * (1.0 - f), lower = alpha * f;
        if (steep) {
            if (iy >= 0 && upper > 0.0) {
                std::uint32_t& px = surface.Row(x)[iy];
                px = Mix(px, packed, Weight(upper));
            }
            if (iy + 1 < across && lower > 0.0) {
                std::uint32_t& px = surface.Row(x)[iy + 1];
                px = Mix(px, packed, Weight(lower));
            }
        } else {
            if (iy >= 0 && upper > 0.0) {
                std::uint32_t& px = surface.Row(iy)[x];
                px = Mix(px, packed, Weight(upper));
            }
            if (iy + 1 < across && lower > 0.0) {
                std::uint32_t& px = surface.Row(iy + 1)[x];
                px = Mix(px, packed, Weight(lower));
            }
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
    const double edge2 = (r + 0.5) * (r + 0.5), lit2 = std::max(glow2, edge2);
    // Only a disc whose box reaches the clip circle needs the test pixel by pixel.
    const double far = std::hypot(star.At.X - clipX, star.At.Y - clipY) + (reach + 2.0) * std::sqrt(2.0);
    const bool clipped = !(far < clipRadius);
    const std::uint32_t tint = PackedPixel(star.Tint);
    for (int y = y0; y <= y1; ++y) {
        std::uint32_t* row = surface.Row(y);
        const double dy = y + 0.5 - star.At.Y, cy = y + 0.5 - clipY;
        // The columns whose pixel centres may lie within the light, a pixel wide on either side.
        const double rest = lit2 - dy * dy;
        if (rest <= 0.0) continue;
        const double half = std::sqrt(rest) + 1.0;
        const int from = std::max(x0, static_cast<int>(std::floor(star.At.X - half)));
        const int to = std::min(x1, static_cast<int>(std::ceil(star.At.X + half)));
        for (int x = from; x <= to; ++x) {
            const double dx = x + 0.5 - star.At.X;
            if (clipped) {
                const double cx = x + 0.5 - clipX;
                if (cx * cx + cy * cy > clip2) continue;
            }
            const double d2 = dx * dx + dy * dy;
            if (d2 >= glow2 && d2 >= edge2) continue;
            const double q = std::max(0.0, 1.0 - d2 / glow2);
            const double glow = 0.3 * q * q * q;
            std::uint32_t ink = tint;
            double a = glow;
            // Beyond the disc's soft edge only the glow lights a pixel.
            if (d2 < edge2) {
                const double d = std::sqrt(d2);
                const double disc = std::clamp(r + 0.5 - d, 0.0, 1.0);
                a = std::max(disc, glow);
                // The middle of a bright disc goes towards white.
                const double white = disc * std::clamp(1.0 - d / (0.6 * r), 0.0, 1.0) * 0.6;
                if (white > 0.0) ink = Mix(tint, 0xFFFFFFu, Weight(white));
            }
            a *= strength;
            if (a > 0.002) row[x] = Mix(row[x], ink, Weight(a));
        }
    }
}

void BlendRing(const PixelSurface& surface, const StarDisc& circle, double width) {
    const double r = circle.Radius, half = width / 2.0, outer = r + half + 1.0, inner = r - half - 1.0;
    const std::uint32_t ink = PackedPixel(circle.Tint);
    const int y0 = std::max(0, static_cast<int>(std::floor(circle.At.Y - outer)));
    const int y1 = std::min(surface.Height - 1, static_cast<int>(std::ceil(circle.At.Y + outer)));
    for (int y = y0; y <= y1; ++y) {
        std::uint32_t* row = surface.Row(y);
        const double dy = y + 0.5 - circle.At.Y;
        const double reach = std::sqrt(std::max(0.0, outer * outer - dy * dy));
        // Inside the inner edge a row has nothing of the line: only its two ends are walked.
        const double gap = inner > 0.0 && dy * dy < inner * inner ? std::sqrt(inner * inner - dy * dy) : 0.0;
        const int from = std::max(0, static_cast<int>(std::floor(circle.At.X - reach)));
        const int to = std::min(surface.Width - 1, static_cast<int>(std::ceil(circle.At.X + reach)));
        const int skipFrom = static_cast<int>(std::ceil(circle.At.X - gap)),
                  skipTo = static_cast<int>(std::floor(circle.At.X + gap)) - 1;
        for (int x = from; x <= to; ++x) {
            if (x == skipFrom && skipFrom <= skipTo) x = skipTo + 1;
            const double dx = x + 0.5 - circle.At.X;
            // The share of the pixel within the line, across the line.
            const double a = std::clamp(half + 0.5 - std::abs(std::sqrt(dx * dx + dy * dy) - r), 0.0, 1.0);
            if (a > 0.0) row[x] = Mix(row[x], ink, Weight(a));
        }
    }
}

void CopyToBitmap(const PixelSurface& surface, Bitmap& picture) {
    const int w = std::min(picture.Width(), surface.Width);
    const bool shuffle = HasByteShuffle();
    for (int y = 0; y < std::min(picture.Height(), surface.Height); ++y) {
        const std::uint32_t* in = surface.Row(y);
        std::uint8_t* out =
            picture.Data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(picture.Stride());
        const int done = shuffle ? ShuffleRow(in, out, w) : 0;
        CopyRow(in + done, out + static_cast<std::ptrdiff_t>(done) * 3, w - done);
    }
}

}  // namespace kolvar
