// kolvar-chart closeup: the close-up window's picture around one direction,
// drawn from the main chart of the same observer and instant.

#include <chrono>
#include <string>
#include <vector>

#include "canvas/canvas.h"
#include "chart/redraw.h"
#include "cli/cli_options.h"
#include "cli/render_request.h"
#include "cli/sky_options.h"
#include "cli/subcommands.h"
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
    LatOption,
    LonOption,
    {"--size", "WxH", "close-up size in pixels (default 431x273, the window's client area)"},
    {"--chart-size", "WxH", "size of the main chart drawn first (default 1024x768)"},
    {"--out", "FILE.png", "PNG file to write (default kolvar-closeup.png; - for standard output)"},
    {"--objects", "FILE.tsv",
     "also write the placed objects: slot kind index visible azimuth altitude distance x y (close-up pixels)"},
    {"--bench", "N", "draw the close-up N times, write nothing, print closeup_ms (min, median, max)"},
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
    RenderRequest Common;  // its ChartSize is the close-up's --size
    Size ChartSize{1024, 768};
    HorizontalPosition View;
};

CloseUpRequest ParseCloseUp(const ParsedOptions& options) {
    CloseUpRequest r;
    r.Common = ParseRequest(options, "kolvar-closeup.png");
    if (!options.Has("--size")) r.Common.ChartSize = {DefaultCloseUpWidth, DefaultCloseUpHeight};
    if (auto size = options.Value("--chart-size")) r.ChartSize = ParseSize("--chart-size", *size, MaxChartSide);
    const auto az = options.Value("--az");
    const auto alt = options.Value("--alt");
    if (!az || !alt) throw UsageError("--az and --alt are required");
    r.View.Azimuth = ParseDegrees("--az", *az, 360.0);
    r.View.Altitude = ParseDegrees("--alt", *alt, 90.0);
    return r;
}

// One drawing as the window makes it on every resize: the bitmap sized to
// the client area, then the close-up over all of it.
void DrawWindow(Bitmap& picture, const CloseUpRequest& r, const CloseUpSky& sky, CloseUpFrame& frame) {
    const Size size = r.Common.ChartSize;
    picture.Resize(size.Width, size.Height);
    Canvas canvas(picture);
    DrawCloseUp(canvas, size.Width, size.Height, r.View, sky, frame);
}

int CloseUp(const ParsedOptions& options) {
    CloseUpRequest r = ParseCloseUp(options);

    Bitmap chart;
    ChartFrame chartFrame;
    MoonPicture moon;
    RedrawChart(r.Common.Observer, chart, r.ChartSize.Width, r.ChartSize.Height, chartFrame, SkyObjects, moon);
    // As the window does, the Milky Way lists are turned once for every drawing.
    const MilkyWayDirections band = MilkyWayDirectionsAt(chartFrame, r.Common.Observer.JulianDay);
    const CloseUpSky sky{chartFrame, r.Common.Observer.JulianDay, SkyObjects, moon.Picture, band};

    Bitmap picture;
    CloseUpFrame frame;
    if (r.Common.Bench > 0) {
        std::vector<double> ms;
        for (long long k = 0; k < r.Common.Bench; ++k) {
            const auto start = std::chrono::steady_clock::now();
            DrawWindow(picture, r, sky, frame);
            ms.push_back(MillisecondsSince(start));
        }
        PrintTimes("closeup_ms", ms);
        return ExitSuccess;
    }

    DrawWindow(picture, r, sky, frame);
    const Size size = r.Common.ChartSize;
    return WriteChartFiles("closeup", r.Common, picture, SkyObjects, [&](double azimuth, double altitude) {
        return ProjectCloseUp(frame, azimuth, altitude, size.Width, size.Height);
    });
}

}  // namespace

int RunCloseUp(std::span<char* const> args) { return RunCommand(CloseUpCommand, args, CloseUp); }

}  // namespace kolvar::cli
