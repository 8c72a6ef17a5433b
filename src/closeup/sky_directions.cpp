#include "closeup/sky_directions.h"

#include "astro/spherical_position.h"
#include "astro/transforms.h"

namespace kolvar {

HorizontalPosition CatalogueDirection(const ChartFrame& chart, double rightAscension, double declination,
                                      double julianDay) {
    return EquatorialToHorizontal(chart, rightAscension, declination, InfinitelyFar, julianDay, Equinox::Catalogue);
}

HorizontalPosition EclipticNorthDirection(const ChartFrame& chart, double julianDay) {
    constexpr double HalfPi = 1.5707963267948966;
    const SphericalPosition pole = HeliocentricToEquatorial({0.0, HalfPi, 1.0}, {0.0, 0.0, 0.0});
    // The pole of the ecliptic of the date, as the Sun and Moon are placed;
    // taken as a direction, infinitely far: at any nearby distance the
    // observer's offset from the Earth's centre would swamp it.
    return EquatorialToHorizontal(chart, pole.Longitude, pole.Latitude, InfinitelyFar, julianDay, Equinox::OfDate);
}

}  // namespace kolvar
