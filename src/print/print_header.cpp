#include "print/print_header.h"

#include <algorithm>
#include <string_view>

#include "catalog/deep_sky_kind.h"
#include "print/print_sky_layers.h"
#include "texts/runic_transliteration.h"

namespace kolvar {

namespace {

// The size at most `size` at which `text` fits in `width`.
double FittingSize(const Ink& ink, PrintFace face, double size, std::string_view text, double width) {
    const double at = ink.TextWidth(face, size, text);
    return at > width ? size * width / at : size;
}

struct KeySymbol {
    DeepSkyKind Kind;
    std::string_view Name;  // Windows-1250
};
constexpr KeySymbol KeySymbols[] = {
    {DeepSkyKind::Galaxy, "galaxis"},
    {DeepSkyKind::OpenCluster, "ny\xEDlthalmaz"},
    {DeepSkyKind::GlobularCluster, "g\xF6mbhalmaz"},
    {DeepSkyKind::Nebula,
     "k\xF6"
     "d"},
    {DeepSkyKind::PlanetaryNebula,
     "planet\xE1ris k\xF6"
     "d"},
};
constexpr std::string_view MagnitudeCaption = "F\xE9nyrend";
constexpr std::string_view EclipticCaption = "ekliptika";

}  // namespace

void DrawPrintHeader(Ink& ink, const PageLayout& layout, const PrintHeader& header) {
    const PageBox& box = layout.Header;
    const double s = layout.Scale;
    const std::string runes = ReverseRunicText(header.RunicTitle);
    ink.Grey(0.0);
    if (!layout.Columns) {
        const double middle = box.X + box.Width / 2;
        ink.Text(PrintFace::Runic, FittingSize(ink, PrintFace::Runic, 24 * s, runes, box.Width),
                 {middle, box.Y + 22 * s}, runes, TextAnchor::Centre);
        ink.Grey(0.3);
        ink.Text(PrintFace::Plain, FittingSize(ink, PrintFace::Plain, 9 * s, header.Title, box.Width),
                 {middle, box.Y + 36 * s}, header.Title, TextAnchor::Centre);
        ink.Grey(0.0);
        const double baseline = box.Y + box.Height - 12 * s;
        const std::string when = header.Date + " " + header.Time;
        const double size =
            FittingSize(ink, PrintFace::Plain, 11 * s, header.Place + "    " + when, box.Width);
        ink.Text(PrintFace::Plain, size, {box.X, baseline}, header.Place);
        ink.Text(PrintFace::Plain, size, {box.X + box.Width, baseline}, when, TextAnchor::Right);
        ink.MoveTo({box.X, baseline + 6 * s});
        ink.LineTo({box.X + box.Width, baseline + 6 * s});
        ink.LineWidth(0.5 * s);
        ink.Stroke();
        return;
    }
    // A column: every line on its own, shrunk to the column's width.
    double y = box.Y + 20 * s;
    ink.Text(PrintFace::Runic, FittingSize(ink, PrintFace::Runic, 20 * s, runes, box.Width), {box.X, y},
             runes);
    y += 16 * s;
    ink.Grey(0.3);
    ink.Text(PrintFace::Plain, FittingSize(ink, PrintFace::Plain, 9 * s, header.Title, box.Width), {box.X, y},
             header.Title);
    ink.Grey(0.0);
    y += 26 * s;
    for (const std::string* line : {&header.Place, &header.Date, &header.Time}) {
        ink.Text(PrintFace::Plain, FittingSize(ink, PrintFace::Plain, 11 * s, *line, box.Width), {box.X, y},
                 *line);
        y += 15 * s;
    }
}

void DrawPrintKey(Ink& ink, const PageLayout& layout) {
    const PageBox& box = layout.Key;
    const double s = layout.Scale, text = 8 * s;
    ink.Grey(0.0);
    // The star discs, brightest first, each over its magnitude class.
    double x = box.X, y = box.Y + 14 * s;
    if (layout.Columns) y = box.Y + box.Height - 210 * s;
    ink.Text(PrintFace::Plain, text, {x, y}, MagnitudeCaption);
    const double step = layout.Columns ? 16 * s : 20 * s;
    double discX =
        layout.Columns ? x + 4 * s : x + ink.TextWidth(PrintFace::Plain, text, MagnitudeCaption) + 12 * s;
    double discY = layout.Columns ? y + 12 * s : y - 3 * s;
    for (int m = -1; m <= 6; ++m) {
        const double r = StarDiscRadius(m) * s;
        ink.Circle({discX, discY}, r);
        ink.Fill();
        ink.Text(PrintFace::Plain, 6.5 * s, {discX, discY + 11 * s}, std::to_string(m), TextAnchor::Centre);
        discX += step;
        if (layout.Columns && m == 2) {
            discX = x + 4 * s;
            discY += 24 * s;
        }
    }
    // The deep-sky symbols and the ecliptic, side by side or one per line.
    const double symbol = 5.5 * s;
    x = box.X + 4 * s;
    y = layout.Columns ? discY + 30 * s : box.Y + box.Height - 6 * s;
    const auto advance = [&](std::string_view caption) {
        if (layout.Columns) {
            y += 13 * s;
        } else {
            x += ink.TextWidth(PrintFace::Plain, text, caption) + 24 * s;
        }
    };
    for (const KeySymbol& k : KeySymbols) {
        DrawDeepSkySymbol(ink, k.Kind, {x, y - 2.8 * s}, symbol);
        ink.Text(PrintFace::Plain, text, {x + 8 * s, y}, k.Name);
        advance(k.Name);
    }
    ink.MoveTo({x - 4 * s, y - 2.8 * s});
    ink.LineTo({x + 10 * s, y - 2.8 * s});
    ink.Grey(0.35);
    ink.LineWidth(0.7 * s);
    ink.Dash({4.0 * s, 2.5 * s});
    ink.Stroke();
    ink.Dash({});
    ink.Grey(0.0);
    ink.Text(PrintFace::Plain, text, {x + 14 * s, y}, EclipticCaption);
}

}  // namespace kolvar
