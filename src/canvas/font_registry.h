#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kolvar {

// Font faces for the canvas, looked up by face name without regard to case.
// Faces registered here from embedded bytes come first ("Runex23x", "Symbol");
// any other name is resolved through fontconfig ("Arial" finds a
// metric-compatible face such as Liberation Sans).
//
// Text is 8-bit: bytes of a plain face are Windows-1250 and are converted to
// Unicode; bytes of a symbol face are glyph codes of the font itself, looked
// up as U+F000 + byte (the usual symbol-font encoding) and then as U+00xx.
//
// Faces and rendered glyphs are cached for the life of the process. The
// registry is meant for the one drawing thread; it is not locked.

// Registers (or replaces) a face from font file bytes, which are copied.
// Returns false when FreeType cannot read the bytes; the name is then not registered.
bool RegisterEmbeddedFace(std::string_view face, const unsigned char* data, std::size_t size,
                          bool symbolFace);

// True when `face` names a face registered with RegisterEmbeddedFace.
bool IsRegisteredFace(std::string_view face);

// True when every byte of `bytes` maps to a real glyph (not the missing-glyph
// box) of the face that `face` resolves to; false when no face can be loaded.
bool FaceHasGlyphs(std::string_view face, std::string_view bytes);

// Family name stored in the font that `face` resolves to (e.g. "Liberation
// Sans" for "Arial"); empty when no face can be loaded.
std::string ResolvedFamilyName(std::string_view face);

// Where the face that `face` resolves to comes from, so that another
// renderer (the print chart's cairo) can open its own copy of it: the
// embedded bytes, or the file fontconfig chose; and the glyph of every byte
// as the canvas maps it (0: missing). Bytes stay valid until the name is
// registered again. Nothing when no face can be loaded.
struct FaceSource {
    std::span<const unsigned char> Bytes;  // an embedded face's font file
    std::string File;                      // a system face's font file
    int Index = 0;                         // the face within File
    std::array<unsigned, 256> GlyphOfByte{};
};
std::optional<FaceSource> FaceSourceOf(std::string_view face);

// Em height in pixels of a size in points at 96 dots per inch, rounded like
// the usual points-to-pixels conversion; at least 1, at most 2000.
int PixelHeightForPoints(int points);

struct FontPixelMetrics {
    int EmHeight = 0;
    int Ascent = 0;           // above the baseline, whole pixels
    int Descent = 0;          // below the baseline
    int ExternalLeading = 0;  // extra line gap the font asks for
};

// One glyph rendered as 8-bit coverage (0 = background, 255 = full ink).
struct GlyphBitmap {
    int Width = 0, Rows = 0;
    int Left = 0;  // from the pen position to the raster's left column
    int Top = 0;   // from the baseline up to the raster's top row
    int Advance = 0;
    std::vector<std::uint8_t> Coverage;  // Rows x Width
};

struct FaceData;

// A face at one pixel size. Owned by the registry; a pointer stays valid until
// the same face name is registered again.
class SizedFont {
public:
    SizedFont(FaceData& face, int pixelHeight);
    const FontPixelMetrics& Metrics() const { return metrics_; }
    // Rendered on first use and kept.
    const GlyphBitmap& Glyph(unsigned char byte);
    // The glyph's advance, the same as Glyph(byte).Advance, found without
    // rendering the glyph (measuring at many sizes stays cheap) and kept.
    int Advance(unsigned char byte);
    int TextWidth(std::string_view bytes);

private:
    bool SelectSize();

    FaceData* face_;
    int pixelHeight_;
    FontPixelMetrics metrics_;
    std::array<std::unique_ptr<GlyphBitmap>, 256> glyphs_;
    std::array<int, 256> advances_;  // -1 until known
};

// The face `face` at em height `pixelHeight`, or nullptr when no font at all can be loaded.
SizedFont* FindSizedFont(std::string_view face, int pixelHeight);

}  // namespace kolvar
