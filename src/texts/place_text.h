#pragma once

// The observer's place as a text: latitude and longitude in degrees and
// whole minutes with their Hungarian hemisphere letters,
//   47°35′ É, 19°04′ K   (the window title, UTF-8)
//   47°35' É, 19°04' K   (a printed sheet's header, Windows-1250)

#include <string>

namespace kolvar {

enum class PlaceTextEncoding {
    Utf8,         // degree sign and the minute sign U+2032
    Windows1250,  // degree sign 0xB0 and an apostrophe for the minute
};

// The place is read as a direction, the way the place dialog normalises it,
// so a longitude stored past 180 degrees shows as western; each angle is
// rounded to the minute. "?" for a place that is no number.
std::string PlaceText(double longitudeRadians, double latitudeRadians, PlaceTextEncoding encoding);

}  // namespace kolvar
