#include "texts/find_captions.h"

#include "texts/runic_transliteration.h"

namespace kolvar {

const FindTexts& FindCaptions() {
    static const FindTexts texts = [] {
        const auto label = [](std::string_view hungarian) {
            return ViewCaption{
                ReverseRunicText(TransliterateToRunes(hungarian, HungarianEncoding::Windows1250)), hungarian};
        };
        return FindTexts{
            .MenuItem = ViewCaption{RunicMenuCaption("Keres\xE9s"), "Keres\xE9s"},
            .NameLabel = label("\xC9gitest neve"),
            .RisesAt = label("L\xE1t\xF3hat\xE1r alatt, felkel"),
            .NeverRises = label("L\xE1t\xF3hat\xE1r alatt, sosem kel fel"),
            .NotRisingSoon = label("L\xE1t\xF3hat\xE1r alatt, k\xE9t napig nem kel fel"),
            .NoMatch = label("Nincs ilyen nev\xFB \xE9gitest"),
        };
    }();
    return texts;
}

}  // namespace kolvar
