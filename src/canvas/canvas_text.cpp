// Text output of the canvas: the cell filled with the brush, glyphs blended
// from the brush towards the font colour by their coverage.
#include <algorithm>
#include <cstdint>

#include "canvas/canvas.h"
#include "canvas/clip.h"
#include "canvas/font_registry.h"

namespace kolvar {

namespace {

SizedFont* FontOf(const std::string& face, int points) {
    return FindSizedFont(face, PixelHeightForPoints(points));
}

inline std::uint8_t Blend(std::uint8_t dst, std::uint8_t src, unsigned a) {
    return static_cast<std::uint8_t>((dst * (255u - a) + src * a + 127u) / 255u);
}

void BlitGlyph(Bitmap& bitmap, const Rect& clip, const GlyphBitmap& g, std::int64_t left, std::int64_t top,
               Colour c) {
    const std::int64_t x0 = std::max<std::int64_t>(left, clip.Left);
    const std::int64_t x1 = std::min<std::int64_t>(left + g.Width, clip.Right);
    const std::int64_t y0 = std::max<std::int64_t>(top, clip.Top);
    const std::int64_t y1 = std::min<std::int64_t>(top + g.Rows, clip.Bottom);
    if (x1 <= x0 || y1 <= y0) return;
    for (std::int64_t y = y0; y < y1; ++y) {
        const std::uint8_t* cov = g.Coverage.data() + (y - top) * g.Width;
        std::uint8_t* p = PixelAt(bitmap, static_cast<int>(x0), static_cast<int>(y));
        for (std::int64_t x = x0; x < x1; ++x, p += 3) {
            const unsigned a = cov[x - left];
            if (a == 0) continue;
            p[0] = Blend(p[0], c.Red, a);
            p[1] = Blend(p[1], c.Green, a);
            p[2] = Blend(p[2], c.Blue, a);
        }
    }
}

}  // namespace

TextMetrics Canvas::GetTextMetrics() {
    TextMetrics tm;
    SizedFont* font = FontOf(fontFace_, fontSize_);
    if (!font) return tm;
    const FontPixelMetrics& m = font->Metrics();
    tm.Ascent = m.Ascent;
    tm.Descent = m.Descent;
    tm.Height = m.Ascent + m.Descent;
    tm.InternalLeading = tm.Height - m.EmHeight;
    tm.ExternalLeading = m.ExternalLeading;
    return tm;
}

TextSize Canvas::TextExtent(std::string_view bytes) {
    SizedFont* font = FontOf(fontFace_, fontSize_);
    if (!font) return {};
    // An empty text still has the font's height, as the raster text-extent call reports it.
    return {font->TextWidth(bytes), font->Metrics().Ascent + font->Metrics().Descent};
}

void Canvas::TextOut(int x, int y, std::string_view bytes) { DrawText(x, y, bytes, true); }

void Canvas::TextOutTransparent(int x, int y, std::string_view bytes) { DrawText(x, y, bytes, false); }

void Canvas::DrawText(int x, int y, std::string_view bytes, bool fillCell) {
    SizedFont* font = FontOf(fontFace_, fontSize_);
    if (!font) return;
    const Rect clip = EffectiveClip();
    const FontPixelMetrics& m = font->Metrics();
    const std::int64_t width = font->TextWidth(bytes);
    const std::int64_t rowLo = std::max<std::int64_t>(y, clip.Top);
    const std::int64_t rowHi = std::min<std::int64_t>(std::int64_t(y) + m.Ascent + m.Descent, clip.Bottom);
    for (std::int64_t row = rowLo; fillCell && row < rowHi; ++row)
        FillRunClipped(bitmap_, clip, row, x, std::int64_t(x) + width - 1, brushColour_);
    std::int64_t penX = x;
    const std::int64_t baseline = std::int64_t(y) + m.Ascent;
    for (char ch : bytes) {
        const GlyphBitmap& g = font->Glyph(static_cast<unsigned char>(ch));
        BlitGlyph(bitmap_, clip, g, penX + g.Left, baseline - g.Top, fontColour_);
        penX += g.Advance;
    }
}

}  // namespace kolvar
