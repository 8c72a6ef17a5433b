#pragma once

// Summer-time rules: when a zone's civil clock runs an hour ahead of its
// standard time. The rules in force today are applied to every year.

namespace kolvar {

enum class SummerTimeRule {
    None,
    // The European Union: from the last Sunday of March to the last Sunday
    // of October, 01:00 UT both.
    Europe,
    // The United States and Canada: from the second Sunday of March, 02:00
    // standard time, to the first Sunday of November, 02:00 summer time.
    UnitedStates,
};

// Whether summer time is in effect at the instant (Julian day, UT) in a zone
// `zoneHours` east of Greenwich (standard time) under the rule.
bool SummerTimeAt(SummerTimeRule rule, double julianDay, double zoneHours);

// The instant (Julian day, UT) at which the zone's civil clock reads
// `wallClock` (the reading written as a Julian day, as if in UT). A reading
// in the hour that the spring change skips is taken as standard time; one in
// the hour that the autumn change repeats, as the first of the two (summer
// time).
double InstantOfWallClock(double wallClock, double zoneHours, SummerTimeRule rule);

}  // namespace kolvar
