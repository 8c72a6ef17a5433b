// The sky of dates far from 2000: catalogue stars precessed to the date, the
// Sun where its elements of the date put it, checked against facts that do
// not come from this program.

#include <gtest/gtest.h>

#include <cmath>

#include "astro/time_scales.h"
#include "catalog/star_catalogue.h"
#include "chart/redraw.h"
#include "chart_test_setup.h"
#include "sky/observer_state.h"

namespace kolvar {
namespace {

constexpr double Deg = 3.141592653589793 / 180;

double Separation(const HorizontalPosition& a, const HorizontalPosition& b) {
    const double c = std::sin(a.Altitude) * std::sin(b.Altitude) +
                     std::cos(a.Altitude) * std::cos(b.Altitude) * std::cos(a.Azimuth - b.Azimuth);
    return std::acos(std::fmin(1.0, c));
}

class SkyOfDate : public ::testing::Test {
protected:
    void Draw(double julianDay) {
        InitialiseChartTables();
        observer.Longitude = DefaultLongitude;
        observer.Latitude = DefaultLatitude;
        observer.JulianDay = julianDay;
        const SkyScene scene = ComputeSkyScene(observer);
        frame = RedrawChart(scene, chart, 400, 300, moon);
        objects = scene.Objects;
    }
    HorizontalPosition Slot(int slot) const {
        return {objects[slot].Azimuth, objects[slot].Altitude, objects[slot].Distance};
    }

    ObserverState observer;
    Bitmap chart;
    ChartFrame frame;
    SkyObjectTable objects;
    MoonPicture moon;
};

int StarByHr(int hr) {
    for (int i = 0; i < StarCount; ++i)
        if (StarCatalogue[i].HrNumber == hr) return i;
    return -1;
}

// Azimuth and altitude on 1 January, 0 h UT, at the default place, from
// ERFA (astropy): catalogue position and proper motion, IAU 2006/2000A
// precession-nutation, aberration, no refraction; TT - UT 1574 s in 1000 and
// 4436 s in 3000; turned into the observer frame of this chart, whose zenith
// lies 0.19 degrees north of the geodetic one. A star left at its 2000 right
// ascension would miss by 5 to 14 degrees.
TEST_F(SkyOfDate, BrightStarsStandWhereTheyStoodAThousandYearsAgoAndHence) {
    const struct {
        double JulianDay;
        int Hr;
        double AzimuthDeg, AltitudeDeg;
    } stars[] = {
        {2086302.5, 2491, 210.036, 21.332}, {2086302.5, 5340, 77.429, 22.344},
        {2086302.5, 1708, 287.221, 50.401}, {2086302.5, 3982, 146.458, 54.963},
        {2816787.5, 2491, 187.827, 23.225}, {2816787.5, 5340, 68.980, 0.523},
        {2816787.5, 1708, 271.540, 74.876}, {2816787.5, 3982, 121.754, 33.826},
    };
    for (const auto& star : stars) {
        Draw(star.JulianDay);
        const int index = StarByHr(star.Hr);
        ASSERT_GE(index, 0);
        const HorizontalPosition erfa{star.AzimuthDeg * Deg, star.AltitudeDeg * Deg, InfinitelyFar};
        EXPECT_LT(Separation(Slot(FirstStarSlot + index), erfa) / Deg, 0.1)
            << star.JulianDay << " HR " << star.Hr;
    }
}

// On 21 June at local mean noon the Sun is at the solstice of the date, due
// south and 90 - latitude + 23.44 degrees high, in any century: the
// Gregorian calendar keeps the seasons, and the equation of time is under two
// minutes then.
TEST_F(SkyOfDate, MidsummerSunIsDueSouthAtNoonInEveryCentury) {
    for (int year : {1000, 1500, 2000, 2500, 3000}) {
        Draw(static_cast<double>(
            JulianDayFromCalendar(year, 6, 21, 12, 0, 0.0, false, DefaultLongitude / Deg / 15)));
        const HorizontalPosition sun = Slot(SunSlot);
        EXPECT_LT(std::abs(std::remainder(sun.Azimuth - 180 * Deg, 360 * Deg)) / Deg, 3.0) << year;
        EXPECT_NEAR(sun.Altitude / Deg, 90.0 - DefaultLatitude / Deg + 23.44, 0.5) << year;
    }
}

}  // namespace
}  // namespace kolvar
