#include "texts/print_captions.h"

namespace kolvar {

const PrintMenuTexts& PrintMenuCaptions() {
    static const PrintMenuTexts texts = [] {
        const auto caption = [](std::string_view hungarian) {
            return ViewCaption{RunicMenuCaption(hungarian), hungarian};
        };
        return PrintMenuTexts{
            .Print = caption("Nyomtat\xE1s..."),
            .SaveAsImage = caption("Ment\xE9s k\xE9pk\xE9nt..."),
        };
    }();
    return texts;
}

}  // namespace kolvar
