#pragma once

#include <string>

#include "texts/runic_captions.h"

namespace kolvar {

class IniFile;

// Where a window stood: its frame's top-left corner on the desktop and the
// size of its client area (for the main window the chart below the menu
// bar). A size of zero means none was stored.
struct WindowPlacement {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    bool Stored() const { return Width > 0 && Height > 0; }
};

// What the desktop program keeps between runs beside the five observer
// values, each in a section of its own:
//   [VIEW]   Script=runic or latin (runic when missing or unknown; not
//            written for the runes until the file has the key)
//   [WINDOW] Left, Top, Width, Height of the main window and CloseUpLeft,
//            CloseUpTop, CloseUpWidth, CloseUpHeight of the close-up
//   [CITY]   Name, the town chosen for the place (UTF-8; empty or missing
//            when the place was typed)
//   [HORIZON] File, a local horizon file (its path, UTF-8) drawn over the
//            chart and used by the tonight window; none when missing or empty
struct DesktopSettings {
    Script Letters = Script::Runic;
    WindowPlacement Main;
    WindowPlacement CloseUp;
    std::string CityName;     // UTF-8
    std::string HorizonFile;  // UTF-8 path
};

DesktopSettings ReadDesktopSettings(const IniFile& ini);
void WriteDesktopSettings(IniFile& ini, const DesktopSettings& settings);

}  // namespace kolvar
