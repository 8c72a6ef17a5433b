// The label pictures and the fit of both into the window: the measuring fit
// gives exactly the pictures of composing both at every step.
#include "identify/label_fit.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>

#include "../canvas/canvas_test_util.h"
#include "catalog/star_catalogue.h"
#include "identify_test_setup.h"

namespace kolvar {
namespace {

// The fit one point at a time: compose both pictures, test, shrink by one.
ObjectLabels StepwiseFit(const SkyObjectEntry& selection, int characterSize, const LabelArea& area) {
    ObjectLabels labels;
    Canvas left(labels.Left), right(labels.Right);
    left.SetFontSize(ClampLabelFontSize(characterSize));
    right.SetFontSize(left.FontSize());
    const int height = area.Client.Bottom - area.Client.Top;
    const int width = area.Client.Right - area.Client.Left;
    for (;;) {
        ComposeLabel(left, selection, area.Margins);
        ComposeRunicNames(right, selection, area.Margins);
        const TextSize leftSize =
            area.FixedLeftSize.value_or(TextSize{labels.Left.Width(), labels.Left.Height()});
        if (height >= leftSize.Height && height >= labels.Right.Height() &&
            width >= leftSize.Width + labels.Right.Width())
            break;
        if (left.FontSize() <= 3) break;
        left.SetFontSize(left.FontSize() - 1);
        right.SetFontSize(right.FontSize() - 1);
    }
    labels.FontSize = left.FontSize();
    labels.RightX = area.Client.Right - labels.Right.Width();
    return labels;
}

class LabelFit : public ::testing::Test {
protected:
    void SetUp() override { testing::InitialiseIdentifyTables(); }
    static LabelArea Window(int width, int height) {
        return {Rect{0, 0, width, height}, LabelMarginsOf(width, height), std::nullopt};
    }
};

TEST_F(LabelFit, MeasuringFitEqualsComposingAtEveryStep) {
    const SkyObjectEntry selections[] = {
        testing::StarSelection(testing::StarIndexOfHr(15)),
        testing::StarSelection(testing::StarIndexOfHr(1165)),  // eleven runic names
        testing::BodySelection(KindSun, 0, 3),
        testing::DeepSkySelection(2),
    };
    LabelArea closeUp{Rect{0, 0, 423, 273}, LabelMarginsOf(800, 600), TextSize{209, 105}};
    const LabelArea areas[] = {Window(800, 600), Window(312, 186), Window(1500, 400), closeUp};
    for (const SkyObjectEntry& selection : selections) {
        for (const LabelArea& area : areas) {
            for (const int size : {4, 12, 30, 75}) {
                SCOPED_TRACE(::testing::Message()
                             << "kind " << int(selection.Kind) << " size " << size << " client "
                             << area.Client.Right << "x" << area.Client.Bottom);
                const ObjectLabels fitted = FitObjectLabels(selection, size, area);
                const ObjectLabels reference = StepwiseFit(selection, size, area);
                EXPECT_EQ(fitted.FontSize, reference.FontSize);
                EXPECT_TRUE(test::SamePixels(fitted.Left, reference.Left));
                EXPECT_TRUE(test::SamePixels(fitted.Right, reference.Right));
                EXPECT_EQ(fitted.RightX, reference.RightX);
                EXPECT_EQ(fitted.LeftX, 0);
            }
        }
    }
}

// A client exactly as large as the pair at one size takes that size.
TEST_F(LabelFit, ExactFitAtTheBoundary) {
    const SkyObjectEntry almach = testing::StarSelection(testing::StarIndexOfHr(603));
    for (const int size : {9, 17, 26}) {
        const ObjectLabels at = StepwiseFit(almach, size, Window(5000, 5000));
        ASSERT_EQ(at.FontSize, size);
        const int width = at.Left.Width() + at.Right.Width();
        const int height = std::max(at.Left.Height(), at.Right.Height());
        LabelArea exact{Rect{0, 0, width, height}, LabelMarginsOf(5000, 5000), std::nullopt};
        EXPECT_EQ(FitObjectLabels(almach, size + 4, exact).FontSize, size);
        EXPECT_EQ(StepwiseFit(almach, size + 4, exact).FontSize, size);
        exact.Client.Right -= 1;
        EXPECT_LT(FitObjectLabels(almach, size, exact).FontSize, size);
        exact.Client.Right += 1;
        exact.Client.Bottom -= 1;
        EXPECT_LT(FitObjectLabels(almach, size, exact).FontSize, size);
    }
}

TEST_F(LabelFit, ShrinksToFitAndStopsAtThreePoints) {
    const SkyObjectEntry alpheratz = testing::StarSelection(testing::StarIndexOfHr(15));
    const ObjectLabels big = FitObjectLabels(alpheratz, 200, Window(800, 600));
    EXPECT_LT(big.FontSize, 200);
    EXPECT_LE(big.Left.Width() + big.Right.Width(), 800);
    EXPECT_LE(std::max(big.Left.Height(), big.Right.Height()), 600);
    EXPECT_EQ(big.RightX + big.Right.Width(), 800);

    const ObjectLabels tiny = FitObjectLabels(alpheratz, 12, Window(40, 30));
    EXPECT_EQ(tiny.FontSize, 3);
    EXPECT_GT(tiny.Left.Width() + tiny.Right.Width(), 40);  // shown although they do not fit
    for (const LabelRow& row : tiny.Rows) EXPECT_GE(row.Size, 3);

    // A client offset from the origin places the labels at its corners.
    const LabelArea offset{Rect{10, 20, 810, 620}, LabelMarginsOf(800, 600), std::nullopt};
    const ObjectLabels moved = FitObjectLabels(alpheratz, 12, offset);
    EXPECT_EQ(moved.LeftX, 10);
    EXPECT_EQ(moved.LeftY, 20);
    EXPECT_EQ(moved.RightX + moved.Right.Width(), 810);
    EXPECT_EQ(moved.RightY, 20);
}

TEST_F(LabelFit, StartingSizeIsClampedIntoTheMenuRange) {
    const SkyObjectEntry sun = testing::BodySelection(KindSun, 0, 0);
    EXPECT_EQ(ClampLabelFontSize(0), 1);
    EXPECT_EQ(ClampLabelFontSize(-40), 1);
    EXPECT_EQ(ClampLabelFontSize(INT_MAX), 1000);
    EXPECT_EQ(ClampLabelFontSize(1000), 1000);
    const ObjectLabels huge = FitObjectLabels(sun, INT_MAX, Window(20000, 20000));
    EXPECT_EQ(huge.FontSize, 1000);  // fits at once in a very large client
    EXPECT_EQ(huge.Rows[1].Size, 1001);
    EXPECT_EQ(FitObjectLabels(sun, 0, Window(800, 600)).FontSize, 1);
    EXPECT_EQ(FitObjectLabels(sun, INT_MIN, Window(800, 600)).FontSize, 1);
}

TEST_F(LabelFit, PictureSizesAndMargins) {
    EXPECT_EQ(LabelMarginsOf(800, 600).X, 32);
    EXPECT_EQ(LabelMarginsOf(800, 600).Y, 24);
    EXPECT_EQ(LabelMarginsOf(24, 49).X, 0);
    EXPECT_EQ(LabelMarginsOf(24, 49).Y, 1);

    // An object without any runic name: only the margins.
    int nameless = -1;
    for (int i = 0; i < StarCount && nameless < 0; ++i)
        if (CollectRunicNames(testing::StarSelection(i)).Names.empty()) nameless = i;
    ASSERT_GE(nameless, 0);
    Bitmap picture;
    Canvas canvas(picture);
    canvas.SetFontSize(12);
    ComposeRunicNames(canvas, testing::StarSelection(nameless), LabelMarginsOf(800, 600));
    EXPECT_EQ(picture.Width(), 64);
    EXPECT_EQ(picture.Height(), 48);

    // A label wider than 300 pixels is drawn whole: its rows go on past 300
    // pixels up to the right margin, which stays navy.
    ComposeLabel(canvas, testing::StarSelection(testing::StarIndexOfHr(15)), LabelMarginsOf(800, 600));
    canvas.SetFontSize(60);
    ComposeLabel(canvas, testing::StarSelection(testing::StarIndexOfHr(15)), LabelMarginsOf(800, 600));
    ASSERT_GT(picture.Width(), 300 + 32);
    int rightmostInk = -1;
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 300; x < picture.Width(); ++x)
            if (picture.Pixel(x, y) != colours::Navy) rightmostInk = std::max(rightmostInk, x);
    EXPECT_GT(rightmostInk, picture.Width() - 32 - 20);
    EXPECT_LT(rightmostInk, picture.Width() - 32 + 4);
    EXPECT_EQ(canvas.FontSize(), 60);
}

// In Latin letters the right label writes the same names in their Hungarian
// spellings, in the same order and colours: the primary one cyan above the
// white ones.
TEST_F(LabelFit, LatinLettersShowTheHungarianSpellingsInOrderAndColour) {
    const SkyObjectEntry vega = testing::StarSelection(testing::StarIndexOfHr(7001));
    LabelArea latin = Window(800, 600);
    latin.Names = Script::Latin;
    const ObjectLabels runes = FitObjectLabels(vega, 12, Window(800, 600));
    const ObjectLabels letters = FitObjectLabels(vega, 12, latin);
    EXPECT_EQ(letters.Names.Names, runes.Names.Names);
    EXPECT_EQ(letters.RunicLines, (std::vector<std::string>{"V\xE9ga", "Lecsap\xF3 sas", "Lant"}));
    int lastCyan = -1, firstWhite = INT_MAX;
    for (int y = 0; y < letters.Right.Height(); ++y)
        for (int x = 0; x < letters.Right.Width(); ++x) {
            if (letters.Right.Pixel(x, y) == colours::Cyan) lastCyan = y;
            if (letters.Right.Pixel(x, y) == colours::White) firstWhite = std::min(firstWhite, y);
        }
    EXPECT_GE(lastCyan, 0);
    EXPECT_LT(lastCyan, firstWhite);
    EXPECT_LT(firstWhite, letters.Right.Height());
}

}  // namespace
}  // namespace kolvar
