#pragma once

// What the telescope is asked to point at: an object of the catalogues or
// the solar system (by its slot of the object table), or a bare J2000
// direction, with the name messages call it by.

#include <optional>
#include <string>
#include <string_view>

#include "astro/apparent_place.h"

namespace kolvar {

struct TelescopeTarget {
    std::string Name;      // UTF-8
    int Slot = -1;         // slot of the object table; -1 for a bare direction
    CataloguePlace J2000;  // stars (with their proper motion), deep-sky objects, directions
};

// The object of a slot (0 .. SkyObjectCount - 1) with its display name.
TelescopeTarget TargetOfSlot(int slot);

// A J2000 direction (radians), named by its coordinates: "RA 0h42m44s Dec +41°16′".
TelescopeTarget TargetAtDirection(double rightAscension, double declination);

// The first object `utf8` names as find takes names (the whole name before a
// beginning, brighter first; an NGC/IC object the chart lacks by its
// catalogue place); nothing when only constellations or names a letter or
// two off match.
std::optional<TelescopeTarget> TargetNamed(std::string_view utf8);

// The star or deep-sky object nearest to a J2000 direction, if one lies
// within `radius` (radians).
std::optional<TelescopeTarget> NearestObject(const EquatorialPlace& j2000, double radius);

// The place of date to send to the mount at an instant (Julian day, UT). The
// Sun, the Moon and the planets come from the program's own theories of the
// date, seen from `site` (the Moon's parallax is up to a degree).
EquatorialPlace TargetPlaceOfDate(const TelescopeTarget& target, const GeodeticPlace& site,
                                  double julianDayUt);

// "0h42m44.3s" and "+41°16′09″" (UTF-8) for messages and names.
std::string HoursText(double radians);
std::string DegreesText(double radians);

}  // namespace kolvar
