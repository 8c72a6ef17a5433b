#pragma once

namespace kolvar {

inline constexpr double Pi = 3.141592653589793;
inline constexpr double TwoPi = 6.283185307179586;
inline constexpr double HalfPi = Pi / 2;
inline constexpr double QuarterPi = Pi / 4;
inline constexpr double RadiansPerDegree = Pi / 180;
inline constexpr double DegreesPerRadian = 180 / Pi;
inline constexpr double RadiansPerArcminute = Pi / (180.0 * 60.0);
inline constexpr double RadiansPerArcsecond = Pi / (180.0 * 3600.0);
inline constexpr double RadiansPerHour = Pi / 12;  // of right ascension
inline constexpr double TropicalYearDays = 365.242199;

// Atlas units to radians. A sign character '-' negates the whole angle; any
// other character leaves it positive. No wrapping: 24 h gives 2*pi.
// Constant expressions, so that the catalogues are converted at compile time.
constexpr long double ApplyAngleSign(char sign, long double value) { return sign == '-' ? -value : value; }
constexpr long double HmsToRadians(int hours, int minutes, float seconds) {
    return ((minutes + seconds * (1.0L / 60)) * (1.0L / 60) + hours) * (1.0L / 12) * Pi;
}
constexpr long double DmsToRadians(char sign, int degrees, int minutes, float seconds) {
    return ApplyAngleSign(sign,
                          ((minutes + seconds * (1.0L / 60)) * (1.0L / 60) + degrees) * (1.0L / 180) * Pi);
}
constexpr long double HmToRadians(int hours, float minutes) {
    return (hours + minutes * (1.0L / 60)) * (1.0L / 12) * Pi;
}
constexpr long double DmToRadians(char sign, int degrees, float minutes) {
    return ApplyAngleSign(sign, (degrees + minutes * (1.0L / 60)) * (1.0L / 180) * Pi);
}

long double DaysToTropicalYears(long double days);

// Reduction to 0..2*pi (quotient truncated toward zero, lowered by one when
// negative) and to -pi..pi (one step of 2*pi either way).
double WrapTwoPi(double angle);
double WrapPi(double angle);

}  // namespace kolvar
