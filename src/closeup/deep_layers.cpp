#include "closeup/deep_layers.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

#include "astro/angles.h"
#include "catalog/ngc_ic_catalogue.h"
#include "catalog/star_catalogue.h"

namespace kolvar {

namespace {

constexpr double OutlinePixels = 8.0;  // a major axis at least this long is drawn to scale
constexpr int OutlinePoints = 48;
constexpr double SameStarRadians = 60.0 / 3600.0 * Pi / 180.0;

std::array<double, 3> Direction(double ra, double dec) {
    return {std::cos(dec) * std::cos(ra), std::cos(dec) * std::sin(ra), std::sin(dec)};
}

Colour StarTint(float colourIndex) {
    if (colourIndex < 0.0f) return {185, 205, 255};
    if (colourIndex < 0.5f) return {255, 255, 255};
    if (colourIndex < 1.0f) return {255, 244, 210};
    if (colourIndex < 1.5f) return {255, 225, 175};
    return {255, 205, 150};
}

Colour ObjectColour(NgcIcKind kind) {
    switch (kind) {
        case NgcIcKind::Galaxy:
        case NgcIcKind::GalaxyCluster:
            return {255, 130, 130};
        case NgcIcKind::OpenCluster:
        case NgcIcKind::GlobularCluster:
            return {255, 255, 120};
        case NgcIcKind::Nebula:
        case NgcIcKind::SupernovaRemnant:
            return {120, 255, 140};
        case NgcIcKind::PlanetaryNebula:
            return {120, 230, 255};
        default:
            return {190, 190, 190};
    }
}

// Clusters and stars are drawn round; galaxies and nebulae as the ellipse
// of their axes and angle.
bool Round(NgcIcKind kind) {
    return kind == NgcIcKind::OpenCluster || kind == NgcIcKind::GlobularCluster ||
           kind == NgcIcKind::Asterism || kind == NgcIcKind::Star || kind == NgcIcKind::MultipleStar;
}

std::vector<ChartPoint> OutlineOf(const DeepProjection& projection, const NgcIcRecord& r) {
    std::vector<ChartPoint> outline;
    outline.reserve(OutlinePoints);
    for (const auto& [ra, dec] : NgcIcOutline(r, OutlinePoints)) {
        const auto px = projection.Project(ra, dec);
        if (!px) return {};
        outline.push_back(*px);
    }
    return outline;
}

bool Inside(const std::vector<ChartPoint>& polygon, double x, double y) {
    bool inside = false;
    for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        const double xi = polygon[i].X, yi = polygon[i].Y, xj = polygon[j].X, yj = polygon[j].Y;
        if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi) inside = !inside;
    }
    return inside;
}

double Area(const std::vector<ChartPoint>& polygon) {
    double sum = 0.0;
    for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++)
        sum += static_cast<double>(polygon[j].X) * polygon[i].Y -
               static_cast<double>(polygon[i].X) * polygon[j].Y;
    return std::abs(sum) / 2.0;
}

int Round(double v) { return static_cast<int>(std::lround(v)); }

void Disc(Canvas& canvas, double x, double y, double radius, Colour c) {
    if (radius < 0.75) {
        canvas.SetPixel(Round(x), Round(y), c);
        return;
    }
    canvas.SetPenColour(c);
    canvas.SetBrushColour(c);
    canvas.Ellipse(Round(x - radius), Round(y - radius), Round(x + radius) + 1, Round(y + radius) + 1);
}

void Polyline(Canvas& canvas, const std::vector<ChartPoint>& points) {
    canvas.MoveTo(Round(points.back().X), Round(points.back().Y));
    for (const ChartPoint& p : points) canvas.LineTo(Round(p.X), Round(p.Y));
}

