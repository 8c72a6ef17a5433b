#include "canvas/canvas.h"

#include <algorithm>
#include <cstdint>

#include "canvas/clip.h"
#include "canvas/ellipse_raster.h"
#include "canvas/flood_fill.h"
#include "canvas/line_raster.h"

namespace kolvar {

Canvas::Canvas(Bitmap& bitmap) : bitmap_(bitmap), clip_(BoundsOf(bitmap)) {}

Canvas::~Canvas() = default;

Rect Canvas::EffectiveClip() {
    // The bitmap may have been resized since the clip box was set.
    if (!clipSet_) {
        if (clip_.Right != bitmap_.Width() || clip_.Bottom != bitmap_.Height() || clip_.Left != 0 ||
            clip_.Top != 0)
            clip_ = BoundsOf(bitmap_);
    } else if (clip_.Right > bitmap_.Width() || clip_.Bottom > bitmap_.Height()) {
        clip_ = Intersect(clip_, BoundsOf(bitmap_));
    }
    return clip_;
}

void Canvas::SetClipRect(const Rect& r) {
    Rect n = r;
    if (n.Right < n.Left) std::swap(n.Left, n.Right);
    if (n.Bottom < n.Top) std::swap(n.Top, n.Bottom);
    clip_ = Intersect(n, BoundsOf(bitmap_));
    clipSet_ = true;
}

void Canvas::ResetClipRect() {
    clipSet_ = false;
    clip_ = BoundsOf(bitmap_);
}

Colour Canvas::Pixel(int x, int y) const { return bitmap_.Pixel(x, y); }

void Canvas::SetPixel(int x, int y, Colour c) {
    const Rect clip = EffectiveClip();
    if (x < clip.Left || x >= clip.Right || y < clip.Top || y >= clip.Bottom) return;
    PutPixel(bitmap_, x, y, c);
}

void Canvas::FillRect(const Rect& r) {
    const Rect clip = EffectiveClip();
    const Rect box = Intersect({std::min(r.Left, r.Right), std::min(r.Top, r.Bottom),
                                std::max(r.Left, r.Right), std::max(r.Top, r.Bottom)},
                               clip);
    for (int y = box.Top; y < box.Bottom; ++y) FillRun(bitmap_, y, box.Left, box.Right - 1, brushColour_);
}

void Canvas::Rectangle(int x1, int y1, int x2, int y2) {
    const Rect clip = EffectiveClip();
    std::int64_t l = std::min(x1, x2), r = std::max(x1, x2), t = std::min(y1, y2), b = std::max(y1, y2);
    if (l == r || t == b) return;
    // The pen band lies inside the box for widths 1 and 2 and grows outwards
    // by (width - 1) / 2 beyond that, keeping it centred on the one-pixel frame.
    const std::int64_t grow = (penWidth_ - 1) / 2;
    l -= grow;
    t -= grow;
    r += grow;
    b += grow;
    const std::int64_t w = penWidth_;
    const std::int64_t rowLo = std::max<std::int64_t>(t, clip.Top),
                       rowHi = std::min<std::int64_t>(b, clip.Bottom) - 1;
    for (std::int64_t j = rowLo; j <= rowHi; ++j) {
        if (j < t + w || j >= b - w || r - l <= 2 * w) {
            FillRunClipped(bitmap_, clip, j, l, r - 1, penColour_);
        } else {
            FillRunClipped(bitmap_, clip, j, l, l + w - 1, penColour_);
            FillRunClipped(bitmap_, clip, j, l + w, r - w - 1, brushColour_);
            FillRunClipped(bitmap_, clip, j, r - w, r - 1, penColour_);
        }
    }
}

void Canvas::Ellipse(int x1, int y1, int x2, int y2) {
    DrawEllipseShape(bitmap_, EffectiveClip(), x1, y1, x2, y2, penWidth_, penColour_, brushColour_,
                     std::nullopt);
}

void Canvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    DrawEllipseShape(bitmap_, EffectiveClip(), x1, y1, x2, y2, penWidth_, penColour_, std::nullopt,
                     ArcRays{x3, y3, x4, y4});
}

void Canvas::MoveTo(int x, int y) {
    penX_ = x;
    penY_ = y;
}

void Canvas::LineTo(int x, int y) {
    const Rect clip = EffectiveClip();
    if (penWidth_ <= 1)
        DrawThinLine(bitmap_, clip, penX_, penY_, x, y, penColour_);
    else
        DrawWideLine(bitmap_, clip, penX_, penY_, x, y, penWidth_, penColour_);
    penX_ = x;
    penY_ = y;
}

void Canvas::SetFontFace(std::string_view face) { fontFace_ = std::string(face); }

void Canvas::SetFontSize(int points) { fontSize_ = points; }

void Canvas::FloodFillSurface(int x, int y, Colour surface) {
    FloodFillSurfaceArea(bitmap_, EffectiveClip(), x, y, surface, brushColour_);
}

}  // namespace kolvar
