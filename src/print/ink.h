#pragma once

// One cairo drawing context of the print chart with the library that draws
// it and the faces it writes in: the few operations the print layers use,
// in page points (y down).

#include <initializer_list>
#include <string_view>

#include "print/cairo_library.h"
#include "print/print_fonts.h"

namespace kolvar {

struct PagePoint {
    double X = 0.0;
    double Y = 0.0;
};

enum class TextAnchor { Left, Centre, Right };

class Ink {
public:
    Ink(const CairoLibrary& cairo, const PrintFonts& fonts, cairo_t* cr)
        : c_(cairo), fonts_(fonts), cr_(cr) {}

    const CairoLibrary& Cairo() const { return c_; }
    const PrintFonts& Fonts() const { return fonts_; }
    cairo_t* Context() const { return cr_; }

    void Save() { c_.cairo_save(cr_); }
    void Restore() { c_.cairo_restore(cr_); }
    void Grey(double level) { c_.cairo_set_source_rgb(cr_, level, level, level); }
    void Colour(double r, double g, double b) { c_.cairo_set_source_rgb(cr_, r, g, b); }
    void Colour(double r, double g, double b, double alpha) { c_.cairo_set_source_rgba(cr_, r, g, b, alpha); }
    void LineWidth(double points) { c_.cairo_set_line_width(cr_, points); }
    void Dash(std::initializer_list<double> pattern);  // empty: solid
    void RoundEnds() {
        c_.cairo_set_line_cap(cr_, CAIRO_LINE_CAP_ROUND);
        c_.cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
    }

    void MoveTo(PagePoint p) { c_.cairo_move_to(cr_, p.X, p.Y); }
    void LineTo(PagePoint p) { c_.cairo_line_to(cr_, p.X, p.Y); }
    void CurveTo(PagePoint a, PagePoint b, PagePoint p) {
        c_.cairo_curve_to(cr_, a.X, a.Y, b.X, b.Y, p.X, p.Y);
    }
    void ClosePath() { c_.cairo_close_path(cr_); }
    void Circle(PagePoint centre, double radius) {
        c_.cairo_new_sub_path(cr_);
        c_.cairo_arc(cr_, centre.X, centre.Y, radius, 0.0, 6.283185307179586);
        c_.cairo_close_path(cr_);
    }
    // Arc about `centre` from angle a0 to a1 (radians, clockwise on the page), joined to the path.
    void Arc(PagePoint centre, double radius, double a0, double a1) {
        c_.cairo_arc(cr_, centre.X, centre.Y, radius, a0, a1);
    }
    // An ellipse of semi-axes rx, ry whose rx axis is turned by `angle` from the page's x axis.
    void Ellipse(PagePoint centre, double rx, double ry, double angle);
    void Rectangle(double x, double y, double w, double h) { c_.cairo_rectangle(cr_, x, y, w, h); }
    void Stroke() { c_.cairo_stroke(cr_); }
    void Fill() { c_.cairo_fill(cr_); }
    void FillPreserve() { c_.cairo_fill_preserve(cr_); }
    void EvenOdd(bool on) {
        c_.cairo_set_fill_rule(cr_, on ? CAIRO_FILL_RULE_EVEN_ODD : CAIRO_FILL_RULE_WINDING);
    }
    // Later drawing stays inside the current path (until Restore).
    void Clip() { c_.cairo_clip(cr_); }
    void Paint() { c_.cairo_paint(cr_); }
    void Translate(double x, double y) { c_.cairo_translate(cr_, x, y); }
    void Rotate(double radians) { c_.cairo_rotate(cr_, radians); }

    // An 8-bit text in `face` at `size` points with its baseline at y; plain
    // texts are Windows-1250 and carry their Unicode along (a PDF reader finds
    // them), runic and Greek texts are the fonts' own glyph codes.
    void Text(PrintFace face, double size, PagePoint at, std::string_view bytes,
              TextAnchor anchor = TextAnchor::Left);
    double TextWidth(PrintFace face, double size, std::string_view bytes) const {
        return fonts_.TextWidth(face, bytes, size);
    }

private:
    const CairoLibrary& c_;
    const PrintFonts& fonts_;
    cairo_t* cr_;
};

}  // namespace kolvar
