#pragma once

namespace kolvar {

// Whether the mean orbital elements give the Sun, the Moon and every planet a
// finite geocentric position on this Julian day (UT). Far from the year 2000
// the linear element rates drive an eccentricity past 1 or a semi-major axis
// below 0, and the orbit has no position; such a day, and any non-finite one,
// is outside the range that the program can draw or print.
bool ElementsCoverDay(double julianDay);

}  // namespace kolvar
