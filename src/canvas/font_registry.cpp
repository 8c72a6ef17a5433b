#include "canvas/font_registry.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <map>
#include <unordered_map>

#include "canvas/cp1250.h"

namespace kolvar {

struct FaceData {
    std::vector<unsigned char> bytes;  // the font file of an embedded face
    std::string file;                  // the font file of a system face
    int fileIndex = 0;
    bool symbol = false;
    FT_Face face = nullptr;
    std::array<FT_UInt, 256> glyphIndex{};  // byte -> glyph, 0 when missing
    std::map<int, std::unique_ptr<SizedFont>> sizes;
    int selectedPixelHeight = 0;  // the size last set on `face`, 0 for none

    ~FaceData() {
        sizes.clear();
        if (face) FT_Done_Face(face);
    }
};

namespace {

std::string Key(std::string_view face) {
    std::string k(face);
    for (char& ch : k)
        if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
    return k;
}

FT_UInt LookUp(FT_Face face, FT_Encoding encoding, FT_ULong code) {
    if (FT_Select_Charmap(face, encoding) != 0) return 0;
    return FT_Get_Char_Index(face, code);
}

// Glyph of every byte, fixed once per face so drawing never switches charmaps.
void MapBytes(FaceData& d) {
    for (int b = 0; b < 256; ++b) {
        FT_UInt g = 0;
        if (d.symbol) {
            const FT_ULong codes[] = {0xF000u + static_cast<FT_ULong>(b), static_cast<FT_ULong>(b)};
            for (FT_Encoding enc : {FT_ENCODING_MS_SYMBOL, FT_ENCODING_UNICODE})
                for (FT_ULong code : codes)
                    if (g == 0) g = LookUp(d.face, enc, code);
        } else {
            g = LookUp(d.face, FT_ENCODING_UNICODE, Cp1250ToUnicode(static_cast<unsigned char>(b)));
        }
        d.glyphIndex[static_cast<std::size_t>(b)] = g;
    }
}

class Registry {
public:
    static Registry& Instance() {
        static Registry r;
        return r;
    }

    bool Register(std::string_view name, const unsigned char* data, std::size_t size, bool symbol) {
        if (!library_ || data == nullptr || size == 0) return false;
        auto d = std::make_unique<FaceData>();
        d->bytes.assign(data, data + size);
        d->symbol = symbol;
        if (FT_New_Memory_Face(library_, d->bytes.data(), static_cast<FT_Long>(d->bytes.size()), 0,
                               &d->face) != 0) {
            d->face = nullptr;
            return false;
        }
        MapBytes(*d);
        const std::string key = Key(name);
        embedded_[key] = std::move(d);
        return true;
    }

    bool IsEmbedded(std::string_view name) const { return embedded_.count(Key(name)) != 0; }

    FaceData* Find(std::string_view name) {
        const std::string key = Key(name);
        if (auto it = embedded_.find(key); it != embedded_.end()) return it->second.get();
        auto it = system_.find(key);
        if (it == system_.end()) it = system_.emplace(key, LoadSystemFace(key)).first;
        return it->second.get();
    }

private:
    Registry() {
        if (FT_Init_FreeType(&library_) != 0) library_ = nullptr;
    }
    ~Registry() {
        embedded_.clear();
        system_.clear();
        if (library_) FT_Done_FreeType(library_);
    }

    // Asks fontconfig for the best scalable match of a family name.
    std::unique_ptr<FaceData> LoadSystemFace(const std::string& family) {
        if (!library_ || !FcInit()) return nullptr;
        FcPattern* pattern = FcPatternCreate();
        FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
        FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
        FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
        FcDefaultSubstitute(pattern);
        FcResult result = FcResultNoMatch;
        FcPattern* match = FcFontMatch(nullptr, pattern, &result);
        FcPatternDestroy(pattern);
        if (!match) return nullptr;
        FcChar8* file = nullptr;
        int index = 0;
        std::unique_ptr<FaceData> d;
        if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) {
            FcPatternGetInteger(match, FC_INDEX, 0, &index);
            d = std::make_unique<FaceData>();
            d->file = reinterpret_cast<const char*>(file);
            d->fileIndex = index;
            if (FT_New_Face(library_, reinterpret_cast<const char*>(file), index, &d->face) != 0) {
                d->face = nullptr;
                d.reset();
            } else {
                MapBytes(*d);
            }
        }
        FcPatternDestroy(match);
        return d;
    }

    FT_Library library_ = nullptr;
    std::unordered_map<std::string, std::unique_ptr<FaceData>> embedded_;
    std::unordered_map<std::string, std::unique_ptr<FaceData>> system_;  // nullptr: nothing found
};

int ScaleRound(long fontUnits, int pixelHeight, int unitsPerEm) {
    return static_cast<int>(std::lround(static_cast<double>(fontUnits) * pixelHeight / unitsPerEm));
}

int ScaleUp(long fontUnits, int pixelHeight, int unitsPerEm) {
    return static_cast<int>(std::ceil(static_cast<double>(fontUnits) * pixelHeight / unitsPerEm - 1e-9));
}

// Ascent and descent as the classic raster text metrics define them: the
// font's Windows ascent and descent (which cover every glyph) scaled to the em
// height (the ascent rounded up, so accented capitals stay inside the cell);
// the external leading is whatever line gap the typographic metrics
// ask for beyond that.
FontPixelMetrics MetricsOf(FT_Face face, int px) {
    FontPixelMetrics m;
    m.EmHeight = px;
    const int upem = face->units_per_EM > 0 ? face->units_per_EM : 1000;
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    const auto* hhea = static_cast<const TT_HoriHeader*>(FT_Get_Sfnt_Table(face, FT_SFNT_HHEA));
    long ascent = face->ascender, descent = -face->descender;
    if (os2 && os2->version != 0xFFFF && (os2->usWinAscent + os2->usWinDescent) > 0) {
        ascent = os2->usWinAscent;
        descent = os2->usWinDescent;
    }
    m.Ascent = ScaleUp(ascent, px, upem);
    m.Descent = ScaleRound(descent, px, upem);
    if (hhea) {
        const long gap = hhea->Line_Gap - ((ascent + descent) - (hhea->Ascender - hhea->Descender));
        m.ExternalLeading = std::max(0, ScaleRound(gap, px, upem));
    }
    return m;
}

}  // namespace

