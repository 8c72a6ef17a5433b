// Every runic text the program can draw: the fixed captions, every name of the
// runic tables, the "=" that marks further names in the label, and the symbol
// codes 149..170 one by one. The font and rendering tests walk this list.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "appcore/view_switches.h"
#include "catalog/runic_names.h"
#include "texts/help_text.h"
#include "texts/interface_captions.h"
#include "texts/print_captions.h"
#include "texts/runic_captions.h"
#include "texts/time_captions.h"

namespace kolvar {

inline std::vector<std::string> AllRunicTexts() {
    std::vector<std::string> texts;
    auto add = [&](std::string_view s) { texts.emplace_back(s); };
    for (const NamedRunicCaption& c : AllRunicCaptions()) add(c.Stored);
    add(PrintMenuCaptions().Print.Runic);
    add(PrintMenuCaptions().SaveAsImage.Runic);
    const InterfaceTexts& i = InterfaceCaptions;
    for (const RunicText& t : {i.LatinLetters, i.CityButton, i.CityHeading, i.CitySearch, i.CityZone})
        add(t.Runic);
    for (const HelpLine& line : HelpText)
        if (!line.Hungarian.empty()) add(RunicLine(line.Hungarian));
    for (const ViewSwitch& s : ViewSwitches())
        if (!s.KeyHelp.empty()) add(RunicLine(s.KeyHelp));
    const TimeMenuTexts& m = TimeMenuCaptions;
    for (const RunicText& t :
         {m.Title, m.Forward, m.Back, m.Now, m.RunningClock, m.PlayForward, m.PlayBackward, m.Pause})
        add(t.Runic);
    for (const RunicText& t : m.Steps) add(t.Runic);
    for (const KeyLegendLine& line : TimeKeyLegend) add(line.Meaning.Runic);
    const RunicNameTables& n = RunicNames();
    for (const auto* table : {&n.RunicNameTableA, &n.RunicNameTableB}) {
        for (const RunicNameRecord& r : *table) add(r.RunicName);
    }
    for (const RunicConstellationName& c : n.RunicConstellationNames) add(c.RunicName);
    for (const RunicGroupName& g : n.PleiadesRunicNames) add(g.RunicName);
    for (const RunicGroupName& g : n.HyadesRunicNames) add(g.RunicName);
    add("=");
    for (int code = 149; code <= 170; ++code) add(std::string(1, static_cast<char>(code)));
    return texts;
}

}  // namespace kolvar
