#pragma once

#include "astro/time_steps.h"

namespace kolvar {

class IniFile;

// What the main window keeps of its time controls between runs, in the
// settings file's own section [TIMESTEP]: the step size (Step, as the
// command line writes steps: 1m, 1h, 1d, 1sd, 1w, 1lm, 1mo, 1y) and whether
// the clock runs (RunningClock, 1 or 0). A file without the section gives a
// stopped clock and steps of one hour, as does an empty or unknown step.
struct TimeStepSettings {
    TimeStep Step;  // one hour
    bool RunningClock = false;
};

TimeStepSettings ReadTimeStepSettings(const IniFile& ini);
void WriteTimeStepSettings(IniFile& ini, const TimeStepSettings& settings);

}  // namespace kolvar
