#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "canvas/canvas.h"
#include "canvas/cp1250.h"
#include "canvas/font_registry.h"
#include "canvas_test_util.h"

namespace kolvar {
namespace {

using test::CountColour;

constexpr Colour kNavy = colours::Navy;

TEST(Text, ArialResolvesAndHasSaneMetricsAtTwelvePoints) {
    EXPECT_FALSE(ResolvedFamilyName("Arial").empty());
    EXPECT_EQ(PixelHeightForPoints(12), 16);
    EXPECT_EQ(PixelHeightForPoints(10), 13);
    EXPECT_EQ(PixelHeightForPoints(0), 1);
    EXPECT_EQ(PixelHeightForPoints(-5), 1);

    Bitmap b(10, 10);
    Canvas c(b);
    c.SetFontFace("Arial");
    c.SetFontSize(12);
    const TextMetrics tm = c.GetTextMetrics();
    EXPECT_EQ(tm.Height, tm.Ascent + tm.Descent);
    EXPECT_GE(tm.Ascent, 13);
    EXPECT_LE(tm.Ascent, 16);
    EXPECT_GE(tm.Descent, 3);
    EXPECT_LE(tm.Descent, 5);
    EXPECT_EQ(tm.InternalLeading, tm.Height - 16);
    EXPECT_GE(tm.InternalLeading, 0);
    EXPECT_GE(tm.ExternalLeading, 0);

    const TextSize one = c.TextExtent("Kolvar");
    const TextSize two = c.TextExtent("KolvarKolvar");
    EXPECT_EQ(one.Height, tm.Height);
    EXPECT_GT(one.Width, 30);
    EXPECT_LT(one.Width, 70);
    EXPECT_EQ(two.Width, 2 * one.Width);
    const TextSize empty = c.TextExtent("");
    EXPECT_EQ(empty.Width, 0);
    EXPECT_EQ(empty.Height, tm.Height);
    // Bigger sizes measure wider; case of the face name does not matter.
    c.SetFontSize(24);
    EXPECT_GT(c.TextExtent("Kolvar").Width, one.Width * 3 / 2);
    c.SetFontFace("aRIAL");
    c.SetFontSize(12);
    EXPECT_EQ(c.TextExtent("Kolvar").Width, one.Width);
}

TEST(Text, TextOutFillsTheCellAndDrawsGlyphsInside) {
    Bitmap b(200, 40, colours::Black);
    Canvas c(b);
    c.SetFontSize(12);
    c.SetBrushColour(kNavy);
    c.SetFontColour(colours::White);
    const TextSize ext = c.TextExtent("Hold");
    c.TextOut(10, 5, "Hold");
    int ink = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 200; ++x) {
            const Colour p = b.Pixel(x, y);
            const bool inCell = x >= 10 && x < 10 + ext.Width && y >= 5 && y < 5 + ext.Height;
            if (!inCell) {
                ASSERT_EQ(p, colours::Black) << x << "," << y;
                continue;
            }
            ASSERT_NE(p, colours::Black) << x << "," << y;
            // Anti-aliased pixels lie between the brush and the font colour.
            EXPECT_EQ(p.Red, p.Green);
            EXPECT_GE(p.Blue, 128);
            if (p == colours::White) ++ink;
        }
    EXPECT_GT(ink, 20);
    // The stem of "H" is solid ink right below the cell's top leading.
    const TextMetrics tm = c.GetTextMetrics();
    int stem = 0;
    for (int x = 10; x < 14; ++x) stem += b.Pixel(x, 5 + tm.Ascent - 2).Red > 200;
    EXPECT_GE(stem, 1);
}

TEST(Text, TextOutIsClippedAndSafeFarAway) {
    Bitmap b(60, 30, colours::Black);
    Canvas c(b);
    c.SetBrushColour(kNavy);
    c.SetFontColour(colours::White);
    c.SetClipRect({0, 0, 30, 30});
    c.TextOut(5, 5, "Szaturnusz");
    for (int y = 0; y < 30; ++y)
        for (int x = 30; x < 60; ++x) ASSERT_EQ(b.Pixel(x, y), colours::Black);
    c.TextOut(INT_MAX - 3, INT_MAX - 3, "Mars");
    c.TextOut(INT_MIN, INT_MIN, "Mars");
    c.TextOut(-40, 10, "Mars");
    EXPECT_GT(CountColour(b, kNavy), 0);
}

TEST(Text, Cp1250BytesRenderTheirOwnGlyphs) {
    EXPECT_EQ(Cp1250ToUnicode(0xF5), U'\u0151');  // o with double acute
    EXPECT_EQ(Cp1250ToUnicode(0xFB), U'\u0171');  // u with double acute
    EXPECT_EQ(Cp1250ToUnicode(0x8A), U'\u0160');
    EXPECT_EQ(Cp1250ToUtf8("V\xE9nusz \xF5"), "V\xC3\xA9nusz \xC5\x91");
    EXPECT_TRUE(FaceHasGlyphs("Arial", "\xC1llat\xF6v \xF5\xFB\xD5\xDB"));

    // The o with double acute is the o with more ink above it.
    SizedFont* font = FindSizedFont("Arial", 32);
    ASSERT_NE(font, nullptr);
    const GlyphBitmap& o = font->Glyph('o');
    const GlyphBitmap& odd = font->Glyph(0xF5);
    EXPECT_EQ(odd.Advance, o.Advance);
    EXPECT_GT(odd.Top, o.Top + 3);
    EXPECT_GT(odd.Rows, o.Rows + 3);
}

std::vector<unsigned char> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(FontRegistry, EmbeddedFacesComeFirstAndMissingGlyphsShow) {
    // Any TrueType file will do as the embedded bytes; take the one "Arial" resolves to.
    const std::string family = ResolvedFamilyName("Arial");
    ASSERT_FALSE(family.empty());
    const std::vector<unsigned char> bytes =
        ReadFile("/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf");
    if (bytes.empty()) GTEST_SKIP() << "Liberation Sans file not found";

    EXPECT_FALSE(RegisterEmbeddedFace("Kolvar Test Face", bytes.data(), 100, false));  // truncated font
    EXPECT_FALSE(IsRegisteredFace("Kolvar Test Face"));
    ASSERT_TRUE(RegisterEmbeddedFace("Kolvar Test Face", bytes.data(), bytes.size(), true));
    EXPECT_TRUE(IsRegisteredFace("kolvar test face"));
    EXPECT_EQ(ResolvedFamilyName("KOLVAR TEST FACE"), "Liberation Sans");
    // As a symbol face its bytes are codes: 'A' is found as U+0041, while 0xF5
    // is U+00F5 (o with tilde) and 0x01 has no glyph at all.
    EXPECT_TRUE(FaceHasGlyphs("Kolvar Test Face", "ABC"));
    EXPECT_FALSE(FaceHasGlyphs("Kolvar Test Face", "A\x01"));
    SizedFont* sym = FindSizedFont("Kolvar Test Face", 32);
    SizedFont* plain = FindSizedFont("Arial", 32);
    ASSERT_TRUE(sym && plain);
    // 0xF6 is o with diaeresis both ways; 0xF5 is o with tilde as a code but
    // o with double acute as Windows-1250.
    EXPECT_EQ(sym->Glyph(0xF6).Coverage, plain->Glyph(0xF6).Coverage);
    EXPECT_NE(sym->Glyph(0xF5).Coverage, plain->Glyph(0xF5).Coverage);
    EXPECT_EQ(sym->TextWidth("ABC"), plain->TextWidth("ABC"));

    // Drawing with the registered face through a canvas.
    Bitmap b(100, 50, colours::Black);
    Canvas c(b);
    c.SetFontFace("kolvar TEST face");
    c.SetFontSize(20);
    c.SetBrushColour(kNavy);
    c.SetFontColour(colours::White);
    c.TextOut(2, 2, "AB");
    EXPECT_GT(CountColour(b, colours::White), 10);
}

}  // namespace
}  // namespace kolvar
