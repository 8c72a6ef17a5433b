#include "telescope/mount_coordinates.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/spherical_position.h"

namespace kolvar {

namespace {

constexpr double LargestHours = 1e6;
constexpr double PoleRounding = 0.001;  // degrees

}  // namespace

std::optional<EquatorialPlace> PlaceFromMount(double rightAscensionHours, double declinationDegrees) {
    if (!std::isfinite(rightAscensionHours) || !std::isfinite(declinationDegrees)) return std::nullopt;
    if (std::fabs(rightAscensionHours) > LargestHours) return std::nullopt;
    if (std::fabs(declinationDegrees) > 90.0 + PoleRounding) return std::nullopt;
    double hours = std::fmod(rightAscensionHours, 24.0);
    if (hours < 0.0) hours += 24.0;
    if (hours >= 24.0) hours = 0.0;  // -1e-17 + 24 rounds to 24
    const double declination = std::fmax(-90.0, std::fmin(90.0, declinationDegrees));
    return EquatorialPlace{hours * RadiansPerHour, declination * RadiansPerDegree};
}

MountNumbers NumbersForMount(const EquatorialPlace& ofDate) {
    double hours = std::fmod(ofDate.RightAscension / RadiansPerHour, 24.0);
    if (hours < 0.0) hours += 24.0;
    if (hours >= 24.0) hours = 0.0;
    return {hours, std::fmax(-90.0, std::fmin(90.0, ofDate.Declination / RadiansPerDegree))};
}

EquatorialPlace MountPlaceOf(const CataloguePlace& j2000, double julianDayUt) {
    return ApparentOfDate(j2000, julianDayUt);
}

EquatorialPlace J2000OfMountPlace(const EquatorialPlace& ofDate, double julianDayUt) {
    return AstrometricFromApparent(ofDate, julianDayUt);
}

HorizontalPosition ChartDirectionOfMount(const ChartFrame& frame, const EquatorialPlace& ofDate,
                                         double julianDayUt) {
    const EquatorialPlace j2000 = J2000OfMountPlace(ofDate, julianDayUt);
    return EquatorialToHorizontal(frame, j2000.RightAscension, j2000.Declination, InfinitelyFar, julianDayUt,
                                  Equinox::Catalogue);
}

double Separation(const EquatorialPlace& a, const EquatorialPlace& b) {
    // The haversine form stays exact for small angles.
    const double dd = std::sin((a.Declination - b.Declination) / 2.0);
    const double dr = std::sin((a.RightAscension - b.RightAscension) / 2.0);
    const double h = dd * dd + std::cos(a.Declination) * std::cos(b.Declination) * dr * dr;
    return 2.0 * std::asin(std::sqrt(std::fmin(1.0, h)));
}

}  // namespace kolvar
