#pragma once

// The runic captions of the time controls: the Idő menu of the main window
// and the time keys of the help window. Each is written from its Hungarian
// source (Windows-1250, kept beside it and capitalised as the Latin-letter
// interface shows it) by the transliteration routine and stored reversed,
// because captions are drawn as stored. Menu captions carry one leading and
// one trailing blank like the other menu items.

#include <array>
#include <string_view>

#include "texts/runic_captions.h"

namespace kolvar {

struct TimeMenuTexts {
    RunicText Title;  // the menu bar's title
    RunicText Forward, Back, Now, RunningClock, PlayForward, PlayBackward, Pause;
    // The step sizes in the order of TimeStepUnit: minute .. year.
    std::array<RunicText, 8> Steps;
};
extern const TimeMenuTexts TimeMenuCaptions;

// One line of the key legend: the keys as printed on the keyboard (plain
// Windows-1250 text) and what they do.
struct KeyLegendLine {
    std::string_view Keys;
    RunicText Meaning;
};
extern const std::array<KeyLegendLine, 5> TimeKeyLegend;

// Shown over the chart when a step would leave the range of the orbital
// elements (plain Hungarian, Windows-1250).
extern const std::string_view ElementsEdgeMessage;

// Shown in the time dialog while an edit of its civil fields waits to be
// converted: why OK is disabled and what converts.
extern const RunicText TimeDlgWaitNote;

}  // namespace kolvar
