#include "print/ink.h"

#include <vector>

#include "canvas/cp1250.h"

namespace kolvar {

void Ink::Dash(std::initializer_list<double> pattern) {
    c_.cairo_set_dash(cr_, pattern.size() ? pattern.begin() : nullptr, static_cast<int>(pattern.size()), 0.0);
}

void Ink::Ellipse(PagePoint centre, double rx, double ry, double angle) {
    // The path keeps page coordinates: the transformation only shapes it.
    c_.cairo_save(cr_);
    c_.cairo_translate(cr_, centre.X, centre.Y);
    c_.cairo_rotate(cr_, angle);
    c_.cairo_scale(cr_, rx, ry);
    c_.cairo_new_sub_path(cr_);
    c_.cairo_arc(cr_, 0.0, 0.0, 1.0, 0.0, 6.283185307179586);
    c_.cairo_close_path(cr_);
    c_.cairo_restore(cr_);
}

void Ink::Text(PrintFace face, double size, PagePoint at, std::string_view bytes, TextAnchor anchor) {
    if (bytes.empty()) return;
    double x = at.X;
    if (anchor != TextAnchor::Left) {
        const double width = TextWidth(face, size, bytes);
        x -= anchor == TextAnchor::Centre ? width / 2 : width;
    }
    std::vector<cairo_glyph_t> glyphs;
    glyphs.reserve(bytes.size());
    for (const char ch : bytes) {
        const auto byte = static_cast<unsigned char>(ch);
        glyphs.push_back({fonts_.GlyphOf(face, byte), x, at.Y});
        x += fonts_.Advance(face, byte, size);
    }
    c_.cairo_set_font_face(cr_, fonts_.CairoFace(face));
    c_.cairo_set_font_size(cr_, size);
    const int count = static_cast<int>(glyphs.size());
    if (face != PrintFace::Plain) {
        c_.cairo_show_glyphs(cr_, glyphs.data(), count);
        return;
    }
    // One glyph for every byte, and each byte's character in UTF-8.
    const std::string utf8 = Cp1250ToUtf8(bytes);
    std::vector<cairo_text_cluster_t> clusters;
    clusters.reserve(bytes.size());
    for (const char ch : bytes) {
        const std::string one = Cp1250ToUtf8(std::string_view(&ch, 1));
        clusters.push_back({static_cast<int>(one.size()), 1});
    }
    c_.cairo_show_text_glyphs(cr_, utf8.data(), static_cast<int>(utf8.size()), glyphs.data(), count,
                              clusters.data(), static_cast<int>(clusters.size()),
                              cairo_text_cluster_flags_t{});
}

}  // namespace kolvar
