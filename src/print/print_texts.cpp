#include "print/print_texts.h"

#include <string>

#include "texts/civil_instant_text.h"
#include "texts/place_text.h"
#include "texts/runic_transliteration.h"

namespace kolvar {

PrintHeader PrintHeaderFor(const ObserverState& observer, std::string_view placeName,
                           std::string_view title) {
    PrintHeader header;
    header.Title = title;
    header.RunicTitle = TransliterateToRunes(title, HungarianEncoding::Windows1250);
    header.Place = placeName.empty()
                       ? PlaceText(observer.Longitude, observer.Latitude, PlaceTextEncoding::Windows1250)
                       : std::string(placeName);
    const CivilInstantText when = CivilInstantTextOf(observer.JulianDay, observer.Zone, observer.SummerTime);
    header.Date = when.Date;
    header.Time = when.Clock;
    return header;
}

}  // namespace kolvar
