// Fuzz target for the chart and close-up drawing with extreme observers.
// Input: three doubles (latitude and longitude in radians, Julian day; the
// raw bytes, so any magnitude), then four 16-bit words: the chart's width
// (1..400) and height (1..300), the close-up's view azimuth (-2 pi..2 pi) and
// altitude (-pi/2..pi/2); then one byte whose low bits size the close-up as
// the chart (0) or the window's default (1). Missing bytes are zeros.
// The redraw runs as the command line runs it, then the close-up; every
// placed object must have a finite direction and pixel (in the close-up the
// far-away value where it lies behind the view), and every crossing of the
// Milky Way outline must lie on the edge it was cut at.

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "astro/ephemeris_range.h"
#include "canvas/canvas.h"
#include "catalog/static_tables.h"
#include "chart/chart_context.h"
#include "chart/milky_way_layer.h"
#include "chart/redraw.h"
#include "closeup/draw_close_up.h"
#include "closeup/milky_way_close_up.h"
#include "fuzz_checks.h"

namespace {

using namespace kolvar;
using fuzz::Check;

struct Reader {
    const std::uint8_t* data;
    std::size_t size;
    template <typename T>
    T Next() {
        T value{};
        unsigned char bytes[sizeof(T)] = {};
        const std::size_t n = size < sizeof(T) ? size : sizeof(T);
        std::memcpy(bytes, data, n);
        data += n;
        size -= n;
        std::memcpy(&value, bytes, sizeof(T));
        return value;
    }
    double Fraction() { return Next<std::uint16_t>() / 65535.0; }
};

std::string Point(const std::string& what, int slot, ChartPoint p) {
    return what + " slot " + std::to_string(slot) + ": " + std::to_string(p.X) + ", " + std::to_string(p.Y);
}

void CheckPlaced(const SkyObjectTable& objects, const SkyProjection& chart, const SkyProjection& window) {
    for (int slot = 0; slot < SkyObjectCount; ++slot) {
        const SkyObjectEntry& e = objects[slot];
        Check(std::isfinite(e.Azimuth) && std::isfinite(e.Altitude) && std::isfinite(e.Distance),
              "direction not finite", std::to_string(slot));
        const ChartPoint c = chart.Project(e.Azimuth, e.Altitude);
        Check(std::isfinite(c.X) && std::isfinite(c.Y), "chart pixel not finite", Point("", slot, c));
        const ChartPoint w = window.Project(e.Azimuth, e.Altitude);
        const bool far = w.X == CloseUpFarAway && w.Y == CloseUpFarAway;
        Check(far || (std::isfinite(w.X) && std::isfinite(w.Y) && w.X != CloseUpFarAway &&
                      w.Y != CloseUpFarAway),
              "close-up pixel neither finite nor far away", Point("", slot, w));
    }
}

void CheckBand(const MilkyWayDirections& band) {
    for (const auto* list : {&band.Outline, &band.Seeds, &band.Lanes})
        for (const HorizontalPosition& h : *list)
            Check(std::isfinite(h.Azimuth) && std::isfinite(h.Altitude), "Milky Way direction not finite");
}

void CheckCrossings(const ChartFrame& frame, const SkyScene& scene, const SkyProjection& window,
                    const MilkyWayDirections& band) {
    Bitmap scratch(frame.ChartWidth, frame.ChartHeight, colours::Black);
    Canvas canvas(scratch);
    std::vector<EdgeCrossing> crossings;
    DrawMilkyWayOutline(canvas, ChartContext(frame, scene), crossings);
    for (const EdgeCrossing& c : crossings) {
        const double r = std::hypot(double{c.At.X} - frame.CentreX, double{c.At.Y} - frame.CentreY);
        Check(std::abs(r - frame.ChartRadius) <= 0.5, "chart crossing off the horizon",
              Point("radius " + std::to_string(frame.ChartRadius), 0, c.At));
    }
    Bitmap picture(window.Width(), window.Height(), colours::Black);
    Canvas closeUp(picture);
    crossings.clear();
    DrawCloseUpOutline(closeUp, band, window, crossings);
    const auto right = static_cast<float>(window.Width() - 1),
               bottom = static_cast<float>(window.Height() - 1);
    for (const EdgeCrossing& c : crossings) {
        const ChartPoint p = c.At;
        Check(p.X >= 0 && p.X <= right && p.Y >= 0 && p.Y <= bottom &&
                  (p.X == 0 || p.X == right || p.Y == 0 || p.Y == bottom),
              "close-up crossing off the border", Point("", 0, p));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool tables = [] {
        InitStaticTables();
        return true;
    }();
    (void)tables;
    Reader in{data, size};
    ObserverState observer;
    observer.Latitude = in.Next<double>();
    observer.Longitude = in.Next<double>();
    observer.JulianDay = in.Next<double>();
    // A day the elements do not cover is refused, as the program refuses it.
    // The frame doubles the latitude, which overflows beyond half the largest
    // double; no latitude that large reaches it (the command line refuses more
    // than 90 degrees, the place dialog and the settings file reduce an angle
    // to its principal range), so every smaller magnitude goes in as it is.
    if (!std::isfinite(observer.Longitude) || !std::isfinite(observer.Latitude) ||
        std::abs(observer.Latitude) > DBL_MAX / 2 || !ElementsCoverDay(observer.JulianDay))
        return 0;
    const int width = 1 + static_cast<int>(in.Fraction() * 399);
    const int height = 1 + static_cast<int>(in.Fraction() * 299);
    const HorizontalPosition view{(in.Fraction() * 2 - 1) * 2 * 3.141592653589793,
                                  (in.Fraction() * 2 - 1) * 3.141592653589793 / 2, 0.0};
    const bool defaultWindow = (in.Next<std::uint8_t>() & 1) != 0;
    const int w = defaultWindow ? DefaultCloseUpWidth : width,
              h = defaultWindow ? DefaultCloseUpHeight : height;

    Bitmap chart;
    ChartFrame frame;
    SkyObjectTable objects;
    MoonPicture moon;
    const SkyScene scene = ComputeSkyScene(observer);
    frame = RedrawChart(scene, chart, width, height, moon);
    objects = scene.Objects;
    Check(std::isfinite(scene.Frame.SiderealAngle), "sidereal angle not finite");
    const MilkyWayDirections band = MilkyWayDirectionsAt(frame, observer.JulianDay);
    const CloseUpSky sky{frame, observer.JulianDay, objects, moon.Picture, band};
    Bitmap picture(w, h, colours::Black);
    Canvas canvas(picture);
    const SkyProjection window = DrawCloseUp(canvas, w, h, view, sky);
    CheckPlaced(objects, SkyProjection::Stereographic(frame), window);
    CheckBand(band);
    CheckCrossings(frame, scene, window, band);
    return 0;
}
