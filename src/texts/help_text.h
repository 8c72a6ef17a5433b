#pragma once

// The help window's text: what the chart shows, what each mouse button,
// menu command and key does, and where the settings are kept. Kept in plain
// Hungarian (Windows-1250); the runic script shows it through the
// transliteration routine (RunicLine), one visual line at a time.

#include <array>
#include <string>
#include <string_view>

namespace kolvar {

enum class HelpLineKind {
    Heading,    // a section title
    Paragraph,  // running text
    Command,    // Keys holds a menu command ("Megfigyelő: Hely") or mouse button, in the window's script
    Key,        // Keys holds keys as printed, always in Latin letters
    TimeKeys,   // the time keys of the time controls (TimeKeyLegend) go here
    ViewKeys,   // the keys of the view switches that tell what they do (ViewSwitch::KeyHelp) go here
    Path,       // the settings file's path goes here
};

struct HelpLine {
    HelpLineKind Kind;
    std::string_view Keys;       // Menu and Key lines
    std::string_view Hungarian;  // what it says or does
};

extern const std::array<HelpLine, 30> HelpText;

// A Hungarian text (Windows-1250) as runes drawn as stored: transliterated,
// then reversed, because the script runs right to left.
std::string RunicLine(std::string_view hungarian);

}  // namespace kolvar
