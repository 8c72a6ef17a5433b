#include "astro/planets.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "astro/angles.h"

namespace kolvar {
namespace {

constexpr double Degree = Pi / 180.0;
constexpr long double DayZero = 2451543.5L;

class Planets : public ::testing::Test {
protected:
};

TEST_F(Planets, TableOrderAndNames) {
    const char* english[] = {"Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Uranus", "Neptune"};
    for (int i = 0; i < PlanetCount; ++i) {
        EXPECT_EQ(PlanetTable[i].Name, english[i]);
    }
    const char* hungarian[] = {"F\xF6ld", "Merk\xFAr",  "V\xE9nusz",  "Mars",
                               "Jupiter", "Szaturnusz", "Ur\xE1nusz", "Neptunusz"};
    for (int i = 0; i < 8; ++i) {
        EXPECT_STREQ(PlanetInfoTable[i].Name, hungarian[i]);
        EXPECT_EQ(PlanetInfoTable[i].Epoch, 2450083.5L);
    }
}

TEST_F(Planets, ElementsOnDayZeroAndLater) {
    const OrbitalElements mercury = PlanetElementsOn(DayZero, 0);
    EXPECT_NEAR(mercury.MeanAnomaly / Degree, 168.6562, 1e-10);
    EXPECT_NEAR(mercury.Node / Degree, 48.3313, 1e-10);
    EXPECT_NEAR(mercury.Eccentricity, 0.205635, 1e-15);
    EXPECT_NEAR(mercury.SemiMajorAxis, 0.387098, 1e-15);

    // Ten days later Mercury has gone 40.9 degrees further.
    const OrbitalElements later = PlanetElementsOn(DayZero + 10, 0);
    EXPECT_NEAR(later.MeanAnomaly / Degree, 168.6562 + 40.923344368, 1e-9);

    // A thousand days earlier the anomaly is reduced into 0..2*pi.
    const OrbitalElements earlier = PlanetElementsOn(DayZero - 1000, 0);
    const double expected = std::fmod(168.6562 - 4092.3344368, 360.0) + 360.0;
    EXPECT_NEAR(earlier.MeanAnomaly / Degree, expected, 1e-8);

    const OrbitalElements neptune = PlanetElementsOn(DayZero + 36525, 6);
    EXPECT_NEAR(neptune.SemiMajorAxis, 30.05826 + 3.313e-08 * 36525, 1e-12);
}

TEST_F(Planets, BadIndexThrowsMinusOne) {
    for (int bad : {-1, 7, 100, -2147483647 - 1}) {
        try {
            PlanetHeliocentric(DayZero, bad);
            ADD_FAILURE() << "no exception for " << bad;
        } catch (int code) {
            EXPECT_EQ(code, -1);
        }
    }
    EXPECT_THROW(PlanetPerturbation(DayZero, 7), int);
    EXPECT_THROW(PlanetElementsOn(DayZero, -1), int);
}

// A worked example for these elements: 19 April 1990, 0 h UT.
TEST_F(Planets, PublishedExample1990) {
    const SphericalPosition mercury = PlanetHeliocentric(2448000.5L, 0);
    EXPECT_NEAR(mercury.Longitude / Degree, 170.5709, 0.001);
    EXPECT_NEAR(mercury.Latitude / Degree, 5.9255, 0.001);
    EXPECT_NEAR(mercury.Distance, 0.374862, 1e-5);
}

TEST_F(Planets, DistancesStayOnTheirOrbits) {
    for (int i = 0; i < PlanetCount; ++i) {
        const PlanetElements& p = PlanetTable[i];
        for (long double jd = 2415020.0L; jd < 2488000.0L; jd += 101.7L) {
            const SphericalPosition h = PlanetHeliocentric(jd, i);
            const double a = p.SemiMajorAxis;
            const double e = p.Eccentricity;
            EXPECT_GE(h.Distance, a * (1 - e) * 0.999) << i;
            EXPECT_LE(h.Distance, a * (1 + e) * 1.001) << i;
            EXPECT_LE(std::abs(h.Latitude), (p.Inclination + 0.1) * Degree) << i;
        }
    }
}

TEST_F(Planets, PerturbationsStayWithinTheirBounds) {
    const double bound[PlanetCount] = {0, 0, 0, 0.527, 1.220, 0.090, 0};
    double largest[PlanetCount] = {};
    for (long double jd = 2268000.0L; jd < 2634000.0L; jd += 3.7L) {
        for (int i = 0; i < PlanetCount; ++i) {
            const SphericalPosition c = PlanetPerturbation(jd, i);
            largest[i] = std::max(largest[i], std::abs(c.Longitude) / Degree);
            if (i != 4) {
                EXPECT_EQ(c.Latitude, 0.0);
            } else {
                EXPECT_LE(std::abs(c.Latitude) / Degree, 0.038 + 1e-12);
            }
        }
    }
    for (int i = 0; i < PlanetCount; ++i) {
        EXPECT_LE(largest[i], bound[i] + 1e-12) << i;
        // Over a thousand years the terms come close to adding up fully.
        EXPECT_GE(largest[i], bound[i] * 0.8) << i;
    }
}

TEST_F(Planets, EarthOrbitFromTheDescriptiveTable) {
    const PlanetInfo earth = PlanetInfoTable[0];
    const double epoch = static_cast<double>(earth.Epoch);

    const SphericalPosition atEpoch = OrbitPositionAt(earth, epoch);
    EXPECT_NEAR(atEpoch.Longitude / Degree, 99.9, 1e-9);
    EXPECT_EQ(atEpoch.Latitude, 0.0);
    EXPECT_NEAR(atEpoch.Distance, 0.98332, 0.00001);

    const SphericalPosition third = OrbitPositionAt(earth, epoch + TropicalYearDays / 3);
    EXPECT_NEAR(WrapTwoPi(third.Longitude) / Degree, 221.66, 0.01);
    EXPECT_NEAR(WrapTwoPi(third.Longitude - atEpoch.Longitude) / Degree, 121.76, 0.01);
    EXPECT_NEAR(third.Distance, 1.00794, 0.00001);

    const SphericalPosition year = OrbitPositionAt(earth, epoch + TropicalYearDays);
    EXPECT_NEAR(year.Longitude, atEpoch.Longitude, 1e-9);
    EXPECT_NEAR(year.Distance, atEpoch.Distance, 1e-12);
}

TEST_F(Planets, OrbitPositionAtForEveryRow) {
    for (const PlanetInfo& info : PlanetInfoTable) {
        const double epoch = static_cast<double>(info.Epoch);
        const SphericalPosition atEpoch = OrbitPositionAt(info, epoch);
        EXPECT_NEAR(std::remainder(atEpoch.Longitude - info.EpochLongitude * Degree, TwoPi), 0.0, 1e-9)
            << info.Period;
        const SphericalPosition later = OrbitPositionAt(info, epoch + info.Period * TropicalYearDays);
        EXPECT_NEAR(std::remainder(later.Longitude - atEpoch.Longitude, TwoPi), 0.0, 1e-8);
        EXPECT_NEAR(later.Latitude, atEpoch.Latitude, 1e-8);
        const double a = info.SemiMajorAxis;
        for (double t = 0; t < 1.0; t += 0.05) {
            const SphericalPosition p = OrbitPositionAt(info, epoch + t * info.Period * TropicalYearDays);
            EXPECT_GE(p.Distance, a * (1 - info.Eccentricity) - 1e-12);
            EXPECT_LE(p.Distance, a * (1 + info.Eccentricity) + 1e-12);
            EXPECT_LE(std::abs(p.Latitude), info.Inclination * Degree + 1e-12);
        }
    }
}

TEST_F(Planets, MeanAnomalyFromTrueIsKeplersRelation) {
    for (double e : {0.0, 0.0167, 0.2056, 0.6}) {
        for (double v = -3.0; v < 3.1; v += 0.5) {
            const double m = MeanAnomalyFromTrue(v, e);
            // Back through the eccentric anomaly with an independent formula.
            const double ecc = 2 * std::atan(std::sqrt((1 - e) / (1 + e)) * std::tan(v / 2));
            EXPECT_NEAR(m, ecc - e * std::sin(ecc), 1e-12) << e << " " << v;
        }
    }
}

TEST_F(Planets, TrueAnomalyAtEpochMatchesTheEpochLongitude) {
    for (const PlanetInfo& info : PlanetInfoTable) {
        const double v = TrueAnomalyAtEpoch(info);
        EXPECT_NEAR(
            std::remainder(OrbitPointFromTrue(info, v).Longitude - info.EpochLongitude * Degree, TwoPi), 0.0,
            1e-12);
    }
    // The Earth's orbit lies in the ecliptic: the true anomaly is the
    // longitude less the perihelion.
    EXPECT_NEAR(TrueAnomalyAtEpoch(PlanetInfoTable[0]) / Degree, 99.9 - 102.424, 1e-9);
}

}  // namespace
}  // namespace kolvar
