// The object window's report against PyEphem 4.1 (airless, horizon at -34',
// the Moon's upper limb): Szeged, 9 December 2026, 20:00 UT.
#include "plan/object_report.h"

#include <gtest/gtest.h>

#include <cmath>

#include "catalog/static_tables.h"
#include "plan/object_rows.h"
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
    const FoundObject orion = ProgramNameIndex().Find("Orion").at(0);
    ASSERT_EQ(orion.Kind, FoundKind::Constellation);
    EXPECT_EQ(ReportObject({orion.Kind, orion.Index}, szeged).Constellation, orion.Index);
}

}  // namespace
}  // namespace kolvar
