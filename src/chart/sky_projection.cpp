#include "chart/sky_projection.h"

namespace kolvar {

SkyProjection SkyProjection::Stereographic(const ChartFrame& frame) {
    SkyProjection p;
    p.kind_ = Kind::Stereographic;
    p.chart_ = frame;
    p.width_ = frame.ChartWidth;
    p.height_ = frame.ChartHeight;
    return p;
}

SkyProjection SkyProjection::Gnomonic(const CloseUpFrame& view, int width, int height) {
    SkyProjection p;
    p.kind_ = Kind::Gnomonic;
    p.view_ = view;
    p.width_ = width;
    p.height_ = height;
    return p;
}

HorizontalPosition SkyProjection::Backward(double x, double y) const {
    switch (kind_) {
        case Kind::Stereographic:
            return ChartToHorizontal(chart_, x, y);
        case Kind::Gnomonic:
            return UnprojectCloseUp(view_, x, y, width_, height_);
    }
    return {};
}

ChartPoint SkyProjection::CrossEdge(ChartPoint from, ChartPoint to) const {
    switch (kind_) {
        case Kind::Stereographic:
            return HorizonCrossing(chart_, from, to);
        case Kind::Gnomonic:
            return ClipSegmentToWindow(from, to, width_, height_);
    }
    return {};
}

}  // namespace kolvar
