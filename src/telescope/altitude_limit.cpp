#include "telescope/altitude_limit.h"

#include <cstdio>

#include "astro/angles.h"

namespace kolvar {

AltitudeCheck CheckAltitude(const TelescopeTarget& target, const GeodeticPlace& site, double julianDayUt,
                            double limit) {
    const EquatorialPlace ofDate = TargetPlaceOfDate(target, site, julianDayUt);
    const ObservedDirection seen = ObservedFromApparent(ofDate, site, julianDayUt, NoRefraction);
    return {seen.Altitude, limit};
}

std::optional<std::string> AltitudeRefusal(const std::string& targetName, const AltitudeCheck& check) {
    if (check.Allowed()) return std::nullopt;
    char text[96];
    if (check.Limit == 0.0)
        std::snprintf(text, sizeof text, " stands at %.1f\u00b0, below the horizon",
                      check.Altitude * DegreesPerRadian);
    else
        std::snprintf(text, sizeof text, " stands at %.1f\u00b0, below the limit of %.1f\u00b0",
                      check.Altitude * DegreesPerRadian, check.Limit * DegreesPerRadian);
    return targetName + text;
}

}  // namespace kolvar
