// Draws every runic caption and every runic name with the canvas in the
// embedded face Runex23x: no byte may fall back to the missing-glyph box and
// every glyph must leave ink and move the pen.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "all_runic_texts.h"
#include "canvas/bitmap.h"
#include "canvas/canvas.h"
#include "canvas/font_registry.h"
#include "canvas/program_fonts.h"

namespace kolvar {
namespace {

int InkedPixels(const Bitmap& b, Colour background) {
    int n = 0;
    for (int y = 0; y < b.Height(); ++y) {
        for (int x = 0; x < b.Width(); ++x) n += b.Pixel(x, y) != background;
    }
    return n;
}

class RunicRender : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(RegisterProgramFonts()); }
};

TEST_F(RunicRender, ProgramFacesResolveToTheEmbeddedFonts) {
    EXPECT_TRUE(IsRegisteredFace("Runex23x"));
    EXPECT_TRUE(IsRegisteredFace("runex23x"));  // the menu names the face in lower case
    EXPECT_EQ(ResolvedFamilyName("Runex23x"), "Runex23x");
    EXPECT_EQ(ResolvedFamilyName("Symbol"), "Symbol");
    EXPECT_TRUE(RegisterProgramFonts());  // a second call keeps the faces
}

TEST_F(RunicRender, EveryRunicTextDrawsWithoutMissingGlyphs) {
    const std::vector<std::string> texts = AllRunicTexts();
    ASSERT_GT(texts.size(), 250u);
    Bitmap bitmap(1200, 40, colours::Navy);
    Canvas canvas(bitmap);
    Bitmap cell(40, 40, colours::Navy);
    Canvas one(cell);
    for (Canvas* c : {&canvas, &one}) {
        c->SetFontFace("Runex23x");
        c->SetFontSize(16);
        c->SetFontColour(colours::White);
        c->SetBrushColour(colours::Navy);
    }
    EXPECT_FALSE(FaceHasGlyphs("Runex23x", "\x80"));  // the check does see missing glyphs
    for (const std::string& text : texts) {
        SCOPED_TRACE(text);
        EXPECT_TRUE(FaceHasGlyphs("Runex23x", text));
        bitmap.Fill(colours::Navy);
        canvas.TextOut(4, 4, text);
        EXPECT_GT(InkedPixels(bitmap, colours::Navy), 0);
        // Each glyph moves the pen and each non-blank one leaves ink.
        int width = 0;
        for (char c : text) {
            const std::string glyph(1, c);
            const int w = one.TextExtent(glyph).Width;
            EXPECT_GT(w, 0) << "byte " << int{static_cast<unsigned char>(c)};
            width += w;
            if (c == ' ') continue;
            cell.Fill(colours::Navy);
            one.TextOut(4, 4, glyph);
            EXPECT_GT(InkedPixels(cell, colours::Navy), 0) << "byte " << int{static_cast<unsigned char>(c)};
        }
        EXPECT_EQ(canvas.TextExtent(text).Width, width);
    }
}

TEST_F(RunicRender, GreekLettersDrawInTheSymbolFace) {
    Bitmap bitmap(200, 40, colours::Navy);
    Canvas canvas(bitmap);
    canvas.SetFontFace("Symbol");
    canvas.SetFontSize(14);
    canvas.SetFontColour(colours::White);
    canvas.SetBrushColour(colours::Navy);
    EXPECT_TRUE(FaceHasGlyphs("Symbol", "abgdezhqiklmnxoprstufcyw "));
    canvas.TextOut(2, 2, "a ");
    EXPECT_GT(InkedPixels(bitmap, colours::Navy), 0);
}

}  // namespace
}  // namespace kolvar
