#pragma once

// The kolvar-chart subcommands. Each takes the arguments after its name and
// returns the process exit status (0 done, 1 failed, 2 bad options or values).
// To add one: declare it here, put it in its own cmd_<name>.cpp, and add a
// line to the table below.

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace kolvar::cli {

int RunCloseUp(std::span<char* const> args);
int RunElements(std::span<char* const> args);
int RunEphemeris(std::span<char* const> args);
int RunFind(std::span<char* const> args);
int RunIdentify(std::span<char* const> args);
int RunList(std::span<char* const> args);
int RunPrint(std::span<char* const> args);
int RunRender(std::span<char* const> args);
int RunRunic(std::span<char* const> args);
int RunTelescope(std::span<char* const> args);
int RunTonight(std::span<char* const> args);

// Each subcommand's reading of its arguments alone, as its run reads them
// (RefusalOf): the one-line refusal, nothing when they are taken. Nothing is
// drawn, printed or written.
std::optional<std::string> CloseUpRefusal(std::span<char* const> args);
std::optional<std::string> ElementsRefusal(std::span<char* const> args);
std::optional<std::string> EphemerisRefusal(std::span<char* const> args);
std::optional<std::string> FindRefusal(std::span<char* const> args);
std::optional<std::string> IdentifyRefusal(std::span<char* const> args);
std::optional<std::string> ListRefusal(std::span<char* const> args);
std::optional<std::string> PrintRefusal(std::span<char* const> args);
std::optional<std::string> RenderRefusal(std::span<char* const> args);
std::optional<std::string> RunicRefusal(std::span<char* const> args);
std::optional<std::string> TelescopeRefusal(std::span<char* const> args);
std::optional<std::string> TonightRefusal(std::span<char* const> args);

struct Subcommand {
    std::string_view Name;
    int (*Run)(std::span<char* const> args);
    std::optional<std::string> (*Refusal)(std::span<char* const> args);
    std::string_view Summary;
};

// One line per subcommand.
inline constexpr Subcommand Subcommands[] = {
    {"closeup", RunCloseUp, CloseUpRefusal, "the close-up window's picture around one direction, as a PNG"},
    {"elements", RunElements, ElementsRefusal,
     "the kept comets and minor planets: import FILE, list, remove NAME"},
    {"ephemeris", RunEphemeris, EphemerisRefusal,
     "geocentric Sun, Moon and planet positions for a Julian day; --body for a comet or minor planet"},
    {"find", RunFind, FindRefusal,
     "the objects a name finds, where the chart shows them, their rising and setting"},
    {"identify", RunIdentify, IdentifyRefusal, "what a click at one chart pixel names, with its two labels"},
    {"list", RunList, ListRefusal,
     "observing lists and their log as CSV: names, show, add, observe, next, export, import"},
    {"print", RunPrint, PrintRefusal, "the sky drawn for paper: a vector PDF or SVG, or a PNG"},
    {"render", RunRender, RenderRefusal, "the whole-sky chart as a PNG, with the placed objects on request"},
    {"runic", RunRunic, RunicRefusal, "the runic font, runic names and captions as a PNG sheet"},
    {"telescope", RunTelescope, TelescopeRefusal,
     "a GoTo mount through an INDI server: where it points, goto, sync, abort, park"},
    {"tonight", RunTonight, TonightRefusal,
     "the night's twilights and Moon at a place, and what is worth observing when"},
};

}  // namespace kolvar::cli
