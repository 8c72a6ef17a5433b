#include "catalog/time_captions.h"

namespace kolvar {

namespace {
constexpr RunicText kForward = {" er`\xF6le ", "el\xF5re"};
constexpr RunicText kBack = {" art`ah ", "h\xE1tra"};
constexpr RunicText kNow = {" tsom ", "most"};
constexpr RunicText kPlayBackward = {" art`ah s`a\xDFt`ajel ", "lej\xE1tsz\xE1s h\xE1tra"};
}  // namespace

const TimeMenuTexts TimeMenuCaptions = {
    .Title = {" `\xF6" "di ", "id\xF5"},
    .Forward = kForward,
    .Back = kBack,
    .Now = kNow,
    .RunningClock = {" ar`o `otuf ", "fut\xF3 \xF3ra"},
    .PlayForward = {" er`\xF6le s`a\xDFt`ajel ", "lej\xE1tsz\xE1s el\xF5re"},
    .PlayBackward = kPlayBackward,
    .Pause = {" s`at`i`l`agem ", "meg\xE1ll\xEDt\xE1s"},
    .Steps = {{
        {" crep ", "perc"},
        {" ar`o ", "\xF3ra"},
        {" pan ", "nap"},
        {" panga`li\xE7 ", "csillagnap"},
        {" t\xE9h ", "h\xE9t"},
        {" pan`ohdloh ", "holdh\xF3nap"},
        {" pan`oh ir`atpan ", "napt\xE1ri h\xF3nap"},
        {" v\xE9 ", "\xE9v"},
    }},
};

const std::array<KeyLegendLine, 5> TimeKeyLegend = {{
    {"+  -", {"art`ah ,er`\xF6le s\xE9p\xE9l", "l\xE9p\xE9s el\xF5re, h\xE1tra"}},
    {"[  ]", {"z\xF6ks\xE9p\xE9l `bo\xF0" "an ,`besik", "kisebb, nagyobb l\xE9p\xE9sk\xF6z"}},
    {"0  N", {"tsom", "most"}},
    {"Sz\xF3k\xF6z", {"s`at`i`l`agem ,s`a\xDFt`ajel", "lej\xE1tsz\xE1s, meg\xE1ll\xEDt\xE1s"}},
    {"R", {"art`ah s`a\xDFt`ajel", "lej\xE1tsz\xE1s h\xE1tra"}},
}};

const std::string_view ElementsEdgeMessage =
    "Tov\xE1" "bb nem l\xE9ptethet\xF5: itt \xE9r v\xE9get a p\xE1lyaelemek tartom\xE1nya.";

}  // namespace kolvar
