#pragma once

// The texts of the comets and minor planets: their labels on the sky with
// the age of old elements, their kind words, and the runic captions of their
// menu items (each written from its Hungarian source, Windows-1250, kept
// beside it).

#include <array>
#include <string>
#include <string_view>

#include "astro/small_body.h"
#include "texts/view_captions.h"

namespace kolvar {

// Elements older (or younger) than this many days are marked on the sky.
inline constexpr double StaleElementsDays = 365.25;

inline bool StaleElements(double epochAgeDays) {
    return epochAgeDays > StaleElementsDays || epochAgeDays < -StaleElementsDays;
}

// The note on a label whose elements are far from the instant, Windows-1250:
// " (elemek 3,2 éve)", " (elemek 1,5 év múlva)"; empty within a year.
std::string EpochAgeNote(double epochAgeDays);

// The label of a body on the sky: its name as shown ("1P/Halley", "(4) Vesta")
// with the epoch note, Windows-1250.
std::string SmallBodyLabel(const SmallBody& body, double epochAgeDays);

// "üstökös" or "kisbolygó", Windows-1250.
std::string_view SmallBodyKindWord(SmallBodyKind kind);

// What identification tells of a body, Windows-1250, one line each: its
// name as shown, its kind (with the epoch note), "fényesség 8,3 magn."
// (or unknown), "Naptól 2,712 CSE", "Földtől 1,853 CSE".
std::array<std::string, 5> SmallBodyFacts(const SmallBody& body, double magnitude, double sunDistance,
                                          double earthDistance, double epochAgeDays);

struct SmallBodyTexts {
    ViewCaption Show;                 // the view menu's switch
    ViewCaption Magnitude;            // its magnitude limit submenu
    ViewCaption Import;               // the file menu's import command
    ViewCaption Importing;            // the progress window's title
    ViewCaption Path;                 // the close-up's path item
    std::string_view ImportDone;      // "%1 égitest beolvasva" (Qt's %1 for the count)
    std::string_view ImportProblems;  // "%1 sor hibás"
    std::string_view ImportFailed;    // the file could not be read or kept
};

// Written once, on first use; the strings stay put for the whole run.
const SmallBodyTexts& SmallBodyCaptions();

}  // namespace kolvar
