#include "catalog/runic_captions.h"

namespace kolvar {

namespace {
constexpr std::string_view kFont = "runex23x";
constexpr std::string_view kBack = "a`\xDFiv";      // "vissza", with the sz rune ß
constexpr std::string_view kBackAlt = "a`\xE4iv";   // the same word with the variant ä
constexpr std::string_view kAccept = "ne\xF0" "el";  // "legyen"
constexpr std::string_view kSiderealTime = "`\xF6" "diga`li\xE7";  // "csillagidő", reversed
}  // namespace

const std::array<RunicCaption, kMenuItemCount> RunicCaptionTable = {{
    {" `\xF6le\xF0ifgem ", kFont},          // megfigyelő
    {" `\xF6" "di ", kFont},                 // idő
    {" \xF8" "eh ", kFont},                  // hely
    {" tar`ajik ", kFont},                   // kijárat
    {" ter\xE9m\xFCteb ", kFont},            // betűméret (stored without the length mark)
    {" lev\xF6n ", kFont},                   // növel
    {" t`irogu\xE6 ", kFont},                // zsugorít
    {" `otatzok\xE9j`at ", kFont},           // tájékoztató
    {" \xF8\xE9ges ", kFont},                // segély
}};

const TimeDlgRunicCaptions TimeDlgCaptions = {
    .OkButton1 = kAccept,
    .EscButton1 = kBackAlt,
    .Label1 = " ejedi s\xE9le\xF0ifgem a ",   // a megfigyelés ideje
    .Label2 = "r`atpan \xF8" "egreg",          // Gergely naptár
    .YearLabel = "v\xE9",                      // év
    .MonthLabel = "`oh",                       // hó
    .DayLabel = "pan",                         // nap
    .HourLabel = "ar`o",                       // óra
    .Label3 = "crep",                          // perc
    .SecLabel = "\xB5",                        // mp
    .NowButton1 = "tsom",                      // most
    .Label7 = "an`oz`\xF6" "di",               // időzóna
    .SummerTime = "s`at`im`a\xDF`\xF6" "diir`a\xF1",  // nyári időszámítás
    .DateUse = "`tiqlat`a",                    // átalakít
    .Label5 = "julia`n nap",                   // julián nap (stored in reading order)
    .Label6 = kSiderealTime,
};

const std::array<std::string_view, 7> WeekdayRunicNames = {
    "panr`asav",                 // vasárnap
    "`\xF6" "ft\xE9h",           // hétfő
    "`dek",                      // kedd
    "adre\xDF",                  // szerda
    "k\xF6tr\xF6t\xFC\xE7",      // csütörtök
    "ketn\xE9p",                 // péntek
    "ta\xB5o\xDF",               // szombat
};

const PlaceDlgRunicCaptions PlaceDlgCaptions = {
    .EscButton = kBack,
    .OkButton = kAccept,
    .Label1 = " etez\xF8" "eh `\xF6le\xF0ifgem a",  // a megfigyelő helyzete
    .North = "ika\xE4`\xE9",                        // északi
    .South = "il`\xE9" "d",                         // déli
    .East = "itelek",                               // keleti
    .West = "itagu\xF1",                            // nyugati
    .Label3 = "g`\xE9`sel`\xE9\xDF",                // szélesség
    .Label2 = "g`as`u`\xDFoh",                      // hosszúság
};

const RunicText SiderealTimeLabel = {kSiderealTime, "csillagid\xF5"};

const InfoDlgTexts InfoDlgCaptions = {
    .Button1 = kBackAlt,
    .Label1 = {"p\xE9kr\xE9tga`li\xE7", "Csillagt\xE9rk\xE9p"},
    .Label2 = "2026",
};

const HelpFormTexts HelpFormCaptions = {
    .Lines = {{
        {"t\xE9ven ga`li\xE7 a ajtatumgem bmog lab a",
         "A bal gomb megmutatja a csillag nev\xE9t"},
        {"gem ajti\xF1 t\xE9\xDF\xE9r `tot`i\xF0" "anik tlobg\xE9 za bmog `boj a",
         "A jobb gomb az \xE9gbolt kinagy\xEDtott r\xE9sz\xE9t nyitja meg"},
        {"dot`i`l`a neb\xFCnem a te\xF8" "eh a s\xE9 t`\xF6" "di za",
         "Az id\xF5t \xE9s a helyet a men\xFC" "ben \xE1ll\xEDtod"},
        {"dotatzotl`av la`\xE7narap t`irogu\xE6 a s\xE9 lev\xF6n a teter\xE9m`\xFCteb a",
         "A bet\xFBm\xE9retet a n\xF6vel \xE9s a zsugor\xEDt paranccsal v\xE1ltoztatod"},
    }},
    .Button1 = kBack,
};

std::vector<NamedRunicCaption> AllRunicCaptions() {
    static constexpr std::string_view kMenuItems[kMenuItemCount] = {
        "Observer1", "Time1", "Place1", "Exit1", "CharSize1", "Grow1", "Shrivell1", "Information1", "Help1"};
    static constexpr std::string_view kWeekdays[7] = {"weekday 0", "weekday 1", "weekday 2", "weekday 3",
                                                      "weekday 4", "weekday 5", "weekday 6"};
    std::vector<NamedRunicCaption> c;
    for (std::size_t i = 0; i < kMenuItemCount; ++i) c.push_back({kMenuItems[i], RunicCaptionTable[i].Caption});
    const TimeDlgRunicCaptions& t = TimeDlgCaptions;
    c.insert(c.end(), {{"TTimeDlg.OkButton1", t.OkButton1}, {"TTimeDlg.EscButton1", t.EscButton1},
                       {"TTimeDlg.Label1", t.Label1}, {"TTimeDlg.Label2", t.Label2},
                       {"TTimeDlg.YearLabel", t.YearLabel}, {"TTimeDlg.MonthLabel", t.MonthLabel},
                       {"TTimeDlg.DayLabel", t.DayLabel}, {"TTimeDlg.HourLabel", t.HourLabel},
                       {"TTimeDlg.Label3", t.Label3}, {"TTimeDlg.SecLabel", t.SecLabel},
                       {"TTimeDlg.NowButton1", t.NowButton1}, {"TTimeDlg.Label7", t.Label7},
                       {"TTimeDlg.SummerTime", t.SummerTime}, {"TTimeDlg.DateUse", t.DateUse},
                       {"TTimeDlg.Label5", t.Label5}, {"TTimeDlg.Label6", t.Label6}});
    for (std::size_t i = 0; i < 7; ++i) c.push_back({kWeekdays[i], WeekdayRunicNames[i]});
    const PlaceDlgRunicCaptions& p = PlaceDlgCaptions;
    c.insert(c.end(), {{"TPlaceDlg.EscButton", p.EscButton}, {"TPlaceDlg.OkButton", p.OkButton},
                       {"TPlaceDlg.Label1", p.Label1}, {"TPlaceDlg.North", p.North},
                       {"TPlaceDlg.South", p.South}, {"TPlaceDlg.East", p.East}, {"TPlaceDlg.West", p.West},
                       {"TPlaceDlg.Label3", p.Label3}, {"TPlaceDlg.Label2", p.Label2}});
    c.insert(c.end(), {{"TInfoDlg.Button1", InfoDlgCaptions.Button1},
                       {"TInfoDlg.Label1", InfoDlgCaptions.Label1.Runic},
                       {"THelpForm1.Label1", HelpFormCaptions.Lines[0].Runic},
                       {"THelpForm1.Label2", HelpFormCaptions.Lines[1].Runic},
                       {"THelpForm1.Label3", HelpFormCaptions.Lines[2].Runic},
                       {"THelpForm1.Label4", HelpFormCaptions.Lines[3].Runic},
                       {"THelpForm1.Button1", HelpFormCaptions.Button1}});
    return c;
}

}  // namespace kolvar
