#include "texts/time_captions.h"

namespace kolvar {

namespace {
constexpr RunicText kForward = {" er`\xF6le ", "El\xF5re"};
constexpr RunicText kBack = {" art`ah ", "H\xE1tra"};
constexpr RunicText kNow = {" tsom ", "Most"};
constexpr RunicText kPlayBackward = {" art`ah s`a\xDFt`ajel ", "Lej\xE1tsz\xE1s h\xE1tra"};
}  // namespace

const TimeMenuTexts TimeMenuCaptions = {
    .Title = {" `\xF6"
              "di ",
              "Id\xF5"},
    .Forward = kForward,
    .Back = kBack,
    .Now = kNow,
    .RunningClock = {" ar`o `otuf ", "Fut\xF3 \xF3ra"},
    .PlayForward = {" er`\xF6le s`a\xDFt`ajel ", "Lej\xE1tsz\xE1s el\xF5re"},
    .PlayBackward = kPlayBackward,
    .Pause = {" s`at`i`l`agem ", "Meg\xE1ll\xEDt\xE1s"},
    .Steps = {{
        {" crep ", "Perc"},
        {" ar`o ", "\xD3ra"},
        {" pan ", "Nap"},
        {" panga`li\xE7 ", "Csillagnap"},
        {" t\xE9h ", "H\xE9t"},
        {" pan`ohdloh ", "Holdh\xF3nap"},
        {" pan`oh ir`atpan ", "Napt\xE1ri h\xF3nap"},
        {" v\xE9 ", "\xC9v"},
    }},
};

const std::array<KeyLegendLine, 5> TimeKeyLegend = {{
    {"+  -", {"art`ah ,er`\xF6le s\xE9p\xE9l", "l\xE9p\xE9s el\xF5re, h\xE1tra"}},
    {"[  ]",
     {"z\xF6ks\xE9p\xE9l `bo\xF0"
      "an ,`besik",
      "kisebb, nagyobb l\xE9p\xE9sk\xF6z"}},
    {"0  N", {"tsom", "most"}},
    {"Sz\xF3k\xF6z", {"s`at`i`l`agem ,s`a\xDFt`ajel", "lej\xE1tsz\xE1s, meg\xE1ll\xEDt\xE1s"}},
    {"R", {"art`ah s`a\xDFt`ajel", "lej\xE1tsz\xE1s h\xE1tra"}},
}};

const std::string_view ElementsEdgeMessage =
    "Tov\xE1"
    "bb nem l\xE9ptethet\xF5: itt \xE9r v\xE9get a p\xE1lyaelemek tartom\xE1nya.";

const RunicText TimeDlgWaitNote = {".ajt`im`a\xDFt`a retne za :r`av arpan-n`ailuj a ko za",
                                   "Az OK a Juli\xE1n-napra v\xE1r: az Enter \xE1tsz\xE1m\xEDtja."};

}  // namespace kolvar
