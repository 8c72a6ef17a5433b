#include "closeup/sky_directions.h"

#include "astro/angles.h"
#include "astro/spherical_position.h"
#include "astro/transforms.h"
#include "catalog/milky_way.h"

namespace kolvar {

MilkyWayDirections MilkyWayDirectionsAt(const ChartFrame& chart, double julianDay) {
    const auto turn = [&](const auto& list, std::vector<HorizontalPosition>& out) {
        out.reserve(list.size());
        for (const auto& p : list)
            out.push_back(EquatorialToHorizontal(chart, p.RightAscension, p.Declination, InfinitelyFar,
                                                 julianDay, Equinox::Catalogue));
    };
    MilkyWayDirections d;
    turn(MilkyWayOutline, d.Outline);
    turn(MilkyWayFillSeeds, d.Seeds);
    turn(MilkyWayLanes, d.Lanes);
    return d;
}

HorizontalPosition EclipticNorthDirection(const ChartFrame& chart, double julianDay) {
    const SphericalPosition pole = HeliocentricToEquatorial({0.0, HalfPi, 1.0}, {0.0, 0.0, 0.0});
    // The pole of the ecliptic of the date, as the Sun and Moon are placed;
    // taken as a direction, infinitely far: at any nearby distance the
    // observer's offset from the Earth's centre would swamp it.
    return EquatorialToHorizontal(chart, pole.Longitude, pole.Latitude, InfinitelyFar, julianDay,
                                  Equinox::OfDate);
}

}  // namespace kolvar
