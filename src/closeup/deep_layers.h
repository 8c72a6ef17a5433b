#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "astro/angles.h"
#include "canvas/canvas.h"
#include "catalog/deep_field.h"
#include "chart/chart_frame.h"

namespace kolvar {

using Matrix3 = std::array<std::array<double, 3>, 3>;

// How the zoomed close-up maps J2000 directions to its pixels: the turn from
// J2000 axes to the close-up's own (screen right, screen down, view axis),
// then the gnomonic projection at `Scale` pixels per unit of the tangent
// plane around the picture's centre.
struct DeepProjection {
    Matrix3 ToView{};  // rows: screen right, screen down, view axis, in J2000 axes
    double CentreX = 0.0;
    double CentreY = 0.0;
    double Scale = 0.0;  // pixels per radian at the centre

    // The pixel of a J2000 direction (radians), or nothing for a direction
    // 90 degrees or more from the view axis.
    std::optional<ChartPoint> Project(double rightAscension, double declination) const;
    // The J2000 direction (radians) of a pixel.
    std::array<double, 2> Unproject(double x, double y) const;
};

// The turn from J2000 axes to horizontal ones, as `toHorizontal` places
// directions (any exact placement of fixed directions: precession, the
// observer frame of the instant), composed with the close-up frame.
template <class ToHorizontal>
DeepProjection MakeDeepProjection(ToHorizontal&& toHorizontal, const std::array<double, 3>& screenRight,
                                  const std::array<double, 3>& screenDown,
                                  const std::array<double, 3>& viewAxis, int width, int height,
                                  double pixelsPerRadian);

// What the deep layers show and how.
struct DeepLayerStyle {
    float StarMagnitudeLimit = 10.5f;
    bool Labels = true;
};

// One deep-sky object as drawn: its outline (closed, in pixels) when it is
// drawn at its true size, and where its label went.
struct DrawnDeepObject {
    std::uint16_t Object = 0;  // NgcIcCatalogue() index
    std::vector<ChartPoint> Outline;
    ChartPoint Centre{};
};

// What the deep layers draw, in the order they draw it: the NGC/IC objects
// (each its outline or, when small, its kind's symbol at its centre, and
// its label's top left corner where it has one), then the deep stars (discs
// by magnitude, tinted by colour). The plain close-up draws it on the canvas,
// the smooth style anti-aliased.
struct DeepLayerPlan {
    struct Object {
        DrawnDeepObject Drawn;
        Colour Ink;
        bool Labelled = false;
        int LabelX = 0, LabelY = 0;
    };
    struct Star {
        ChartPoint At{};
        double Radius = 0.6;
        Colour Tint;
    };
    std::vector<Object> Objects;
    std::vector<Star> Stars;
};
DeepLayerPlan PlanDeepLayers(const DeepProjection& projection, const DeepFieldContents& field, int width,
                             int height, const DeepLayerStyle& style);

// Draws the field's deep stars (discs by magnitude, tinted by colour; the
// stars that the bright catalogue also holds are left to its markers) and
// its NGC/IC objects (outlines at their true size and angle when larger than
// a few pixels: ellipses for galaxies, circles for clusters, the extent of
// nebulae; symbols otherwise; labels with designation and common name).
// Returns the objects as drawn, for the hit test.
std::vector<DrawnDeepObject> DrawDeepLayers(Canvas& canvas, const DeepProjection& projection,
                                            const DeepFieldContents& field, int width, int height,
                                            const DeepLayerStyle& style);

// The object whose outline holds pixel (x, y), the smallest first; or the
// nearest object centre within `reach` pixels; -1 for none.
int DeepObjectAt(const std::vector<DrawnDeepObject>& drawn, double x, double y, double reach);

// The deep star nearest pixel (x, y) within `reach` pixels, or -1 (index
// into the field's stars).
int DeepStarAt(const DeepProjection& projection, const DeepFieldContents& field, double x, double y,
               double reach);

// The outline of an NGC/IC object on the sky in `points` J2000 directions
// (right ascension, declination in radians): the ellipse of its axes at its
// position angle, a circle for clusters; the paper chart and the close-up
// draw the same outline.
std::vector<std::array<double, 2>> NgcIcOutline(const NgcIcRecord& record, int points);

// The label of a deep-sky object: "NGC 1976 Orion-köd" (Windows-1250; the
// Messier number first where it has one, the Hungarian common name, else the
// English one).
std::string DeepObjectLabel(int object);

// The name of a deep star: "HIP 27989 0.45m", or its place and magnitude
// "05h55m10.3s +07°24'25\" 9.85m" for a star without a catalogue number.
std::string DeepStarLabel(const DeepStar& star);

template <class ToHorizontal>
DeepProjection MakeDeepProjection(ToHorizontal&& toHorizontal, const std::array<double, 3>& screenRight,
                                  const std::array<double, 3>& screenDown,
                                  const std::array<double, 3>& viewAxis, int width, int height,
                                  double pixelsPerRadian) {
    // The J2000 axes' directions, placed like any fixed direction: their
    // images are the columns of the turn to horizontal axes.
    constexpr double right = Pi / 2;
    const std::array<std::array<double, 3>, 3> axes = {toHorizontal(0.0, 0.0), toHorizontal(right, 0.0),
                                                       toHorizontal(0.0, right)};
    const std::array<std::array<double, 3>, 3> view = {screenRight, screenDown, viewAxis};
    DeepProjection p;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            p.ToView[r][c] = view[r][0] * axes[c][0] + view[r][1] * axes[c][1] + view[r][2] * axes[c][2];
    p.CentreX = 0.5 * width;
    p.CentreY = 0.5 * height;
    p.Scale = pixelsPerRadian;
    return p;
}

}  // namespace kolvar
