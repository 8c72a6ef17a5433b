#pragma once

// An instant as Hungarian civil date and clock time in an observer's zone.

#include <string>

namespace kolvar {

// The instant in Windows-1250, in two parts: the date with the weekday
// ("2026. augusztus 12., szerda") and the clock time with the zone
// ("20:30 (UTC+2)"); the window title and a printed sheet's header show them.
// The clock shows the minute of the instant rounded to the second. Both "?"
// for an instant that is no number.
struct CivilInstantText {
    std::string Date;
    std::string Clock;
};
CivilInstantText CivilInstantTextOf(double julianDay, double zoneHours, bool summerTime);

}  // namespace kolvar
