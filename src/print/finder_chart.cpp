#include "print/finder_chart.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <string_view>

#include "astro/angles.h"
#include "catalog/deep_field.h"
#include "catalog/greek_letters.h"
#include "catalog/star_catalogue.h"
#include "catalog/star_names.h"
#include "closeup/deep_layers.h"
#include "print/print_sky_layers.h"
#include "print/print_small_bodies.h"

namespace kolvar {

namespace {

constexpr double ArcMinute = RadiansPerDegree / 60.0;
constexpr double ArcSecond = RadiansPerDegree / 3600.0;

// Room on an A4 portrait sheet, in points; other sheets scale with the chart's side.
constexpr double Margin = 36.0;
constexpr double HeaderHeight = 50.0;
constexpr double LabelRoom = 30.0;  // left of the chart for the declination labels
constexpr double FooterHeight = 64.0;
constexpr double A4ChartSide = 595.0 - 2 * Margin - LabelRoom;

constexpr int GridSamples = 160;
constexpr int OutlineSamples = 48;
constexpr double OutlinePoints = 6.0;  // a major axis at least this long is drawn to scale

// Sheet texts (Windows-1250).
constexpr std::string_view FinderCaption = "Keres\xF5t\xE9rk\xE9p";
constexpr std::string_view FieldCaption = "l\xE1t\xF3mez\xF5";
constexpr std::string_view StarsCaption = "csillagok";
constexpr std::string_view ToMagnitudeCaption =
    "magnit\xFA"
    "d\xF3ig";
constexpr std::string_view CirclesCaption = "k\xF6r\xF6k";
constexpr std::string_view NorthLetter = "\xC9";
constexpr std::string_view EastLetter = "K";

// Every grid step the chart may take, in degrees: declination in arc
// minutes and degrees, right ascension in seconds, minutes and hours of time.
const std::vector<double>& DeclinationSteps() {
    static const std::vector<double> steps = {1 / 60.0,  2 / 60.0,  5 / 60.0, 10 / 60.0, 15 / 60.0,
                                              20 / 60.0, 30 / 60.0, 1.0,      2.0,       5.0,
                                              10.0,      15.0,      20.0,     30.0};
    return steps;
}
const std::vector<double>& RightAscensionSteps() {
    static const std::vector<double> steps = [] {
        std::vector<double> s;
        for (const double seconds : {5.0, 10.0, 15.0, 20.0, 30.0, 60.0, 120.0, 300.0, 600.0, 900.0, 1200.0,
                                     1800.0, 3600.0, 7200.0, 10800.0})
            s.push_back(seconds / 240.0);
        return s;
    }();
    return steps;
}

// "0,5" with the decimal comma, to `decimals` places.
std::string Decimal(double value, int decimals) {
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    std::string s = text;
    for (char& c : s)
        if (c == '.') c = ',';
    return s;
}

// An angle for a scale or a circle: "30'" or "1,5\xB0".
std::string AngleText(double degrees) {
    if (degrees < 1.0 - 1e-9) return Decimal(degrees * 60.0, degrees * 60.0 < 10 ? 1 : 0) + "'";
    return Decimal(degrees, std::abs(degrees - std::round(degrees)) < 1e-9 ? 0 : 2) + "\xB0";
}

// A declination grid label to the precision of the step: "+33\xB0" or "+33\xB020'".
std::string DeclinationText(double degrees, double step) {
    const long minutes = std::lround(std::abs(degrees) * 60.0);
    const char sign = minutes == 0 ? ' ' : degrees < 0 ? '-' : '+';
    char text[32];
    if (step >= 1.0)
        std::snprintf(text, sizeof text, "%c%ld\xB0", sign, minutes / 60);
    else
        std::snprintf(text, sizeof text, "%c%ld\xB0%02ld'", sign, minutes / 60, minutes % 60);
    return sign == ' ' ? text + 1 : text;
}

// A right ascension grid label to the precision of the step: "18h", "18h50m", "18h53m20s".
std::string RightAscensionText(double degrees, double step) {
    long seconds = std::lround(degrees * 240.0) % 86400;
    if (seconds < 0) seconds += 86400;
    char text[32];
    if (step >= 15.0)
        std::snprintf(text, sizeof text, "%ldh", seconds / 3600);
    else if (step >= 0.25)
        std::snprintf(text, sizeof text, "%ldh%02ldm", seconds / 3600, seconds / 60 % 60);
    else
        std::snprintf(text, sizeof text, "%ldh%02ldm%02lds", seconds / 3600, seconds / 60 % 60, seconds % 60);
    return text;
}

// The centre's place for the header: "18h53m35s +33\xB001'45\"".
std::string PlaceText(double ra, double dec) {
    double hours = ra * 12.0 / Pi;
    hours -= 24.0 * std::floor(hours / 24.0);
    const long s = std::lround(hours * 3600.0) % 86400;
    const long a = std::lround(std::abs(dec) / ArcSecond);
    char text[64];
    std::snprintf(text, sizeof text, "%ldh%02ldm%02lds %c%ld\xB0%02ld'%02ld\"", s / 3600, s / 60 % 60, s % 60,
                  dec < 0 ? '-' : '+', a / 3600, a / 60 % 60, a % 60);
    return text;
}

DeepSkyKind PaperKindOf(NgcIcKind kind) {
    switch (kind) {
        case NgcIcKind::Galaxy:
        case NgcIcKind::GalaxyCluster:
            return DeepSkyKind::Galaxy;
        case NgcIcKind::OpenCluster:
            return DeepSkyKind::OpenCluster;
        case NgcIcKind::GlobularCluster:
            return DeepSkyKind::GlobularCluster;
        case NgcIcKind::Nebula:
        case NgcIcKind::SupernovaRemnant:
            return DeepSkyKind::Nebula;
        case NgcIcKind::PlanetaryNebula:
            return DeepSkyKind::PlanetaryNebula;
        default:
            return DeepSkyKind::Other;
    }
}

struct Chart {
    const FinderGeometry& Geometry;
    const FinderChartRequest& Request;
    double Scale;  // text and line sizes over those of an A4 portrait sheet