void Symbol(Canvas& canvas, NgcIcKind kind, int x, int y) {
    switch (kind) {
        case NgcIcKind::Galaxy:
        case NgcIcKind::GalaxyCluster:
            canvas.Arc(x - 5, y - 3, x + 6, y + 4, x + 6, y, x + 6, y);
            break;
        case NgcIcKind::OpenCluster:
        case NgcIcKind::GlobularCluster:
            canvas.Arc(x - 4, y - 4, x + 5, y + 5, x + 5, y, x + 5, y);
            if (kind == NgcIcKind::GlobularCluster) {
                canvas.MoveTo(x - 4, y);
                canvas.LineTo(x + 5, y);
                canvas.MoveTo(x, y - 4);
                canvas.LineTo(x, y + 5);
            }
            break;
        case NgcIcKind::Nebula:
        case NgcIcKind::SupernovaRemnant:
            canvas.MoveTo(x - 3, y - 3);
            canvas.LineTo(x + 3, y - 3);
            canvas.LineTo(x + 3, y + 3);
            canvas.LineTo(x - 3, y + 3);
            canvas.LineTo(x - 3, y - 3);
            break;
        case NgcIcKind::PlanetaryNebula:
            canvas.Arc(x - 3, y - 3, x + 4, y + 4, x + 4, y, x + 4, y);
            for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
                canvas.MoveTo(x + 3 * dx, y + 3 * dy);
                canvas.LineTo(x + 6 * dx, y + 6 * dy);
            }
            break;
        default:
            canvas.MoveTo(x - 3, y - 3);
            canvas.LineTo(x + 4, y + 4);
            canvas.MoveTo(x + 3, y - 3);
            canvas.LineTo(x - 4, y + 4);
            break;
    }
}

// The bright catalogue's stars in the field (J2000 directions), which keep
// their own markers.
std::vector<std::array<double, 3>> BrightStarsNear(const DeepProjection& projection, int width, int height) {
    std::vector<std::array<double, 3>> near;
    for (const StarRecord& s : StarCatalogue) {
        const auto p = projection.Project(s.RightAscension, s.Declination);
        if (p && p->X > -10.0f && p->Y > -10.0f && p->X < static_cast<float>(width + 10) &&
            p->Y < static_cast<float>(height + 10))
            near.push_back(Direction(s.RightAscension, s.Declination));
    }
    return near;
}

}  // namespace

// The outline of an object on the sky: an ellipse of its semi-axes on the
// tangent plane at its centre, the major axis at its position angle from
// north through east.
std::vector<std::array<double, 2>> NgcIcOutline(const NgcIcRecord& r, int points) {
    const double ra = r.RightAscension, dec = r.Declination;
    const NgcIcKind kind = static_cast<NgcIcKind>(r.Kind);
    const double a = std::tan(0.5 * r.MajorAxis * RadiansPerArcminute);
    const double minor = Round(kind) || r.MinorAxis <= 0.0f ? r.MajorAxis : r.MinorAxis;
    const double b = std::tan(0.5 * minor * RadiansPerArcminute);
    const double angle = Round(kind) || r.PositionAngle < 0 ? 0.0 : r.PositionAngle * Pi / 180.0;
    const std::array<double, 3> c = Direction(ra, dec);
    const std::array<double, 3> east = {-std::sin(ra), std::cos(ra), 0.0};
    const std::array<double, 3> north = {-std::sin(dec) * std::cos(ra), -std::sin(dec) * std::sin(ra),
                                         std::cos(dec)};
    std::array<double, 3> major{}, across{};
    for (int i = 0; i < 3; ++i) {
        major[i] = north[i] * std::cos(angle) + east[i] * std::sin(angle);
        across[i] = -north[i] * std::sin(angle) + east[i] * std::cos(angle);
    }
    std::vector<std::array<double, 2>> outline;
    outline.reserve(static_cast<std::size_t>(std::max(points, 0)));
    for (int k = 0; k < points; ++k) {
        const double t = 2.0 * Pi * k / points;
        std::array<double, 3> p{};
        for (int i = 0; i < 3; ++i) p[i] = c[i] + a * std::cos(t) * major[i] + b * std::sin(t) * across[i];
        const double n = std::sqrt(p[0] * p[0] + p[1] * p[1] + p[2] * p[2]);
        outline.push_back({std::atan2(p[1], p[0]), std::asin(p[2] / n)});
    }
    return outline;
}

