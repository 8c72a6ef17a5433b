#include "texts/list_captions.h"

#include "texts/runic_transliteration.h"

namespace kolvar {

const ListTexts& ListCaptions() {
    static const ListTexts texts = [] {
        const auto label = [](std::string_view hungarian) {
            return ViewCaption{
                ReverseRunicText(TransliterateToRunes(hungarian, HungarianEncoding::Windows1250)), hungarian};
        };
        const auto item = [](std::string_view hungarian) {
            return ViewCaption{RunicMenuCaption(hungarian), hungarian};
        };
        return ListTexts{
            .ListsItem = item("Megfigyel\xE9si lista"),
            .AddItem = item("List\xE1hoz ad"),
            .NextItem = item("K\xF6vetkez\xF5 a list\xE1n"),
            .PrintPlanItem = item("Terv nyomtat\xE1sa"),
            .DrawHorizonItem = item("L\xE1t\xF3hat\xE1r rajzol\xE1sa"),
            .UndoHorizonItem = item("Utols\xF3 l\xE1t\xF3hat\xE1rpont t\xF6rl\xE9se"),
            .Title = label("Megfigyel\xE9si lista"),
            .ListLabel = label("Lista"),
            .NewList = label("\xDAj lista"),
            .Observed = label("Megfigyeltem"),
            .Note = label("Megjegyz\xE9s"),
            .Remove = label("T\xF6rl\xE9s"),
            .Import = label("Beolvas\xE1s"),
            .Export = label("Ki\xEDr\xE1s"),
            .Next = label("K\xF6vetkez\xF5"),
            .Add = label("List\xE1hoz ad"),
            .Slew = label("T\xE1vcs\xF5 r\xE1"),
            .PrintPlan = label("Nyomtat\xE1s"),
            .Columns = {label("N\xE9v"), label("Megfigyelve"), label("Hely"), label("Megjegyz\xE9s")},
            .Planets = label("Bolyg\xF3k"),
            .Stars = label("Csillagok"),
            .Messier = label("Messier"),
            .NgcIc = label("NGC/IC"),
            .MinSize = label("Legkisebb m\xE9ret"),
        };
    }();
    return texts;
}

}  // namespace kolvar
