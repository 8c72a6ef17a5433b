#pragma once

#include <string>

namespace kolvar {

// The main window's title: the instant as a Hungarian civil date and clock
// time in the observer's zone (summer time included), the weekday, the zone
// and the place in degrees and minutes, e.g.
//   Kolvar — 2026. augusztus 12., szerda 20:30 (UTC+2) — 47°35′ É, 19°04′ K
// (texts/civil_instant_text.h and texts/place_text.h write the parts).
// Returned as UTF-8: the title goes straight to the desktop and holds the
// minute sign, which Windows-1250 lacks; the Hungarian words are kept in
// Windows-1250 like every plain text and converted here.
std::string WindowTitle(double julianDay, double zoneHours, bool summerTime, double longitude,
                        double latitude);

}  // namespace kolvar
