#include "texts/interface_captions.h"

#include <utility>

namespace kolvar {

const InterfaceTexts InterfaceCaptions = {
    .LatinLetters = {" k`\xFCteb nital ", "Latin bet\xFBk"},
    .CityButton = {"sor`av", "V\xE1ros"},
    .CityHeading = {"tsor`av `\xDF"
                    "al`av",
                    "V\xE1lassz v\xE1rost"},
    .CitySearch = {"s\xE9serek", "keres\xE9s"},
    .CityZone = {"aj`an`oz`\xF6"
                 "di sor`av a",
                 "a v\xE1ros id\xF5z\xF3n\xE1ja"},
};

const WindowTitleTexts WindowTitles = {
    .Main = "Kolvar",
    .CloseUp = "Kolvar \x96 k\xF6zeli \xE9g",
    .Time = "Id\xF5",
    .Place = "Hely",
    .Info = "N\xE9vjegy",
    .Help = "S\xFAg\xF3",
    .City = "V\xE1ros",
    .Find = "Keres\xE9s",
};

namespace {

constexpr std::pair<std::string_view, std::string_view> PlainControlNames[] = {
    {"TTimeDlg.Year", "\xE9v"},
    {"TTimeDlg.Month", "h\xF3nap"},
    {"TTimeDlg.Day", "nap"},
    {"TTimeDlg.Hour", "\xF3ra"},
    {"TTimeDlg.Min", "perc"},
    {"TTimeDlg.Sec", "m\xE1sodperc"},
    {"TTimeDlg.TimeZone",
     "id\xF5z\xF3na \xF3r\xE1"
     "ban"},
    {"TTimeDlg.JulianDay", "Juli\xE1n-nap"},
    {"TTimeDlg.WeekDayText", "a h\xE9t napja"},
    {"TTimeDlg.StarTimeText", "greenwichi csillagid\xF5"},
    {"TTimeDlg.Bevel1", "polg\xE1ri d\xE1tum \xE9s id\xF5"},
    {"TPlaceDlg.GroupBox1", "sz\xE9less\xE9g: \xE9szaki vagy d\xE9li"},
    {"TPlaceDlg.GroupBox2", "hossz\xFAs\xE1g: keleti vagy nyugati"},
    {"TPlaceDlg.LatitudeDeg", "sz\xE9less\xE9g, fok"},
    {"TPlaceDlg.LatitudePerc", "sz\xE9less\xE9g, \xEDvperc"},
    {"TPlaceDlg.LatitudeSec", "sz\xE9less\xE9g, \xEDvm\xE1sodperc"},
    {"TPlaceDlg.LongitudeDeg", "hossz\xFAs\xE1g, fok"},
    {"TPlaceDlg.LongitudePerc", "hossz\xFAs\xE1g, \xEDvperc"},
    {"TPlaceDlg.LongitudeSec", "hossz\xFAs\xE1g, \xEDvm\xE1sodperc"},
    {"TPlaceDlg.Label4", "fok"},
    {"TPlaceDlg.Label5", "fok"},
    {"TPlaceDlg.Label6", "\xEDvperc"},
    {"TPlaceDlg.Label7", "\xEDvperc"},
    {"TPlaceDlg.Label8", "\xEDvm\xE1sodperc"},
    {"TPlaceDlg.Label9", "\xEDvm\xE1sodperc"},
    {"TPlaceDlg.CityZoneText", "a v\xE1lasztott v\xE1ros id\xF5z\xF3n\xE1ja"},
    {"TCityDlg.Search", "v\xE1rosn\xE9v"},
    {"TFindDlg.Edit1", "\xE9gitest neve"},
    {"TFindDlg.List1", "tal\xE1lt \xE9gitestek"},
    {"TFindDlg.TimeLabel", "a felkel\xE9s ideje"},
    {"TCityDlg.Results", "tal\xE1lt v\xE1rosok"},
    {"TInfoDlg.TurulImage", "turul"},
    {"TInfoDlg.CimerImage", "c\xEDmer"},
    {"TInfoDlg.ZaszloImage", "z\xE1szl\xF3"},
    {"TInfoDlg.Label2", "\xE9vsz\xE1m"},
    {"TStarsForm.Image1", "csillagt\xE9rk\xE9p"},
    {"TPlainSky.Image1", "k\xF6zeli \xE9g"},
};

}  // namespace

std::string_view PlainControlName(std::string_view component) {
    for (const auto& [name, hungarian] : PlainControlNames)
        if (name == component) return hungarian;
    return {};
}

}  // namespace kolvar
