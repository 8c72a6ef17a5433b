#include "texts/close_up_captions.h"

namespace kolvar {

const CloseUpMenuTexts& CloseUpMenuCaptions() {
    static const CloseUpMenuTexts texts = [] {
        const auto item = [](std::string_view hungarian) {
            return ViewCaption{RunicMenuCaption(hungarian), hungarian};
        };
        return CloseUpMenuTexts{
            .Fields = {item("Saj\xE1t l\xE9pt\xE9k"), item("Harminc fok"), item("T\xEDz fok"),
                       item("\xD6t fok"), item("K\xE9t fok"), item("Egy fok"), item("F\xE9l fok"),
                       item("Negyed fok")},
            .Limits = {item("Csillagok a l\xE1t\xF3mez\xF5 szerint"), item("Csillagok hat \xE9s f\xE9lig"),
                       item("Csillagok nyolcig"), item("Csillagok kilencig"), item("Csillagok t\xEDzig"),
                       item("Csillagok t\xEDz \xE9s f\xE9lig")},
        };
    }();
    return texts;
}

}  // namespace kolvar
