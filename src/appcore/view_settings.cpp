#include "appcore/view_settings.h"

#include <algorithm>
#include <optional>
#include <span>
#include <string>

#include "appcore/ini_file.h"
#include "appcore/number_text.h"
#include "appcore/view_switches.h"

namespace kolvar {

namespace {

constexpr const char* MagnitudeKey = "LabelMagnitude";
constexpr const char* BodyMagnitudeKey = "Magnitude";

bool Kept(const ViewSwitch& s, SwitchKeeping keeping) { return s.Keeping == keeping; }

// A switch's value as the file has it: its on or off word; 0 or another
// number for the 0-and-1 switches. Nothing for what it cannot read.
std::optional<bool> SwitchValue(const ViewSwitch& s, const std::string& text) {
    if (text == s.OnText) return true;
    if (s.OnText != "1") return false;  // a word other than its own turns a worded switch off
    if (auto value = ParseIniInteger(text)) return *value != 0;
    return std::nullopt;
}

const ViewSwitch& SmallBodySwitch() { return *ViewSwitchOfAction("SmallBodies1"); }

}  // namespace

ViewOptions ReadViewSettings(const IniFile& ini) {
    ViewOptions view;
    for (const ViewSwitch& s : ViewSwitches()) {
        const char* section = Kept(s, SwitchKeeping::OwnSection) ? SmallBodySection : ViewSection;
        if (auto text = ini.Read(section, s.SettingsKey))
            if (auto on = SwitchValue(s, *text)) s.Put(view, *on);
    }
    if (auto text = ini.Read(ViewSection, MagnitudeKey))
        if (auto value = ParseIniDouble(*text, LocaleDecimalSeparator()))
            view.LabelMagnitude = std::clamp(*value, SmallestLabelMagnitude, LargestLabelMagnitude);
    if (auto text = ini.Read(SmallBodySection, BodyMagnitudeKey))
        if (auto value = ParseIniDouble(*text, LocaleDecimalSeparator()))
            view.SmallBodyMagnitude =
                std::clamp(*value, SmallestSmallBodyMagnitude, LargestSmallBodyMagnitude);
    return view;
}

void WriteViewSettings(IniFile& ini, const ViewOptions& view) {
    const std::span<const ViewSwitch> switches = ViewSwitches();
    const bool sectionThere = std::any_of(switches.begin(), switches.end(),
                                          [&](const ViewSwitch& s) {
                                              return Kept(s, SwitchKeeping::WithSection) &&
                                                     ini.Read(ViewSection, s.SettingsKey).has_value();
                                          }) ||
                              ini.Read(ViewSection, MagnitudeKey).has_value();
    const ViewOptions plain;
    const bool chosen = view.LabelMagnitude != plain.LabelMagnitude ||
                        std::any_of(switches.begin(), switches.end(), [&](const ViewSwitch& s) {
                            return !Kept(s, SwitchKeeping::OwnSection) && s.Get(view) != s.Get(plain);
                        });
    if (sectionThere || chosen) {
        const auto write = [&](const ViewSwitch& s) {
            ini.Write(ViewSection, s.SettingsKey, s.Get(view) ? s.OnText : s.OffText);
        };
        for (const ViewSwitch& s : switches)
            if (Kept(s, SwitchKeeping::WithSection)) write(s);
        ini.Write(ViewSection, MagnitudeKey, FormatGeneral15(view.LabelMagnitude));
        for (const ViewSwitch& s : switches)
            if (Kept(s, SwitchKeeping::OnceOn) &&
                (s.Get(view) || ini.Read(ViewSection, s.SettingsKey).has_value()))
                write(s);
    }
    const ViewSwitch& bodies = SmallBodySwitch();
    const bool bodiesThere = ini.Read(SmallBodySection, bodies.SettingsKey).has_value() ||
                             ini.Read(SmallBodySection, BodyMagnitudeKey).has_value();
    if (bodiesThere || bodies.Get(view) != bodies.Get(plain) ||
        view.SmallBodyMagnitude != plain.SmallBodyMagnitude) {
        ini.Write(SmallBodySection, bodies.SettingsKey, bodies.Get(view) ? bodies.OnText : bodies.OffText);
        ini.Write(SmallBodySection, BodyMagnitudeKey, FormatGeneral15(view.SmallBodyMagnitude));
    }
}

}  // namespace kolvar
