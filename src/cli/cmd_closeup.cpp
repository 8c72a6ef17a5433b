// kolvar-chart closeup: the close-up window's picture around one direction,
// drawn from the main chart of the same observer and instant.

#include <chrono>
#include <string>
#include <vector>

#include "canvas/canvas.h"
#include "chart/redraw.h"
#include "chart/view_layers.h"
#include "cli/city_option.h"
#include "cli/cli_options.h"
#include "cli/render_request.h"
#include "cli/sky_options.h"
#include "cli/subcommands.h"
#include "cli/view_request.h"
#include "closeup/draw_close_up.h"

namespace kolvar::cli {

namespace {

constexpr OptionSpec CloseUpOptions[] = {
    {"--az", "DEG", "azimuth of the view centre in degrees, from north through east (required)"},
    {"--alt", "DEG", "altitude of the view centre in degrees (required)"},
    JulianDayOption,
    DateOption,
    ZoneOption,
    SummerOption,
    DstOption,
    CityOption,
    LatOption,
    LonOption,
    {"--size", "WxH", "close-up size in pixels (default 431x273, the window's client area)"},
    {"--chart-size", "WxH", "size of the main chart drawn first (default 1024x768)"},
    {"--out", "FILE.png", "PNG file to write (default kolvar-closeup.png; - for standard output)"},
    {"--objects", "FILE.tsv",
     "also write the placed objects: slot kind index visible azimuth altitude distance x y magnitude name "
     "(close-up pixels)"},
    {"--bench", "N", "draw the close-up N times, write nothing, print closeup_ms (min, median, max)"},
    ShowOption,
    LabelMagOption,
    NightOption,
    DaylightOption,
};

constexpr CommandSpec CloseUpCommand{
    "closeup",
    "Draws the main chart for one observer and instant, then the close-up window's picture around\n"
    "the direction --az, --alt from it, writes that as a PNG and prints the file's path. In the\n"
    "objects file angles are radians, distances AU, x and y close-up pixels (2147483648 for\n"
    "directions 90 degrees or more from the view centre).",
    CloseUpOptions,
};

struct CloseUpRequest {
    RenderRequest Common;       // its Sky.ChartSize is the close-up's --size
    Size ChartSize{1024, 768};  // the main chart's --chart-size
    HorizontalPosition View;
};

CloseUpRequest ParseCloseUp(const ParsedOptions& options) {
    CloseUpRequest r;
    r.Common = ParseRequest(options, "kolvar-closeup.png");
    if (!options.Has("--size")) r.Common.Sky.ChartSize = {DefaultCloseUpWidth, DefaultCloseUpHeight};
    if (auto size = options.Value("--chart-size"))
        r.ChartSize = ParseSize("--chart-size", *size, MaxChartSide);
    const auto az = options.Value("--az");
    const auto alt = options.Value("--alt");
    if (!az || !alt) throw UsageError("--az and --alt are required");
    r.View.Azimuth = ParseDegrees("--az", *az, 360.0);
    r.View.Altitude = ParseDegrees("--alt", *alt, 90.0);
    return r;
}

// One drawing as the window makes it on every resize: the bitmap sized to
// the client area, then the close-up over all of it.
SkyProjection DrawWindow(Bitmap& picture, const CloseUpRequest& r, const CloseUpSky& sky) {
    const Size size = r.Common.Sky.ChartSize;
    picture.Resize(size.Width, size.Height);
    Canvas canvas(picture);
    const SkyProjection window = DrawCloseUp(canvas, size.Width, size.Height, r.View, sky);
    const ViewOptions& view = r.Common.View;
    if (view.AddsAnything())
        DrawViewLayers(picture, window, ViewSky{sky.Chart, sky.JulianDay, sky.Objects}, view);
    if (view.Night) MapToNightPalette(picture);
    return window;
}

int CloseUp(const ParsedOptions& options) {
    CloseUpRequest r = ParseCloseUp(options);
    if (!RegisterViewFonts(r.Common.View)) return ExitFailure;

    ObserverState& observer = r.Common.Sky.Observer;
    Bitmap chart;
    ChartFrame chartFrame;
    SkyObjectTable objects;
    MoonPicture moon;
    RedrawChart(observer, chart, r.ChartSize.Width, r.ChartSize.Height, chartFrame, objects, moon,
                r.Common.View);
    // As the window does, the Milky Way lists are turned once for every drawing.
    const MilkyWayDirections band = MilkyWayDirectionsAt(chartFrame, observer.JulianDay);
    const CloseUpSky sky{chartFrame, observer.JulianDay,
                         objects,    moon.Picture,
                         band,       FaintestMarkerClassFor(r.Common.View, objects[SunSlot].Altitude)};

    Bitmap picture;
    if (r.Common.Bench > 0) {
        std::vector<double> ms;
        for (long long k = 0; k < r.Common.Bench; ++k) {
            const auto start = std::chrono::steady_clock::now();
            DrawWindow(picture, r, sky);
            ms.push_back(MillisecondsSince(start));
        }
        PrintTimes("closeup_ms", ms);
        return ExitSuccess;
    }

    const SkyProjection window = DrawWindow(picture, r, sky);
    return WriteChartFiles("closeup", r.Common, picture, objects, window);
}

}  // namespace

int RunCloseUp(std::span<char* const> args) { return RunCommand(CloseUpCommand, args, CloseUp); }

std::optional<std::string> CloseUpRefusal(std::span<char* const> args) {
    return RefusalOf(CloseUpCommand, args, [](const ParsedOptions& options) { ParseCloseUp(options); });
}

}  // namespace kolvar::cli
