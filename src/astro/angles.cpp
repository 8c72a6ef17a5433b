#include "astro/angles.h"

#include <cmath>

namespace kolvar {

namespace {

// Catalogue signs: only '-' negates; the catalogues pass '+' otherwise.
long double ApplySign(char sign, long double value) { return sign == '-' ? -value : value; }

}  // namespace

long double HmsToRadians(int hours, int minutes, float seconds) {
    return ((minutes + seconds * (1.0L / 60)) * (1.0L / 60) + hours) * (1.0L / 12) * Pi;
}

long double DmsToRadians(char sign, int degrees, int minutes, float seconds) {
    return ApplySign(sign, ((minutes + seconds * (1.0L / 60)) * (1.0L / 60) + degrees) * (1.0L / 180) * Pi);
}

long double HmToRadians(int hours, float minutes) {
    return (hours + minutes * (1.0L / 60)) * (1.0L / 12) * Pi;
}

long double DmToRadians(char sign, int degrees, float minutes) {
    return ApplySign(sign, (degrees + minutes * (1.0L / 60)) * (1.0L / 180) * Pi);
}

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