std::optional<ChartPoint> DeepProjection::Project(double rightAscension, double declination) const {
    const std::array<double, 3> v = Direction(rightAscension, declination);
    double q[3];
    for (int r = 0; r < 3; ++r) q[r] = ToView[r][0] * v[0] + ToView[r][1] * v[1] + ToView[r][2] * v[2];
    if (!(q[2] > 1e-9)) return std::nullopt;
    return ChartPoint{static_cast<float>(CentreX + Scale * q[0] / q[2]),
                      static_cast<float>(CentreY + Scale * q[1] / q[2])};
}

std::array<double, 2> DeepProjection::Unproject(double x, double y) const {
    const double e = (x - CentreX) / Scale, f = (y - CentreY) / Scale;
    const double k = 1.0 / std::sqrt(e * e + f * f + 1.0);
    const double q[3] = {e * k, f * k, k};
    double v[3];
    for (int c = 0; c < 3; ++c) v[c] = ToView[0][c] * q[0] + ToView[1][c] * q[1] + ToView[2][c] * q[2];
    return {std::atan2(v[1], v[0]), std::asin(std::clamp(v[2], -1.0, 1.0))};
}

DeepLayerPlan PlanDeepLayers(const DeepProjection& projection, const DeepFieldContents& field, int width,
                             int height, const DeepLayerStyle& style) {
    const auto objects = NgcIcCatalogue();
    DeepLayerPlan plan;
    for (const std::uint16_t index : field.Objects) {
        const NgcIcRecord& r = objects[index];
        const auto centre = projection.Project(r.RightAscension, r.Declination);
        if (!centre) continue;
        const double majorPixels = r.MajorAxis * RadiansPerArcminute * projection.Scale;
        const float magnitude = NgcIcMagnitudeOr(r, 99.0f);
        const bool large = majorPixels >= OutlinePixels;
        // Faint small objects would only clutter a wide field.
        if (!large && magnitude > style.StarMagnitudeLimit + 2.0f) continue;
        DeepLayerPlan::Object& o = plan.Objects.emplace_back();
        o.Drawn = {index, large ? OutlineOf(projection, r) : std::vector<ChartPoint>{}, *centre};
        o.Ink = ObjectColour(static_cast<NgcIcKind>(r.Kind));
        if (style.Labels && (large || magnitude <= style.StarMagnitudeLimit)) {
            const double offset = std::max(6.0, 0.5 * majorPixels * 0.72);
            o.Labelled = true;
            o.LabelX = Round(centre->X + offset);
            o.LabelY = Round(centre->Y - 6);
        }
    }
    const std::vector<std::array<double, 3>> bright = BrightStarsNear(projection, width, height);
    const double cosSame = std::cos(SameStarRadians);
    for (const DeepStar& s : field.Stars) {
        const auto p = projection.Project(s.RightAscension, s.Declination);
        if (!p || p->X < -5.0f || p->Y < -5.0f || p->X > static_cast<float>(width + 5) ||
            p->Y > static_cast<float>(height + 5))
            continue;
        if (s.Magnitude < 7.5f) {
            const std::array<double, 3> v = Direction(s.RightAscension, s.Declination);
            const bool known = std::any_of(bright.begin(), bright.end(), [&](const std::array<double, 3>& b) {
                return v[0] * b[0] + v[1] * b[1] + v[2] * b[2] > cosSame;
            });
            if (known) continue;
        }
        const double radius = std::clamp(0.6 + 0.45 * (style.StarMagnitudeLimit - s.Magnitude), 0.6, 4.5);
        plan.Stars.push_back({*p, radius, StarTint(s.ColourIndex)});
    }
    return plan;
}

