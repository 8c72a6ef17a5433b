#pragma once

// The lowest altitude the mount may be sent to: below it a slew is refused,
// with a message naming the target and where it stands.

#include <optional>
#include <string>

#include "astro/apparent_place.h"
#include "telescope/telescope_target.h"

namespace kolvar {

// Where a target stands for a slew: its geometric altitude (no refraction)
// at `site` and the instant (Julian day, UT), against the limit.
struct AltitudeCheck {
    double Altitude = 0.0;  // radians
    double Limit = 0.0;     // radians
    bool Allowed() const { return Altitude >= Limit; }
};
AltitudeCheck CheckAltitude(const TelescopeTarget& target, const GeodeticPlace& site, double julianDayUt,
                            double limit);

// "M31 stands at -12.3°, below the horizon" or "... below the limit of 15.0°"
// (UTF-8); nothing when the slew is allowed.
std::optional<std::string> AltitudeRefusal(const std::string& targetName, const AltitudeCheck& check);

}  // namespace kolvar
