#include "identify/label_pictures.h"

#include <algorithm>

namespace kolvar {

namespace {

// The smallest picture the left label is drawn on before it is cut to its
// layout; a larger layout gets a picture of its own size, so no row is cut.
constexpr int DrawingSide = 300;

// Resizes the canvas's picture; kept pixels stay, new ones take the brush colour.
void ResizePicture(Canvas& canvas, int width, int height) {
    Bitmap& picture = canvas.Target();
    const int oldWidth = picture.Width();
    const int oldHeight = picture.Height();
    picture.Resize(width, height);
    canvas.ResetClipRect();
    if (width > oldWidth) canvas.FillRect({oldWidth, 0, width, std::min(oldHeight, height)});
    if (height > oldHeight) canvas.FillRect({0, oldHeight, width, height});
}

void StartPicture(Canvas& canvas, int width = DrawingSide, int height = DrawingSide) {
    canvas.Target().Resize(width, height);
    canvas.ResetClipRect();
    canvas.SetBrushColour(colours::Navy);
    canvas.FillRect({0, 0, width, height});
}

}  // namespace

LabelMargins LabelMarginsOf(int chartWidth, int chartHeight) { return {chartWidth / 25, chartHeight / 25}; }

LabelLayout LayOutLabel(Canvas& canvas, const LabelRows& rows, LabelMargins margins, bool withWidths) {
    std::array<int, 5> width{}, up{}, down{};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        StyledTextMeasure m;
        if (withWidths) {
            m = MeasureStyledText(canvas, rows[i]);
        } else {
            m.Metrics = StyledTextMetrics(canvas, rows[i]);
            m.Extent.Height = m.Metrics.Height;
        }
        width[i] = m.Extent.Width;
        up[i] = RowHeightAboveBaseline(m);
        down[i] = m.Extent.Height - up[i];
    }
    constexpr std::array<std::array<std::size_t, 2>, 3> Lines{{{0, 2}, {2, 4}, {4, 5}}};  // [first, last)
    LabelLayout layout;
    int y = margins.Y;
    int right = margins.X;
    for (const auto& [first, last] : Lines) {
        int above = 0, below = 0;
        for (std::size_t i = first; i < last; ++i) {
            above = std::max(above, up[i]);
            below = std::max(below, down[i]);
        }
        int x = margins.X;
        for (std::size_t i = first; i < last; ++i) {
            layout.X[i] = x;
            layout.Y[i] = y + above - up[i];
            x += width[i];
        }
        y += above + below;
        right = std::max(right, x + margins.X);
    }
    layout.Width = right;
    layout.Height = y + margins.Y;
    return layout;
}

RunicLayout LayOutRunicNames(Canvas& canvas, const std::vector<std::string>& lines, LabelMargins margins,
                             bool withWidths) {
    RunicLayout layout;
    // Every line of one face and size has the same text height.
    layout.LineHeight = canvas.GetTextMetrics().Height;
    if (withWidths) {
        for (const std::string& line : lines) {
            layout.LineWidths.push_back(canvas.TextExtent(line).Width);
            layout.Width = std::max(layout.Width, layout.LineWidths.back());
        }
    }
    layout.Width += 2 * margins.X;
    layout.Height = static_cast<int>(lines.size()) * (layout.LineHeight + 1) + 2 * margins.Y;
    return layout;
}

LabelRows ComposeLabel(Canvas& canvas, const SkyObjectEntry& selection, LabelMargins margins) {
    const LabelRows rows = ComposeLabelRows(selection, canvas.FontSize());
    DrawLabelRows(canvas, rows, margins);
    return rows;
}

void DrawLabelRows(Canvas& canvas, const LabelRows& rows, LabelMargins margins) {
    const LabelLayout layout = LayOutLabel(canvas, rows, margins);
    StartPicture(canvas, std::max(DrawingSide, layout.Width), std::max(DrawingSide, layout.Height));
    for (std::size_t i = 0; i < rows.size(); ++i) DrawStyledText(canvas, layout.X[i], layout.Y[i], rows[i]);
    ResizePicture(canvas, layout.Width, layout.Height);
}

const char* RightLabelFace(Script script) {
    return script == Script::Latin ? PlainLabelFace : RunicLabelFace;
}

std::vector<std::string> RightLabelLines(const RunicNameList& names, Script script) {
    return script == Script::Latin ? HungarianLinesAsDrawn(names) : RunicLinesAsDrawn(names);
}

RunicNameList ComposeRunicNames(Canvas& canvas, const SkyObjectEntry& selection, LabelMargins margins,
                                Script script) {
    const RunicNameList names = CollectRunicNames(selection);
    DrawRunicNames(canvas, names, margins, script);
    return names;
}

void DrawRunicNames(Canvas& canvas, const RunicNameList& names, LabelMargins margins, Script script) {
    StartPicture(canvas);
    canvas.SetPenColour(colours::White);
    canvas.SetFontColour(colours::White);
    canvas.SetFontFace(RightLabelFace(script));
    const std::vector<std::string> lines = RightLabelLines(names, script);
    const RunicLayout layout = LayOutRunicNames(canvas, lines, margins);
    ResizePicture(canvas, layout.Width, layout.Height);
    const int widest = layout.Width - 2 * margins.X;
    int y = margins.Y;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        canvas.SetFontColour(static_cast<int>(i) < names.PrimaryCount ? colours::Cyan : colours::White);
        canvas.TextOut(widest + margins.X - layout.LineWidths[i] - 1, y, lines[i]);
        y += layout.LineHeight + 1;
    }
}

}  // namespace kolvar
