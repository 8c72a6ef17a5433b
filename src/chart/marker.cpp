#include "chart/marker.h"

#include <array>
#include <cstdint>

#include "catalog/deep_sky_catalogue.h"
#include "catalog/star_catalogue.h"
#include "chart/pixel_rules.h"

namespace kolvar {

namespace {

constexpr std::array<std::uint8_t, 8> BandLevel{255, 192, 144, 108, 81, 60, 45, 34};
constexpr std::array<std::uint8_t, 8> BandLower{192, 144, 108, 81, 60, 45, 34, 26};

int BandOf(double m) {
    if (m <= 1) return 0;
    if (m <= 2) return 1;
    if (m <= 3) return 2;
    if (m <= 4) return 3;
    if (m <= 5) return 4;
    if (m <= 6) return 5;
    if (m <= 7) return 6;
    return 7;  // fainter, and NaN
}

constexpr std::array<Colour, 7> PlanetColours{{
    {255, 255, 0},    // Mercury
    {255, 255, 255},  // Venus
    {255, 128, 0},    // Mars
    {255, 255, 255},  // Jupiter
    {128, 81, 0},     // Saturn
    {0, 60, 60},      // Uranus
    {0, 45, 45},      // Neptune
}};

}  // namespace

Colour StarColour(double magnitude, char letter) {
    const int band = BandOf(magnitude);
    const std::uint8_t l = BandLevel[band];
    const std::uint8_t n = BandLower[band];
    switch (letter) {
        case 'M':
        case 'R':
        case 'S':
            return {l, n, n};
        case 'G':
        case 'K':
            return {l, l, n};
        case 'B':
        case 'O':
        case 'Q':
        case 'W':
            return band == 7 ? Colour{34, 34, 34} : Colour{0, l, l};
        default:
            return {l, l, l};
    }
}

Colour MarkerColour(int kind, int index) {
    switch (kind) {
        case 0:
            return colours::White;
        case 1:
            return colours::Yellow;
        case 2:
            return index >= 0 && index < 7 ? PlanetColours[index] : Colour{34, 34, 34};
        case 3:
            if (index >= 0 && index < StarCount) {
                const StarRecord& s = StarCatalogue[index];
                return StarColour(s.MagnitudeClass, s.SpectralClass);
            }
            return StarColour(99, ' ');
        case 4:
            if (index >= 0 && index < DeepSkyCount)
                return StarColour(DeepSkyCatalogue[index].MagnitudeClass, ' ');
            return StarColour(99, ' ');
        default:
            return {34, 34, 34};
    }
}

void DrawMarker(Canvas& canvas, int x, int y, int kind, int index) {
    if (x <= 0 || y <= 0) return;
    // Wholly beyond the right or bottom edge: nothing would land (and x + 1
    // must not overflow for saturated coordinates).
    if (x > canvas.Target().Width() || y > canvas.Target().Height()) return;
    const Colour c = MarkerColour(kind, index);
    const Colour under = canvas.Pixel(x, y);
    canvas.SetPixel(
        x, y,
        {static_cast<std::uint8_t>(c.Red | under.Red), static_cast<std::uint8_t>(c.Green | under.Green),
         static_cast<std::uint8_t>(c.Blue | under.Blue)});
    canvas.SetPixel(x + 1, y, c);
    canvas.SetPixel(x, y + 1, c);
    canvas.SetPixel(x - 1, y, c);
    canvas.SetPixel(x, y - 1, c);
}

void DrawMarkerAt(Canvas& canvas, const SkyProjection& projection, double azimuth, double altitude, int kind,
                  int index) {
    const ChartPoint p = projection.Project(azimuth, altitude);
    DrawMarker(canvas, TruncToInt(p.X), TruncToInt(p.Y), kind, index);
}

int MagnitudeClassOf(const SkyObjectEntry& entry) {
    if (entry.Kind == KindStar && entry.Index >= 0 && entry.Index < StarCount)
        return StarCatalogue[static_cast<std::size_t>(entry.Index)].MagnitudeClass;
    if (entry.Kind == KindDeepSky && entry.Index >= 0 && entry.Index < DeepSkyCount)
        return DeepSkyCatalogue[static_cast<std::size_t>(entry.Index)].MagnitudeClass;
    return -128;
}

void MarkObject(Canvas& canvas, const SkyProjection& projection, const SkyObjectEntry& entry) {
    if (entry.Visible)
        DrawMarkerAt(canvas, projection, entry.Azimuth, entry.Altitude, entry.Kind, entry.Index);
}

}  // namespace kolvar
