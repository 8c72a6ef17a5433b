#include "catalog/print_captions.h"

namespace kolvar {

const PrintMenuTexts PrintMenuCaptions{
    {" ...s`atatmo\xF1 ", "Nyomtat\xE1s..."},
    {" ...tn\xE9kp\xE9k s\xE9tnem ", "Ment\xE9s k\xE9pk\xE9nt..."},
};

}  // namespace kolvar
