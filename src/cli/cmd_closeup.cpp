// kolvar-chart closeup: the close-up window's picture around one direction,
// drawn from the main chart of the same observer and instant.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "appcore/deep_star_catalogue.h"
#include "astro/spherical_position.h"
#include "canvas/canvas.h"
#include "canvas/cp1250.h"
#include "chart/redraw.h"
#include "chart/view_layers.h"
#include "cli/circle_option.h"
#include "cli/city_option.h"
#include "cli/cli_options.h"
#include "cli/horizon_option.h"
#include "cli/render_request.h"
#include "cli/sky_options.h"
#include "cli/small_body_options.h"
#include "cli/subcommands.h"
#include "cli/view_request.h"
#include "closeup/draw_close_up.h"
#include "closeup/field_circles.h"
#include "print/finished_chart.h"
#include "print/smooth_chart.h"

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
    StyleOption,
    LabelMagOption,
    NightOption,
    DaylightOption,
    SmallBodiesMagOption,
    ElementsOption,
    PathOption,
    PathDaysOption,
    HorizonOption,
    {"--fov", "DEG",
     "zoom in to a field DEG degrees across (0.25 up to the close-up's own field) and draw the deep stars "
     "and "
     "NGC/IC objects"},
    {"--mag-limit", "M",
     "with --fov: the faintest deep stars drawn (default by the field: 6.5 at 30 degrees "
     "to 10.5 below 2)"},
    CirclesOption,
};

constexpr CommandSpec CloseUpCommand{
    "closeup",
    "Draws the main chart for one observer and instant, then the close-up window's picture around\n"
    "the direction --az, --alt from it, writes that as a PNG and prints the file's path. In the\n"
    "objects file angles are radians, distances AU, x and y close-up pixels (2147483648 for\n"
    "directions 90 degrees or more from the view centre). With --fov the file goes on with the\n"
    "NGC/IC objects (slot -1, kind 5, index in the NGC/IC table) and the deep stars (slot -1,\n"
    "kind 6, index the HIP number or 0) drawn in the picture, distance 0.",
    CloseUpOptions,
};

struct CloseUpRequest {
    RenderRequest Common;       // its Sky.ChartSize is the close-up's --size
    Size ChartSize{1024, 768};  // the main chart's --chart-size
    HorizontalPosition View;
    double Zoom = 1.0;            // from --fov
    float MagnitudeLimit = 0.0f;  // --mag-limit, 0 for the field's own
    std::vector<double> Circles;  // --circles, true field diameters in degrees
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
    const Size size = r.Common.Sky.ChartSize;
    if (auto fov = options.Value("--fov")) {
        const double widest = CloseUpFieldDegrees(size.Width, size.Height, 1.0);
        const double degrees = ParseFiniteDouble("--fov", *fov);
        if (!(degrees >= 0.25 && degrees <= widest + 1e-9)) {
            char range[96];
            std::snprintf(range, sizeof range,
                          "--fov must lie from 0.25 to %.2f degrees (the close-up's own field)", widest);
            throw UsageError(range);
        }
        r.Zoom = std::max(1.0, CloseUpZoomFor(degrees, size.Width, size.Height));
    }
    if (auto limit = options.Value("--mag-limit")) {
        if (!options.Has("--fov")) throw UsageError("--mag-limit needs --fov");
        const double m = ParseFiniteDouble("--mag-limit", *limit);
        if (!(m >= -2.0 && m <= 20.0)) throw UsageError("--mag-limit must lie from -2 to 20");
        r.MagnitudeLimit = static_cast<float>(m);
    }
    if (auto circles = options.Value(CirclesOption.Name)) r.Circles = ParseCircles(*circles);
    return r;
}

