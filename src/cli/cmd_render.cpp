// kolvar-chart render: the whole-sky chart exactly as the main window shows
// it, written as a PNG; optionally the table of placed objects as TSV, or a
// timing of the redraw.

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "canvas/png_writer.h"
#include "chart/draw_sky.h"
#include "chart/observer_state.h"
#include "chart/redraw.h"
#include "astro/time_scales.h"
#include "cli/cli_options.h"
#include "cli/render_request.h"
#include "cli/sky_options.h"
#include "cli/subcommands.h"

namespace kolvar::cli {

namespace {

constexpr OptionSpec RenderOptions[] = {
    JdOption,
    LatOption,
    LonOption,
    SizeOption,
    {"--out", "FILE.png", "PNG file to write (default kolvar-sky.png)"},
    {"--objects", "FILE.tsv", "also write the placed objects: slot kind index visible azimuth altitude distance x y"},
    {"--bench", "N", "render N times, write nothing, print astro_ms and redraw_ms (min, median, max)"},
};

constexpr CommandSpec RenderCommand{
    "render",
    "Renders the sky chart for one observer and instant, with the Moon phase picture laid over it,\n"
    "writes it as a PNG and prints the file's path. Angles in the objects file are radians,\n"
    "distances AU, x and y chart pixels.",
    RenderOptions,
};

// Whether two file names lead to the same file (symbolic links and "." and
// ".." resolved as far as the directories exist).
bool SameFile(const std::string& a, const std::string& b) {
    std::error_code errorA, errorB;
    const std::filesystem::path pathA = std::filesystem::weakly_canonical(a, errorA);
    const std::filesystem::path pathB = std::filesystem::weakly_canonical(b, errorB);
    if (!errorA && !errorB) return pathA == pathB;
    return std::filesystem::path(a).lexically_normal() == std::filesystem::path(b).lexically_normal();
}

// Writes the objects table into a new file beside `path` and names it in
// `aside`; a file of any other name that happens to lie there is never touched.
bool WriteObjectsAside(const std::string& path, const PixelOfDirection& pixelOf, const SkyObjectTable& objects,
                       std::string& aside) {
    std::string name = path + ".tmp-XXXXXX";
    const int fd = mkstemp(name.data());
    if (fd < 0) return false;
    aside = name;
    // mkstemp makes the file private; give it the permissions a plain new file gets.
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, static_cast<mode_t>(0666 & ~mask));
    std::FILE* file = fdopen(fd, "w");
    if (!file) {
        close(fd);
        return false;
    }
    std::fprintf(file, "slot\tkind\tindex\tvisible\tazimuth\taltitude\tdistance\tx\ty\n");
    for (int slot = 0; slot < SkyObjectCount; ++slot) {
        const SkyObjectEntry& e = objects[slot];
        const ChartPoint p = pixelOf(e.Azimuth, e.Altitude);
        std::fprintf(file, "%d\t%d\t%d\t%d\t%.17g\t%.17g\t%.17g\t%.9g\t%.9g\n", slot, e.Kind, e.Index, e.Visible,
                     e.Azimuth, e.Altitude, e.Distance, static_cast<double>(p.X), static_cast<double>(p.Y));
    }
    const bool flushed = std::fflush(file) == 0 && !std::ferror(file);
    return std::fclose(file) == 0 && flushed;
}

}  // namespace

RenderRequest ParseRequest(const ParsedOptions& options, std::string_view defaultOut) {
    RenderRequest r;
    r.Out = std::string(defaultOut);
    const SkyRequest sky = ParseSkyOptions(options);
    r.Observer = sky.Observer;
    r.ChartSize = sky.ChartSize;
    if (auto out = options.Value("--out")) {
        if (out->empty()) throw UsageError("--out: empty file name");
        r.Out = std::string(*out);
    }
    if (auto objects = options.Value("--objects")) {
        if (objects->empty()) throw UsageError("--objects: empty file name");
        r.Objects = std::string(*objects);
    }
    // The objects file would replace the picture just written.
    if (!r.Objects.empty() && SameFile(r.Objects, r.Out))
        throw UsageError("--out and --objects name the same file " + QuoteForMessage(r.Out));
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
                    const SkyObjectTable& objects, const PixelOfDirection& pixelOf) {
    const std::string name(command);
    // The objects file is written aside first and put in place only once the
    // PNG is written too, so a failure leaves neither file half done.
    std::string objectsAside;
    if (!r.Objects.empty() && !WriteObjectsAside(r.Objects, pixelOf, objects, objectsAside)) {
        if (!objectsAside.empty()) std::remove(objectsAside.c_str());
        std::fprintf(stderr, "%s %s: cannot write %s\n", ProgramName.data(), name.c_str(),
                     QuoteForMessage(r.Objects).c_str());
        return ExitFailure;
    }
    if (const std::string error = WritePng(picture, r.Out); !error.empty()) {
        if (!r.Objects.empty()) std::remove(objectsAside.c_str());
        std::fprintf(stderr, "%s %s: %s\n", ProgramName.data(), name.c_str(), error.c_str());
        return ExitFailure;
    }
    if (!r.Objects.empty() && std::rename(objectsAside.c_str(), r.Objects.c_str()) != 0) {
        std::remove(objectsAside.c_str());
        std::fprintf(stderr, "%s %s: cannot write %s\n", ProgramName.data(), name.c_str(),
                     QuoteForMessage(r.Objects).c_str());
        return ExitFailure;
    }
    std::printf("%s\n", r.Out.c_str());
    return std::fflush(stdout) == 0 ? ExitSuccess : ExitFailure;
}

namespace {

int Bench(RenderRequest& r) {
    std::vector<double> astro, redraw;
    Bitmap chart;
    ChartFrame frame;
    SkyObjectTable objects;
    MoonPicture moon;
    for (long long k = 0; k < r.Bench; ++k) {
        // Astronomy and placement of every object, no pixels.
        auto start = std::chrono::steady_clock::now();
        r.Observer.SiderealAngle = GreenwichSiderealAngle(r.Observer.JulianDay);
        const ChartFrame placed = ComputeChartFrame(r.ChartSize.Width, r.ChartSize.Height, r.Observer);
        PlaceSkyObjects(ChartContext{placed, r.Observer.JulianDay, objects});
        astro.push_back(MillisecondsSince(start));

        start = std::chrono::steady_clock::now();
        RedrawChart(r.Observer, chart, r.ChartSize.Width, r.ChartSize.Height, frame, objects, moon);
        redraw.push_back(MillisecondsSince(start));
    }
    PrintTimes("astro_ms", astro);
    PrintTimes("redraw_ms", redraw);
    return std::fflush(stdout) == 0 ? ExitSuccess : ExitFailure;
}

int Render(const ParsedOptions& options) {
    RenderRequest r = ParseRequest(options);
    if (r.Bench > 0) return Bench(r);

    Bitmap chart;
    ChartFrame frame;
    MoonPicture moon;
    RedrawChart(r.Observer, chart, r.ChartSize.Width, r.ChartSize.Height, frame, SkyObjects, moon);
    LayMoonPicture(chart, moon);

    return WriteChartFiles("render", r, chart, SkyObjects, [&frame](double azimuth, double altitude) {
        return ProjectToChart(frame, azimuth, altitude);
    });
}

}  // namespace

int RunRender(std::span<char* const> args) { return RunCommand(RenderCommand, args, Render); }

}  // namespace kolvar::cli
