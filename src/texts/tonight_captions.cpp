#include "texts/tonight_captions.h"

#include "texts/runic_transliteration.h"

namespace kolvar {

const TonightTexts& TonightCaptions() {
    static const TonightTexts texts = [] {
        const auto label = [](std::string_view hungarian) {
            return ViewCaption{
                ReverseRunicText(TransliterateToRunes(hungarian, HungarianEncoding::Windows1250)), hungarian};
        };
        return TonightTexts{
            .MenuItem = ViewCaption{RunicMenuCaption("Ma \xE9jjel"), "Ma \xE9jjel"},
            .Title = label("Ma \xE9jjel"),
            .Sunset = label("Napnyugta"),
            .Dark = label("S\xF6t\xE9t"),
            .Sunrise = label("Napkelte"),
            .Moonrise = label("Holdkelte"),
            .Moonset = label("Holdnyugta"),
            .MoonLit = label("A Hold f\xE9nyes r\xE9sze"),
            .Moonless = label("S\xF6t\xE9t Hold n\xE9lk\xFCl"),
            .PolarDay = label("Sarki nappal"),
            .PolarNight = label("Sarki \xE9jszaka"),
            .NoDarkness = label("Nem lesz teljesen s\xF6t\xE9t"),
            .MinAltitude = label("Legkisebb magass\xE1g"),
            .MagnitudeLimit = label("F\xE9nyess\xE9ghat\xE1r"),
            .Computing = label("Sz\xE1molok"),
            .Columns = {label("N\xE9v"), label("Fajta"), label("Csillagk\xE9p"), label("F\xE9nyess\xE9g"),
                        label("M\xE9ret"), label("Kel"), label("Delel"), label("Nyugszik"), label("Legjobb"),
                        label("Magass\xE1g"), label("Hold t\xE1vols\xE1ga")},
        };
    }();
    return texts;
}

std::string_view PlanetKindWord() { return "bolyg\xF3"; }
std::string_view StarKindWord() { return "csillag"; }
std::string_view DoubleStarKindWord() { return "kett\xF5scsillag"; }

std::string_view NgcIcKindWord(int kind) {
    static constexpr std::string_view Words[] = {"galaxis",
                                                 "galaxishalmaz",
                                                 "ny\xEDlthalmaz",
                                                 "g\xF6mbhalmaz",
                                                 "k\xF6"
                                                 "d",
                                                 "planet\xE1ris k\xF6"
                                                 "d",
                                                 "szupern\xF3va-maradv\xE1ny",
                                                 "csillagcsoport",
                                                 "csillag",
                                                 "t\xF6"
                                                 "bbes csillag"};
    return kind >= 0 && kind < static_cast<int>(std::size(Words)) ? Words[kind]
                                                                  : "egy\xE9"
                                                                    "b";
}

}  // namespace kolvar
