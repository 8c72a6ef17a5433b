#pragma once

#include <string>

namespace kolvar {

// The main window's title: the instant as a Hungarian civil date and clock
// time in the observer's zone (summer time included), the weekday, the zone
// and the place in degrees and minutes, e.g.
//   Kolvar — 2026. augusztus 12., szerda 20:30 (UTC+2) — 47°35′ É, 19°04′ K
// The clock shows the minute of the instant rounded to the second; the
// place is read as a direction, so a longitude stored past 180 degrees shows
// as western. Returned as UTF-8: the title goes straight to the desktop and
// holds the minute sign, which Windows-1250 lacks; the Hungarian words are
// kept in Windows-1250 like every plain text and converted here.
std::string WindowTitle(double julianDay, double zoneHours, bool summerTime, double longitude,
                        double latitude);

// The instant of the title in Windows-1250, in its two parts: the date with
// the weekday ("2026. augusztus 12., szerda") and the clock time with the
// zone ("20:30 (UTC+2)"); a printed sheet's header shows them too. Both "?"
// for an instant that is no number.
struct CivilInstantText {
    std::string Date;
    std::string Clock;
};
CivilInstantText CivilInstantTextOf(double julianDay, double zoneHours, bool summerTime);

}  // namespace kolvar
