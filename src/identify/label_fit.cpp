#include "identify/label_fit.h"

#include <algorithm>

namespace kolvar {

int ClampLabelFontSize(long long characterSize) {
    return static_cast<int>(std::clamp<long long>(characterSize, MinLabelFontSize, MaxLabelFontSize));
}

namespace {

// Measures the two pictures at one size, heights first: the widths, which
// cost glyph look-ups, are only measured when both heights fit.
class LabelMeasure {
public:
    LabelMeasure(const SkyObjectEntry& selection, const LabelArea& area, const std::vector<std::string>& lines)
        : selection_(selection), area_(area), lines_(lines), canvas_(scratch_) {
        canvas_.SetFontFace(RunicLabelFace);
    }

    bool Fits(int size) {
        const long long height = static_cast<long long>(area_.Client.Bottom) - area_.Client.Top;
        const long long width = static_cast<long long>(area_.Client.Right) - area_.Client.Left;
        const LabelRows rows = ComposeLabelRows(selection_, size);
        canvas_.SetFontSize(size);
        const bool fixed = area_.FixedLeftSize.has_value();
        const int leftHeight = fixed ? area_.FixedLeftSize->Height : LayOutLabel(canvas_, rows, area_.Margins, false).Height;
        if (height < leftHeight || height < LayOutRunicNames(canvas_, lines_, area_.Margins, false).Height)
            return false;
        const int leftWidth = fixed ? area_.FixedLeftSize->Width : LayOutLabel(canvas_, rows, area_.Margins).Width;
        return width >= static_cast<long long>(leftWidth) + LayOutRunicNames(canvas_, lines_, area_.Margins).Width;
    }

private:
    const SkyObjectEntry& selection_;
    const LabelArea& area_;
    const std::vector<std::string>& lines_;
    Bitmap scratch_;  // measuring draws nothing
    Canvas canvas_;
};

}  // namespace

ObjectLabels FitObjectLabels(const SkyObjectEntry& selection, int characterSize, const LabelArea& area) {
    ObjectLabels labels;
    const std::vector<std::string> lines = RunicLinesAsDrawn(CollectRunicNames(selection));
    int size = ClampLabelFontSize(characterSize);
    LabelMeasure measure(selection, area, lines);
    while (size > SmallestFittingFontSize && !measure.Fits(size)) --size;

    labels.FontSize = size;
    Canvas left(labels.Left);
    left.SetFontSize(size);
    labels.Rows = ComposeLabel(left, selection, area.Margins);
    Canvas right(labels.Right);
    right.SetFontSize(size);
    labels.Names = ComposeRunicNames(right, selection, area.Margins);
    labels.RunicLines = RunicLinesAsDrawn(labels.Names);

    labels.LeftX = area.Client.Left;
    labels.LeftY = area.Client.Top;
    labels.RightX = area.Client.Right - labels.Right.Width();
    labels.RightY = area.Client.Top;
    return labels;
}

}  // namespace kolvar
