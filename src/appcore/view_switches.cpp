#include "appcore/view_switches.h"

#include <array>

#include "texts/small_body_texts.h"

namespace kolvar {

namespace {

const ViewMenuTexts& Menu() { return ViewMenuCaptions(); }

constexpr std::array Switches{
    ViewSwitch{.Action = "Figures1",
               .SettingsKey = "Figures",
               .ShowWord = "lines",
               .Key = "C",
               .KeyHelp = "a csillagk\xE9pek vonalai",
               .InFirstHint = true,
               .Get = [](const ViewOptions& v) { return v.Figures; },
               .Put = [](ViewOptions& v, bool on) { v.Figures = on; },
               .Caption = []() -> const ViewCaption& { return Menu().Figures; }},
    ViewSwitch{.Action = "Names1",
               .SettingsKey = "Names",
               .ShowWord = "names",
               .Key = "V",
               .KeyHelp = "a csillagk\xE9pek nevei",
               .InFirstHint = true,
               .Get = [](const ViewOptions& v) { return v.Names; },
               .Put = [](ViewOptions& v, bool on) { v.Names = on; },
               .Caption = []() -> const ViewCaption& { return Menu().Names; }},
    ViewSwitch{.Action = "RunicNames1",
               .SettingsKey = "RunicNames",
               .ShowWord = "runes",
               .ShowNote = "runic names beneath",
               .Get = [](const ViewOptions& v) { return v.RunicNames; },
               .Put = [](ViewOptions& v, bool on) { v.RunicNames = on; },
               .Caption = []() -> const ViewCaption& { return Menu().RunicNames; }},
    ViewSwitch{.Action = "Labels1",
               .SettingsKey = "Labels",
               .ShowWord = "labels",
               .Key = "L",
               .KeyHelp = "az \xE9gitestek feliratai",
               .InFirstHint = true,
               .Get = [](const ViewOptions& v) { return v.Labels; },
               .Put = [](ViewOptions& v, bool on) { v.Labels = on; },
               .Caption = []() -> const ViewCaption& { return Menu().Labels; }},
    ViewSwitch{.Action = "Directions1",
               .SettingsKey = "Directions",
               .ShowWord = "directions",
               .Key = "D",
               .KeyHelp = "az \xE9gt\xE1jak bet\xFBi",
               .InFirstHint = true,
               .Get = [](const ViewOptions& v) { return v.Directions; },
               .Put = [](ViewOptions& v, bool on) { v.Directions = on; },
               .Caption = []() -> const ViewCaption& { return Menu().Directions; }},
    ViewSwitch{.Action = "AltAzGrid1",
               .SettingsKey = "AltAzGrid",
               .Keeping = SwitchKeeping::OnceOn,
               .ShowWord = "grid",
               .ShowNote = "altitude-azimuth",
               .Key = "G",
               .KeyHelp = "a horizont\xE1lis h\xE1l\xF3",
               .Get = [](const ViewOptions& v) { return v.Lines.AltAzGrid; },
               .Put = [](ViewOptions& v, bool on) { v.Lines.AltAzGrid = on; },
               .Caption = []() -> const ViewCaption& { return Menu().AltAzGrid; }},
    ViewSwitch{.Action = "EquatorialGrid1",
               .SettingsKey = "EquatorialGrid",
               .Keeping = SwitchKeeping::OnceOn,
               .ShowWord = "eqgrid",
               .ShowNote = "equatorial",
               .Key = "Q",
               .KeyHelp = "az ekvatori\xE1lis h\xE1l\xF3",
               .Get = [](const ViewOptions& v) { return v.Lines.EquatorialGrid; },
               .Put = [](ViewOptions& v, bool on) { v.Lines.EquatorialGrid = on; },
               .Caption = []() -> const ViewCaption& { return Menu().EquatorialGrid; }},
    ViewSwitch{.Action = "Equator1",
               .SettingsKey = "Equator",
               .Keeping = SwitchKeeping::OnceOn,
               .ShowWord = "equator",
               .Key = "E",
               .KeyHelp = "az \xE9gi egyenl\xEDt\xF5",
               .Get = [](const ViewOptions& v) { return v.Lines.Equator; },
               .Put = [](ViewOptions& v, bool on) { v.Lines.Equator = on; },
               .Caption = []() -> const ViewCaption& { return Menu().Equator; }},
    ViewSwitch{.Action = "Ecliptic1",
               .SettingsKey = "Ecliptic",
               .Keeping = SwitchKeeping::OnceOn,
               .ShowWord = "ecliptic",
               .Key = "K",
               .KeyHelp = "az ekliptika",
               .Get = [](const ViewOptions& v) { return v.Lines.Ecliptic; },
               .Put = [](ViewOptions& v, bool on) { v.Lines.Ecliptic = on; },
               .Caption = []() -> const ViewCaption& { return Menu().Ecliptic; }},
    ViewSwitch{.Action = "SmallBodies1",
               .SettingsKey = "Show",
               .Keeping = SwitchKeeping::OwnSection,
               .ShowWord = "small-bodies",
               .ShowNote = "comets and minor planets",
               .Key = "U",
               .KeyHelp = "az \xFCst\xF6k\xF6s\xF6k \xE9s kisbolyg\xF3k",
               .Get = [](const ViewOptions& v) { return v.SmallBodies; },
               .Put = [](ViewOptions& v, bool on) { v.SmallBodies = on; },
               .Caption = []() -> const ViewCaption& { return SmallBodyCaptions().Show; }},
    ViewSwitch{.Action = "SmoothStyle1",
               .SettingsKey = "Style",
               .Keeping = SwitchKeeping::OnceOn,
               .OnText = "sima",
               .OffText = "alap",
               .Key = "S",
               .KeyHelp = "a sima rajz",
               .Get = [](const ViewOptions& v) { return v.Style == ChartStyle::Smooth; },
               .Put = [](ViewOptions& v, bool on) { v.Style = on ? ChartStyle::Smooth : ChartStyle::Plain; },
               .Caption = []() -> const ViewCaption& { return Menu().SmoothStyle; }},
    ViewSwitch{.Action = "Night1",
               .SettingsKey = "Night",
               .CliOption = "--night",
               .Key = "Ctrl+N",
               .KeyHelp = "\xE9jszakai n\xE9zet",
               .Get = [](const ViewOptions& v) { return v.Night; },
               .Put = [](ViewOptions& v, bool on) { v.Night = on; },
               .Caption = []() -> const ViewCaption& { return Menu().Night; }},
    ViewSwitch{.Action = "Daylight1",
               .SettingsKey = "Daylight",
               .CliOption = "--daylight",
               .Key = "A",
               .KeyHelp = "nappali \xE9g",
               .Get = [](const ViewOptions& v) { return v.Daylight; },
               .Put = [](ViewOptions& v, bool on) { v.Daylight = on; },
               .Caption = []() -> const ViewCaption& { return Menu().Daylight; }},
};

}  // namespace

std::span<const ViewSwitch> ViewSwitches() { return Switches; }

const ViewSwitch* ViewSwitchOfAction(std::string_view action) {
    for (const ViewSwitch& s : Switches)
        if (s.Action == action) return &s;
    return nullptr;
}

void TurnViewSwitch(ViewOptions& view, const ViewSwitch& s, bool on) {
    s.Put(view, on);
    if (s.Action == "RunicNames1" && on) view.Names = true;
    if (s.Action == "Names1" && !on) view.RunicNames = false;
}

std::string FirstStartHint() {
    std::string hint;
    for (const ViewSwitch& s : Switches) {
        if (!s.InFirstHint) continue;
        hint += s.Key;
        hint += ": ";
        hint += s.Caption().Hungarian;
        hint += ",  ";
    }
    return hint + "Ctrl+F: keres\xE9s";
}

}  // namespace kolvar