// The deep stars and objects of a zoomed picture as rows of the objects
// table, after the table's own: only what lies in the picture.
std::string DeepRows(const CloseUpDeep& deep, const CloseUpSky& sky, int width, int height) {
    std::string rows;
    char line[320];
    const auto row = [&](int kind, long index, double ra, double dec, ChartPoint p, double magnitude,
                         const std::string& name) {
        if (p.X < 0.0f || p.Y < 0.0f || p.X >= static_cast<float>(width) || p.Y >= static_cast<float>(height))
            return;
        const HorizontalPosition h =
            EquatorialToHorizontal(sky.Chart, ra, dec, InfinitelyFar, sky.JulianDay, Equinox::Catalogue);
        const int n =
            std::snprintf(line, sizeof line, "-1\t%d\t%ld\t%d\t%.17g\t%.17g\t0\t%.9g\t%.9g\t%.2f\t%s\n", kind,
                          index, h.Altitude >= 0.0 ? 1 : 0, h.Azimuth, h.Altitude, static_cast<double>(p.X),
                          static_cast<double>(p.Y), magnitude, Cp1250ToUtf8(name).c_str());
        rows.append(line, static_cast<std::size_t>(std::clamp(n, 0, static_cast<int>(sizeof line) - 1)));
    };
    const auto objects = NgcIcCatalogue();
    for (const DrawnDeepObject& d : deep.Drawn) {
        const NgcIcRecord& r = objects[d.Object];
        row(KindNgcIc, d.Object, r.RightAscension, r.Declination, d.Centre, NgcIcMagnitudeOr(r, 99.0f),
            DeepObjectLabel(d.Object));
    }
    for (const DeepStar& s : deep.Field.Stars) {
        const auto p = deep.Projection.Project(s.RightAscension, s.Declination);
        if (p)
            row(KindDeepStar, static_cast<long>(s.Hip), s.RightAscension, s.Declination, *p, s.Magnitude,
                DeepStarLabel(s));
    }
    return rows;
}

// One drawing as the window makes it on every resize: the bitmap sized to
// the client area, then the close-up over all of it.
SkyProjection DrawWindow(Bitmap& picture, const CloseUpRequest& r, const CloseUpSky& sky, CloseUpDeep* deep) {
    const Size size = r.Common.Sky.ChartSize;
    return DrawFinishedCloseUp(picture, size.Width, size.Height, r.View, sky, deep, r.Common.View, r.Zoom,
                               r.Circles);
}

int CloseUp(const ParsedOptions& options) {
    CloseUpRequest r = ParseCloseUp(options);
    PrintWarnings("closeup", r.Common.Warnings);
    if (!RegisterViewFonts(r.Common.View)) return ExitFailure;

    ObserverState& observer = r.Common.Sky.Observer;
    // The main chart as the window draws it before its close-up opens.
    const auto scene = std::make_unique<const SkyScene>(ComputeSkyScene(observer));
    const SkyObjectTable& objects = scene->Objects;
    FinishedChart drawn;
    DrawFinishedChart(*scene, r.ChartSize.Width, r.ChartSize.Height, r.Common.View, drawn);
    const ChartFrame& chartFrame = drawn.Frame;
    const MoonPicture& moon = drawn.Moon;
    // As the window does, the Milky Way lists are turned once for every drawing.
    const MilkyWayDirections band = MilkyWayDirectionsAt(chartFrame, observer.JulianDay);
    const CloseUpSky sky{chartFrame, observer.JulianDay,
                         objects,    moon.Picture,
                         band,       FaintestMarkerClassFor(r.Common.View, objects[SunSlot].Altitude)};

    // A zoomed picture maps the deep star file now, at its first need.
    CloseUpDeep deep;
    CloseUpDeep* zoomed = nullptr;
    if (r.Zoom > 1.0) {
        deep.Zoom = r.Zoom;
        deep.MagnitudeLimit = r.MagnitudeLimit;
        deep.Stars = &ProgramDeepStars();
        if (!deep.Stars->IsOpen())
            std::fprintf(stderr, "%s closeup: deep stars not shown: %s\n", ProgramName.data(),
                         deep.Stars->Error().c_str());
        zoomed = &deep;
    }
    Bitmap picture;
    if (r.Common.Bench > 0) {
        std::vector<double> ms;
        for (long long k = 0; k < r.Common.Bench; ++k) {
            const auto start = std::chrono::steady_clock::now();
            DrawWindow(picture, r, sky, zoomed);
            ms.push_back(MillisecondsSince(start));
        }
        PrintTimes("closeup_ms", ms);
        return ExitSuccess;
    }

    const SkyProjection window = DrawWindow(picture, r, sky, zoomed);
    const Size size = r.Common.Sky.ChartSize;
    return WriteChartFiles("closeup", r.Common, picture, objects, window,
                           zoomed != nullptr ? DeepRows(deep, sky, size.Width, size.Height) : std::string());
}

}  // namespace

int RunCloseUp(std::span<char* const> args) { return RunCommand(CloseUpCommand, args, CloseUp); }

std::optional<std::string> CloseUpRefusal(std::span<char* const> args) {
    return RefusalOf(CloseUpCommand, args, [](const ParsedOptions& options) { ParseCloseUp(options); });
}

}  // namespace kolvar::cli
