#include "appcore/window_title.h"

#include <cmath>
#include <string_view>

#include "canvas/cp1250.h"
#include "texts/civil_instant_text.h"
#include "texts/place_text.h"

namespace kolvar {

namespace {

constexpr std::string_view Dash = " \u2014 ";

std::string InstantText(double julianDay, double zoneHours, bool summerTime) {
    if (!std::isfinite(julianDay)) return "?";
    const CivilInstantText text = CivilInstantTextOf(julianDay, zoneHours, summerTime);
    return Cp1250ToUtf8(text.Date + " " + text.Clock);
}

}  // namespace

std::string WindowTitle(double julianDay, double zoneHours, bool summerTime, double longitude,
                        double latitude) {
    return "Kolvar" + std::string(Dash) + InstantText(julianDay, zoneHours, summerTime) + std::string(Dash) +
           PlaceText(longitude, latitude, PlaceTextEncoding::Utf8);
}

}  // namespace kolvar
