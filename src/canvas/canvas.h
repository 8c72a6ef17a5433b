#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "canvas/bitmap.h"
#include "canvas/colour.h"

namespace kolvar {

struct Rect {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;  // Right and Bottom excluded
};

struct TextSize {
    int Width = 0;
    int Height = 0;
};

struct TextMetrics {
    int Height = 0;  // Ascent + Descent
    int Ascent = 0;
    int Descent = 0;
    int InternalLeading = 0;
    int ExternalLeading = 0;
};

// Drawing state and operations over one Bitmap, with the classic raster
// conventions the chart relies on:
//  - LineTo paints from the current point up to, but not including, the end point;
//  - Rectangle and Ellipse are bounded by (x1, y1)-(x2, y2) with the right and
//    bottom edges excluded; they are filled with the brush and outlined with the pen;
//  - pens wider than one pixel are round;
//  - Arc draws counter-clockwise from the ray through (x3, y3) to the ray
//    through (x4, y4); equal start and end rays give the whole ellipse;
//  - FloodFillSurface paints the 4-connected area of exactly `surface` colour
//    that contains (x, y) with the brush colour;
//  - everything is clipped to the clip rectangle (initially the whole bitmap).
// Text: faces are looked up by name (embedded faces first, then fontconfig);
// sizes are points at 96 dpi. Bytes of plain faces are Windows-1250, bytes of
// symbol faces (the embedded runic and Greek faces) are glyph codes.
class Canvas {
public:
    explicit Canvas(Bitmap& bitmap);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    Bitmap& Target() { return bitmap_; }

    void SetPenColour(Colour c) { penColour_ = c; }
    Colour PenColour() const { return penColour_; }
    void SetPenWidth(int width) { penWidth_ = width < 1 ? 1 : width; }
    int PenWidth() const { return penWidth_; }
    void SetBrushColour(Colour c) { brushColour_ = c; }
    Colour BrushColour() const { return brushColour_; }

    void SetFontFace(std::string_view face);
    const std::string& FontFace() const { return fontFace_; }
    void SetFontSize(int points);
    int FontSize() const { return fontSize_; }
    void SetFontColour(Colour c) { fontColour_ = c; }
    Colour FontColour() const { return fontColour_; }

    Colour Pixel(int x, int y) const;
    void SetPixel(int x, int y, Colour c);

    void FillRect(const Rect& r);
    void Rectangle(int x1, int y1, int x2, int y2);
    void Ellipse(int x1, int y1, int x2, int y2);
    void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void FloodFillSurface(int x, int y, Colour surface);

    // The clip box is kept inside the bitmap; ResetClipRect follows the bitmap
    // again (also after it is resized).
    void SetClipRect(const Rect& r);
    void ResetClipRect();
    Rect ClipRect() const { return clip_; }

    // Text cell filled with the brush colour, glyphs in the font colour.
    void TextOut(int x, int y, std::string_view bytes);
    // The glyphs alone, blended over what lies beneath (an overlay's text).
    void TextOutTransparent(int x, int y, std::string_view bytes);
    TextSize TextExtent(std::string_view bytes);
    TextMetrics GetTextMetrics();

private:
    Bitmap& bitmap_;
    Colour penColour_ = colours::Black;
    int penWidth_ = 1;
    Colour brushColour_ = colours::White;
    std::string fontFace_ = "Arial";
    int fontSize_ = 10;
    Colour fontColour_ = colours::Black;
    Rect clip_;
    bool clipSet_ = false;  // false: the clip box is the whole bitmap
    int penX_ = 0, penY_ = 0;

    Rect EffectiveClip();
    void DrawText(int x, int y, std::string_view bytes, bool fillCell);
};

}  // namespace kolvar
