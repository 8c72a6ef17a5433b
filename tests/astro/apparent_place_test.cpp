// Apparent and observed places against astropy and PyEphem
// (tools/check_apparent_places.py prints the reference values).

#include "astro/apparent_place.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kolvar {
namespace {

constexpr double Deg = 3.14159265358979323846 / 180.0;
constexpr double Mas = Deg / 3600000.0;
constexpr double Jd = 2460536.375;  // 13 August 2024, 21:00 UT

TEST(ApparentPlace, AgreesWithIndependentCodes) {
    // Vega's true place of date, and its astrometric place back from it.
    const CataloguePlace vega{279.23473479 * Deg, 38.78368896 * Deg};
    const EquatorialPlace apparent = ApparentOfDate(vega, Jd);
    EXPECT_NEAR(apparent.RightAscension / Deg, 279.44604324, 0.5 / 3600);
    EXPECT_NEAR(apparent.Declination / Deg, 38.80695389, 0.5 / 3600);
    const EquatorialPlace back = AstrometricFromApparent(apparent, Jd);
    EXPECT_NEAR(back.RightAscension / Deg, 279.23473479, 0.01 / 3600);
    EXPECT_NEAR(back.Declination / Deg, 38.78368896, 0.01 / 3600);

    // Polaris from 47.5 N 19.04 E, geodetic, without refraction; with it the
    // star stands higher by the refraction at 47 degrees (about 0.9').
    const CataloguePlace polaris{
        37.95456067 * Deg, 89.26410897 * Deg, 44.48 * Mas / std::cos(89.26410897 * Deg),
        -11.85 * Mas,      0.00754,           -16.42};
    const GeodeticPlace site{19.04 * Deg, 47.5 * Deg, 0.0};
    const ObservedDirection seen = ObservedFromCatalogue(polaris, site, Jd);
    EXPECT_NEAR(seen.Altitude / Deg, 47.28897, 0.002);
    EXPECT_NEAR(seen.Azimuth / Deg, 0.88861, 0.005);
    const double refraction =
        ObservedFromCatalogue(polaris, site, Jd, StandardAtmosphere).Altitude - seen.Altitude;
    EXPECT_NEAR(refraction / Deg * 60, 0.9, 0.1);
}

TEST(ApparentPlace, DeltaTFollowsTheMeasuredValues) {
    // (Julian day, TT - UT in seconds, tolerance)
    const struct {
        double Jd, Seconds, Tolerance;
    } cases[] = {
        {2451545.0, 63.8, 0.2}, {2460676.5, 69.1, 0.3}, {2415020.5, -2.7, 0.3}, {2086302.5, 1574.0, 60.0}};
    for (const auto& c : cases) EXPECT_NEAR(DeltaTSeconds(c.Jd), c.Seconds, c.Tolerance) << c.Jd;
}

}  // namespace
}  // namespace kolvar
