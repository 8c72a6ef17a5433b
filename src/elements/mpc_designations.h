#pragma once

// The Minor Planet Center's packed forms: numbers, provisional designations
// of minor planets and comets, and dates, as its one-line orbit formats
// write them. Each returns nothing for a text that is not of its form.

#include <optional>
#include <string>
#include <string_view>

namespace kolvar {

// "00001" -> 1, "A0000" -> 100000, "z9999" -> 619999, and past that the
// tilde form "~0000" -> 620000, "~AZaz" -> 3140113 (four base-62 digits).
std::optional<long> UnpackMinorPlanetNumber(std::string_view packed);

// A minor planet's seven-character provisional designation: "J95X00A" ->
// "1995 XA", "K07Tf8A" -> "2007 TA418", and the surveys "PLS2040" ->
// "2040 P-L", "T1S3138" -> "3138 T-1".
std::optional<std::string> UnpackMinorPlanetProvisional(std::string_view packed);

// A comet's seven-character provisional designation: "J95O010" -> "1995 O1",
// "K05F02b" -> "2005 F2-B" (a fragment), and the minor-planet form some comets
// carry, "K14UR1N" -> "2014 UN271".
std::optional<std::string> UnpackCometProvisional(std::string_view packed);

// The five-character packed date "K2555" (2025 May 5) as a Julian day at 0 h.
std::optional<double> UnpackDate(std::string_view packed);

// The Julian day at 0 h of a civil (Gregorian) date plus a day fraction; nothing
// for a month or day out of range.
std::optional<double> JulianDayOfDate(int year, int month, double day);

}  // namespace kolvar
