#include "identify/styled_text.h"

#include <string_view>

namespace kolvar {

namespace {

constexpr std::size_t MaxFaceLength = 31;

class StyleScope {
public:
    StyleScope(Canvas& canvas, const LabelRow& row)
        : canvas_(canvas), face_(canvas.FontFace()), size_(canvas.FontSize()), pen_(canvas.PenColour()) {
        canvas.SetFontFace(std::string_view(row.Face).substr(0, MaxFaceLength));
        canvas.SetFontSize(row.Size);
        canvas.SetPenColour(row.Colour);
        canvas.SetFontColour(row.Colour);
        canvas.SetBrushColour(colours::Navy);
    }
    ~StyleScope() {
        canvas_.SetFontFace(face_);
        canvas_.SetFontSize(size_);
        canvas_.SetPenColour(pen_);
    }
    StyleScope(const StyleScope&) = delete;
    StyleScope& operator=(const StyleScope&) = delete;

private:
    Canvas& canvas_;
    std::string face_;
    int size_;
    Colour pen_;
};

}  // namespace

StyledTextMeasure MeasureStyledText(Canvas& canvas, const LabelRow& row) {
    StyleScope style(canvas, row);
    return {canvas.TextExtent(row.Text), canvas.GetTextMetrics()};
}

void DrawStyledText(Canvas& canvas, int x, int y, const LabelRow& row) {
    StyleScope style(canvas, row);
    canvas.TextOut(x, y, row.Text);
}

TextMetrics StyledTextMetrics(Canvas& canvas, const LabelRow& row) {
    StyleScope style(canvas, row);
    return canvas.GetTextMetrics();
}

int RowHeightAboveBaseline(const StyledTextMeasure& m) {
    const long long above = static_cast<long long>(m.Metrics.Ascent) + m.Metrics.InternalLeading;
    const long long cell = above + m.Metrics.Descent + m.Metrics.ExternalLeading;
    if (cell <= 0) return 0;  // no face could be loaded
    return static_cast<int>(static_cast<long long>(m.Extent.Height) * above / cell);
}

}  // namespace kolvar
