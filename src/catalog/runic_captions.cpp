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

}  // namespace kolvar
