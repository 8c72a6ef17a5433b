// kolvar-chart render: the whole-sky chart exactly as the main window shows
// it, written as a PNG; optionally the table of placed objects as TSV, or a
// timing of the redraw.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "astro/time_scales.h"
#include "canvas/png_writer.h"
#include "chart/draw_sky.h"
#include "chart/redraw.h"
#include "chart/sky_phase.h"
#include "chart/small_body_layer.h"
#include "cli/city_option.h"
#include "cli/cli_options.h"
#include "cli/horizon_option.h"
#include "cli/object_name_columns.h"
#include "cli/output_file.h"
#include "cli/render_request.h"
#include "cli/render_series.h"
#include "cli/sky_options.h"
#include "cli/small_body_options.h"
#include "cli/subcommands.h"
#include "cli/view_request.h"
#include "print/finished_chart.h"
#include "print/smooth_chart.h"
#include "sky/observer_state.h"

namespace kolvar::cli {

namespace {

constexpr OptionSpec RenderOptions[] = {
    JulianDayOption,
    DateOption,
    ZoneOption,
    SummerOption,
    DstOption,
    CityOption,
    LatOption,
    LonOption,
    SizeOption,
    {"--out", "FILE.png",
     "PNG file to write (default kolvar-sky.png; - for standard output); for a series a pattern such as "
     "sky-%03d.png"},
    {"--objects", "FILE.tsv",
     "also write the placed objects: slot kind index visible azimuth altitude distance x y magnitude name (a "
     "pattern "
     "for a series)"},
    {"--bench", "N",
     "render N times, write nothing, print astro_ms and redraw_ms (min, median, max); with small bodies "
     "first how many were placed and drawn"},
    ShowOption,
    StyleOption,
    CharacterSizeOption,
    LabelMagOption,
    NightOption,
    DaylightOption,
    SmallBodiesMagOption,
    ElementsOption,
    PathOption,
    PathDaysOption,
    HorizonOption,
    FromOption,
    ToOption,
    StepOption,
};

constexpr CommandSpec RenderCommand{
    "render",
    "Renders the sky chart for one observer and instant, with the Moon phase picture laid over it,\n"
    "writes it as a PNG and prints the file's path. Angles in the objects file are radians,\n"
    "distances AU, x and y chart pixels. With --from, --to and --step it renders the series of\n"
    "instants from --from to --to, numbering the files of --out (and --objects) from 1.",
    RenderOptions,
};

}  // namespace

std::string ObjectsTable(const SkyProjection& projection, const SkyObjectTable& objects, double julianDay) {
    std::string text = "slot\tkind\tindex\tvisible\tazimuth\taltitude\tdistance\tx\ty\tmagnitude\tname\n";
    const ObjectNameColumns names(julianDay);
    char line[256];
    for (int slot = 0; slot < SkyObjectCount; ++slot) {
        const SkyObjectEntry& e = objects[slot];
        const ChartPoint p = projection.Project(e.Azimuth, e.Altitude);
        const int n = std::snprintf(line, sizeof line, "%d\t%d\t%d\t%d\t%.17g\t%.17g\t%.17g\t%.9g\t%.9g\t",
                                    slot, e.Kind, e.Index, e.Visible, e.Azimuth, e.Altitude, e.Distance,
                                    static_cast<double>(p.X), static_cast<double>(p.Y));
        text.append(line, static_cast<std::size_t>(std::clamp(n, 0, static_cast<int>(sizeof line) - 1)));
        text += names.Of(slot);
        text += '\n';
    }
    return text;
}

RenderRequest ParseRequest(const ParsedOptions& options, std::string_view defaultOut) {
    RenderRequest r;
    r.Out = std::string(defaultOut);
    r.Sky = ParseSkyOptions(options);
    r.View = ParseViewOptions(options);
    ApplyHorizonOption(options, r.View, r.Warnings);
    AttachSmallBodies(options, r.View, "render");
    if (auto out = options.Value("--out")) r.Out = std::string(*out);
    CheckOutputName("--out", r.Out);
    if (auto objects = options.Value("--objects")) {
        CheckOutputName("--objects", *objects);
        r.Objects = std::string(*objects);
    }
    // The objects file must not replace the picture, nor share standard output with it.
    if (!r.Objects.empty()) {
        const NamedOutput outputs[] = {{"--out", r.Out}, {"--objects", r.Objects}};
        CheckOutputsApart(outputs);
    }
    if (auto bench = options.Value("--bench")) {
        r.Bench = ParseInteger("--bench", *bench, 1, 100000);
        if (options.Has("--out") || options.Has("--objects"))
            throw UsageError("--bench writes no files; leave out --out and --objects");
    }
    return r;
}

void PrintTimes(const char* name, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    const std::size_t n = ms.size();
    const double median = n % 2 ? ms[n / 2] : (ms[n / 2 - 1] + ms[n / 2]) / 2;
    std::printf("%s min=%.3f median=%.3f max=%.3f\n", name, ms.front(), median, ms.back());
}

double MillisecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

int WriteChartFiles(std::string_view command, const RenderRequest& r, const Bitmap& picture,
                    const SkyObjectTable& objects, const SkyProjection& projection,
                    const std::string& moreRows) {
    const std::string name(command);
    const std::string table =
        r.Objects.empty() ? "" : ObjectsTable(projection, objects, r.Sky.Observer.JulianDay) + moreRows;
    std::vector<unsigned char> png;
    std::string failure;
    if (EncodePng(picture, png, failure)) {
        std::vector<Output> outputs{{r.Out, PngBytes(png)}};
        if (!r.Objects.empty()) outputs.push_back({r.Objects, table});
        failure = WriteOutputs(outputs);
    }
    if (!failure.empty()) {
        std::fprintf(stderr, "%s %s: %s\n", ProgramName.data(), name.c_str(), failure.c_str());
        return ExitFailure;
    }
    // Standard output carries the path only when no file went there.
    if (!IsStandardOutput(r.Out) && !IsStandardOutput(r.Objects)) std::printf("%s\n", r.Out.c_str());
    return ExitSuccess;
}

namespace {

int Bench(RenderRequest& r) {
    std::vector<double> astro, redraw;
    ObserverState& observer = r.Sky.Observer;
    const Size size = r.Sky.ChartSize;
    auto scene = std::make_unique<SkyScene>();
    FinishedChart drawn;
    for (long long k = 0; k < r.Bench; ++k) {
        // Astronomy and placement of every object, no pixels.
        auto start = std::chrono::steady_clock::now();
        *scene = ComputeSkyScene(observer);
        astro.push_back(MillisecondsSince(start));

        // The finished picture drawn from that scene.
        start = std::chrono::steady_clock::now();
        DrawFinishedChart(*scene, size.Width, size.Height, r.View, drawn);
        redraw.push_back(MillisecondsSince(start));
    }
    const ChartFrame& frame = drawn.Frame;
    if (r.View.ShowsSmallBodies()) {
        // How many comets and minor planets the timed redraws drew.
        const std::vector<PlacedSmallBody> placed =
            PlaceSmallBodies(frame, observer.JulianDay, *r.View.Bodies, r.View.SmallBodyMagnitude);
        const auto up = std::count_if(placed.begin(), placed.end(),
                                      [](const PlacedSmallBody& b) { return b.Position.Altitude >= 0.0; });
        std::printf("small_bodies placed=%zu drawn=%ld\n", placed.size(), static_cast<long>(up));
    }
    PrintTimes("astro_ms", astro);
    PrintTimes("redraw_ms", redraw);
    return ExitSuccess;
}

// Reads render's options as Render does, doing nothing with them.
void CheckRender(const ParsedOptions& options) {
    if (WantsSeries(options))
        ParseSeries(options);
    else
        ParseRequest(options);
}

int Render(const ParsedOptions& options) {
    if (WantsSeries(options)) return RenderSeries(ParseSeries(options));
    RenderRequest r = ParseRequest(options);
    PrintWarnings(RenderCommand.Name, r.Warnings);
    if (!RegisterViewFonts(r.View)) return ExitFailure;
    if (r.Bench > 0) return Bench(r);

    const auto scene = std::make_unique<const SkyScene>(ComputeSkyScene(r.Sky.Observer));
    FinishedChart drawn;
    DrawFinishedChart(*scene, r.Sky.ChartSize.Width, r.Sky.ChartSize.Height, r.View, drawn);
    LayShownMoon(drawn, drawn.Chart);
    return WriteChartFiles("render", r, drawn.Chart, scene->Objects,
                           SkyProjection::Stereographic(drawn.Frame));
}

}  // namespace

int RunRender(std::span<char* const> args) { return RunCommand(RenderCommand, args, Render); }

std::optional<std::string> RenderRefusal(std::span<char* const> args) {
    return RefusalOf(RenderCommand, args, CheckRender);
}

}  // namespace kolvar::cli
