#pragma once

#include <string>

#include "canvas/canvas.h"

namespace kolvar {

// One styled piece of a label: the text is Windows-1250 for "Arial" and glyph
// codes for the symbol faces "Symbol" and "Runex23x".
struct LabelRow {
    std::string Text;
    std::string Face = "Arial";
    int Size = 0;  // points
    ::kolvar::Colour Colour = colours::Green;
};

struct StyledTextMeasure {
    TextSize Extent;
    TextMetrics Metrics;
};

// Both set the canvas to the row's style (face cut to 31 characters, size,
// pen and font colour the row's colour, brush navy), measure or draw, and
// then put the face, size and pen colour back; the font and brush colours
// stay as set.
StyledTextMeasure MeasureStyledText(Canvas& canvas, const LabelRow& row);
void DrawStyledText(Canvas& canvas, int x, int y, const LabelRow& row);

// The font metrics of the row's style alone, under the same rules. Their
// Height is the height that MeasureStyledText reports for any text.
TextMetrics StyledTextMetrics(Canvas& canvas, const LabelRow& row);

// The part of a row's height above its baseline: the height split in the
// ratio of ascent plus internal leading to the whole cell with its external
// leading, truncated.
int RowHeightAboveBaseline(const StyledTextMeasure& m);

}  // namespace kolvar
