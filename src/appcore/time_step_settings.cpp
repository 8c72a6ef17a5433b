#include "appcore/time_step_settings.h"

#include "appcore/ini_file.h"
#include "appcore/number_text.h"
#include "appcore/time_texts.h"

namespace kolvar {

namespace {

constexpr const char* Section = "TIMESTEP";

}  // namespace

TimeStepSettings ReadTimeStepSettings(const IniFile& ini) {
    TimeStepSettings settings;
    // The window offers single units only; any other step falls back to an hour.
    if (auto text = ini.Read(Section, "Step"))
        if (auto step = ParseTimeStep(*text); step && step->Count == 1) settings.Step = *step;
    if (auto text = ini.Read(Section, "RunningClock"))
        settings.RunningClock = ParseIniInteger(*text).value_or(0) != 0;
    return settings;
}

void WriteTimeStepSettings(IniFile& ini, const TimeStepSettings& settings) {
    ini.Write(Section, "Step", FormatTimeStep(settings.Step));
    ini.Write(Section, "RunningClock", settings.RunningClock ? "1" : "0");
}

}  // namespace kolvar
