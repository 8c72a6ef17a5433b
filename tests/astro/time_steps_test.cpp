#include "astro/time_steps.h"

#include <gtest/gtest.h>

#include <cmath>

#include "astro/ephemeris_range.h"
#include "astro/planets.h"
#include "astro/time_scales.h"

namespace kolvar {
namespace {

struct Civil {
    int Year, Month, Day, Hour, Minute;
};

double Jd(const Civil& c, double zone, bool summer) {
    return static_cast<double>(
        JulianDayFromCalendar(c.Year, c.Month, c.Day, c.Hour, c.Minute, 0.0, summer, zone));
}

// Calendar steps keep the civil date and clock time in the zone and hold the
// day at the end of a shorter month; the result is the Julian day that the
// civil time itself converts to, to the last bit.
TEST(StepJulianDay, CalendarStepsKeepTheCivilDate) {
    struct Case {
        Civil From;
        TimeStepUnit Unit;
        long long Count;
        double Zone;
        bool Summer;
        Civil To;
    } cases[] = {
        {{2026, 1, 31, 20, 30}, TimeStepUnit::CalendarMonth, 1, 2, false, {2026, 2, 28, 20, 30}},
        {{2024, 1, 31, 20, 30}, TimeStepUnit::CalendarMonth, 1, 2, false, {2024, 2, 29, 20, 30}},
        {{2026, 3, 31, 8, 0}, TimeStepUnit::CalendarMonth, -1, 1, true, {2026, 2, 28, 8, 0}},
        {{2025, 12, 15, 12, 0}, TimeStepUnit::CalendarMonth, 1, 0, false, {2026, 1, 15, 12, 0}},
        {{2026, 1, 15, 12, 0}, TimeStepUnit::CalendarMonth, -13, 5.5, false, {2024, 12, 15, 12, 0}},
        {{2024, 2, 29, 22, 0}, TimeStepUnit::Year, 1, -8, false, {2025, 2, 28, 22, 0}},
        {{2024, 2, 29, 22, 0}, TimeStepUnit::Year, -4, -8, false, {2020, 2, 29, 22, 0}},
        {{2000, 2, 29, 6, 0}, TimeStepUnit::Year, 100, 0, false, {2100, 2, 28, 6, 0}},
        {{-500, 3, 31, 6, 0}, TimeStepUnit::CalendarMonth, -1, 0, false, {-500, 2, 28, 6, 0}},
        // Shortly after local midnight the UT date is the day before; the
        // civil date is what moves.
        {{2026, 3, 1, 0, 30}, TimeStepUnit::CalendarMonth, 1, 2, false, {2026, 4, 1, 0, 30}},
        {{2026, 8, 12, 20, 30}, TimeStepUnit::CalendarMonth, 0, 2, false, {2026, 8, 12, 20, 30}},
    };
    for (const Case& c : cases) {
        const double from = Jd(c.From, c.Zone, c.Summer);
        const double to = StepJulianDay(from, TimeStep{c.Unit, 1}, c.Count, c.Zone, c.Summer);
        EXPECT_EQ(to, Jd(c.To, c.Zone, c.Summer))
            << c.From.Year << "-" << c.From.Month << "-" << c.From.Day << " by " << c.Count;
    }
}

TEST(StepJulianDay, FixedStepsAddTheirLength) {
    const double from = 2461265.2708333333;
    EXPECT_EQ(StepJulianDay(from, {TimeStepUnit::Day, 1}, 3, 2, false), from + 3);
    EXPECT_EQ(StepJulianDay(from, {TimeStepUnit::Week, 2}, -1, 2, false), from - 14);
    EXPECT_NEAR(StepJulianDay(from, {TimeStepUnit::Minute, 10}, 6, 0, false), from + 1.0 / 24, 1e-9);
    EXPECT_NEAR(StepJulianDay(from, {TimeStepUnit::LunarMonth, 1}, 1, 0, false), from + 29.530589, 1e-9);
    // One sidereal day brings the stars back to the same place.
    const double sidereal = StepJulianDay(from, {TimeStepUnit::SiderealDay, 1}, 1, 0, false);
    EXPECT_NEAR(GreenwichSiderealAngle(sidereal), GreenwichSiderealAngle(from), 1e-8);
    EXPECT_NEAR(sidereal - from, 0.99726957, 1e-8);
}

// At either end of the range the orbital elements cover, steps stop inside
// it, within a second of the edge, and stay there.
TEST(StepWithinElements, StopsAtTheEdgeOfTheElements) {
    for (int direction : {1, -1}) {
        const TimeStep millennium{TimeStepUnit::Year, 1000};
        StepOutcome outcome{2451545.0, false};
        int steps = 0;
        while (!outcome.AtEdge && steps++ < 10000)
            outcome = StepWithinElements(outcome.JulianDay, millennium, direction, 1, false);
        ASSERT_TRUE(outcome.AtEdge) << direction;
        const double edge = outcome.JulianDay;
        EXPECT_TRUE(ElementsCoverDay(edge));
        EXPECT_FALSE(ElementsCoverDay(edge + direction * 2.0 / 86400)) << edge;

        const StepOutcome again = StepWithinElements(edge, {TimeStepUnit::Minute, 1}, direction, 1, false);
        EXPECT_TRUE(again.AtEdge);
        EXPECT_EQ(again.JulianDay, edge);
        const StepOutcome back = StepWithinElements(edge, {TimeStepUnit::Day, 1}, -direction, 1, false);
        EXPECT_FALSE(back.AtEdge);
        EXPECT_EQ(back.JulianDay, edge - direction);
    }
}

}  // namespace
}  // namespace kolvar
