#include "catalog/find_captions.h"

#include "catalog/runic_transliteration.h"

namespace kolvar {

const FindTexts& FindCaptions() {
    static const FindTexts texts = [] {
        const auto label = [](std::string_view hungarian) {
            return ViewCaption{ReverseRunicText(TransliterateToRunes(hungarian, HungarianEncoding::Windows1250)),
                               hungarian};
        };
        return FindTexts{
            .MenuItem = ViewCaption{RunicMenuCaption("keres\xE9s"), "keres\xE9s"},
            .NameLabel = label("\xE9gitest neve"),
            .RisesAt = label("l\xE1t\xF3hat\xE1r alatt, felkel"),
            .NeverRises = label("l\xE1t\xF3hat\xE1r alatt, sosem kel fel"),
            .NotRisingSoon = label("l\xE1t\xF3hat\xE1r alatt, k\xE9t napig nem kel fel"),
            .NoMatch = label("nincs ilyen nev\xFB \xE9gitest"),
        };
    }();
    return texts;
}

}  // namespace kolvar
