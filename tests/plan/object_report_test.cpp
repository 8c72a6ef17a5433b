// The object window's report against PyEphem 4.1 (airless, horizon at -34',
// the Moon's upper limb): Szeged, 9 December 2026, 20:00 UT.
#include "plan/object_report.h"

#include <gtest/gtest.h>

#include <cmath>

#include "catalog/static_tables.h"
#include "plan/object_rows.h"
#include "plan/tonight_list.h"
#include "sky/slot_position.h"
#include "texts/object_captions.h"

namespace kolvar {
namespace {

constexpr double Degree = 3.141592653589793 / 180.0;
constexpr double TwoMinutes = 120.0 / 86400.0;

int SlotNamed(const char* name) { return ProgramNameIndex().Find(name).at(0).Slot; }

std::string RowValue(const std::vector<ObjectRow>& rows, const ViewCaption& caption) {
    for (const ObjectRow& r : rows)
        if (r.Caption == &caption) return r.Value;
    return "(none)";
}

TEST(ObjectReport, PlacesAndTimesAsAnAlmanacGivesThem) {
    InitStaticTables();
    ObserverState szeged;
    szeged.Longitude = 20.148 * Degree;
    szeged.Latitude = 46.253 * Degree;
    szeged.JulianDay = 2461384.3333333335;
    szeged.Zone = 1.0;
    struct Case {
        int slot;
        double azimuth, altitude;   // degrees
        double rise, transit, set;  // Julian days; 0 for none
        double tolerance;           // degrees
    } cases[] = {
        {FirstDeepSkySlot + 2, 266.3366, 69.5811, 2461384.8102055, 2461385.2539635, 2461384.7004521, 0.05},
        {MoonSlot, 279.9414, -49.1911, 2461384.8226456, 2461384.9871389, 2461385.1532209, 0.05},
        {FirstPlanetSlot + 3, 65.8164, -4.1703, 2461384.3489200, 2461384.6402537, 2461384.9315877, 0.05},
        {SlotNamed("Polaris"), 0.1343, 46.8659, 0, 2461384.3569377, 0, 0.05},
        {SlotNamed("Canopus"), 146.9861, -20.4346, 0, 2461384.4924071, 0, 0.05},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.slot);
        const ObjectReport r = ReportObject({FoundKind::Slot, k.slot}, szeged);
        // Azimuths near north compared across 0/360.
        EXPECT_NEAR(std::remainder(r.Now.Azimuth / Degree - k.azimuth, 360.0), 0.0, k.tolerance);
        EXPECT_NEAR(r.Now.Altitude / Degree, k.altitude, k.tolerance);
        EXPECT_EQ(r.Airmass.has_value(), k.altitude > 0.0);
        const auto near = [](const std::optional<double>& got, double want) {
            if (want == 0.0) return !got.has_value();
            return got.has_value() && std::fabs(*got - want) < TwoMinutes;
        };
        EXPECT_TRUE(near(r.Times.Rise, k.rise));
        EXPECT_TRUE(near(r.Times.Transit, k.transit));
        EXPECT_TRUE(near(r.Times.Set, k.set));
    }

    // What the rows say where there is no time, and of the Moon.
    const ObjectTexts& c = ObjectCaptions();
    const auto rows = [&](int slot) {
        return ObjectRows(ReportObject({FoundKind::Slot, slot}, szeged), szeged.Zone, szeged.SummerTime);
    };
    EXPECT_EQ(RowValue(rows(SlotNamed("Polaris")), c.Set), c.Circumpolar);
    EXPECT_EQ(RowValue(rows(SlotNamed("Canopus")), c.Rise), c.NeverRises);
    EXPECT_EQ(RowValue(rows(FirstStarSlot), c.Distance), "(none)");
    const ObjectReport moon = ReportObject({FoundKind::Slot, MoonSlot}, szeged);
    EXPECT_NEAR(*moon.MoonIlluminated, 0.0072, 0.005);
    EXPECT_NEAR(*moon.Distance, 0.00274384, 0.00274384 * 1e-3);
    EXPECT_EQ(RowValue(rows(MoonSlot), c.MoonPhase), "\xFAjhold, 1% megvil\xE1g\xEDtva");
    EXPECT_EQ(RowValue(rows(FirstDeepSkySlot + 2), c.Rise), "2026.12.10. 08:27 (UTC+1)");

