#pragma once

#include <array>
#include <string>
#include <vector>

#include "canvas/canvas.h"
#include "catalog/runic_names.h"
#include "identify/label_text.h"
#include "sky/sky_object_table.h"
#include "texts/runic_captions.h"

namespace kolvar {

// The margins of both label pictures, always those of the main chart:
// its client width and height divided by 25.
struct LabelMargins {
    int X = 0;
    int Y = 0;
};
LabelMargins LabelMarginsOf(int chartWidth, int chartHeight);

// Where the rows of the left label go and how large its picture becomes:
// three lines (rows 0-1, 2-3, 4), each row's baseline on its line's common
// baseline, the lines stacked from the top margin, every line followed by the
// left margin on its right. Without widths only the height is measured.
struct LabelLayout {
    std::array<int, 5> X{};
    std::array<int, 5> Y{};
    int Width = 0;
    int Height = 0;
};
LabelLayout LayOutLabel(Canvas& canvas, const LabelRows& rows, LabelMargins margins, bool withWidths = true);

// The right label: the runic lines right-aligned one pixel inside the right
// margin, each line its text height plus one pixel apart; the picture is the
// widest line and the lines plus both margins. The canvas font is the runic
// face at its size.
struct RunicLayout {
    std::vector<int> LineWidths;  // empty when measured without widths
    int LineHeight = 0;           // the face's text height, the same for every line
    int Width = 0;                // only the margins when measured without widths
    int Height = 0;
};
RunicLayout LayOutRunicNames(Canvas& canvas, const std::vector<std::string>& lines, LabelMargins margins,
                             bool withWidths = true);

// The face name the right label sets; faces are looked up without regard to case.
inline constexpr const char* RunicLabelFace = "runex23x";
// Its face in the Latin-letter script.
inline constexpr const char* PlainLabelFace = "Arial";

// The right label's face and lines in a script: runes as drawn, or the
// names' Hungarian spellings.
const char* RightLabelFace(Script script);
std::vector<std::string> RightLabelLines(const RunicNameList& names, Script script);

// Draws the left label of `selection` at the canvas's font size: the picture
// becomes navy, at least 300 x 300 and as large as the layout, the rows are
// drawn, and the picture is cut to its layout size, so every row is whole.
// Returns the rows drawn.
LabelRows ComposeLabel(Canvas& canvas, const SkyObjectEntry& selection, LabelMargins margins);

// The left label drawn from rows already composed (at the canvas's size), as
// ComposeLabel draws an object's.
void DrawLabelRows(Canvas& canvas, const LabelRows& rows, LabelMargins margins);

// Draws the right label at the canvas's font size (face "runex23x", primary
// names cyan, the others white with their "=" mark; in Latin letters the
// Hungarian spellings in the same colours and order) and sizes the picture
// to it. Returns the names drawn.
RunicNameList ComposeRunicNames(Canvas& canvas, const SkyObjectEntry& selection, LabelMargins margins,
                                Script script = Script::Runic);

// The right label drawn from names already collected, as ComposeRunicNames
// draws an object's.
void DrawRunicNames(Canvas& canvas, const RunicNameList& names, LabelMargins margins, Script script);

}  // namespace kolvar
