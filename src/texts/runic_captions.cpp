#include "texts/runic_captions.h"

namespace kolvar {

namespace {
constexpr std::string_view kFont = "runex23x";
constexpr RunicText kBack = {"a`\xDFiv", "Vissza"};     // with the sz rune ß
constexpr RunicText kBackAlt = {"a`\xE4iv", "Vissza"};  // the same word with the variant ä
constexpr RunicText kAccept = {
    "ne\xF0"
    "el",
    "Legyen"};
constexpr RunicText kSiderealTime = {
    "`\xF6"
    "diga`li\xE7",
    "csillagid\xF5"};  // reversed
}  // namespace

const std::array<RunicCaption, kMenuItemCount> RunicCaptionTable = {{
    {" `\xF6le\xF0ifgem ", kFont, "Megfigyel\xF5"},
    {" `\xF6"
     "di ",
     kFont, "Id\xF5"},
    {" \xF8"
     "eh ",
     kFont, "Hely"},
    {" tar`ajik ", kFont, "Kij\xE1rat"},
    {" ter\xE9m\xFCteb ", kFont, "Bet\xFBm\xE9ret"},  // runes without the length mark
    {" lev\xF6n ", kFont, "N\xF6vel"},
    {" t`irogu\xE6 ", kFont, "Zsugor\xEDt"},
    {" `otatzok\xE9j`at ", kFont, "T\xE1j\xE9koztat\xF3"},
    {" \xF8\xE9ges ", kFont, "Seg\xE9ly"},
}};

const TimeDlgRunicCaptions TimeDlgCaptions = {
    .OkButton1 = kAccept,
    .EscButton1 = kBackAlt,
    .Label1 = {" ejedi s\xE9le\xF0ifgem a ", "A megfigyel\xE9s ideje"},
    .Label2 = {"r`atpan \xF8"
               "egreg",
               "Gergely-napt\xE1r"},
    .YearLabel = {"v\xE9", "\xE9v"},
    .MonthLabel = {"`oh", "h\xF3"},
    .DayLabel = {"pan", "nap"},
    .HourLabel = {"ar`o", "\xF3ra"},
    .Label3 = {"crep", "perc"},
    .SecLabel = {"\xB5", "mp"},
    .NowButton1 = {"tsom", "Most"},
    .Label7 = {"an`oz`\xF6"
               "di",
               "id\xF5z\xF3na"},
    .SummerTime = {"s`at`im`a\xDF`\xF6"
                   "diir`a\xF1",
                   "ny\xE1ri id\xF5sz\xE1m\xEDt\xE1s"},
    .DateUse = {"`tiqlat`a", "\xC1talak\xEDt"},
    .Label5 = {"julia`n nap", "Juli\xE1n-nap"},  // runes stored in reading order
    .Label6 = kSiderealTime,
};

const std::array<RunicText, 7> WeekdayRunicNames = {{
    {"panr`asav", "vas\xE1rnap"},
    {"`\xF6"
     "ft\xE9h",
     "h\xE9tf\xF5"},
    {"`dek", "kedd"},
    {"adre\xDF", "szerda"},
    {"k\xF6tr\xF6t\xFC\xE7", "cs\xFCt\xF6rt\xF6k"},
    {"ketn\xE9p", "p\xE9ntek"},
    {"ta\xB5o\xDF", "szombat"},
}};

const PlaceDlgRunicCaptions PlaceDlgCaptions = {
    .EscButton = kBack,
    .OkButton = kAccept,
    .Label1 = {" etez\xF8"
               "eh `\xF6le\xF0ifgem a",
               "A megfigyel\xF5 helyzete"},
    .North = {"ika\xE4`\xE9", "\xE9szaki"},
    .South = {"il`\xE9"
              "d",
              "d\xE9li"},
    .East = {"itelek", "keleti"},
    .West = {"itagu\xF1", "nyugati"},
    .Label3 = {"g`\xE9`sel`\xE9\xDF", "sz\xE9less\xE9g"},
    .Label2 = {"g`as`u`\xDFoh", "hossz\xFAs\xE1g"},
};

const RunicText SiderealTimeLabel = kSiderealTime;

const InfoDlgTexts InfoDlgCaptions = {
    .Button1 = kBackAlt,
    .Label1 = {"p\xE9kr\xE9tga`li\xE7", "Csillagt\xE9rk\xE9p"},
    .Label2 = "2026",
};

const HelpFormTexts HelpFormCaptions = {
    .Lines = {{
        {"t\xE9ven ga`li\xE7 a ajtatumgem bmog lab a", "A bal gomb megmutatja a csillag nev\xE9t"},
        {"gem ajti\xF1 t\xE9\xDF\xE9r `tot`i\xF0"
         "anik tlobg\xE9 za bmog `boj a",
         "A jobb gomb az \xE9gbolt kinagy\xEDtott r\xE9sz\xE9t nyitja meg"},
        {"dot`i`l`a neb\xFCnem a te\xF8"
         "eh a s\xE9 t`\xF6"
         "di za",
         "Az id\xF5t \xE9s a helyet a men\xFC"
         "ben \xE1ll\xEDtod"},
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
    auto add = [&c](std::string_view component, const RunicText& t) {
        c.push_back({component, t.Runic, t.Hungarian});
    };
    for (std::size_t i = 0; i < kMenuItemCount; ++i) add(kMenuItems[i], RunicCaptionTable[i].Text());
    const TimeDlgRunicCaptions& t = TimeDlgCaptions;
    add("TTimeDlg.OkButton1", t.OkButton1);
    add("TTimeDlg.EscButton1", t.EscButton1);
    add("TTimeDlg.Label1", t.Label1);
    add("TTimeDlg.Label2", t.Label2);
    add("TTimeDlg.YearLabel", t.YearLabel);
    add("TTimeDlg.MonthLabel", t.MonthLabel);
    add("TTimeDlg.DayLabel", t.DayLabel);
    add("TTimeDlg.HourLabel", t.HourLabel);
    add("TTimeDlg.Label3", t.Label3);
    add("TTimeDlg.SecLabel", t.SecLabel);
    add("TTimeDlg.NowButton1", t.NowButton1);
    add("TTimeDlg.Label7", t.Label7);
    add("TTimeDlg.SummerTime", t.SummerTime);
    add("TTimeDlg.DateUse", t.DateUse);
    add("TTimeDlg.Label5", t.Label5);
    add("TTimeDlg.Label6", t.Label6);
    for (std::size_t i = 0; i < 7; ++i) add(kWeekdays[i], WeekdayRunicNames[i]);
    const PlaceDlgRunicCaptions& p = PlaceDlgCaptions;
    add("TPlaceDlg.EscButton", p.EscButton);
    add("TPlaceDlg.OkButton", p.OkButton);
    add("TPlaceDlg.Label1", p.Label1);
    add("TPlaceDlg.North", p.North);
    add("TPlaceDlg.South", p.South);
    add("TPlaceDlg.East", p.East);
    add("TPlaceDlg.West", p.West);
    add("TPlaceDlg.Label3", p.Label3);
    add("TPlaceDlg.Label2", p.Label2);
    add("TInfoDlg.Button1", InfoDlgCaptions.Button1);
    add("TInfoDlg.Label1", InfoDlgCaptions.Label1);
    add("THelpForm1.Label1", HelpFormCaptions.Lines[0]);
    add("THelpForm1.Label2", HelpFormCaptions.Lines[1]);
    add("THelpForm1.Label3", HelpFormCaptions.Lines[2]);
    add("THelpForm1.Label4", HelpFormCaptions.Lines[3]);
    add("THelpForm1.Button1", HelpFormCaptions.Button1);
    return c;
}

}  // namespace kolvar
