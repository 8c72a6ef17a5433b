#include "astro/small_body.h"

#include <cmath>

namespace kolvar {

namespace {

bool IsNumber(std::string_view text) {
    if (text.empty()) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

bool Within(double value, double low, double high) { return value >= low && value <= high; }

}  // namespace

std::string DisplayName(const SmallBody& body) {
    if (body.Kind == SmallBodyKind::MinorPlanet) {
        if (!IsNumber(body.Designation)) return body.Name.empty() ? body.Designation : body.Name;
        std::string text = "(" + body.Designation + ")";
        if (!body.Name.empty()) text += " " + body.Name;
        return text;
    }
    if (body.Name.empty()) return body.Designation;
    // Numbered periodic comets are written "1P/Halley", the others "C/1995 O1 (Hale-Bopp)".
    if (body.Designation.find('/') == std::string::npos) return body.Designation + "/" + body.Name;
    return body.Designation + " (" + body.Name + ")";
}

std::optional<std::string_view> ElementsProblem(const SmallBody& body) {
    const double values[] = {
        body.PerihelionDistance, body.Eccentricity, body.InclinationDeg, body.PerihelionDeg, body.NodeDeg,
        body.PerihelionTime,     body.Epoch,        body.Slope};
    for (double v : values)
        if (!std::isfinite(v)) return "a value is not a finite number";
    if (body.Eccentricity < 0.0) return "eccentricity below 0";
    if (body.Eccentricity > 100.0) return "eccentricity above 100";
    if (!(body.PerihelionDistance > 0.0)) return "perihelion distance not above 0";
    if (body.PerihelionDistance > 1e5) return "perihelion distance above 100000 AU";
    if (!Within(body.InclinationDeg, 0.0, 180.0)) return "inclination outside 0..180 degrees";
    if (!Within(body.PerihelionDeg, -360.0, 360.0) || !Within(body.NodeDeg, -360.0, 360.0))
        return "an angle outside -360..360 degrees";
    if (!Within(body.Epoch, 0.0, 1e7)) return "epoch outside Julian days 0..10000000";
    // A distant body's perihelion passage may lie long before the epoch.
    if (!Within(body.PerihelionTime, -1e9, 1e9)) return "perihelion time more than a billion days away";
    if (!std::isnan(body.Magnitude) && !Within(body.Magnitude, -30.0, 40.0))
        return "magnitude outside -30..40";
    if (body.Designation.empty()) return "no designation";
    return std::nullopt;
}

}  // namespace kolvar
