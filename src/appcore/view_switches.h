#pragma once

// Every on-and-off switch of the view, declared once: the name of its menu
// action, its key in the settings file, its word in the command line's
// --show or its own option, its key on the chart and its captions. The
// settings, the command line, the Nézet menu and the chart's key handling
// all read this table, so the key shown beside a menu item is the key that
// turns it, and a new switch is one more row.

#include <span>
#include <string>
#include <string_view>

#include "chart/view_options.h"
#include "texts/view_captions.h"

namespace kolvar {

// How a switch is kept in the settings file.
enum class SwitchKeeping : unsigned char {
    WithSection,  // in [VIEW] beside every other such key, once the section is written
    OnceOn,       // in [VIEW] from the first time it was on: a file that never saw it keeps its section
    OwnSection,   // in a section of its own with its other settings (SMALLBODIES)
};

struct ViewSwitch {
    std::string_view Action{};       // the menu action's object name
    std::string_view SettingsKey{};  // its key in the settings file
    SwitchKeeping Keeping = SwitchKeeping::WithSection;
    std::string_view OnText = "1", OffText = "0";  // its values there
    std::string_view ShowWord{};                   // its word in --show; empty when it has none
    std::string_view ShowNote{};   // told in brackets after the word in --show's help; empty for nothing
    std::string_view CliOption{};  // its own command-line flag (--night); empty when it has none
    std::string_view Key{};  // its key on the chart as the menu shows it ("C", "Ctrl+N"); empty for none
    // What the help window's list of keys says the key does (plain
    // Hungarian, Windows-1250); empty: the key is not listed there.
    std::string_view KeyHelp{};
    bool InFirstHint = false;  // named in the note over a first start's chart
    bool (*Get)(const ViewOptions& view) = nullptr;
    void (*Put)(ViewOptions& view, bool on) = nullptr;  // this switch alone
    const ViewCaption& (*Caption)() = nullptr;
};

// In the order the command line lists its words.
std::span<const ViewSwitch> ViewSwitches();

// The switch of a menu action; nothing for another name.
const ViewSwitch* ViewSwitchOfAction(std::string_view action);

// Turns a switch as the reader turns it: asking for the runic names shows
// the names too, and hiding the names hides the runic ones beneath them.
void TurnViewSwitch(ViewOptions& view, const ViewSwitch& s, bool on);

// The one-line note over the chart on a first start: the keys of the
// switches it names, then find, in plain Hungarian (Windows-1250).
std::string FirstStartHint();

}  // namespace kolvar
