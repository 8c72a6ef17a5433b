#include "chart/small_body_layer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <utility>

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

// The symbols as pixel offsets: hundreds of them are set on every redraw.
struct Offset {
    int X, Y;
};
template <int Inner2, int Outer2, int Reach>
constexpr auto Pixels() {
    std::array<Offset, (2 * Reach + 1) * (2 * Reach + 1)> all{};
    std::size_t n = 0;
    for (int y = -Reach; y <= Reach; ++y)
        for (int x = -Reach; x <= Reach; ++x)
            if (x * x + y * y >= Inner2 && x * x + y * y <= Outer2) all[n++] = {x, y};
    return std::pair{all, n};
}
constexpr auto MinorPlanetRing = Pixels<3, 6, 2>();  // radius 2
constexpr auto CometDisc = Pixels<0, 5, 2>();        // radius 2, filled
constexpr auto StaleRing = Pixels<21, 30, 5>();      // radius 5

template <class Symbol>
void Stamp(Canvas& canvas, int x, int y, const Symbol& symbol, Colour colour) {
    for (std::size_t k = 0; k < symbol.second; ++k)
        canvas.SetPixel(x + symbol.first[k].X, y + symbol.first[k].Y, colour);
}

struct Cache {
    std::shared_ptr<const std::vector<SmallBody>> Bodies;
    double JulianDay = 0.0;
    double Limit = 0.0;
    std::array<double, 3> ObserverOffset{};
    std::array<std::array<double, 3>, 3> LocalFrame{};
    SmallBodySky Sky;
};

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

SmallBodySky& SmallBodySkyAt(const ChartFrame& frame, double julianDay,
                             const std::shared_ptr<const std::vector<SmallBody>>& bodies,
                             double magnitudeLimit) {
    thread_local Cache cache;
    // The cache holds the bodies it placed, so their address names no other set.
    if (cache.Bodies != bodies) {
        // The labels stay from one instant to the next, by body.
        const std::size_t n = bodies ? bodies->size() : 0;
        cache.Sky.Labels.assign(n, std::string());
        cache.Sky.LabelNotes.assign(n, std::string());
        cache.Sky.LabelSizes.assign(n, TextSize{-1, 0});
        cache.JulianDay = std::nan("");
    }
    if (cache.Bodies != bodies || cache.JulianDay != julianDay || cache.Limit != magnitudeLimit ||
        cache.ObserverOffset != frame.ObserverOffset || cache.LocalFrame != frame.LocalFrame) {
        cache.Bodies = bodies;
        cache.JulianDay = julianDay;
        cache.Limit = magnitudeLimit;
        cache.ObserverOffset = frame.ObserverOffset;
        cache.LocalFrame = frame.LocalFrame;
        cache.Sky.Placed = bodies ? PlaceSmallBodies(frame, julianDay, *bodies, magnitudeLimit)
                                  : std::vector<PlacedSmallBody>{};
    }
    return cache.Sky;
}

void DrawSmallBodies(Canvas& canvas, const SkyProjection& projection, std::span<const SmallBody> bodies,
                     SmallBodySky& sky) {
    std::vector<Box> labels;
    canvas.SetFontFace("Arial");
    canvas.SetFontSize(SmallBodyLabelSize);
    canvas.SetPenWidth(1);
    for (const PlacedSmallBody& b : sky.Placed) {
        const SkyProjection::Placed at = projection.Place(b.Position);
        if (!at.Drawable) continue;
        const ChartPoint p = projection.PixelOf(at);
        const int x = TruncToInt(p.X), y = TruncToInt(p.Y);
        const SmallBody& body = bodies[b.Body];
        const bool comet = body.Kind == SmallBodyKind::Comet;
        const Colour colour = comet ? CometColour : MinorPlanetColour;
        canvas.SetPenColour(colour);
        if (comet) {
            Stamp(canvas, x, y, CometDisc, colour);
            const ChartPoint q = projection.Project(b.TailPoint);
            const double dx = static_cast<double>(q.X) - p.X, dy = static_cast<double>(q.Y) - p.Y;
            const double n = std::hypot(dx, dy);
            if (n > 1e-9 && std::isfinite(n)) {
                canvas.MoveTo(x, y);
                canvas.LineTo(x + static_cast<int>(std::lround(dx / n * CometTailPixels)),
                              y + static_cast<int>(std::lround(dy / n * CometTailPixels)));
            }
        } else {
            Stamp(canvas, x, y, MinorPlanetRing, colour);
        }
        const bool stale = StaleElements(b.Place.EpochAgeDays);
        if (stale) Stamp(canvas, x, y, StaleRing, StaleElementsColour);
        // A label is written and measured again only when its note of the elements' age changes.
        std::string& text = sky.Labels[b.Body];
        TextSize& size = sky.LabelSizes[b.Body];
        std::string note = EpochAgeNote(b.Place.EpochAgeDays);
        if (size.Width < 0 || note != sky.LabelNotes[b.Body]) {
            text = SmallBodyLabel(body, b.Place.EpochAgeDays);
            size = canvas.TextExtent(text);
            sky.LabelNotes[b.Body] = std::move(note);
        }
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
