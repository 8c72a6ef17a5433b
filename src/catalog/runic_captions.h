#pragma once

#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

namespace kolvar {

// The program's fixed runic captions, as 8-bit strings in the Runex23x
// mapping. They are drawn as stored, so they are stored in reverse reading
// order, and they keep their bytes exactly even where the transliteration
// routine would spell them differently (ä for ß, q for "ak", µ for "mp"/"mb",
// missing length marks).

// One owner-drawn menu caption. The menu keeps the address of its entry as
// item data, so the table is a fixed array that never moves.
struct RunicCaption {
    std::string_view Caption;   // with one leading and one trailing blank
    std::string_view FontName;  // always "runex23x"
};

enum RunicMenuItem : std::size_t {
    kMenuObserver1, kMenuTime1, kMenuPlace1, kMenuExit1, kMenuCharSize1,
    kMenuGrow1, kMenuShrivell1, kMenuInformation1, kMenuHelp1, kMenuItemCount
};
extern const std::array<RunicCaption, kMenuItemCount> RunicCaptionTable;

struct TimeDlgRunicCaptions {
    std::string_view OkButton1, EscButton1, Label1, Label2;
    std::string_view YearLabel, MonthLabel, DayLabel, HourLabel, Label3, SecLabel;
    std::string_view NowButton1, Label7, SummerTime, DateUse, Label5;
    std::string_view Label6;  // beside the sidereal time: "csillagidő", 10 bytes
};
extern const TimeDlgRunicCaptions TimeDlgCaptions;

// Weekday names by weekday number (0 Sunday .. 6 Saturday); the dialog keeps
// each in a slot of 16 bytes.
inline constexpr std::size_t kWeekdayNameSlot = 16;
extern const std::array<std::string_view, 7> WeekdayRunicNames;

struct PlaceDlgRunicCaptions {
    std::string_view EscButton, OkButton, Label1;
    std::string_view North, South, East, West;
    std::string_view Label3;  // latitude
    std::string_view Label2;  // longitude
};
extern const PlaceDlgRunicCaptions PlaceDlgCaptions;

// A runic text of our own together with the Hungarian sentence it is written
// from (Windows-1250).
struct RunicText {
    std::string_view Runic;
    std::string_view Hungarian;
};

struct InfoDlgTexts {
    std::string_view Button1;  // runic, Runex23x height 12
    RunicText Label1;          // runic, Runex23x height 25
    std::string_view Label2;   // four-digit number, Arial height 25
};
extern const InfoDlgTexts InfoDlgCaptions;

struct HelpFormTexts {
    std::array<RunicText, 4> Lines;  // Label1..Label4, right-aligned at x = 642
    std::string_view Button1;
};
extern const HelpFormTexts HelpFormCaptions;

// The sidereal-time label of the time dialog with its Hungarian source.
extern const RunicText SiderealTimeLabel;

// Every runic caption above with the component that shows it
// ("TTimeDlg.Label6", "weekday 3", "Observer1" ...), for sheets and checks.
struct NamedRunicCaption {
    std::string_view Component;
    std::string_view Stored;
};
std::vector<NamedRunicCaption> AllRunicCaptions();

}  // namespace kolvar
