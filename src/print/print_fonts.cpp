#include "print/print_fonts.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_ADVANCES_H

#include <memory>
#include <vector>

#include "canvas/font_registry.h"

namespace kolvar {

namespace {

constexpr std::string_view FaceNames[PrintFaceCount] = {"Arial", "Runex23x", "Symbol"};

// FreeType state that lives as long as the process: the library and, for
// every face, its own copy of the embedded bytes (cairo keeps the faces).
struct FreeTypeFaces {
    FT_Library Library = nullptr;
    std::vector<std::unique_ptr<std::vector<unsigned char>>> Bytes;
};

FreeTypeFaces& FreeType() {
    static FreeTypeFaces faces;
    return faces;
}

}  // namespace

double PrintFonts::TextWidth(PrintFace face, std::string_view bytes, double size) const {
    double width = 0.0;
    for (const char c : bytes) width += Advance(face, static_cast<unsigned char>(c), size);
    return width;
}

const PrintFonts* PrintFonts::Open(const CairoLibrary& cairo, std::string& error) {
    static std::unique_ptr<PrintFonts> opened;
    static std::string failure;
    if (opened) return opened.get();
    if (!failure.empty()) {
        error = failure;
        return nullptr;
    }
    FreeTypeFaces& ft = FreeType();
    if (ft.Library == nullptr && FT_Init_FreeType(&ft.Library) != 0) {
        ft.Library = nullptr;
        error = failure = "cannot start FreeType";
        return nullptr;
    }
    // Without the program's own faces fontconfig would offer any face for their names.
    if (!IsRegisteredFace(FaceNames[1]) || !IsRegisteredFace(FaceNames[2])) {
        error = "the program's own fonts are not registered";
        return nullptr;
    }
    auto fonts = std::make_unique<PrintFonts>();
    for (int i = 0; i < PrintFaceCount; ++i) {
        const std::optional<FaceSource> source = FaceSourceOf(FaceNames[i]);
        FT_Face face = nullptr;
        if (source && !source->Bytes.empty()) {
            ft.Bytes.push_back(
                std::make_unique<std::vector<unsigned char>>(source->Bytes.begin(), source->Bytes.end()));
            const std::vector<unsigned char>& bytes = *ft.Bytes.back();
            if (FT_New_Memory_Face(ft.Library, bytes.data(), static_cast<FT_Long>(bytes.size()), 0, &face) !=
                0)
                face = nullptr;
        } else if (source && !source->File.empty()) {
            if (FT_New_Face(ft.Library, source->File.c_str(), source->Index, &face) != 0) face = nullptr;
        }
        if (face == nullptr) {
            error = failure = "cannot open the font " + std::string(FaceNames[i]);
            return nullptr;
        }
        Face& f = fonts->faces_[static_cast<std::size_t>(i)];
        f.Glyph = source->GlyphOfByte;
        const double em = face->units_per_EM > 0 ? face->units_per_EM : 1000;
        for (std::size_t b = 0; b < f.Glyph.size(); ++b) {
            FT_Fixed advance = 0;
            if (FT_Get_Advance(face, f.Glyph[b], FT_LOAD_NO_SCALE, &advance) == 0)
                f.Advance[b] = static_cast<double>(advance) / em;
        }
        f.Ascent = static_cast<double>(face->ascender) / em;
        f.Descent = -static_cast<double>(face->descender) / em;
        // cairo takes the face over: it is released with the cairo face.
        f.Cairo = cairo.cairo_ft_font_face_create_for_ft_face(face, 0);
        static const cairo_user_data_key_t key{};
        if (cairo.cairo_font_face_status(f.Cairo) != CAIRO_STATUS_SUCCESS ||
            cairo.cairo_font_face_set_user_data(f.Cairo, &key, face, [](void* p) {
                FT_Done_Face(static_cast<FT_Face>(p));
            }) != CAIRO_STATUS_SUCCESS) {
            error = failure = "cannot use the font " + std::string(FaceNames[i]) + " for drawing";
            return nullptr;
        }
    }
    opened = std::move(fonts);
    return opened.get();
}

}  // namespace kolvar
