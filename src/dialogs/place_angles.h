#pragma once

#include <string>

namespace kolvar {

// The place dialog's arithmetic on its fields, without the window.

// How closely the seconds shown give back the stored angle, in arc seconds.
inline constexpr double ShownAngleTolerance = 1e-6;

// An angle's magnitude as the place dialog shows it: whole degrees, whole
// arc minutes and the arc seconds with the fewest decimals (at most six) that
// give back the angle to within ShownAngleTolerance through AngleOfFields,
// so 0, 0.5 and 20.39222 rather than binary noise, and 51' rather than
// 50' 59.99999999994". `separator` is the decimal separator written. The
// angle is at most a half turn, as the dialog's normalisation leaves it.
struct AngleFields {
    int Degrees = 0;
    int Minutes = 0;
    std::string Seconds;
};
AngleFields ShownAngle(double radians, char separator);

// The angle in radians that the fields add up to, as typed: degrees plus
// minutes / 60 plus seconds / 3600, with no range checks (the degrees may
// hold a fraction when minutes and seconds are left empty).
double AngleOfFields(double degrees, int minutes, double seconds);

}  // namespace kolvar
