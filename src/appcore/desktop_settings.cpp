#include "appcore/desktop_settings.h"

#include "appcore/ini_file.h"
#include "appcore/number_text.h"
#include "appcore/view_settings.h"

namespace kolvar {
namespace {

constexpr const char* WindowSection = "WINDOW";
constexpr const char* CitySection = "CITY";

// A placement is taken only whole: all four keys whole numbers and a size.
WindowPlacement ReadPlacement(const IniFile& ini, const std::string& prefix) {
    int value[4] = {};
    const char* keys[4] = {"Left", "Top", "Width", "Height"};
    for (int i = 0; i < 4; ++i) {
        const auto text = ini.Read(WindowSection, prefix + keys[i]);
        const auto number = text ? ParseIniInteger(*text) : std::nullopt;
        if (!number) return {};
        value[i] = *number;
    }
    WindowPlacement p{value[0], value[1], value[2], value[3]};
    return p.Stored() ? p : WindowPlacement{};
}

void WritePlacement(IniFile& ini, const std::string& prefix, const WindowPlacement& p) {
    if (!p.Stored()) return;
    ini.Write(WindowSection, prefix + "Left", std::to_string(p.Left));
    ini.Write(WindowSection, prefix + "Top", std::to_string(p.Top));
    ini.Write(WindowSection, prefix + "Width", std::to_string(p.Width));
    ini.Write(WindowSection, prefix + "Height", std::to_string(p.Height));
}

}  // namespace

DesktopSettings ReadDesktopSettings(const IniFile& ini) {
    DesktopSettings s;
    s.Letters = ini.ReadString(ViewSection, "Script", "runic") == "latin" ? Script::Latin : Script::Runic;
    s.Main = ReadPlacement(ini, "");
    s.CloseUp = ReadPlacement(ini, "CloseUp");
    s.CityName = ini.ReadString(CitySection, "Name", "");
    s.HorizonFile = ini.ReadString("HORIZON", "File", "");
    return s;
}

void WriteDesktopSettings(IniFile& ini, const DesktopSettings& settings) {
    // A file that never saw the choice keeps no Script key for the runes.
    if (settings.Letters == Script::Latin || ini.Read(ViewSection, "Script"))
        ini.Write(ViewSection, "Script", settings.Letters == Script::Latin ? "latin" : "runic");
    WritePlacement(ini, "", settings.Main);
    WritePlacement(ini, "CloseUp", settings.CloseUp);
    // The key stays once written, emptied when the place is typed again.
    if (!settings.CityName.empty() || ini.Read(CitySection, "Name"))
        ini.Write(CitySection, "Name", settings.CityName);
    if (!settings.HorizonFile.empty() || ini.Read("HORIZON", "File"))
        ini.Write("HORIZON", "File", settings.HorizonFile);
}

}  // namespace kolvar
