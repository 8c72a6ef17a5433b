#include "texts/equipment_captions.h"

namespace kolvar {

const EquipmentMenuTexts& EquipmentMenuCaptions() {
    static const EquipmentMenuTexts texts = [] {
        const auto caption = [](std::string_view hungarian) {
            return ViewCaption{RunicMenuCaption(hungarian), hungarian};
        };
        return EquipmentMenuTexts{
            .Equipment = caption("Felszerel\xE9s..."),
            .FitEyepiece = caption("K\xF6zelk\xE9p az okul\xE1rhoz"),
        };
    }();
    return texts;
}

std::string_view EquipmentFieldName(std::string_view key) {
    if (key == "Name") return "n\xE9v";
    if (key == "Aperture") return "\xE1tm\xE9r\xF5 (mm)";
    if (key == "FocalLength") return "f\xF3kuszt\xE1vols\xE1g (mm)";
    if (key == "ApparentField") return "l\xE1tsz\xF3 l\xE1t\xF3mez\xF5 (\xB0)";
    if (key == "Field") return "l\xE1t\xF3mez\xF5 (\xB0)";
    return key;
}

}  // namespace kolvar
