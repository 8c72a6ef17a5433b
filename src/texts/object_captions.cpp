#include "texts/object_captions.h"

#include "texts/runic_transliteration.h"

namespace kolvar {

const ObjectTexts& ObjectCaptions() {
    static const ObjectTexts texts = [] {
        const auto label = [](std::string_view hungarian) {
            return ViewCaption{
                ReverseRunicText(TransliterateToRunes(hungarian, HungarianEncoding::Windows1250)), hungarian};
        };
        return ObjectTexts{
            .MenuItem = ViewCaption{RunicMenuCaption("Adatlap"), "Adatlap"},
            .Title = label("\xC9gitest adatai"),
            .Names = label("Nevek"),
            .Kind = label("Fajta"),
            .Constellation = label("Csillagk\xE9p"),
            .Magnitude = label("F\xE9nyess\xE9g"),
            .Size = label("M\xE9ret"),
            // The year's digits read left to right inside the runes' right
            // to left: stored at the left end, in their own order.
            .PlaceJ2000 = ViewCaption{std::string("2000").append(label("Koordin\xE1t\xE1k j").Runic),
                                      "Koordin\xE1t\xE1k J2000"},
            .PlaceOfDate = label("Koordin\xE1t\xE1k a d\xE1tumra"),
            .Azimuth = label("Azimut"),
            .Altitude = label("Magass\xE1g"),
            .Airmass = label("L\xE9gt\xF6meg"),
            .Rise = label("Kel"),
            .Transit = label("Delel"),
            .Set = label("Nyugszik"),
            .Distance = label("T\xE1vols\xE1g"),
            .MoonPhase = label("Holdf\xE1zis"),
            .NeverRises = "sosem kel fel",
            .Circumpolar = "cirkumpol\xE1ris, sosem nyugszik le",
            .NotInRange = "nincs a k\xE9t napban",
            .BelowHorizon = "a l\xE1t\xF3hat\xE1r alatt",
            .Lit = "megvil\xE1g\xEDtva",
            .Rises = "kel",
            .Sets = "nyugszik",
            .NeverSets = "nem nyugszik le",
        };
    }();
    return texts;
}

}  // namespace kolvar