std::vector<DrawnDeepObject> DrawDeepLayers(Canvas& canvas, const DeepProjection& projection,
                                            const DeepFieldContents& field, int width, int height,
                                            const DeepLayerStyle& style) {
    const auto objects = NgcIcCatalogue();
    DeepLayerPlan plan = PlanDeepLayers(projection, field, width, height, style);
    std::vector<DrawnDeepObject> drawn;
    canvas.SetPenWidth(1);
    canvas.SetFontFace("Arial");
    canvas.SetFontSize(8);
    // Objects first, so that stars stay on top of the outlines.
    for (DeepLayerPlan::Object& o : plan.Objects) {
        DrawnDeepObject& d = o.Drawn;
        canvas.SetPenColour(o.Ink);
        if (!d.Outline.empty())
            Polyline(canvas, d.Outline);
        else
            Symbol(canvas, static_cast<NgcIcKind>(objects[d.Object].Kind), Round(d.Centre.X),
                   Round(d.Centre.Y));
        if (o.Labelled) {
            canvas.SetFontColour(o.Ink);
            canvas.TextOutTransparent(o.LabelX, o.LabelY, DeepObjectLabel(d.Object));
        }
        drawn.push_back(std::move(d));
    }
    for (const DeepLayerPlan::Star& s : plan.Stars) Disc(canvas, s.At.X, s.At.Y, s.Radius, s.Tint);
    return drawn;
}

int DeepObjectAt(const std::vector<DrawnDeepObject>& drawn, double x, double y, double reach) {
    int best = -1;
    double bestArea = 0.0;
    for (const DrawnDeepObject& d : drawn) {
        if (d.Outline.size() < 3 || !Inside(d.Outline, x, y)) continue;
        const double area = Area(d.Outline);
        if (best < 0 || area < bestArea) {
            best = d.Object;
            bestArea = area;
        }
    }
    if (best >= 0) return best;
    double nearest = reach;
    for (const DrawnDeepObject& d : drawn) {
        const double distance = std::hypot(d.Centre.X - x, d.Centre.Y - y);
        if (distance <= nearest) {
            nearest = distance;
            best = d.Object;
        }
    }
    return best;
}

int DeepStarAt(const DeepProjection& projection, const DeepFieldContents& field, double x, double y,
               double reach) {
    int best = -1;
    double nearest = reach;
    for (std::size_t i = 0; i < field.Stars.size(); ++i) {
        const auto p = projection.Project(field.Stars[i].RightAscension, field.Stars[i].Declination);
        if (!p) continue;
        const double distance = std::hypot(p->X - x, p->Y - y);
        if (distance <= nearest) {
            nearest = distance;
            best = static_cast<int>(i);
        }
    }
    return best;
}

std::string DeepObjectLabel(int object) {
    const auto objects = NgcIcCatalogue();
    if (object < 0 || object >= static_cast<int>(objects.size())) return {};
    const NgcIcRecord& r = objects[static_cast<std::size_t>(object)];
    std::string label = MessierName(r.Messier);
    if (r.Designation[0] != '\0') {
        if (!label.empty()) label += ' ';
        label += r.Designation;
    }
    const auto names = NgcIcNames();
    const auto first = std::lower_bound(names.begin(), names.end(), object,
                                        [](const NgcIcName& n, int o) { return n.Object < o; });
    const char* english = nullptr;
    const char* hungarian = nullptr;
    for (auto n = first; n != names.end() && n->Object == object; ++n) {
        if (n->Hungarian && hungarian == nullptr) hungarian = n->Text;
        if (!n->Hungarian && english == nullptr) english = n->Text;
    }
    if (hungarian != nullptr || english != nullptr)
        label += std::string(" ") + (hungarian ? hungarian : english);
    return label;
}

std::string DeepStarLabel(const DeepStar& star) {
    char text[64];
    if (star.Hip != 0) {
        std::snprintf(text, sizeof text, "HIP %u %.2fm", static_cast<unsigned>(star.Hip),
                      static_cast<double>(star.Magnitude));
        return text;
    }
    double ra = star.RightAscension * 12.0 / Pi;
    ra -= 24.0 * std::floor(ra / 24.0);
    const long tenths = std::lround(ra * 36000.0);
    const double dec = star.Declination * 180.0 / Pi;
    const long arcsec = std::lround(std::abs(dec) * 3600.0);
    std::snprintf(text, sizeof text, "%02ldh%02ldm%02ld.%lds %c%02ld\xB0%02ld'%02ld\" %.2fm",
                  tenths / 36000 % 24, tenths / 600 % 60, tenths / 10 % 60, tenths % 10, dec < 0 ? '-' : '+',
                  arcsec / 3600, arcsec / 60 % 60, arcsec % 60, static_cast<double>(star.Magnitude));
    return text;
}

}  // namespace kolvar