    std::optional<PagePoint> Project(double ra, double dec) const {
        return FinderProject(Geometry, Request.RightAscension, Request.Declination, ra, dec);
    }
    PagePoint Centre() const {
        return {Geometry.Chart.X + Geometry.Chart.Width / 2, Geometry.Chart.Y + Geometry.Chart.Height / 2};
    }
    // The angle from the centre to the chart's corners.
    double Reach() const {
        return std::atan(std::sqrt(0.5) * Geometry.Chart.Width / Geometry.PointsPerRadian);
    }
    bool Near(PagePoint p, double room) const {
        const PageBox& b = Geometry.Chart;
        return p.X > b.X - room && p.X < b.X + b.Width + room && p.Y > b.Y - room &&
               p.Y < b.Y + b.Height + room;
    }
};

// A grid line as page polylines (broken where it leaves the chart's
// neighbourhood), from `samples` points along it.
std::vector<std::vector<PagePoint>> GridLine(const Chart& chart, double ra0, double dec0, double ra1,
                                             double dec1) {
    std::vector<std::vector<PagePoint>> pieces(1);
    const double room = chart.Geometry.Chart.Width;
    for (int k = 0; k <= GridSamples; ++k) {
        const double t = static_cast<double>(k) / GridSamples;
        const auto p = chart.Project(ra0 + t * (ra1 - ra0), dec0 + t * (dec1 - dec0));
        if (p && chart.Near(*p, room)) {
            pieces.back().push_back(*p);
        } else if (!pieces.back().empty()) {
            pieces.emplace_back();
        }
    }
    std::erase_if(pieces, [](const std::vector<PagePoint>& piece) { return piece.size() < 2; });
    return pieces;
}

// Where a polyline first crosses the horizontal (`alongX` false: the
// vertical) line at `at` inside the chart's side.
std::optional<PagePoint> Crossing(const Chart& chart, const std::vector<std::vector<PagePoint>>& line,
                                  bool horizontal, double at) {
    const PageBox& b = chart.Geometry.Chart;
    for (const auto& piece : line)
        for (std::size_t i = 1; i < piece.size(); ++i) {
            const double a = horizontal ? piece[i - 1].Y : piece[i - 1].X;
            const double c = horizontal ? piece[i].Y : piece[i].X;
            if ((a - at) * (c - at) > 0.0 || a == c) continue;
            const double t = (at - a) / (c - a);
            const PagePoint p{piece[i - 1].X + t * (piece[i].X - piece[i - 1].X),
                              piece[i - 1].Y + t * (piece[i].Y - piece[i - 1].Y)};
            const double along = horizontal ? p.X - b.X : p.Y - b.Y;
            if (along >= 0.0 && along <= b.Width) return p;
        }
    return std::nullopt;
}

void StrokePieces(Ink& ink, const std::vector<std::vector<PagePoint>>& pieces) {
    for (const auto& piece : pieces) {
        ink.MoveTo(piece.front());
        for (std::size_t i = 1; i < piece.size(); ++i) ink.LineTo(piece[i]);
    }
    ink.Stroke();
}

void DrawGrid(Ink& ink, const Chart& chart) {
    const FinderChartRequest& r = chart.Request;
    const PageBox& b = chart.Geometry.Chart;
    const double s = chart.Scale, reach = chart.Reach();
    const double dec0 = r.Declination / RadiansPerDegree;
    const bool pole = std::abs(r.Declination) + reach >= 0.5 * Pi - 1e-9;
    const double decStep = GridStep(r.FieldDegrees, DeclinationSteps(), 8);
    const double widest = std::cos(std::min(0.5 * Pi - 1e-3, std::abs(r.Declination) + reach));
    const double raSpan = pole ? 360.0 : std::min(360.0, r.FieldDegrees / widest);
    const double raStep = GridStep(raSpan, RightAscensionSteps(), 8);
    const double raHalf = pole ? 180.0 : std::min(180.0, reach / RadiansPerDegree / widest);
    const double decLow = std::max(-90.0, dec0 - reach / RadiansPerDegree),
                 decHigh = std::min(90.0, dec0 + reach / RadiansPerDegree);
    const double ra0 = r.RightAscension / RadiansPerDegree;

    std::vector<std::pair<PagePoint, std::string>> bottom, left, inner;
    ink.Save();
    ink.Rectangle(b.X, b.Y, b.Width, b.Height);
    ink.Clip();
    ink.Grey(0.6);
    ink.LineWidth(0.4 * s);
    for (double dec = std::ceil(decLow / decStep) * decStep; dec <= decHigh; dec += decStep) {
        if (std::abs(dec) >= 90.0 - 1e-9) continue;
        const auto line = GridLine(chart, (ra0 - raHalf) * RadiansPerDegree, dec * RadiansPerDegree,
                                   (ra0 + raHalf) * RadiansPerDegree, dec * RadiansPerDegree);
        StrokePieces(ink, line);
        // Along the left edge; a circle round a pole inside the field where it
        // crosses the meridian through the centre.
        if (auto p = Crossing(chart, line, false, b.X))
            left.push_back({*p, DeclinationText(dec, decStep)});
        else if (auto q = Crossing(chart, line, false, b.X + b.Width / 2))
            inner.push_back({*q, DeclinationText(dec, decStep)});
    }
    const double raFirst = std::ceil((ra0 - raHalf) / raStep) * raStep;
    const int raLines = std::min(48, static_cast<int>(std::floor((ra0 + raHalf - raFirst) / raStep)) + 1);
    for (int k = 0; k < raLines; ++k) {
        const double ra = raFirst + k * raStep;
        if (pole && k > 0 && std::abs(ra - raFirst - 360.0) < 1e-6) break;
        const auto line = GridLine(chart, ra * RadiansPerDegree, decLow * RadiansPerDegree,
                                   ra * RadiansPerDegree, decHigh * RadiansPerDegree);
        StrokePieces(ink, line);
        if (auto p = Crossing(chart, line, true, b.Y + b.Height))
            bottom.push_back({*p, RightAscensionText(ra, raStep)});
    }
    ink.Restore();
    ink.Grey(0.25);
    const double size = 7.0 * s;
    for (const auto& [p, text] : left)
        ink.Text(PrintFace::Plain, size, {p.X - 3 * s, p.Y + 2.5 * s}, text, TextAnchor::Right);
    for (const auto& [p, text] : inner) ink.Text(PrintFace::Plain, size, {p.X + 2 * s, p.Y - 2 * s}, text);
    for (const auto& [p, text] : bottom)
        ink.Text(PrintFace::Plain, size, {p.X, p.Y + 9 * s}, text, TextAnchor::Centre);
}

void DrawObjects(Ink& ink, const Chart& chart, const DeepFieldContents& field, float limit) {
    const auto objects = NgcIcCatalogue();
    const double s = chart.Scale;
    for (const std::uint16_t index : field.Objects) {
        const NgcIcRecord& r = objects[index];
        const auto centre = chart.Project(r.RightAscension, r.Declination);
        if (!centre) continue;
        const double majorPoints = r.MajorAxis * ArcMinute * chart.Geometry.PointsPerRadian;
        const float magnitude = NgcIcMagnitudeOr(r, 99.0f);
        const bool large = majorPoints >= OutlinePoints * s;
        if (!large && magnitude > limit + 2.0f) continue;
        ink.Grey(0.3);
        ink.LineWidth(0.6 * s);
        bool drawn = false;
        if (large) {
            const auto outline = NgcIcOutline(r, OutlineSamples);
            std::vector<PagePoint> points;
            for (const auto& [ra, dec] : outline)
                if (const auto p = chart.Project(ra, dec)) points.push_back(*p);
            if (points.size() == outline.size()) {
                ink.MoveTo(points.front());
                for (std::size_t i = 1; i < points.size(); ++i) ink.LineTo(points[i]);
                ink.ClosePath();
                ink.Stroke();
                drawn = true;
            }
        }
        if (!drawn) DrawDeepSkySymbol(ink, PaperKindOf(static_cast<NgcIcKind>(r.Kind)), *centre, 6.0 * s);
        if (large || magnitude <= limit) {
            ink.Grey(0.2);
            const double offset = std::max(5.0 * s, 0.36 * majorPoints);
            ink.Text(PrintFace::Plain, 6.5 * s, {centre->X + offset, centre->Y - 3 * s},
                     DeepObjectLabel(index));
        }
    }
}

double StarRadius(float magnitude, float limit, double s) {
    return std::clamp(0.45 + 0.36 * static_cast<double>(limit - magnitude), 0.45, 4.8) * s;
}

void Star(Ink& ink, PagePoint p, double radius, double s) {
    ink.Grey(1.0);
    ink.Circle(p, radius + 0.5 * s);
    ink.Fill();
    ink.Grey(0.0);
    ink.Circle(p, radius);
    ink.Fill();
}

void DrawStars(Ink& ink, const Chart& chart, const DeepFieldContents& field, float limit) {
    const double s = chart.Scale;
    const PageBox& b = chart.Geometry.Chart;
    // Faintest first, so that a bright star's halo cuts the faint ones beside it.
    if (!field.Stars.empty()) {
        for (auto star = field.Stars.rbegin(); star != field.Stars.rend(); ++star) {
            const auto p = chart.Project(star->RightAscension, star->Declination);
            if (p && chart.Near(*p, 6.0 * s)) Star(ink, *p, StarRadius(star->Magnitude, limit, s), s);
        }
        return;
    }
    // Without the deep star file: the bright catalogue's stars by magnitude class.
    const double years = chart.Request.YearsSince2000;
    for (int m = 6; m >= -1; --m)
        for (const StarRecord& star : StarCatalogue) {
            if (std::clamp<int>(star.MagnitudeClass, -1, 6) != m || static_cast<float>(m) > limit) continue;
            const double dec = star.Declination + star.ProperMotionDec * ArcSecond * years;
            const double ra =
                star.RightAscension + star.ProperMotionRa * ArcSecond * years / std::max(1e-6, std::cos(dec));
            const auto p = chart.Project(ra, dec);
            if (p && p->X > b.X - 6 && p->X < b.X + b.Width + 6 && p->Y > b.Y - 6 &&
                p->Y < b.Y + b.Height + 6)
                Star(ink, *p, StarRadius(static_cast<float>(m), limit, s), s);
        }
}

// The bright catalogue's stars in the field named as an atlas names them: the
// Greek letter of their Bayer designation (in the Symbol face), else nothing.
void DrawStarLetters(Ink& ink, const Chart& chart, float limit) {
    const double s = chart.Scale, years = chart.Request.YearsSince2000;
    ink.Grey(0.15);
    for (const StarRecord& star : StarCatalogue) {
        if (static_cast<float>(star.MagnitudeClass) > limit) continue;
        const double dec = star.Declination + star.ProperMotionDec * ArcSecond * years;
        const double ra =
            star.RightAscension + star.ProperMotionRa * ArcSecond * years / std::max(1e-6, std::cos(dec));
        const auto p = chart.Project(ra, dec);
        if (!p || !chart.Near(*p, 0.0)) continue;
        const BayerDesignation bayer = BayerOf(star.HrNumber);
        if (const GreekLetter* letter = GreekLetterNamed(bayer.GreekLetter)) {
            const double r = StarRadius(static_cast<float>(star.MagnitudeClass), limit, s);
            std::string text(1, letter->SymbolKey);
            ink.Text(PrintFace::Greek, 8.0 * s, {p->X + r + 1.5 * s, p->Y - r - 0.5 * s}, text);
            if (!bayer.Suffix.empty() && bayer.Suffix.size() <= 2)
                ink.Text(
                    PrintFace::Plain, 5.5 * s,
                    {p->X + r + 1.5 * s + ink.TextWidth(PrintFace::Greek, 8.0 * s, text), p->Y - r + 1 * s},
                    bayer.Suffix);
        }
    }
}

void DrawCircles(Ink& ink, const Chart& chart) {
    const double s = chart.Scale;
    const PagePoint c = chart.Centre();
    const double reach = std::sqrt(0.5) * chart.Geometry.Chart.Width;
    for (const double diameter : chart.Request.Circles) {
        const double r = chart.Geometry.PointsPerRadian * std::tan(0.5 * diameter * RadiansPerDegree);
        if (!(r <= reach)) continue;
        ink.Colour(0.8, 0.05, 0.05);
        ink.LineWidth(0.9 * s);
        ink.Circle(c, r);
        ink.Stroke();
        ink.Text(PrintFace::Plain, 7.0 * s, {c.X + r * 0.7071 + 2 * s, c.Y - r * 0.7071 - 2 * s},
                 AngleText(diameter));
    }
}

void Arrow(Ink& ink, PagePoint from, PagePoint to, double s) {
    ink.MoveTo(from);
    ink.LineTo(to);
    ink.Stroke();
    const double dx = to.X - from.X, dy = to.Y - from.Y, n = std::hypot(dx, dy);
    const double ux = dx / n, uy = dy / n, head = 4.0 * s;
    ink.MoveTo(to);
    ink.LineTo({to.X - head * ux - 0.5 * head * uy, to.Y - head * uy + 0.5 * head * ux});
    ink.LineTo({to.X - head * ux + 0.5 * head * uy, to.Y - head * uy - 0.5 * head * ux});
    ink.ClosePath();
    ink.Fill();
}

// Below the chart: the scale bar at the left, the north and east arrows at
// the right (north straight up and east to the left at the centre), the
// circles' diameters between.
void DrawFooter(Ink& ink, const Chart& chart) {
    const PageBox& b = chart.Geometry.Chart;
    const double s = chart.Scale, y = b.Y + b.Height + 40 * s;
    const double field = chart.Request.FieldDegrees;
    static const double bars[] = {1 / 60.0, 2 / 60.0, 5 / 60.0, 10 / 60.0, 15 / 60.0, 30 / 60.0,
                                  1.0,      2.0,      5.0,      10.0,      15.0};
    double bar = bars[0];
    for (const double candidate : bars)
        if (candidate <= field / 4.0 + 1e-9) bar = candidate;
    const double length = chart.Geometry.PointsPerRadian * std::tan(bar * RadiansPerDegree);
    ink.Grey(0.0);
    ink.LineWidth(1.0 * s);
    ink.MoveTo({b.X, y});
    ink.LineTo({b.X + length, y});
    for (const double x : {b.X, b.X + length}) {
        ink.MoveTo({x, y - 3 * s});
        ink.LineTo({x, y + 3 * s});
    }
    ink.Stroke();
    ink.Text(PrintFace::Plain, 8 * s, {b.X + length / 2, y - 6 * s}, AngleText(bar), TextAnchor::Centre);

    const PagePoint origin{b.X + b.Width - 8 * s, y + 6 * s};
    const double arm = 20 * s;
    ink.LineWidth(0.8 * s);
    Arrow(ink, origin, {origin.X, origin.Y - arm}, s);
    Arrow(ink, origin, {origin.X - arm, origin.Y}, s);
    ink.Text(PrintFace::Plain, 8 * s, {origin.X, origin.Y - arm - 3 * s}, NorthLetter, TextAnchor::Centre);
    ink.Text(PrintFace::Plain, 8 * s, {origin.X - arm - 3 * s, origin.Y + 3 * s}, EastLetter,
             TextAnchor::Right);

    if (!chart.Request.Circles.empty()) {
        std::string text(CirclesCaption);
        text += ":";
        for (const double d : chart.Request.Circles) {
            text += ' ';
            text += AngleText(d);
        }
        ink.Colour(0.8, 0.05, 0.05);
        ink.Text(PrintFace::Plain, 8 * s, {b.X + b.Width / 2, y + 3 * s}, text, TextAnchor::Centre);
    }
}

void DrawHeader(Ink& ink, const Chart& chart, float limit) {
    const FinderChartRequest& r = chart.Request;
    const PageBox& b = chart.Geometry.Chart;
    const double s = chart.Scale;
    const std::string place = PlaceText(r.RightAscension, r.Declination);
    const std::string title = r.Name.empty() ? place : r.Name;
    std::string line = std::string(FinderCaption) + "   " + place + " (J2000)   " +
                       std::string(FieldCaption) + " " + AngleText(r.FieldDegrees) + "   " +
                       std::string(StarsCaption) + " " + Decimal(limit, 1) + " " +
                       std::string(ToMagnitudeCaption);
    ink.Grey(0.0);
    double size = 18 * s;
    if (const double w = ink.TextWidth(PrintFace::Plain, size, title); w > b.Width) size *= b.Width / w;
    ink.Text(PrintFace::Plain, size, {b.X, b.Y - 26 * s}, title);
    size = 9 * s;
    if (const double w = ink.TextWidth(PrintFace::Plain, size, line); w > b.Width) size *= b.Width / w;
    ink.Grey(0.25);
    ink.Text(PrintFace::Plain, size, {b.X, b.Y - 9 * s}, line);
}

}  // namespace

FinderGeometry FinderGeometryOf(PageSize page, double fieldDegrees) {
    const double side = std::max(1.0, std::min(page.Width - 2 * Margin - LabelRoom,
                                               page.Height - 2 * Margin - HeaderHeight - FooterHeight));
    const double s = side / A4ChartSide;
    FinderGeometry g;
    g.Chart.Width = g.Chart.Height = side;
    g.Chart.X = 0.5 * (page.Width - side) + 0.5 * LabelRoom * s;
    g.Chart.Y = Margin + HeaderHeight * s;
    g.PointsPerRadian = 0.5 * side / std::tan(0.5 * fieldDegrees * RadiansPerDegree);
    return g;
}

std::optional<PagePoint> FinderProject(const FinderGeometry& geometry, double centreRa, double centreDec,
                                       double ra, double dec) {
    const double d = ra - centreRa;
    const double cosc =
        std::sin(centreDec) * std::sin(dec) + std::cos(centreDec) * std::cos(dec) * std::cos(d);
    if (!(cosc > std::cos(80.0 * RadiansPerDegree))) return std::nullopt;
    const double xi = std::cos(dec) * std::sin(d) / cosc;
    const double eta =
        (std::cos(centreDec) * std::sin(dec) - std::sin(centreDec) * std::cos(dec) * std::cos(d)) / cosc;
    const PageBox& b = geometry.Chart;
    return PagePoint{b.X + 0.5 * b.Width - xi * geometry.PointsPerRadian,
                     b.Y + 0.5 * b.Height - eta * geometry.PointsPerRadian};
}

double GridStep(double spanDegrees, const std::vector<double>& choices, int lines) {
    for (const double step : choices)
        if (spanDegrees / step <= lines) return step;
    return choices.back();
}

std::string FinderChartTitle(const FinderChartRequest& request) {
    return std::string(FinderCaption) + ": " +
           (request.Name.empty() ? PlaceText(request.RightAscension, request.Declination) : request.Name);
}

void DrawFinderChart(Ink& ink, PageSize page, const FinderChartRequest& request) {
    const FinderGeometry geometry = FinderGeometryOf(page, request.FieldDegrees);
    const Chart chart{geometry, request, geometry.Chart.Width / A4ChartSide};
    const float limit =
        request.MagnitudeLimit > 0.0f ? request.MagnitudeLimit : FieldMagnitudeLimit(request.FieldDegrees);
    const DeepFieldContents field = QueryDeepField(
        request.Stars,
        {request.RightAscension, request.Declination, chart.Reach(), limit, request.YearsSince2000});
    const PageBox& b = geometry.Chart;

    ink.Grey(1.0);
    ink.Paint();
    DrawGrid(ink, chart);
    ink.Save();
    ink.Rectangle(b.X, b.Y, b.Width, b.Height);
    ink.Clip();
    DrawObjects(ink, chart, field, limit);
    DrawStars(ink, chart, field, limit);
    DrawStarLetters(ink, chart, limit);
    DrawFinderSmallBodies(ink, geometry, request, request.JulianDay, request.SmallBodies);
    DrawCircles(ink, chart);
    ink.Restore();
    ink.Grey(0.0);
    ink.LineWidth(0.8 * chart.Scale);
    ink.Rectangle(b.X, b.Y, b.Width, b.Height);
    ink.Stroke();
    DrawHeader(ink, chart, limit);
    DrawFooter(ink, chart);
}

}  // namespace kolvar