SizedFont::SizedFont(FaceData& face, int pixelHeight)
    : face_(&face), pixelHeight_(pixelHeight), metrics_(MetricsOf(face.face, pixelHeight)) {
    advances_.fill(-1);
}

// Sizes share the face object, so the size is set before each glyph is
// loaded; setting it anew only when it changed spares the font's size set-up.
bool SizedFont::SelectSize() {
    if (face_->selectedPixelHeight == pixelHeight_) return true;
    face_->selectedPixelHeight = 0;
    if (FT_Set_Pixel_Sizes(face_->face, 0, static_cast<FT_UInt>(pixelHeight_)) != 0) return false;
    face_->selectedPixelHeight = pixelHeight_;
    return true;
}

int SizedFont::Advance(unsigned char byte) {
    int& advance = advances_[byte];
    if (advance >= 0) return advance;
    if (glyphs_[byte]) return advance = glyphs_[byte]->Advance;
    FT_Face f = face_->face;
    advance = 0;
    if (SelectSize() && FT_Load_Glyph(f, face_->glyphIndex[byte], FT_LOAD_DEFAULT) == 0)
        advance = static_cast<int>((f->glyph->advance.x + 32) >> 6);
    return advance;
}

const GlyphBitmap& SizedFont::Glyph(unsigned char byte) {
    auto& slot = glyphs_[byte];
    if (slot) return *slot;
    slot = std::make_unique<GlyphBitmap>();
    FT_Face f = face_->face;
    if (!SelectSize()) return *slot;
    if (FT_Load_Glyph(f, face_->glyphIndex[byte], FT_LOAD_DEFAULT) != 0) return *slot;
    slot->Advance = static_cast<int>((f->glyph->advance.x + 32) >> 6);
    advances_[byte] = slot->Advance;
    if (FT_Render_Glyph(f->glyph, FT_RENDER_MODE_NORMAL) != 0) return *slot;
    const FT_Bitmap& bm = f->glyph->bitmap;
    if (bm.pixel_mode != FT_PIXEL_MODE_GRAY) return *slot;
    slot->Width = static_cast<int>(bm.width);
    slot->Rows = static_cast<int>(bm.rows);
    slot->Left = f->glyph->bitmap_left;
    slot->Top = f->glyph->bitmap_top;
    slot->Coverage.resize(static_cast<std::size_t>(slot->Width) * static_cast<std::size_t>(slot->Rows));
    for (int r = 0; r < slot->Rows; ++r) {
        const unsigned char* src = bm.buffer + static_cast<std::ptrdiff_t>(r) * bm.pitch;
        std::copy(src, src + slot->Width,
                  slot->Coverage.begin() + static_cast<std::ptrdiff_t>(r) * slot->Width);
    }
    return *slot;
}

int SizedFont::TextWidth(std::string_view bytes) {
    int w = 0;
    for (char ch : bytes) w += Advance(static_cast<unsigned char>(ch));
    return w;
}

bool RegisterEmbeddedFace(std::string_view face, const unsigned char* data, std::size_t size,
                          bool symbolFace) {
    return Registry::Instance().Register(face, data, size, symbolFace);
}

bool IsRegisteredFace(std::string_view face) { return Registry::Instance().IsEmbedded(face); }

bool FaceHasGlyphs(std::string_view face, std::string_view bytes) {
    FaceData* d = Registry::Instance().Find(face);
    if (!d) return false;
    return std::all_of(bytes.begin(), bytes.end(),
                       [d](char ch) { return d->glyphIndex[static_cast<unsigned char>(ch)] != 0; });
}

std::string ResolvedFamilyName(std::string_view face) {
    FaceData* d = Registry::Instance().Find(face);
    return d && d->face->family_name ? std::string(d->face->family_name) : std::string();
}

std::optional<FaceSource> FaceSourceOf(std::string_view face) {
    FaceData* d = Registry::Instance().Find(face);
    if (!d) return std::nullopt;
    FaceSource source;
    source.Bytes = d->bytes;
    source.File = d->file;
    source.Index = d->fileIndex;
    for (std::size_t b = 0; b < source.GlyphOfByte.size(); ++b) source.GlyphOfByte[b] = d->glyphIndex[b];
    return source;
}

int PixelHeightForPoints(int points) {
    const long long px = (static_cast<long long>(points) * 96 + 36) / 72;
    return static_cast<int>(std::clamp<long long>(px, 1, 2000));
}

SizedFont* FindSizedFont(std::string_view face, int pixelHeight) {
    FaceData* d = Registry::Instance().Find(face);
    if (!d) return nullptr;
    pixelHeight = std::clamp(pixelHeight, 1, 2000);
    auto& slot = d->sizes[pixelHeight];
    if (!slot) slot = std::make_unique<SizedFont>(*d, pixelHeight);
    return slot.get();
}

}  // namespace kolvar
