#pragma once

// Tonight's plan as the sheets print it (print/plan_sheet.h): the night's
// times and the list in the tonight window's columns, on the observer's
// clock, and a finder chart for every object around its place at its best
// time (the planets where they stand then).

#include <functional>
#include <span>
#include <string>

#include "catalog/deep_star_file.h"
#include "plan/night.h"
#include "plan/tonight_list.h"
#include "print/plan_sheet.h"

namespace kolvar {

// "21:24" for an instant (Julian day, UT) on the observer's clock.
using ClockText = std::function<std::string(double julianDay)>;

// The finder's field for an object: three times its size, from 1 to 10
// degrees; 3 degrees for the stars and planets.
double PlanFinderField(const Candidate& object);

// The sheets titled "Ma éjjel", the local date (as given) and the place.
PlanSheetRequest TonightPlanSheet(const Night& night, std::span<const TonightEntry> list,
                                  const ClockText& clock, const std::string& date, const GeodeticPlace& site,
                                  const DeepStarFile* stars);

}  // namespace kolvar
