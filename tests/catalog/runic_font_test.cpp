// Checks the embedded fonts with FreeType: every byte that any runic caption or
// runic name uses must reach a real glyph through both of the font's cmaps.
#include <ft2build.h>
#include FT_FREETYPE_H

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>

#include "all_runic_texts.h"
#include "embedded_assets.h"

namespace kolvar {
namespace {

class Face {
public:
    explicit Face(assets::Bytes bytes) {
        EXPECT_EQ(FT_Init_FreeType(&library_), 0);
        EXPECT_EQ(FT_New_Memory_Face(library_, bytes.data(), static_cast<FT_Long>(bytes.size()), 0, &face_),
                  0);
    }
    ~Face() {
        if (face_ != nullptr) FT_Done_Face(face_);
        FT_Done_FreeType(library_);
    }
    Face(const Face&) = delete;
    Face& operator=(const Face&) = delete;
    FT_Face operator->() const { return face_; }
    FT_Face get() const { return face_; }

    FT_UInt GlyphOf(FT_Encoding encoding, FT_ULong code) const {
        if (FT_Select_Charmap(face_, encoding) != 0) return 0;
        return FT_Get_Char_Index(face_, code);
    }

    // Outline points and advance of a glyph in font units.
    std::pair<int, long> Shape(FT_UInt glyph) const {
        if (FT_Load_Glyph(face_, glyph, FT_LOAD_NO_SCALE) != 0) return {0, 0};
        return {face_->glyph->outline.n_points, face_->glyph->advance.x};
    }

private:
    FT_Library library_ = nullptr;
    FT_Face face_ = nullptr;
};

std::set<unsigned char> BytesOfAllRunicTexts() {
    std::set<unsigned char> bytes;
    for (const std::string& text : AllRunicTexts()) {
        for (char c : text) bytes.insert(static_cast<unsigned char>(c));
    }
    return bytes;
}

TEST(RunicFont, IsTheRunex23xFace) {
    Face face(assets::RunicFont());
    ASSERT_NE(face.get(), nullptr);
    EXPECT_STREQ(face->family_name, "Runex23x");
    EXPECT_TRUE(FT_IS_SCALABLE(face.get()));
}

TEST(RunicFont, EveryUsedByteHasAGlyphThroughBothCmaps) {
    Face face(assets::RunicFont());
    ASSERT_NE(face.get(), nullptr);
    const std::set<unsigned char> used = BytesOfAllRunicTexts();
    EXPECT_GT(used.size(), 50u);
    for (unsigned char b : used) {
        SCOPED_TRACE(testing::Message() << "byte 0x" << std::hex << int{b});
        FT_UInt viaUnicode = face.GlyphOf(FT_ENCODING_UNICODE, b);
        FT_UInt viaSymbol = face.GlyphOf(FT_ENCODING_MS_SYMBOL, 0xF000u + b);
        ASSERT_NE(viaUnicode, 0u);  // 0 is .notdef
        EXPECT_EQ(viaSymbol, viaUnicode);
        auto [points, advance] = face.Shape(viaUnicode);
        EXPECT_GT(advance, 0);
        if (b != ' ') {
            EXPECT_GT(points, 0);
        }
    }
}

TEST(RunicFont, MarkIsNarrowAndRunesAreDistinct) {
    Face face(assets::RunicFont());
    ASSERT_NE(face.get(), nullptr);
    auto [markPoints, markAdvance] = face.Shape(face.GlyphOf(FT_ENCODING_UNICODE, '`'));
    auto [runePoints, runeAdvance] = face.Shape(face.GlyphOf(FT_ENCODING_UNICODE, 'a'));
    EXPECT_GT(markPoints, 0);
    EXPECT_LT(markAdvance * 2, runeAdvance);
    // Two shapes of one rune share a glyph outline; different runes do not.
    std::set<FT_UInt> glyphs;
    for (unsigned char b :
         std::string_view("abcdefghijklmnoprstuz\xE7\xE6\xF0\xF1\xF8\xFE\xE9\xF6\xFC\xB5")) {
        glyphs.insert(face.GlyphOf(FT_ENCODING_UNICODE, b));
    }
    EXPECT_EQ(glyphs.size(), 31u);
}

TEST(RunicFont, UnmappedBytesFallBackToNotdef) {
    Face face(assets::RunicFont());
    ASSERT_NE(face.get(), nullptr);
    EXPECT_EQ(face.GlyphOf(FT_ENCODING_UNICODE, 0x80), 0u);
    EXPECT_EQ(face.GlyphOf(FT_ENCODING_UNICODE, 0x10CC0), 0u);  // runes only through their bytes
}

TEST(SymbolFont, LatinLettersShowGreekOnes) {
    Face face(assets::SymbolFont());
    ASSERT_NE(face.get(), nullptr);
    EXPECT_STREQ(face->family_name, "Symbol");
    std::set<FT_UInt> glyphs;
    for (char c : std::string_view("abgdezhqiklmnxoprstufcyw")) {
        FT_UInt g = face.GlyphOf(FT_ENCODING_UNICODE, static_cast<unsigned char>(c));
        ASSERT_NE(g, 0u) << c;
        EXPECT_EQ(face.GlyphOf(FT_ENCODING_MS_SYMBOL, 0xF000u + static_cast<unsigned char>(c)), g);
        EXPECT_GT(face.Shape(g).first, 0) << c;
        glyphs.insert(g);
    }
    EXPECT_EQ(glyphs.size(), 24u);
    EXPECT_NE(face.GlyphOf(FT_ENCODING_UNICODE, ' '), 0u);
    EXPECT_NE(face.GlyphOf(FT_ENCODING_UNICODE, '1'), 0u);
}

}  // namespace
}  // namespace kolvar
