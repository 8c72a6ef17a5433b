#pragma once

#include <cstdint>

#include "canvas/bitmap.h"
#include "canvas/colour.h"

namespace kolvar {

// How dark the sky is, from the Sun's altitude: day (the Sun's upper limb
// up), civil, nautical and astronomical twilight (the Sun down to 6, 12 and
// 18 degrees), night.
enum class SkyPhase : std::uint8_t { Day, CivilTwilight, NauticalTwilight, AstronomicalTwilight, Night };

SkyPhase SkyPhaseOf(double sunAltitude);  // radians

// The daylight view of a phase: the colour of the sky inside the horizon,
// the faintest magnitude class still marked (fainter stars and deep-sky
// objects are left out), and whether the Milky Way shows.
struct DaylightLook {
    Colour Sky;
    int FaintestMarkerClass;
    bool MilkyWay;
};
DaylightLook DaylightLookOf(SkyPhase phase);

// Every star and deep-sky marker is drawn under this limit.
inline constexpr int AllMarkers = 127;

// The night view maps every colour to a red of the same lightness, never
// brighter than this, with no green or blue at all.
inline constexpr std::uint8_t NightBrightestRed = 160;
Colour NightColour(Colour c);
void MapToNightPalette(Bitmap& picture);

}  // namespace kolvar
