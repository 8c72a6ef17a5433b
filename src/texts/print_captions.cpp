#include "texts/print_captions.h"

#include <array>
#include <cerrno>
#include <utility>

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

std::string_view FileActionText(std::string_view action) {
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 5> actions = {{
        {"cannot open", "nem nyithat\xF3 meg"},
        {"cannot write", "nem \xEDrhat\xF3"},
        {"cannot replace", "nem cser\xE9lhet\xF5 le"},
        {"cannot follow the links of", "hivatkoz\xE1sai nem k\xF6vethet\xF5k"},
        {"cannot create a file beside", "mell\xE9 nem hozhat\xF3 l\xE9tre f\xE1jl"},
    }};
    for (const auto& [english, hungarian] : actions)
        if (english == action) return hungarian;
    return {};
}

std::string_view ErrorCodeText(int code) {
    static constexpr std::array<std::pair<int, std::string_view>, 13> texts = {{
        {ENOSPC,
         "Nincs t\xF6"
         "bb hely az eszk\xF6z\xF6n"},
        {EDQUOT, "A lemezkv\xF3ta betelt"},
        {EACCES,
         "Hozz\xE1"
         "f\xE9r\xE9s megtagadva"},
        {EPERM, "A m\xFBvelet nem enged\xE9lyezett"},
        {EROFS, "Csak olvashat\xF3 f\xE1jlrendszer"},
        {ENOENT, "Nincs ilyen f\xE1jl vagy mappa"},
        {ENOTDIR, "Nem mappa"},
        {EISDIR, "Ez egy mappa"},
        {ENAMETOOLONG, "T\xFAl hossz\xFA f\xE1jln\xE9v"},
        {ELOOP, "T\xFAl sok szimbolikus hivatkoz\xE1s"},
        {EIO, "Bemeneti/kimeneti hiba"},
        {EPIPE, "A kimenet lez\xE1rult"},
        {EFBIG, "A f\xE1jl t\xFAl nagy"},
    }};
    for (const auto& [value, text] : texts)
        if (value == code) return text;
    return {};
}

}  // namespace kolvar
