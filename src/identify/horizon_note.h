#pragma once

#include <string>

namespace kolvar {

// What the find dialog says about a found object that cannot be seen now:
// whether it is below the horizon and, if so, when it next rises.
enum class HorizonState {
    Above,          // up now (or its upper limb is, for the Sun and the Moon)
    RisesLater,     // below now; Rise holds when it comes up
    NeverRises,     // a star or deep-sky object that never comes up at this latitude
    NotRisingSoon,  // the Sun, the Moon or a planet below for the two days followed
};
struct HorizonNote {
    HorizonState State = HorizonState::Above;
    double Rise = 0.0;  // the next rising, Julian day (UT), for RisesLater
};

// The note for one slot of the SkyObjectTable at one place and instant,
// from the chart's own placement: below the horizon means below the altitude
// the object rises and sets at (the upper limb with refraction for the Sun
// and the Moon), so the note and the rising time never disagree.
HorizonNote HorizonNoteOf(int slot, double longitude, double latitude, double julianDay);

// The same for a fixed J2000 direction of the sky (radians), followed for a
// day at the horizon.
HorizonNote HorizonNoteOfDirection(double rightAscension, double declination, double longitude,
                                   double latitude, double julianDay);

// An instant as civil time in a zone (hours east, summer time adding one),
// to the nearest minute, with the zone: "2024.08.14. 04:15 (UTC+1)",
// "... (UTC+5:30)", "... (UTC)" for zone 0. Digits and Latin letters only, so
// it reads the same beside a runic or a plain caption.
std::string CivilTimeText(double julianDay, double zoneHours, bool summerTime);

}  // namespace kolvar
