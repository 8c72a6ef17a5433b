#include "telescope/telescope_target.h"

#include <cmath>
#include <cstdio>
#include <vector>

#include "astro/angles.h"
#include "canvas/cp1250.h"
#include "catalog/deep_sky_catalogue.h"
#include "catalog/ngc_ic_catalogue.h"
#include "catalog/star_catalogue.h"
#include "chart/solar_system_layer.h"
#include "identify/name_index.h"
#include "sky/sky_object_table.h"
#include "telescope/mount_coordinates.h"

namespace kolvar {

namespace {

// The geocentric place of date of the Sun, the Moon or a planet, as the chart
// computes it, seen from `site`.
EquatorialPlace BodyPlace(int slot, const GeodeticPlace& site, double julianDayUt) {
    const SphericalPosition g = GeocentricBodyPosition(slot, julianDayUt);
    const double cd = std::cos(g.Latitude);
    const Vector3 o = TopocentricOffset(site, julianDayUt);
    const double x = g.Distance * cd * std::cos(g.Longitude) - o.X;
    const double y = g.Distance * cd * std::sin(g.Longitude) - o.Y;
    const double z = g.Distance * std::sin(g.Latitude) - o.Z;
    return {WrapTwoPi(std::atan2(y, x)), std::atan2(z, std::hypot(x, y))};
}

}  // namespace

TelescopeTarget TargetOfSlot(int slot) {
    TelescopeTarget t;
    t.Slot = slot;
    t.Name = Cp1250ToUtf8(ProgramNameIndex().DisplayName(slot));
    if (slot >= FirstDeepSkySlot) {
        const DeepSkyRecord& d = DeepSkyCatalogue[static_cast<std::size_t>(slot - FirstDeepSkySlot)];
        t.J2000.RightAscension = static_cast<double>(d.RightAscension);
        t.J2000.Declination = static_cast<double>(d.Declination);
    } else if (slot >= FirstStarSlot) {
        t.J2000 = StarCataloguePlace(StarCatalogue[static_cast<std::size_t>(slot - FirstStarSlot)]);
    }
    return t;
}

TelescopeTarget TargetAtDirection(double rightAscension, double declination) {
    TelescopeTarget t;
    t.J2000.RightAscension = WrapTwoPi(rightAscension);
    t.J2000.Declination = declination;
    t.Name = "RA " + HoursText(t.J2000.RightAscension) + " Dec " + DegreesText(declination);
    return t;
}

std::optional<TelescopeTarget> TargetNamed(std::string_view utf8) {
    // A constellation is no place to point at, and a name a letter or two
    // off is no order to move a telescope.
    for (const FoundObject& f : ProgramNameIndex().Find(utf8)) {
        if (f.Close) continue;
        if (f.Kind == FoundKind::Slot) return TargetOfSlot(f.Slot);
        if (f.Kind != FoundKind::NgcIc) continue;
        const NgcIcRecord& r = NgcIcCatalogue()[static_cast<std::size_t>(f.Index)];
        TelescopeTarget t;
        t.Name = Cp1250ToUtf8(f.DisplayName);
        t.J2000.RightAscension = static_cast<double>(r.RightAscension);
        t.J2000.Declination = static_cast<double>(r.Declination);
        return t;
    }
    return std::nullopt;
}

std::optional<TelescopeTarget> NearestObject(const EquatorialPlace& j2000, double radius) {
    int best = -1;
    double bestSeparation = radius;
    const auto consider = [&](int slot, float ra, float dec) {
        const double s = Separation(j2000, {static_cast<double>(ra), static_cast<double>(dec)});
        if (s <= bestSeparation) {
            bestSeparation = s;
            best = slot;
        }
    };
    for (int i = 0; i < StarCount; ++i)
        consider(FirstStarSlot + i, StarCatalogue[static_cast<std::size_t>(i)].RightAscension,
                 StarCatalogue[static_cast<std::size_t>(i)].Declination);
    for (int i = 0; i < DeepSkyCount; ++i)
        consider(FirstDeepSkySlot + i, DeepSkyCatalogue[static_cast<std::size_t>(i)].RightAscension,
                 DeepSkyCatalogue[static_cast<std::size_t>(i)].Declination);
    if (best < 0) return std::nullopt;
    return TargetOfSlot(best);
}

EquatorialPlace TargetPlaceOfDate(const TelescopeTarget& target, const GeodeticPlace& site,
                                  double julianDayUt) {
    if (target.Slot >= 0 && target.Slot < FirstStarSlot) return BodyPlace(target.Slot, site, julianDayUt);
    return ApparentOfDate(target.J2000, julianDayUt);
}

std::string HoursText(double radians) {
    double hours = std::fmod(radians / RadiansPerHour, 24.0);
    if (hours < 0.0) hours += 24.0;
    long long tenths = std::llround(hours * 36000.0) % (24LL * 36000);
    char text[32];
    std::snprintf(text, sizeof text, "%lldh%02lldm%02lld.%llds", tenths / 36000, tenths / 600 % 60,
                  tenths / 10 % 60, tenths % 10);
    return text;
}

std::string DegreesText(double radians) {
    const double degrees = radians * DegreesPerRadian;
    const long long seconds = std::llround(std::fabs(degrees) * 3600.0);
    char text[40];
    std::snprintf(text, sizeof text, "%c%lld\u00b0%02lld\u2032%02lld\u2033", degrees < 0.0 ? '-' : '+',
                  seconds / 3600, seconds / 60 % 60, seconds % 60);
    return text;
}

}  // namespace kolvar
