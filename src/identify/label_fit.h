#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "canvas/bitmap.h"
#include "canvas/canvas.h"
#include "identify/label_font_size.h"
#include "identify/label_pictures.h"
#include "sky/sky_object_table.h"

namespace kolvar {

// The labels shrink one point at a time until they fit, but not below this.
inline constexpr int SmallestFittingFontSize = 3;

// Where the labels are shown.
struct LabelArea {
    Rect Client;           // the owner window's client rectangle
    LabelMargins Margins;  // from the main chart's client size, in every window
    // A left label widget of fixed size (no automatic sizing): its picture is
    // shown cut to this size, and the fit tests this size instead of the picture's.
    std::optional<TextSize> FixedLeftSize;
    // The right label's script: runes, or the names' Hungarian spellings.
    Script Names = Script::Runic;
};

// The two finished label pictures of one click and where they go.
struct ObjectLabels {
    int FontSize = 0;                     // the size both were drawn at
    LabelRows Rows;                       // the left label's rows at that size
    RunicNameList Names;                  // the right label's names ...
    std::vector<std::string> RunicLines;  // ... as drawn (their Hungarian spellings in Latin letters)
    Bitmap Left, Right;
    int LeftX = 0, LeftY = 0;    // top-left corner of the left label: the client's
    int RightX = 0, RightY = 0;  // the right label's right edge on the client's
};

// Composes the labels of `selection` starting at `characterSize` (clamped)
// and shrinks both by one point until they stand side by side within the
// client (heights at most its height, widths together at most its width) or
// the size is 3 or less; then places the left one at the client's top-left
// corner and the right one at its top-right corner. The result is exactly
// that of composing both pictures at every step, but each step only
// measures; the pictures are drawn once, at the final size.
ObjectLabels FitObjectLabels(const SkyObjectEntry& selection, int characterSize, const LabelArea& area);

// The labels of an object outside the sky table (a deep star, a deep-sky
// object of the big catalogue): its name (Windows-1250) as the left label's
// name row, in the object's colour, and an empty right label; fitted and
// placed as FitObjectLabels does.
ObjectLabels FitNamedLabels(std::string_view name, Colour colour, int characterSize, const LabelArea& area);

}  // namespace kolvar
