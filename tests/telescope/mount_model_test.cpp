// The telescope module without a server: what the mount's numbers may be,
// how events make the state, where the reticle of a mount on an object
// stands, and the altitude refusal.

#include "telescope/mount_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "astro/angles.h"
#include "astro/time_scales.h"
#include "catalog/static_tables.h"
#include "identify/name_index.h"
#include "sky/slot_position.h"
#include "telescope/altitude_limit.h"
#include "telescope/mount_coordinates.h"
#include "telescope/mount_link.h"
#include "telescope/telescope_target.h"

namespace kolvar {
namespace {

constexpr double Deg = RadiansPerDegree;
constexpr double Jd = 2460536.375;  // 13 August 2024, 21:00 UT
const GeodeticPlace Budapest{19.04 * Deg, 47.5 * Deg, 0.0};
const std::string Mount = "Mount";

TEST(MountNumbers, OnlyPlacesOnTheSkyAreTaken) {
    constexpr double Nan = std::numeric_limits<double>::quiet_NaN();
    constexpr double Inf = std::numeric_limits<double>::infinity();
    const struct {
        double Hours, Degrees;
        bool Taken;
        double WantHours, WantDegrees;
    } cases[] = {
        {Nan, 10, false, 0, 0},    {5, Nan, false, 0, 0},   {Inf, 0, false, 0, 0},   {1e300, 0, false, 0, 0},
        {5, 91, false, 0, 0},      {5, -1e9, false, 0, 0},  {-1, 10, true, 23, 10},  {49, -10, true, 1, -10},
        {5, 90.0005, true, 5, 90}, {-1e-17, 0, true, 0, 0}, {24, -90, true, 0, -90},
    };
    for (const auto& c : cases) {
        const auto p = PlaceFromMount(c.Hours, c.Degrees);
        ASSERT_EQ(p.has_value(), c.Taken) << c.Hours << " " << c.Degrees;
        if (!p) continue;
        EXPECT_GE(p->RightAscension, 0.0);
        EXPECT_LT(p->RightAscension, TwoPi);
        EXPECT_NEAR(p->RightAscension / Deg / 15, c.WantHours, 1e-9) << c.Hours;
        EXPECT_NEAR(p->Declination / Deg, c.WantDegrees, 1e-9) << c.Degrees;
    }
}

TEST(ServerAddressText, ReadsHostAndPort) {
    EXPECT_EQ(ServerAddressText(*ParseServerAddress("localhost")), "localhost:7624");
    EXPECT_EQ(ServerAddressText(*ParseServerAddress("10.0.0.2:7625")), "10.0.0.2:7625");
    for (const char* bad :
         {"", ":7624", "host:", "host:0", "host:65536", "host:12x", "a b:1", "h:1:2", "host:-1"})
        EXPECT_FALSE(ParseServerAddress(bad)) << bad;
}

TEST(MountModel, FollowsTheFirstMountThroughItsStates) {
    MountModel m;
    EXPECT_EQ(m.State(), MountState::Disconnected);
    m.Apply(ServerConnected{});
    // The connection switch comes before the driver says what it is.
    m.Apply(DeviceSeen{"Camera", false});
    m.Apply(DeviceConnection{Mount, true, PropertyStatus::Ok});
    EXPECT_EQ(m.State(), MountState::Connecting);
    m.Apply(DeviceSeen{Mount, true});
    EXPECT_EQ(m.Device(), Mount);
    EXPECT_EQ(m.State(), MountState::Idle);
    m.Apply(MountTracking{Mount, true, PropertyStatus::Ok});
    EXPECT_EQ(m.State(), MountState::Tracking);
    m.Apply(MountCoordinates{Mount, 3.0, 20.0, PropertyStatus::Busy});
    EXPECT_EQ(m.State(), MountState::Slewing);
    m.Apply(MountCoordinates{"Camera", 9.0, 9.0, PropertyStatus::Ok});  // not followed
    EXPECT_NEAR(m.Place()->RightAscension, 45.0 * Deg, 1e-12);
    m.Apply(MountParking{Mount, true, PropertyStatus::Ok});
    m.Apply(MountCoordinates{Mount, 3.0, 20.0, PropertyStatus::Ok});
    EXPECT_EQ(m.State(), MountState::Parked);

    // The server vanishing: the state says lost, the place is no longer current.
    const auto notice = m.Apply(ServerLost{"", false});
    ASSERT_TRUE(notice);
    EXPECT_EQ(m.State(), MountState::Lost);
    EXPECT_FALSE(m.Place());
    EXPECT_TRUE(m.LastPlace());
    // Reconnecting starts over; a requested disconnection is no notice.
    m.Apply(ServerConnected{});
    EXPECT_EQ(m.State(), MountState::Connecting);
    EXPECT_FALSE(m.Apply(ServerLost{"", true}));
    EXPECT_EQ(m.State(), MountState::Disconnected);
}

TEST(MountModel, TellsOfBadNumbersOnceAndOfFaultsWithTheDriversReason) {
    MountModel m(Mount);
    m.Apply(ServerConnected{});
    m.Apply(DeviceConnection{Mount, true, PropertyStatus::Ok});
    m.Apply(MountCoordinates{Mount, 1.0, 2.0, PropertyStatus::Ok});
    EXPECT_TRUE(m.Apply(MountCoordinates{Mount, std::nan(""), 2.0, PropertyStatus::Ok}));
    EXPECT_FALSE(m.Apply(MountCoordinates{Mount, 1.0, 400.0, PropertyStatus::Ok}));
    EXPECT_NEAR(m.Place()->RightAscension, 15.0 * Deg, 1e-12);  // the last good place stays
    EXPECT_EQ(m.CoordinateReports(), 1);
    EXPECT_FALSE(m.Apply(MountCoordinates{Mount, 2.0, 2.0, PropertyStatus::Ok}));
    EXPECT_TRUE(
        m.Apply(MountCoordinates{Mount, 1.0, 1e300, PropertyStatus::Ok}));  // told again after a good one

    m.Apply(DeviceMessage{Mount, "Slew is outside the limits"});
    const auto fault = m.Apply(MountCoordinates{Mount, 2.0, 2.0, PropertyStatus::Alert});
    ASSERT_TRUE(fault);
    EXPECT_NE(fault->find("Slew is outside the limits"), std::string::npos);
    EXPECT_FALSE(m.Apply(MountCoordinates{Mount, 2.0, 2.0, PropertyStatus::Alert}));
    EXPECT_TRUE(m.Apply(PropertyMissing{Mount, "TELESCOPE_PARK"}));

    // An unreadable site is dropped, a longitude of 0..360 east read as -180..180.
    m.Apply(MountSite{Mount, 47.5, 340.0, 1e9});
    EXPECT_NEAR(m.Site()->Longitude, -20.0 * Deg, 1e-12);
    EXPECT_EQ(m.Site()->Height, 10000.0);
    m.Apply(MountSite{Mount, std::nan(""), 0, 0});
    EXPECT_FALSE(m.Site());
}

class TelescopeTargets : public ::testing::Test {
protected:
    static void SetUpTestSuite() { InitStaticTables(); }
};

TEST_F(TelescopeTargets, AMountOnAnObjectStandsOnItsChartMarker) {
    ObserverState observer;
    observer.Longitude = Budapest.Longitude;
    observer.Latitude = Budapest.Latitude;
    for (const char* name : {"M31", "Vega", "Polaris", "Canopus"}) {
        const TelescopeTarget target = *TargetNamed(name);
        const EquatorialPlace ofDate = TargetPlaceOfDate(target, Budapest, Jd);
        // Through the mount's numbers and back, as a mount reports them; a
        // star comes back where its proper motion has taken it.
        const MountNumbers n = NumbersForMount(ofDate);
        const EquatorialPlace reported = *PlaceFromMount(n.RightAscensionHours, n.DeclinationDegrees);
        if (target.Slot >= FirstDeepSkySlot) {
            EXPECT_NEAR(Separation(J2000OfMountPlace(reported, Jd),
                                   {target.J2000.RightAscension, target.J2000.Declination}),
                        0.0, 0.05 / 3600 * Deg);
        }

        SlotPlacer placer(observer.Longitude, observer.Latitude);
        const SkyObjectEntry marker = placer.Place(target.Slot, Jd);
        ChartFrame frame = ComputeChartFrame(0, 0, observer);
        frame.SiderealAngle = GreenwichSiderealAngle(Jd);
        const HorizontalPosition reticle = ChartDirectionOfMount(frame, reported, Jd);
        // Proper motion the chart applies and the mount's place holds: a
        // fraction of an arc second, nothing a pixel shows.
        EXPECT_NEAR(reticle.Altitude, marker.Altitude, 1.0 / 3600 * Deg) << name;
        EXPECT_NEAR(WrapPi(reticle.Azimuth - marker.Azimuth) * std::cos(marker.Altitude), 0.0,
                    1.0 / 3600 * Deg)
            << name;
    }
}

TEST_F(TelescopeTargets, RefusesTargetsBelowTheLimitNamingThem) {
    const TelescopeTarget canopus = *TargetNamed("Canopus");  // never rises at 47.5 N
    const AltitudeCheck low = CheckAltitude(canopus, Budapest, Jd, 0.0);
    EXPECT_FALSE(low.Allowed());
    const std::string message = *AltitudeRefusal(canopus.Name, low);
    EXPECT_EQ(message.rfind(canopus.Name + " stands at -", 0), 0u) << message;
    EXPECT_NE(message.find("below the horizon"), std::string::npos);

    const TelescopeTarget vega = *TargetNamed("Vega");  // near the zenith that evening
    EXPECT_FALSE(AltitudeRefusal(vega.Name, CheckAltitude(vega, Budapest, Jd, 0.0)));
    const AltitudeCheck limited = CheckAltitude(vega, Budapest, Jd, 89.0 * Deg);
    EXPECT_NE(AltitudeRefusal(vega.Name, limited)->find("below the limit of 89.0"), std::string::npos);

    // The Moon from the observer's place, not the Earth's centre: its
    // parallax puts it up to a degree lower.
    const TelescopeTarget moon = TargetOfSlot(MoonSlot);
    const EquatorialPlace topocentric = TargetPlaceOfDate(moon, Budapest, Jd);
    const EquatorialPlace fromPole = TargetPlaceOfDate(moon, {0.0, 90.0 * Deg, 0.0}, Jd);
    const double shift = Separation(topocentric, fromPole) / Deg;
    EXPECT_GT(shift, 0.3);
    EXPECT_LT(shift, 1.5);
}

}  // namespace
}  // namespace kolvar
