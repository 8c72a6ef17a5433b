#include "plan/local_horizon.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "astro/angles.h"

namespace kolvar {

namespace {

std::string_view Trimmed(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v'; };
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return s;
}

// The numbers of a line, separated by blanks or one comma; nothing on any
// other character.
std::optional<std::vector<double>> Numbers(std::string_view s) {
    std::vector<double> values;
    bool commaAllowed = false;
    while (true) {
        s = Trimmed(s);
        if (s.empty()) return values;
        if (s.front() == ',') {
            if (!commaAllowed) return std::nullopt;
            commaAllowed = false;
            s.remove_prefix(1);
            continue;
        }
        if (s.front() == '+') s.remove_prefix(1);
        double v = 0.0;
        const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), v);
        if (error != std::errc() || !std::isfinite(v)) return std::nullopt;
        s.remove_prefix(static_cast<std::size_t>(end - s.data()));
        if (!s.empty() && s.front() != ',' && s.front() != ' ' && s.front() != '\t' && s.front() != '\r')
            return std::nullopt;
        values.push_back(v);
        commaAllowed = true;
    }
}

}  // namespace

LocalHorizon::LocalHorizon(std::vector<Point> points) : points_(std::move(points)) {
    for (Point& p : points_) {
        p.Azimuth = std::fmod(p.Azimuth, TwoPi);
        if (p.Azimuth < 0.0) p.Azimuth += TwoPi;
    }
    std::stable_sort(points_.begin(), points_.end(),
                     [](const Point& a, const Point& b) { return a.Azimuth < b.Azimuth; });
    const auto [low, high] =
        std::minmax_element(points_.begin(), points_.end(),
                            [](const Point& a, const Point& b) { return a.Altitude < b.Altitude; });
    lowest_ = points_.empty() ? 0.0 : low->Altitude;
    highest_ = points_.empty() ? 0.0 : high->Altitude;
}

double LocalHorizon::AltitudeAt(double azimuth) const {
    if (points_.empty()) return 0.0;
    double a = std::fmod(azimuth, TwoPi);
    if (a < 0.0) a += TwoPi;
    // The first point past the azimuth, and the one before it, round through north.
    const auto next = std::upper_bound(points_.begin(), points_.end(), a,
                                       [](double v, const Point& p) { return v < p.Azimuth; });
    const Point& after = next == points_.end() ? points_.front() : *next;
    const Point& before = next == points_.begin() ? points_.back() : *(next - 1);
    double span = after.Azimuth - before.Azimuth;
    double into = a - before.Azimuth;
    if (span <= 0.0) span += TwoPi;
    if (into < 0.0) into += TwoPi;
    if (span <= 0.0 || span >= TwoPi) return before.Altitude;
    return before.Altitude + (after.Altitude - before.Altitude) * into / span;
}

HorizonReading ReadLocalHorizon(std::string_view text) {
    HorizonReading reading;
    std::vector<LocalHorizon::Point> points;
    int number = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++number;
        const std::string_view content = Trimmed(line.substr(0, line.find('#')));
        if (content.empty()) continue;
        const auto problem = [&](const char* why) {
            reading.Problems.push_back({number, std::string(Trimmed(line)), why});
        };
        const std::optional<std::vector<double>> values = Numbers(content);
        if (!values || values->size() != 2) {
            problem("not an azimuth and an altitude in degrees");
            continue;
        }
        if (std::fabs((*values)[1]) > 90.0) {
            problem("altitude outside -90..90 degrees");
            continue;
        }
        points.push_back({(*values)[0] * RadiansPerDegree, (*values)[1] * RadiansPerDegree});
    }
    if (points.size() < 2) {
        reading.Refusal =
            points.empty() ? "no azimuth and altitude pair" : "only one azimuth and altitude pair";
        return reading;
    }
    reading.Horizon.emplace(std::move(points));
    return reading;
}

}  // namespace kolvar
