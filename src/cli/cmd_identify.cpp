// kolvar-chart identify: what a left click at one chart pixel names, with the
// rows and runic names of its two labels, and the labels as PNG files.

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "canvas/cp1250.h"
#include "canvas/png_writer.h"
#include "canvas/program_fonts.h"
#include "chart/redraw.h"
#include "chart/sky_phase.h"
#include "cli/city_option.h"
#include "cli/cli_options.h"
#include "cli/output_file.h"
#include "cli/sky_options.h"
#include "cli/small_body_options.h"
#include "cli/subcommands.h"
#include "cli/view_request.h"
#include "identify/hit_test.h"
#include "identify/label_fit.h"
#include "identify/small_body_label.h"
#include "print/finished_chart.h"

namespace kolvar::cli {

namespace {

constexpr OptionSpec IdentifyOptions[] = {
    {"--x", "X", "chart pixel column of the click, 0 .. width - 1 (required)"},
    {"--y", "Y", "chart pixel row of the click, 0 .. height - 1 (required)"},
    JulianDayOption,
    DateOption,
    ZoneOption,
    SummerOption,
    DstOption,
    CityOption,
    LatOption,
    LonOption,
    SizeOption,
    {"--font-size", "N", "character size of the labels in points, 1..1000 (default 12)"},
    {"--labels", "PREFIX",
     "also write the labels as PREFIX-left.png and PREFIX-right.png (and, with any view option, the chart "
     "with the "
     "object ringed as PREFIX-chart.png)"},
    ShowOption,
    LabelMagOption,
    NightOption,
    DaylightOption,
    SmallBodiesMagOption,
    ElementsOption,
};

constexpr CommandSpec IdentifyCommand{
    "identify",
    "Draws the chart as render does, names the object that a left click at chart pixel (X, Y)\n"
    "selects and fits its two labels into a window of the chart's size. Prints tab-separated\n"
    "lines: slot, kind, index; five 'row R FACE SIZE RRGGBB TEXT' (TEXT is UTF-8 for Arial,\n"
    "space-separated hex bytes for Symbol and Runex23x); one 'runic I RRGGBB HEX' per runic\n"
    "name with the bytes as drawn; last 'labels FONTSIZE W1xH1 W2xH2'.",
    IdentifyOptions,
};

struct IdentifyRequest {
    SkyRequest Sky;
    int X = 0;
    int Y = 0;
    int FontSize = DefaultFontSize;
    std::string Labels;  // empty: no files
    ViewOptions View;
    bool WithChart = false;  // a view option was given: --labels writes the chart too
};

int PixelOption(const ParsedOptions& options, std::string_view name, int side) {
    const std::optional<std::string_view> text = options.Value(name);
    if (!text) throw UsageError("missing " + std::string(name) + " (the pixel of the click)");
    return static_cast<int>(ParseInteger(name, *text, 0, side - 1));
}

IdentifyRequest ParseRequest(const ParsedOptions& options) {
    IdentifyRequest r;
    r.Sky = ParseSkyOptions(options);
    r.X = PixelOption(options, "--x", r.Sky.ChartSize.Width);
    r.Y = PixelOption(options, "--y", r.Sky.ChartSize.Height);
    if (auto size = options.Value("--font-size"))
        r.FontSize = static_cast<int>(ParseInteger("--font-size", *size, MinLabelFontSize, MaxLabelFontSize));
    if (auto labels = options.Value("--labels")) {
        if (labels->empty()) throw UsageError("--labels: empty file name prefix");
        r.Labels = std::string(*labels);
    }
    r.View = ParseViewOptions(options);
    AttachSmallBodies(options, r.View, "identify");
    r.WithChart = ViewOptionsGiven(options) && !r.Labels.empty();
    if (!r.Labels.empty()) {
        std::vector<NamedOutput> pictures;
        for (const char* side : {"-left.png", "-right.png", "-chart.png"}) {
            CheckOutputName("--labels", r.Labels + side);
            if (std::string_view(side) != "-chart.png" || r.WithChart)
                pictures.push_back({"--labels", r.Labels + side});
        }
        CheckOutputsApart(pictures, "the object's lines");
    }
    return r;
}

std::string ColourHex(Colour c) {
    char text[8];
    std::snprintf(text, sizeof text, "%02X%02X%02X", c.Red, c.Green, c.Blue);
    return text;
}

std::string BytesHex(std::string_view bytes) {
    std::string hex;
    for (const char byte : bytes) {
        char text[4];
        std::snprintf(text, sizeof text, "%02X", static_cast<unsigned char>(byte));
        if (!hex.empty()) hex += ' ';
        hex += text;
    }
    return hex;
}

int Identify(const ParsedOptions& options) {
    IdentifyRequest r = ParseRequest(options);
    if (!RegisterProgramFonts()) {
        std::fprintf(stderr, "%s identify: cannot read the program's own fonts\n", ProgramName.data());
        return ExitFailure;
    }

    const int width = r.Sky.ChartSize.Width;
    const int height = r.Sky.ChartSize.Height;
    // The chart as a click finds it: placed as the view draws it, nothing selected yet.
    ViewOptions unselected = r.View;
    unselected.SelectedSlot = -1;
    const auto scene = std::make_unique<const SkyScene>(ComputeSkyScene(r.Sky.Observer));
    const SkyObjectTable& objects = scene->Objects;
    FinishedChart drawn;
    DrawFinishedChart(*scene, width, height, unselected, drawn);
    const ChartFrame& frame = drawn.Frame;

    const SkyProjection projection = SkyProjection::Stereographic(frame);
    const int slot = NearestVisibleSlot(objects, projection, r.X, r.Y);
    const SkyObjectEntry& selection = objects[static_cast<std::size_t>(slot)];
    const LabelArea area{Rect{0, 0, width, height}, LabelMarginsOf(width, height), std::nullopt};
    // A drawn comet or minor planet nearer to the click than the nearest object names itself.
    const SmallBodyHit body = SmallBodyAt(r.View, frame, projection, r.Sky.Observer.JulianDay, r.X, r.Y,
                                          projection.Project(selection.Azimuth, selection.Altitude));
    ObjectLabels labels = body.Body != nullptr
                              ? FitSmallBodyLabels(*body.Body, body.Placed.Place, r.FontSize, area)
                              : FitObjectLabels(selection, r.FontSize, area);

    if (!r.Labels.empty()) {
        std::vector<Bitmap*> bitmaps{&labels.Left, &labels.Right};
        std::vector<std::string> names{r.Labels + "-left.png", r.Labels + "-right.png"};
        FinishedChart ringed;
        if (r.WithChart) {
            // The chart as the window shows it after the click: the named object ringed.
            ViewOptions view = r.View;
            if (view.SelectedSlot < 0) view.SelectedSlot = slot;
            DrawFinishedChart(*scene, width, height, view, ringed);
            LayShownMoon(ringed, ringed.Chart);
            bitmaps.push_back(&ringed.Chart);
            names.push_back(r.Labels + "-chart.png");
        }
        std::vector<Output> pictures;
        std::vector<std::vector<unsigned char>> pngs(bitmaps.size());
        std::string failure;
        for (std::size_t i = 0; i < bitmaps.size() && failure.empty(); ++i) {
            // The finished chart is in the night palette already.
            if (r.View.Night && bitmaps[i] != &ringed.Chart) MapToNightPalette(*bitmaps[i]);
            if (EncodePng(*bitmaps[i], pngs[i], failure)) pictures.push_back({names[i], PngBytes(pngs[i])});
        }
        if (failure.empty()) failure = WriteOutputs(pictures);
        if (!failure.empty()) {
            std::fprintf(stderr, "%s identify: %s\n", ProgramName.data(), failure.c_str());
            return ExitFailure;
        }
    }

    if (body.Body != nullptr)
        std::printf("slot\t-1\nkind\t%d\nindex\t%zu\n", KindSmallBody, body.Placed.Body);
    else
        std::printf("slot\t%d\nkind\t%d\nindex\t%d\n", slot, selection.Kind, selection.Index);
    for (std::size_t i = 0; i < labels.Rows.size(); ++i) {
        const LabelRow& row = labels.Rows[i];
        const std::string text = row.Face == "Arial" ? Cp1250ToUtf8(row.Text) : BytesHex(row.Text);
        std::printf("row\t%zu\t%s\t%d\t%s\t%s\n", i, row.Face.c_str(), row.Size,
                    ColourHex(row.Colour).c_str(), text.c_str());
    }
    for (std::size_t i = 0; i < labels.RunicLines.size(); ++i) {
        const bool primary = static_cast<int>(i) < labels.Names.PrimaryCount;
        std::printf("runic\t%zu\t%s\t%s\n", i, ColourHex(primary ? colours::Cyan : colours::White).c_str(),
                    BytesHex(labels.RunicLines[i]).c_str());
    }
    std::printf("labels\t%d\t%dx%d\t%dx%d\n", labels.FontSize, labels.Left.Width(), labels.Left.Height(),
                labels.Right.Width(), labels.Right.Height());
    return ExitSuccess;  // RunCommand reports a failure to write standard output
}

}  // namespace

int RunIdentify(std::span<char* const> args) { return RunCommand(IdentifyCommand, args, Identify); }

std::optional<std::string> IdentifyRefusal(std::span<char* const> args) {
    return RefusalOf(IdentifyCommand, args, [](const ParsedOptions& options) { ParseRequest(options); });
}

}  // namespace kolvar::cli
