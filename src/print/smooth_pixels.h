#pragma once

// The smooth style's work straight on the pixels of its cairo image surface
// (32-bit 0x00RRGGBB): what cairo would do far more slowly for thousands of
// small shapes. Anti-aliased one-pixel lines, soft star discs, and the copy
// into the canvas bitmap the window shows.

#include <cstdint>
#include <vector>

#include "canvas/bitmap.h"
#include "print/ink.h"
#include "print/print_lines.h"

namespace kolvar {

struct PixelSurface {
    unsigned char* Data = nullptr;
    int Stride = 0, Width = 0, Height = 0;
    std::uint32_t* Row(int y) const {
        return reinterpret_cast<std::uint32_t*>(Data + static_cast<std::ptrdiff_t>(y) * Stride);
    }
};

std::uint32_t PackedPixel(const InkColour& c);

// A line one pixel wide from a to b, its edges anti-aliased (Xiaolin Wu's
// way), `alpha` of `ink` over what lies beneath; clipped to the surface.
void BlendLine(const PixelSurface& surface, PagePoint a, PagePoint b, const InkColour& ink, double alpha);
void BlendPolylines(const PixelSurface& surface, const std::vector<std::vector<PagePoint>>& lines,
                    const InkColour& ink, double alpha);

// A star: a disc of `radius` pixels with a soft edge, white towards its
// middle, and a faint glow to 2.2 radii, in `tint`; nothing of it beyond
// `clipRadius` pixels from (clipX, clipY) (the horizon).
struct StarDisc {
    PagePoint At;
    double Radius = 1.0;
    InkColour Tint{1.0, 1.0, 1.0};
};
void BlendStarDisc(const PixelSurface& surface, const StarDisc& star, double clipX, double clipY,
                   double clipRadius);

// A circle line `width` pixels wide (about its radius), its edges
// anti-aliased, in `ink` over what lies beneath; clipped to the surface.
void BlendRing(const PixelSurface& surface, const StarDisc& circle, double width);

void CopyToBitmap(const PixelSurface& surface, Bitmap& picture);

}  // namespace kolvar