    // Beyond the table: an NGC object by its catalogue, a constellation by its label's place.
    const FoundObject ngc = ProgramNameIndex().Find("NGC 7000").at(0);
    const ObjectReport n = ReportObject({ngc.Kind, ngc.Index}, szeged);
    EXPECT_EQ(n.Constellation, ReportObject({FoundKind::Slot, SlotNamed("Deneb")}, szeged).Constellation);
    EXPECT_TRUE(n.MajorAxis.has_value());
}

// Over a local horizon (5 degrees, a 12-degree wall in the south) the rising
// and setting lie on the skyline through its refraction, the Sun and the
// Moon by their upper limb, later and earlier than on the true horizon; the
// culmination stays, and Shaula, culminating 7 degrees up in the south,
// never rises over the wall.
TEST(ObjectReport, RisesAndSetsOverTheSkyline) {
    InitStaticTables();
    ObserverState szeged;
    szeged.Longitude = 20.148 * Degree;
    szeged.Latitude = 46.253 * Degree;
    szeged.JulianDay = 2461384.3333333335;
    const LocalHorizon wall({{0, 5 * Degree},
                             {100 * Degree, 5 * Degree},
                             {120 * Degree, 12 * Degree},
                             {240 * Degree, 12 * Degree},
                             {260 * Degree, 5 * Degree}});
    SlotPlacer placer(szeged.Longitude, szeged.Latitude, PlacementFrame::True);
    for (const int slot : {SunSlot, MoonSlot, FirstPlanetSlot + 3, SlotNamed("Sirius"), SlotNamed("Vega"),
                           FirstDeepSkySlot + 2}) {
        SCOPED_TRACE(slot);
        const ObjectReport open = ReportObject({FoundKind::Slot, slot}, szeged);
        const ObjectReport walled = ReportObject({FoundKind::Slot, slot}, szeged, &wall);
        EXPECT_EQ(walled.Times.Transit, open.Times.Transit);
        ASSERT_TRUE(walled.Times.Rise && walled.Times.Set);
        for (const double t : {*walled.Times.Rise, *walled.Times.Set}) {
            const SkyObjectEntry e = placer.Place(slot, t);
            const double line = wall.AltitudeAt(e.Azimuth);
            const double limb = RiseSetAltitude(e) + 34.0 / 60.0 * Degree;
            EXPECT_NEAR(e.Altitude, line - RefractionAt(line) + limb, 0.01 * Degree);
        }
        // The same passage over the sky, seen for less time.
        if (open.Times.Rise && open.Times.Set && *open.Times.Rise < *open.Times.Set &&
            *walled.Times.Rise < *walled.Times.Set) {
            EXPECT_GT(*walled.Times.Rise, *open.Times.Rise);
            EXPECT_LT(*walled.Times.Set, *open.Times.Set);
        }
    }
    const ObjectReport shaula = ReportObject({FoundKind::Slot, SlotNamed("Shaula")}, szeged, &wall);
    EXPECT_TRUE(shaula.Times.NeverRises && !shaula.Times.Rise && !shaula.Times.Set);
    EXPECT_TRUE(shaula.Times.Transit.has_value());
    // A direction outside the table: the North America nebula, half a
    // degree up at its lowest, never sets over the true horizon but does behind the trees.
    const FoundObject ngc = ProgramNameIndex().Find("NGC 7000").at(0);
    EXPECT_TRUE(ReportObject({ngc.Kind, ngc.Index}, szeged).Times.NeverSets);
    const ObjectReport deep = ReportObject({ngc.Kind, ngc.Index}, szeged, &wall);
    EXPECT_TRUE(deep.Times.Rise && deep.Times.Set && !deep.Times.NeverSets);
    const FoundObject orion = ProgramNameIndex().Find("Orion").at(0);
    ASSERT_EQ(orion.Kind, FoundKind::Constellation);
    EXPECT_EQ(ReportObject({orion.Kind, orion.Index}, szeged).Constellation, orion.Index);
}

}  // namespace
}  // namespace kolvar
