#pragma once

// The captions of the equipment: the observer menu's two items, written in
// runes from their Hungarian like the view menu's (view_captions.h), and the
// plain Hungarian names of the equipment dialog's fields and columns.

#include <string_view>

#include "texts/view_captions.h"

namespace kolvar {

struct EquipmentMenuTexts {
    ViewCaption Equipment;    // the equipment dialog
    ViewCaption FitEyepiece;  // the close-up opens zoomed to the chosen eyepiece's field
};

// Written once, on first use.
const EquipmentMenuTexts& EquipmentMenuCaptions();

// The plain Hungarian (Windows-1250) name of an equipment field by its key
// ("Name", "Aperture", "FocalLength", "ApparentField", "Field"), as the
// dialog's columns and messages call it; the key itself for any other.
std::string_view EquipmentFieldName(std::string_view key);

// The dialog's other plain texts (Windows-1250).
struct EquipmentDialogTexts {
    std::string_view Title = "Felszerel\xE9s";
    std::string_view Telescopes = "T\xE1vcs\xF6vek";
    std::string_view Eyepieces = "Okul\xE1rok";
    std::string_view Finders = "Keres\xF5t\xE1vcs\xF6vek";
    std::string_view Chosen = "Haszn\xE1latban";
    std::string_view None = "(nincs)";
    std::string_view Telrad = "Telrad-gy\xFBr\xFBk (0,5\xB0, 2\xB0, 4\xB0)";
    std::string_view Add = "\xDAj sor";
    std::string_view Remove = "Sor t\xF6rl\xE9se";
    std::string_view TrueField =
        "Val\xF3"
        "di l\xE1t\xF3mez\xF5";
    std::string_view BadEntry = "hib\xE1s";  // "Távcsövek, 2. sor: fókusztávolság hibás"
    std::string_view Row = "sor";
};
inline constexpr EquipmentDialogTexts EquipmentTexts{};

}  // namespace kolvar
