#include "catalog/view_captions.h"

#include "catalog/runic_transliteration.h"

namespace kolvar {

std::string RunicMenuCaption(std::string_view hungarian) {
    return " " + ReverseRunicText(TransliterateToRunes(hungarian, HungarianEncoding::Windows1250)) + " ";
}

const ViewMenuTexts& ViewMenuCaptions() {
    static const ViewMenuTexts texts = [] {
        const auto caption = [](std::string_view hungarian) { return ViewCaption{RunicMenuCaption(hungarian), hungarian}; };
        return ViewMenuTexts{
            .Title = caption("n\xE9zet"),
            .Figures = caption("csillagk\xE9pek vonalai"),
            .Names = caption("csillagk\xE9pek nevei"),
            .RunicNames = caption("rov\xE1s nevek"),
            .Labels = caption("c\xEDmk\xE9k"),
            .Directions = caption("\xE9gt\xE1jak"),
            .LabelMagnitude = caption("f\xE9nyess\xE9ghat\xE1r"),
            .Night = caption("\xE9jszakai n\xE9zet"),
            .Daylight = caption("nappali f\xE9ny"),
        };
    }();
    return texts;
}

}  // namespace kolvar
