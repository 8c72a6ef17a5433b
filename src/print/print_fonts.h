#pragma once

// The three faces the print chart writes in, opened for cairo from the same
// sources as the canvas's (canvas/font_registry.h): the embedded Runex23x
// and Symbol faces, and "Arial" as fontconfig resolves it. cairo gets its
// own FreeType faces, since it sets sizes on the faces it draws with. The
// bytes of a text map to glyphs exactly as the canvas maps them, and the
// faces embed in a PDF as subsets of the fonts themselves.

#include <array>
#include <string>
#include <string_view>

#include "print/cairo_library.h"

namespace kolvar {

enum class PrintFace { Plain, Runic, Greek };  // Arial (Windows-1250), Runex23x, Symbol
inline constexpr int PrintFaceCount = 3;

class PrintFonts {
public:
    // Opens the faces on first use (RegisterProgramFonts must have run);
    // nullptr with a reason when one cannot be read.
    static const PrintFonts* Open(const CairoLibrary& cairo, std::string& error);

    cairo_font_face_t* CairoFace(PrintFace face) const { return faces_[Index(face)].Cairo; }
    unsigned GlyphOf(PrintFace face, unsigned char byte) const { return faces_[Index(face)].Glyph[byte]; }

    // Unhinted advance of one byte and width of a text, in points at `size` points.
    double Advance(PrintFace face, unsigned char byte, double size) const {
        return faces_[Index(face)].Advance[byte] * size;
    }
    double TextWidth(PrintFace face, std::string_view bytes, double size) const;
    // Height above and below the baseline of the face's capitals and descenders, in points.
    double Ascent(PrintFace face, double size) const { return faces_[Index(face)].Ascent * size; }
    double Descent(PrintFace face, double size) const { return faces_[Index(face)].Descent * size; }

private:
    struct Face {
        cairo_font_face_t* Cairo = nullptr;
        std::array<unsigned, 256> Glyph{};
        std::array<double, 256> Advance{};   // in ems
        double Ascent = 0.0, Descent = 0.0;  // in ems
    };
    static std::size_t Index(PrintFace face) { return static_cast<std::size_t>(face); }
    std::array<Face, PrintFaceCount> faces_;
};

}  // namespace kolvar
