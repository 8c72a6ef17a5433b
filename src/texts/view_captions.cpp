#include "texts/view_captions.h"

#include "texts/runic_transliteration.h"

namespace kolvar {

std::string RunicMenuCaption(std::string_view hungarian) {
    // Appended piece by piece: GCC 12 at -O3 warns falsely (-Wrestrict) about
    // a literal prepended to a temporary string.
    std::string caption(" ");
    caption += ReverseRunicText(TransliterateToRunes(hungarian, HungarianEncoding::Windows1250));
    caption += ' ';
    return caption;
}

const ViewMenuTexts& ViewMenuCaptions() {
    static const ViewMenuTexts texts = [] {
        const auto caption = [](std::string_view hungarian) {
            return ViewCaption{RunicMenuCaption(hungarian), hungarian};
        };
        return ViewMenuTexts{
            .Title = caption("N\xE9zet"),
            .Figures = caption("Csillagk\xE9pek vonalai"),
            .Names = caption("Csillagk\xE9pek nevei"),
            .RunicNames = caption("Rov\xE1s nevek"),
            .Labels = caption("C\xEDmk\xE9k"),
            .Directions = caption("\xC9gt\xE1jak"),
            .LabelMagnitude = caption("F\xE9nyess\xE9ghat\xE1r"),
            .Night = caption("\xC9jszakai n\xE9zet"),
            .Daylight = caption("Nappali f\xE9ny"),
            .AltAzGrid = caption("Horizont\xE1lis h\xE1l\xF3"),
            .EquatorialGrid = caption("Ekvatori\xE1lis h\xE1l\xF3"),
            .Equator = caption("\xC9gi egyenl\xEDt\xF5"),
            .Ecliptic = caption("Ekliptika"),
            .SmoothStyle = caption("Sima rajz"),
        };
    }();
    return texts;
}

}  // namespace kolvar
