#pragma once

// The runic captions of finding an object by name: the Megfigyelő menu's
// item and the find dialog's texts. Each is written from its Hungarian
// source (Windows-1250, kept beside it and capitalised as the Latin-letter
// interface shows it) by the transliteration routine and stored reversed, because
// captions are drawn as stored; the menu item carries a blank at each end
// like every menu caption.

#include "texts/view_captions.h"

namespace kolvar {

struct FindTexts {
    ViewCaption MenuItem;       // the Megfigyelő menu's item
    ViewCaption NameLabel;      // beside the text field
    ViewCaption RisesAt;        // below the horizon; the rising time stands beside it
    ViewCaption NeverRises;     // below the horizon for good at this latitude
    ViewCaption NotRisingSoon;  // the Sun, the Moon or a planet down for the next two days
    ViewCaption NoMatch;        // the typed name names nothing
};

// Written once, on first use; the strings stay put for the whole run.
const FindTexts& FindCaptions();

}  // namespace kolvar
