#pragma once

// The texts of a printed sheet's header for an observer, in Windows-1250
// (the runic title in the runic font's codes, reading order).

#include <string_view>

#include "print/print_header.h"
#include "sky/observer_state.h"

namespace kolvar {

// The place is the town's name when the place was chosen from the city table
// (`placeName`, Windows-1250), else the latitude and longitude ("47\xB0" "35' \xC9, 19\xB0" "04' K"); the
// date and clock time are civil time in the observer's zone, summer time
// included; the title is written in runes by the transliteration.
PrintHeader PrintHeaderFor(const ObserverState& observer, std::string_view placeName, std::string_view title);

}  // namespace kolvar
