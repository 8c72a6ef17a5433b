#pragma once

#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

namespace kolvar {

// The program's captions. Every caption is one RunicText: its runic bytes in
// the Runex23x mapping, drawn as stored (so stored in reverse reading order),
// and beside them the plain Hungarian it says (Windows-1250), which the
// Latin-letter interface shows instead, tooltips show under the runes and
// screen readers speak. The fixed captions keep their runic bytes exactly
// even where the transliteration routine would spell them differently (ä for
// ß, q for "ak", µ for "mp"/"mb", missing length marks); captions added later
// are written by the routine from their Hungarian.
struct RunicText {
    std::string_view Runic;
    std::string_view Hungarian;
};

// Which of the two a window shows: the runes (the default) or Latin letters.
enum class Script { Runic, Latin };

// One owner-drawn menu caption. The menu keeps the address of its entry as
// item data, so the table is a fixed array that never moves.
struct RunicCaption {
    std::string_view Caption;    // runic, with one leading and one trailing blank
    std::string_view FontName;   // always "runex23x"
    std::string_view Hungarian;  // without blanks, capitalised as a menu shows it
    RunicText Text() const { return {Caption, Hungarian}; }
};

enum RunicMenuItem : std::size_t {
    kMenuObserver1,
    kMenuTime1,
    kMenuPlace1,
    kMenuExit1,
    kMenuCharSize1,
    kMenuGrow1,
    kMenuShrivell1,
    kMenuInformation1,
    kMenuHelp1,
    kMenuItemCount
};
extern const std::array<RunicCaption, kMenuItemCount> RunicCaptionTable;

struct TimeDlgRunicCaptions {
    RunicText OkButton1, EscButton1, Label1, Label2;
    RunicText YearLabel, MonthLabel, DayLabel, HourLabel, Label3, SecLabel;
    RunicText NowButton1, Label7, SummerTime, DateUse, Label5;
    RunicText Label6;  // beside the sidereal time: "csillagidő", 10 bytes
};
extern const TimeDlgRunicCaptions TimeDlgCaptions;

// Weekday names by weekday number (0 Sunday .. 6 Saturday); the dialog keeps
// each runic name in a slot of 16 bytes.
inline constexpr std::size_t kWeekdayNameSlot = 16;
extern const std::array<RunicText, 7> WeekdayRunicNames;

struct PlaceDlgRunicCaptions {
    RunicText EscButton, OkButton, Label1;
    RunicText North, South, East, West;
    RunicText Label3;  // latitude
    RunicText Label2;  // longitude
};
extern const PlaceDlgRunicCaptions PlaceDlgCaptions;

struct InfoDlgTexts {
    RunicText Button1;        // runic, Runex23x height 12
    RunicText Label1;         // runic, Runex23x height 25
    std::string_view Label2;  // four-digit number, Arial height 25
};
extern const InfoDlgTexts InfoDlgCaptions;

struct HelpFormTexts {
    std::array<RunicText, 4> Lines;  // Label1..Label4, right-aligned at x = 642
    RunicText Button1;
};
extern const HelpFormTexts HelpFormCaptions;

// The sidereal-time label of the time dialog with its Hungarian source.
extern const RunicText SiderealTimeLabel;

// Every fixed runic caption above with the component that shows it
// ("TTimeDlg.Label6", "weekday 3", "Observer1" ...), for sheets and checks.
struct NamedRunicCaption {
    std::string_view Component;
    std::string_view Stored;
    std::string_view Hungarian;
};
std::vector<NamedRunicCaption> AllRunicCaptions();

}  // namespace kolvar
