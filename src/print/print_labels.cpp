#include "print/print_labels.h"

#include <cmath>

#include "chart/sky_labels.h"

namespace kolvar {

namespace {

PrintFace FaceOf(std::string_view face) {
    if (face == RunicSkyLabelFace) return PrintFace::Runic;
    if (face == GreekSkyLabelFace) return PrintFace::Greek;
    return PrintFace::Plain;
}

double GreyOf(SkyLabelKind kind) {
    switch (kind) {
        case SkyLabelKind::Constellation:
        case SkyLabelKind::ConstellationRunes:
            return 0.4;
        case SkyLabelKind::DeepSky:
            return 0.25;
        default:
            return 0.0;
    }
}

}  // namespace

void DrawPaperLabels(Ink& ink, const PaperSky& sky, double labelMagnitude) {
    const PrintFonts& fonts = ink.Fonts();
    const MeasureLabelText measure = [&fonts](std::string_view face, int size, std::string_view text) {
        const PrintFace f = FaceOf(face);
        return LabelTextSize{static_cast<int>(std::ceil(fonts.TextWidth(f, text, size))),
                             static_cast<int>(std::ceil(fonts.Ascent(f, size) + fonts.Descent(f, size)))};
    };
    SkyLabelChoice choice;
    choice.Objects = true;
    choice.Names = true;
    choice.RunicNames = true;
    choice.Magnitude = labelMagnitude;
    choice.ObjectSize = static_cast<int>(std::lround(7 * sky.Scale()));
    choice.NameSize = static_cast<int>(std::lround(7 * sky.Scale()));
    const ChartContext& chart = sky.Chart;
    for (const SkyLabel& label :
         PlaceSkyLabels(chart.Objects, chart.Projection, chart.Frame, chart.JulianDay, choice, measure)) {
        const PrintFace face = FaceOf(label.Face);
        ink.Grey(GreyOf(label.Kind));
        ink.Text(face, label.Size, {static_cast<double>(label.X), label.Y + fonts.Ascent(face, label.Size)},
                 label.Text);
    }
}

}  // namespace kolvar
