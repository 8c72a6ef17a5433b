#include "astro/angles.h"

#include <cmath>

namespace kolvar {

long double DaysToTropicalYears(long double days) {
    return days / static_cast<long double>(TropicalYearDays);
}

double WrapTwoPi(double angle) {
    // The quotient is truncated in floating point rather than through an
    // integer so that huge or non-finite angles cannot overflow a conversion.
    double turns = std::trunc(angle * (1.0 / Pi) * 0.5);
    if (angle < 0.0) {
        turns -= 1.0;
    }
    return angle - TwoPi * turns;
}

double WrapPi(double angle) {
    if (angle > Pi) {
        return angle - TwoPi;
    }
    if (angle < -Pi) {
        return angle + TwoPi;
    }
    return angle;
}

}  // namespace kolvar
