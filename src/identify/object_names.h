#pragma once

#include <functional>
#include <string_view>

namespace kolvar {

// Receives one name of one slot of the SkyObjectTable (Windows-1250 text).
using NameSink = std::function<void(int slot, std::string_view name)>;

// Every name the program holds for every slot, slot by slot, each slot's
// names in the order find lists them (the first is the object's display name):
//  - Sun, Moon, planets: the Hungarian name of the labels, the Latin and
//    English names, the Hungarian spellings of their runic names;
//  - stars: the proper name; the Bayer designation with the constellation's
//    abbreviation and genitive, the Greek letter written as the labels name
//    it ("alpha"), in Hungarian ("alfa") and abbreviated ("Alp"), with and
//    without its superscript number; the Flamsteed designation ("21 And",
//    "21 Andromedae"); the Hungarian spellings of its runic names and of its
//    cluster's; "HR 15";
//  - deep-sky objects: the Messier and NGC (or IC) designations, the popular
//    name, the Hungarian spellings of the runic names.
// A name may come twice in different spellings; the start-up tables
// (InitStaticTables) must be built.
void ListObjectNames(const NameSink& add);

}  // namespace kolvar
