#include "identify/label_fit.h"

#include <algorithm>

namespace kolvar {

int ClampLabelFontSize(long long characterSize) {
    return static_cast<int>(std::clamp<long long>(characterSize, MinLabelFontSize, MaxLabelFontSize));
}

namespace {

// The size, from `size` down, at which both labels stand side by side within
// the client; `rows` follow it.
int FittingSize(LabelRows& rows, const std::vector<std::string>& lines, int size, const LabelArea& area) {
    const long long height = static_cast<long long>(area.Client.Bottom) - area.Client.Top;
    const long long width = static_cast<long long>(area.Client.Right) - area.Client.Left;
    const bool fixed = area.FixedLeftSize.has_value();
    Bitmap scratch;  // measuring draws nothing
    Canvas measure(scratch);
    measure.SetFontFace(RightLabelFace(area.Names));
    // Measures the two pictures at the current size, heights first: the
    // widths, which cost glyph look-ups, are only measured when both heights fit.
    const auto fits = [&] {
        measure.SetFontSize(size);
        const int leftHeight =
            fixed ? area.FixedLeftSize->Height : LayOutLabel(measure, rows, area.Margins, false).Height;
        if (height < leftHeight || height < LayOutRunicNames(measure, lines, area.Margins, false).Height)
            return false;
        const int leftWidth =
            fixed ? area.FixedLeftSize->Width : LayOutLabel(measure, rows, area.Margins).Width;
        return width >=
               static_cast<long long>(leftWidth) + LayOutRunicNames(measure, lines, area.Margins).Width;
    };
    while (size > SmallestFittingFontSize && !fits()) {
        --size;
        for (LabelRow& row : rows) --row.Size;
    }
    return size;
}

void PlaceLabels(ObjectLabels& labels, const LabelArea& area) {
    labels.LeftX = area.Client.Left;
    labels.LeftY = area.Client.Top;
    labels.RightX = area.Client.Right - labels.Right.Width();
    labels.RightY = area.Client.Top;
}

}  // namespace

ObjectLabels FitObjectLabels(const SkyObjectEntry& selection, int characterSize, const LabelArea& area) {
    ObjectLabels labels;
    std::vector<std::string> lines = RightLabelLines(CollectRunicNames(selection), area.Names);
    // The rows' texts do not depend on the size and every row's size is the
    // label size or one more, so the rows are composed once and only their
    // sizes follow the steps.
    LabelRows rows = ComposeLabelRows(selection, ClampLabelFontSize(characterSize));
    const int size = FittingSize(rows, lines, ClampLabelFontSize(characterSize), area);

    labels.FontSize = size;
    Canvas left(labels.Left);
    left.SetFontSize(size);
    labels.Rows = ComposeLabel(left, selection, area.Margins);
    Canvas right(labels.Right);
    right.SetFontSize(size);
    labels.Names = ComposeRunicNames(right, selection, area.Margins, area.Names);
    labels.RunicLines = std::move(lines);
    PlaceLabels(labels, area);
    return labels;
}

ObjectLabels FitNamedLabels(std::string_view name, Colour colour, int characterSize, const LabelArea& area) {
    ObjectLabels labels;
    LabelRows rows;
    for (LabelRow& row : rows) row.Size = ClampLabelFontSize(characterSize);
    rows[2].Text = std::string(name);
    rows[2].Colour = colour;
    const int size = FittingSize(rows, {}, ClampLabelFontSize(characterSize), area);
    labels.FontSize = size;
    Canvas left(labels.Left);
    left.SetFontSize(size);
    DrawLabelRows(left, rows, area.Margins);
    labels.Rows = rows;
    Canvas right(labels.Right);
    right.SetFontSize(size);
    DrawRunicNames(right, RunicNameList{}, area.Margins, area.Names);
    PlaceLabels(labels, area);
    return labels;
}

}  // namespace kolvar
