#include "chart/sky_phase.h"

#include <array>
#include <cstddef>

#include "astro/angles.h"

namespace kolvar {

namespace {

// Sky colours by phase, from a day blue to black; the limits grow as the sky
// darkens. The Milky Way is seen only once nautical twilight is over.
constexpr std::array<DaylightLook, 5> Looks{{
    {{60, 110, 170}, -1, false},
    {{35, 55, 105}, 1, false},
    {{15, 25, 60}, 3, false},
    {{6, 8, 25}, 5, true},
    {{0, 0, 0}, AllMarkers, true},
}};

}  // namespace

SkyPhase SkyPhaseOf(double sunAltitude) {
    // -50': the upper limb with the horizon's refraction.
    if (sunAltitude >= -0.8333 * RadiansPerDegree) return SkyPhase::Day;
    if (sunAltitude >= -6.0 * RadiansPerDegree) return SkyPhase::CivilTwilight;
    if (sunAltitude >= -12.0 * RadiansPerDegree) return SkyPhase::NauticalTwilight;
    if (sunAltitude >= -18.0 * RadiansPerDegree) return SkyPhase::AstronomicalTwilight;
    return SkyPhase::Night;
}

DaylightLook DaylightLookOf(SkyPhase phase) { return Looks[static_cast<std::size_t>(phase)]; }

Colour NightColour(Colour c) {
    const unsigned lightness = (77u * c.Red + 150u * c.Green + 29u * c.Blue + 128u) >> 8;
    return {static_cast<std::uint8_t>((lightness * NightBrightestRed + 127u) / 255u), 0, 0};
}

void MapToNightPalette(Bitmap& picture) {
    // One look-up per lightness instead of a multiplication per pixel.
    std::array<std::uint8_t, 256> red{};
    for (unsigned l = 0; l < 256; ++l)
        red[l] = static_cast<std::uint8_t>((l * NightBrightestRed + 127u) / 255u);
    std::uint8_t* p = picture.Data();
    const std::size_t n =
        static_cast<std::size_t>(picture.Width()) * static_cast<std::size_t>(picture.Height());
    for (std::size_t i = 0; i < n; ++i, p += 3) {
        p[0] = red[(77u * p[0] + 150u * p[1] + 29u * p[2] + 128u) >> 8];
        p[1] = 0;
        p[2] = 0;
    }
}

}  // namespace kolvar
