#include "closeup/close_up_bodies.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "chart/marker.h"
#include "chart/pixel_rules.h"
#include "chart/solar_system_layer.h"
#include "closeup/sky_directions.h"

namespace kolvar {

namespace {

// atan(1/2): the angle from the view axis to a window corner.
const double HalfDiagonalField = std::atan(0.5);

}  // namespace

std::optional<CloseUpDisc> CloseUpBodyDisc(const SkyObjectEntry& entry, double bodyRadius,
                                           const SkyProjection& window) {
    if (!entry.Visible) return std::nullopt;
    const double r = std::asin(bodyRadius / entry.Distance);
    // Every pixel of the window lies within atan(1/2) of the view axis, so a
    // body farther off than that by more than its radius cannot show. Its
    // diameter would project to far-off points (one of them behind the viewer
    // once it nears 90 degrees) whose "disc" could reach across the window.
    if (AngleFromViewAxis(window.View(), entry.Azimuth, entry.Altitude) - r > HalfDiagonalField)
        return std::nullopt;
    const ChartPoint low = window.Project(entry.Azimuth, entry.Altitude - r);
    const ChartPoint high = window.Project(entry.Azimuth, entry.Altitude + r);
    CloseUpDisc d;
    d.CentreX = (static_cast<double>(low.X) + high.X) / 2;
    d.CentreY = (static_cast<double>(low.Y) + high.Y) / 2;
    d.Radius = std::hypot(static_cast<double>(high.X) - low.X, static_cast<double>(high.Y) - low.Y) / 2;
    const double right = window.Width() - 1 + d.Radius, bottom = window.Height() - 1 + d.Radius;
    if (!(d.CentreX >= -d.Radius && d.CentreX <= right && d.CentreY >= -d.Radius && d.CentreY <= bottom))
        return std::nullopt;
    return d;
}

void DrawCloseUpSun(Canvas& canvas, const CloseUpSky& sky, const SkyProjection& window) {
    const std::optional<CloseUpDisc> d = CloseUpBodyDisc(sky.Objects[SunSlot], SunRadiusAu, window);
    if (!d) return;
    canvas.SetPenColour(colours::Yellow);
    canvas.SetBrushColour(colours::Yellow);
    canvas.Ellipse(TruncToInt(d->CentreX - d->Radius), TruncToInt(d->CentreY - d->Radius),
                   TruncToInt(d->CentreX + d->Radius), TruncToInt(d->CentreY + d->Radius));
    DrawMarker(canvas, TruncToInt(d->CentreX), TruncToInt(d->CentreY), KindSun, 0);
}

void CopyMoonPicture(Canvas& canvas, const Bitmap& picture, const CloseUpDisc& disc, double g) {
    const double s = std::sin(g), c = std::cos(g);
    const double cx = disc.CentreX, cy = disc.CentreY, r = disc.Radius;
    const Colour transparent = picture.Pixel(0, 0);
    // Columns and rows of the disc's box; those off the bitmap change nothing.
    const int i0 = std::max(TruncToInt(cx - r), 0),
              i1 = std::min(TruncToInt(cx + r), canvas.Target().Width() - 1);
    const int j0 = std::max(TruncToInt(cy - r), 0),
              j1 = std::min(TruncToInt(cy + r), canvas.Target().Height() - 1);
    for (int j = j0; j <= j1; ++j) {
        for (int i = i0; i <= i1; ++i) {
            const double u = (i - cx) / r, v = (j - cy) / r;
            // The screen offset turned back into the picture, whose top is
            // screen direction g.
            const double pu = -s * u + c * v, pv = -c * u - s * v;
            const int su = TruncToInt(51 * pu + 52), sv = TruncToInt(51 * pv + 52);
            if (su < 0 || su > 104 || sv < 0 || sv > 104) continue;
            const Colour colour = picture.Pixel(su, sv);
            if (colour != transparent) canvas.SetPixel(i, j, colour);
        }
    }
}

void DrawCloseUpMoon(Canvas& canvas, const CloseUpSky& sky, const SkyProjection& window) {
    const SkyObjectEntry& moon = sky.Objects[MoonSlot];
    const std::optional<CloseUpDisc> d = CloseUpBodyDisc(moon, MoonRadiusAu, window);
    if (!d) return;
    // The point one Moon radius from the Moon's centre toward the ecliptic
    // north pole gives the screen direction of the picture's top.
    const HorizontalPosition n = EclipticNorthDirection(sky.Chart, sky.JulianDay);
    const std::array<double, 3> m = HorizontalVector(moon.Azimuth, moon.Altitude, moon.Distance);
    const std::array<double, 3> up = HorizontalVector(n.Azimuth, n.Altitude, MoonRadiusAu);
    const std::array<double, 3> top{m[0] + up[0], m[1] + up[1], m[2] + up[2]};
    const ChartPoint p = window.Project(std::atan2(top[1], top[0]),
                                        std::atan2(top[2], std::sqrt(top[0] * top[0] + top[1] * top[1])));
    const double g = std::atan2(p.Y - d->CentreY, p.X - d->CentreX);
    CopyMoonPicture(canvas, sky.MoonPicture, *d, g);
}

}  // namespace kolvar
