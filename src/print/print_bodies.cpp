#include "print/print_bodies.h"

#include <array>
#include <cmath>
#include <string>

#include "astro/planets.h"

namespace kolvar {

namespace {

constexpr double HalfPi = 1.5707963267948966;
constexpr double Kappa = 0.5522847498;          // a quarter ellipse as one cubic Bezier curve
constexpr unsigned char FirstPlanetSign = 151;  // Mercury's sign in the runic font

using Vector = std::array<double, 3>;

void DrawSunSign(Ink& ink, PagePoint at, double s) {
    ink.Circle(at, 3.8 * s);
    ink.Grey(1.0);
    ink.FillPreserve();
    ink.Grey(0.0);
    ink.LineWidth(0.8 * s);
    ink.Stroke();
    ink.Circle(at, 0.9 * s);
    ink.Fill();
}

void DrawPlanetSign(Ink& ink, PagePoint at, int planet, double s) {
    ink.Circle(at, 4.6 * s);
    ink.Grey(1.0);
    ink.Fill();
    const double size = 10.0 * s;
    const std::string sign(1, static_cast<char>(FirstPlanetSign + planet));
    // The signs stand on the baseline about as tall as a capital.
    const double lift = ink.Fonts().Ascent(PrintFace::Runic, size) * 0.33;
    ink.Grey(0.0);
    ink.Text(PrintFace::Runic, size, {at.X, at.Y + lift}, sign, TextAnchor::Centre);
}

}  // namespace

double SunwardAngle(const PaperSky& sky, const SkyObjectEntry& moon, const SkyObjectEntry& sun) {
    const Vector m = HorizontalVector(moon.Azimuth, moon.Altitude);
    const Vector u = HorizontalVector(sun.Azimuth, sun.Altitude);
    const double c = m[0] * u[0] + m[1] * u[1] + m[2] * u[2];
    Vector t{u[0] - c * m[0], u[1] - c * m[1], u[2] - c * m[2]};
    const double length = std::sqrt(t[0] * t[0] + t[1] * t[1] + t[2] * t[2]);
    if (length < 1e-9) return 0.0;  // new or full: any side will do
    const double step = 0.01 / length;
    const Vector p{m[0] + step * t[0], m[1] + step * t[1], m[2] + step * t[2]};
    const double altitude = std::atan2(p[2], std::hypot(p[0], p[1]));
    const PagePoint from = sky.Project(moon.Azimuth, moon.Altitude);
    const PagePoint to = sky.Project(std::atan2(p[1], p[0]), altitude);
    return std::atan2(to.Y - from.Y, to.X - from.X);
}

void DrawMoonPhase(Ink& ink, PagePoint at, double radius, double phase, double sunward,
                   const MoonInk& colours) {
    const double r = radius;
    ink.Circle(at, r);
    ink.Colour(colours.Dark[0], colours.Dark[1], colours.Dark[2]);
    ink.Fill();
    // The lit part: the half disc towards the Sun, closed by the terminator,
    // an ellipse of semi-axis r cos(phase) across the disc.
    ink.Save();
    ink.Translate(at.X, at.Y);
    ink.Rotate(sunward);
    const double a = r * std::cos(phase);
    ink.Arc({0, 0}, r, -HalfPi, HalfPi);
    ink.CurveTo({Kappa * a, r}, {a, Kappa * r}, {a, 0});
    ink.CurveTo({a, -Kappa * r}, {Kappa * a, -r}, {0, -r});
    ink.ClosePath();
    ink.Restore();
    ink.Colour(colours.Lit[0], colours.Lit[1], colours.Lit[2]);
    ink.Fill();
    ink.Circle(at, r);
    ink.Colour(colours.Rim[0], colours.Rim[1], colours.Rim[2]);
    ink.LineWidth(r * colours.RimShare);
    ink.Stroke();
}

void DrawPaperBodies(Ink& ink, const PaperSky& sky) {
    const double s = sky.Scale();
    const SkyObjectTable& objects = sky.Chart.Objects;
    const SkyObjectEntry& sun = objects[SunSlot];
    const SkyObjectEntry& moon = objects[MoonSlot];
    if (sun.Visible) DrawSunSign(ink, sky.Project(sun.Azimuth, sun.Altitude), s);
    if (moon.Visible) {
        DrawMoonPhase(ink, sky.Project(moon.Azimuth, moon.Altitude), 5.0 * s, sky.MoonPhase,
                      SunwardAngle(sky, moon, sun));
    }
    for (int i = 0; i < PlanetCount; ++i) {
        const SkyObjectEntry& e = objects[static_cast<std::size_t>(FirstPlanetSlot + i)];
        if (e.Visible) DrawPlanetSign(ink, sky.Project(e.Azimuth, e.Altitude), i, s);
    }
}

}  // namespace kolvar
