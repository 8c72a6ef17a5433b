#pragma once

// Captions the windows gained beside the fixed ones: the script choice, the
// city picker, the window titles and the plain names that screen readers
// speak for controls without a caption. Runic captions are written from
// their Hungarian by the transliteration routine and stored reversed, like
// every caption drawn as stored; menu captions carry one blank at each end.

#include <array>
#include <string_view>

#include "texts/runic_captions.h"

namespace kolvar {

struct InterfaceTexts {
    // The script choice in the character-size menu. In runes it is followed
    // by its Hungarian in Latin letters, so both readers find it.
    RunicText LatinLetters;
    // The place dialog's city button, the picker's heading and search label,
    // and the check box that takes the chosen town's time zone on OK.
    RunicText CityButton;
    RunicText CityHeading;
    RunicText CitySearch;
    RunicText CityZone;
};
extern const InterfaceTexts InterfaceCaptions;

// Window titles: plain Hungarian in either script, since the desktop draws
// them (Windows-1250).
struct WindowTitleTexts {
    std::string_view Main, CloseUp, Time, Place, Info, Help, City, Find;
};
extern const WindowTitleTexts WindowTitles;

// The spoken name of a control that shows no caption of its own (an edit, a
// frame, a picture), by component ("TTimeDlg.Year"); empty when none.
std::string_view PlainControlName(std::string_view component);

}  // namespace kolvar
