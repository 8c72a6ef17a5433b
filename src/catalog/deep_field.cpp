#include "catalog/deep_field.h"

#include <algorithm>
#include <cmath>

#include "astro/angles.h"

namespace kolvar {

namespace {

// Angular distances from one centre, with its declination's sine and cosine
// computed once. A place whose declination alone differs by more than the
// reach is left without any trigonometry: it is never nearer than that.
struct FromCentre {
    double RightAscension, Declination, SinDeclination, CosDeclination;

    FromCentre(double ra, double dec)
        : RightAscension(ra),
          Declination(dec),
          SinDeclination(std::sin(dec)),
          CosDeclination(std::cos(dec)) {}

    bool Within(double ra, double dec, double reach) const {
        if (std::abs(dec - Declination) > reach) return false;
        const double c =
            std::sin(dec) * SinDeclination + std::cos(dec) * CosDeclination * std::cos(ra - RightAscension);
        return std::acos(std::clamp(c, -1.0, 1.0)) <= reach;
    }
};

}  // namespace

DeepFieldContents QueryDeepField(const DeepStarFile* stars, const DeepFieldRequest& request) {
    DeepFieldContents field;
    const FromCentre centre(request.RightAscension, request.Declination);
    if (stars != nullptr && stars->IsOpen()) {
        // A star moves less than 11" a year: look a little wider, then keep
        // the stars whose place at the instant is inside.
        const double drift = std::abs(request.YearsSince2000) * 11.0 / 3600.0 * Pi / 180.0;
        const DeepStarField wide{request.RightAscension, request.Declination, request.Radius + drift,
                                 request.StarMagnitudeLimit};
        stars->ForEachStar(wide, [&](const DeepStar& s) {
            const DeepStar moved = MovedStar(s, request.YearsSince2000);
            if (centre.Within(moved.RightAscension, moved.Declination, request.Radius))
                field.Stars.push_back(moved);
        });
        std::stable_sort(field.Stars.begin(), field.Stars.end(),
                         [](const DeepStar& a, const DeepStar& b) { return a.Magnitude < b.Magnitude; });
    }
    const auto objects = NgcIcCatalogue();
    for (std::size_t i = 0; i < objects.size(); ++i) {
        const NgcIcRecord& r = objects[i];
        const double reach = request.Radius + 0.5 * static_cast<double>(r.MajorAxis) * RadiansPerArcminute;
        if (centre.Within(r.RightAscension, r.Declination, reach))
            field.Objects.push_back(static_cast<std::uint16_t>(i));
    }
    return field;
}

float FieldMagnitudeLimit(double fieldDegrees) {
    constexpr double Wide = 30.0, Narrow = 2.0;
    if (!(fieldDegrees < Wide)) return 6.5f;
    if (fieldDegrees <= Narrow) return 10.5f;
    const double t = std::log(fieldDegrees / Narrow) / std::log(Wide / Narrow);
    return static_cast<float>(10.5 - 4.0 * t);
}

}  // namespace kolvar
