#pragma once

#include <functional>
#include <string_view>

#include "sky/sky_object_table.h"

namespace kolvar {

// What find can name beyond the slots of the SkyObjectTable: the objects of
// the NGC/IC catalogue that the table lacks and the constellations. Each has
// a target number after the slots'.
inline constexpr int FirstNgcIcTarget = SkyObjectCount;
int NgcIcTargetCount();
int FirstConstellationTarget();
int TargetCount();

// Receives one name of one target (Windows-1250 text).
using TargetNameSink = std::function<void(int target, std::string_view name)>;

// The names beyond ListObjectNames's, in no particular order of targets:
//  - for a deep-sky slot of the table: the common names, English and
//    Hungarian, that the NGC/IC catalogue gives the same object;
//  - for every other NGC/IC object: "M45" where it has a Messier number, its
//    designation ("NGC 7000", "IC 434") and its common names; the first is
//    its display name;
//  - for constellation 1..88: its Latin name (the display name), its
//    Hungarian names and its abbreviation.
void ListDeepNames(const TargetNameSink& add);

// The J2000 direction (radians) of NGC/IC object `object` or of the first
// label point of constellation 1..88; zero for any other number.
struct TargetDirection {
    double RightAscension = 0.0;
    double Declination = 0.0;
};
TargetDirection DirectionOfNgcIc(int object);
TargetDirection DirectionOfConstellation(int constellation);

// The slot of the table that shows NGC/IC object `object`, or -1 when the
// table lacks it (found by Messier number, else by designation).
int FixedSlotOfNgcIc(int object);

}  // namespace kolvar
