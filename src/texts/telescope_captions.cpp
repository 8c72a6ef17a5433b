#include "texts/telescope_captions.h"

#include "texts/runic_transliteration.h"

namespace kolvar {

const TelescopeTexts& TelescopeCaptions() {
    static const TelescopeTexts texts = [] {
        const auto item = [](std::string_view hungarian) {
            return ViewCaption{RunicMenuCaption(hungarian), hungarian};
        };
        const auto label = [](std::string_view hungarian) {
            return ViewCaption{
                ReverseRunicText(TransliterateToRunes(hungarian, HungarianEncoding::Windows1250)), hungarian};
        };
        return TelescopeTexts{
            .MenuItem = item("T\xE1vcs\xF5"),
            .PointSelected = item("T\xE1vcs\xF5 a kijel\xF6lt \xE9gitestre"),
            .Abort = item("T\xE1vcs\xF5 meg\xE1ll\xEDt\xE1sa"),
            .Park = item("T\xE1vcs\xF5 parkol\xE1sa"),
            .Unpark = item("T\xE1vcs\xF5 kiparkol\xE1sa"),
            .PointHere = item("T\xE1vcs\xF5 ide"),
            .SyncHere = item("Szinkroniz\xE1l\xE1s ide"),
            .CloseUpHere = item("Nagy\xEDt\xE1s ide"),
            .CentreHere = item("K\xF6z\xE9pre"),
            .Host = label("Kiszolg\xE1l\xF3"),
            .Port = label("Kapu"),
            .Device = label("Eszk\xF6z"),
            .Connect = label("Csatlakoz\xE1s"),
            .Disconnect = label("Bont\xE1s"),
            .ConnectAtStart = label("Csatlakoz\xE1s indul\xE1skor"),
            .AltitudeLimit = label("Legkisebb magass\xE1g"),
            .CloseUpFollows = label("A nagy\xEDt\xE1s k\xF6veti"),
            .Close = label("Bez\xE1r"),
            .States = {label("nincs kapcsolat"),
                       label("kapcsol\xF3"
                             "dik"),
                       label("\xE1ll"), label("k\xF6vet"), label("mozog"), label("parkol"),
                       label("elveszett")},
        };
    }();
    return texts;
}

}  // namespace kolvar
