#pragma once

#include <cstdint>

#include "chart/chart_frame.h"
#include "chart/close_up_frame.h"

namespace kolvar {

// One projection of the sky into a picture, as a small value: the main
// chart's stereographic projection or the close-up's gnomonic one, with the
// frame and the picture size it was made from. What draws or searches in
// either view (the polyline walk, markers, the hit test, the objects table)
// takes one and is written once; ProjectToChart, ChartToHorizontal,
// ProjectCloseUp and UnprojectCloseUp are the two kinds' operations.
//
// The drawable part of the sky is where a polyline is drawn, and its edge is
// where the polyline is cut: on the chart the sky above the horizon, cut at
// the horizon circle; in the close-up the directions that land strictly
// inside the window's border pixels, cut at the border.
class SkyProjection {
public:
    enum class Kind : std::uint8_t { Stereographic, Gnomonic };

    // The chart projection of an empty frame, until a real one is assigned.
    SkyProjection() = default;

    // The main chart under `frame` (its size is the frame's chart size).
    static SkyProjection Stereographic(const ChartFrame& frame);
    // A width x height close-up window looking along `view`.
    static SkyProjection Gnomonic(const CloseUpFrame& view, int width, int height);

    Kind Type() const { return kind_; }
    const ChartFrame& Chart() const { return chart_; }  // the frame of a stereographic projection
    const CloseUpFrame& View() const { return view_; }  // the frame of a gnomonic one
    int Width() const { return width_; }                // the picture, in pixels
    int Height() const { return height_; }

    // Direction to float pixel. Called for every point of every layer, so
    // the kind is switched on inline.
    ChartPoint Project(double azimuth, double altitude) const {
        switch (kind_) {
            case Kind::Stereographic:
                return ProjectToChart(chart_, azimuth, altitude);
            case Kind::Gnomonic:
                return ProjectCloseUp(view_, azimuth, altitude, width_, height_);
        }
        return {};
    }
    ChartPoint Project(const HorizontalPosition& h) const { return Project(h.Azimuth, h.Altitude); }

    // Pixel to direction; Distance is left 0.
    HorizontalPosition Backward(double x, double y) const;

    // A direction as a walk along a polyline needs it: whether it is
    // drawable and, once known, its pixel. The chart decides from the
    // altitude alone and projects a point below the horizon only when a line
    // crosses the horizon there; the close-up decides from the pixel.
    struct Placed {
        HorizontalPosition Direction;
        bool Drawable = false;
        bool HasPixel = false;
        ChartPoint Pixel;
    };
    Placed Place(const HorizontalPosition& h) const {
        switch (kind_) {
            case Kind::Stereographic:
                return {h, h.Altitude >= 0.0, false, {}};
            case Kind::Gnomonic: {
                const ChartPoint p = ProjectCloseUp(view_, h.Azimuth, h.Altitude, width_, height_);
                return {h, p.X > 0.0f && p.X < width_ - 1.0 && p.Y > 0.0f && p.Y < height_ - 1.0, true, p};
            }
        }
        return {};
    }
    // The pixel of a placed direction, projected now if it is not known yet.
    ChartPoint PixelOf(const Placed& p) const { return p.HasPixel ? p.Pixel : Project(p.Direction); }

    bool Drawable(double azimuth, double altitude) const { return Place({azimuth, altitude, 0.0}).Drawable; }

    // Where the line from pixel `from` to pixel `to`, one end drawable and the
    // other not, meets the edge of the drawable part: HorizonCrossing on the
    // chart, ClipSegmentToWindow in the close-up.
    ChartPoint CrossEdge(ChartPoint from, ChartPoint to) const;

private:
    Kind kind_ = Kind::Stereographic;
    ChartFrame chart_;
    CloseUpFrame view_;
    int width_ = 0;
    int height_ = 0;
};

}  // namespace kolvar
