#pragma once

// The texts a user writes for instants and steps: the command line's --date
// and --step values and the step size kept in the settings file.

#include <optional>
#include <string>
#include <string_view>

#include "astro/outcome.h"
#include "astro/time_steps.h"

namespace kolvar {

// A civil date and clock time as written, before a zone is applied.
struct CivilDateTime {
    int Year = 0;
    int Month = 1;
    int Day = 1;
    int Hour = 0;
    int Minute = 0;
    double Second = 0.0;

    friend bool operator==(const CivilDateTime&, const CivilDateTime&) = default;
};

// Reads YYYY-MM-DD, YYYY-MM-DDTHH:MM or YYYY-MM-DDTHH:MM:SS[.fff]. The year
// may be negative or longer than four digits; month, day, hour, minute and
// second have two digits each and must name a real date and time (no 30
// February, no 24:00). Otherwise the error is a short reason.
Outcome<CivilDateTime> ParseCivilDateTime(std::string_view text);

// The Julian day (UT) of a civil date and time in a zone (hours east) with
// or without summer time, as the time dialog converts it.
double JulianDayOfCivil(const CivilDateTime& civil, double zoneHours, bool summerTime);

// Steps as counts with a unit: 10m, 1h, 1d, 1sd (sidereal day), 1w, 1lm
// (lunar month), 1mo (calendar month), 1y. The count is 1..MaxStepCount.
inline constexpr int MaxStepCount = 100000;
std::optional<TimeStep> ParseTimeStep(std::string_view text);
std::string FormatTimeStep(const TimeStep& step);

}  // namespace kolvar
