#include "chart/small_body_layer.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "chart/pixel_rules.h"
#include "texts/small_body_texts.h"

namespace kolvar {

namespace {

constexpr double TailDegree = 0.017453292519943295;

}  // namespace

bool TailDirection(const SmallBodyPlace& place, double& ra, double& dec) {
    const double cd = std::cos(place.OfDate.Latitude);
    const double b[3] = {cd * std::cos(place.OfDate.Longitude), cd * std::sin(place.OfDate.Longitude),
                         std::sin(place.OfDate.Latitude)};
    const double* a = place.AntiSolarOfDate;
    const double along = a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
    double t[3] = {a[0] - along * b[0], a[1] - along * b[1], a[2] - along * b[2]};
    const double n = std::sqrt(t[0] * t[0] + t[1] * t[1] + t[2] * t[2]);
    if (!(n > 1e-6)) return false;
    double d[3];
    for (int k = 0; k < 3; ++k) d[k] = b[k] * std::cos(TailDegree) + t[k] / n * std::sin(TailDegree);
    ra = std::atan2(d[1], d[0]);
    dec = std::asin(std::clamp(d[2], -1.0, 1.0));
    return true;
}

namespace {

struct Box {
    int Left, Top, Right, Bottom;
    bool Meets(const Box& o) const {
        return Left < o.Right && o.Left < Right && Top < o.Bottom && o.Top < Bottom;
    }
};

void Ring(Canvas& canvas, int x, int y, int r) {
    canvas.Arc(x - r, y - r, x + r + 1, y + r + 1, x + r, y, x + r, y);
}

}  // namespace

std::vector<PlacedSmallBody> PlaceSmallBodies(const ChartFrame& frame, double julianDay,
                                              std::span<const SmallBody> bodies, double magnitudeLimit) {
    const std::vector<SmallBodyPlace> places = SmallBodyPlaces(bodies, julianDay);
    std::vector<PlacedSmallBody> placed;
    for (std::size_t k = 0; k < places.size(); ++k) {
        const SmallBodyPlace& p = places[k];
        if (!p.Valid || p.Magnitude > magnitudeLimit) continue;
        // A body of unknown brightness is judged by nothing: shown while its
        // elements are fresh (a new discovery), not from an old orbit.
        if (std::isnan(p.Magnitude) && StaleElements(p.EpochAgeDays)) continue;
        PlacedSmallBody b;
        b.Body = k;
        b.Place = p;
        b.Position = EquatorialToHorizontal(frame, p.OfDate.Longitude, p.OfDate.Latitude, p.OfDate.Distance,
                                            julianDay, Equinox::OfDate);
        b.TailPoint = b.Position;
        double ra = 0.0, dec = 0.0;
        if (bodies[k].Kind == SmallBodyKind::Comet && TailDirection(p, ra, dec))
            b.TailPoint = EquatorialToHorizontal(frame, ra, dec, 0.0, julianDay, Equinox::OfDate);
        placed.push_back(b);
    }
    // Brightest first, so that the bright ones keep their labels; unknown brightness last.
    std::stable_sort(placed.begin(), placed.end(), [](const PlacedSmallBody& a, const PlacedSmallBody& b) {
        const bool ak = !std::isnan(a.Place.Magnitude), bk = !std::isnan(b.Place.Magnitude);
        if (ak != bk) return ak;
        return ak && a.Place.Magnitude < b.Place.Magnitude;
    });
    return placed;
}

void DrawSmallBodies(Canvas& canvas, const SkyProjection& projection, std::span<const SmallBody> bodies,
                     std::span<const PlacedSmallBody> placed) {
    std::vector<Box> labels;
    canvas.SetFontFace("Arial");
    canvas.SetFontSize(SmallBodyLabelSize);
    canvas.SetPenWidth(1);
    for (const PlacedSmallBody& b : placed) {
        const SkyProjection::Placed at = projection.Place(b.Position);
        if (!at.Drawable) continue;
        const ChartPoint p = projection.PixelOf(at);
        const int x = TruncToInt(p.X), y = TruncToInt(p.Y);
        const SmallBody& body = bodies[b.Body];
        const bool comet = body.Kind == SmallBodyKind::Comet;
        const Colour colour = comet ? CometColour : MinorPlanetColour;
        canvas.SetPenColour(colour);
        canvas.SetBrushColour(colour);
        if (comet) {
            canvas.Ellipse(x - 2, y - 2, x + 3, y + 3);
            const ChartPoint q = projection.Project(b.TailPoint);
            const double dx = static_cast<double>(q.X) - p.X, dy = static_cast<double>(q.Y) - p.Y;
            const double n = std::hypot(dx, dy);
            if (n > 1e-9 && std::isfinite(n)) {
                canvas.MoveTo(x, y);
                canvas.LineTo(x + static_cast<int>(std::lround(dx / n * CometTailPixels)),
                              y + static_cast<int>(std::lround(dy / n * CometTailPixels)));
            }
        } else {
            Ring(canvas, x, y, 2);
        }
        const bool stale = StaleElements(b.Place.EpochAgeDays);
        if (stale) {
            canvas.SetPenColour(StaleElementsColour);
            Ring(canvas, x, y, 5);
        }
        const std::string text = SmallBodyLabel(body, b.Place.EpochAgeDays);
        const TextSize size = canvas.TextExtent(text);
        const Box box{x + 7, y - size.Height / 2, x + 7 + size.Width, y - size.Height / 2 + size.Height};
        if (std::any_of(labels.begin(), labels.end(), [&](const Box& o) { return o.Meets(box); })) continue;
        labels.push_back(box);
        canvas.SetFontColour(stale ? StaleElementsColour : colour);
        canvas.TextOutTransparent(box.Left, box.Top, text);
    }
}

const PlacedSmallBody* NearestSmallBody(std::span<const PlacedSmallBody> placed,
                                        const SkyProjection& projection, int x, int y, double radius) {
    const PlacedSmallBody* best = nullptr;
    double bestSquare = radius * radius;
    for (const PlacedSmallBody& b : placed) {
        const SkyProjection::Placed at = projection.Place(b.Position);
        if (!at.Drawable) continue;
        const ChartPoint p = projection.PixelOf(at);
        const double dx = static_cast<double>(p.X) - x, dy = static_cast<double>(p.Y) - y;
        if (dx * dx + dy * dy <= bestSquare) {
            bestSquare = dx * dx + dy * dy;
            best = &b;
        }
    }
    return best;
}

}  // namespace kolvar
