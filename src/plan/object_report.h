#pragma once

// What the object window tells about one object at the observer's place and
// instant: its names and kind, catalogue data, places of J2000 and of date,
// where it stands now and when it rises, culminates and sets. Altitudes,
// azimuths and the times are those of the true (geodetic) frame, as find
// gives them; rising and setting at 34' of refraction (the upper limb for the
// Sun and the Moon).

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "astro/apparent_place.h"
#include "astro/rise_set.h"
#include "identify/name_index.h"
#include "plan/local_horizon.h"
#include "sky/observer_state.h"

namespace kolvar {

// An object as find names it: a slot of the object table, an NGC/IC object
// the table lacks or a constellation (FoundObject's Kind and Index).
struct ReportedObject {
    FoundKind Kind = FoundKind::Slot;
    int Index = 0;
    bool operator==(const ReportedObject&) const = default;
};

struct ObjectReport {
    ReportedObject Object;
    std::string Name;                     // the display name (Windows-1250)
    std::vector<std::string> OtherNames;  // its other names, a few at most
    std::string_view Kind;                // Hungarian word (Windows-1250)
    int Constellation = 0;                // 1..88 that holds it now; 0 for none
    std::optional<double> Magnitude;
    std::optional<double> MajorAxis, MinorAxis;  // arc minutes; the Sun's and the Moon's disc
    EquatorialPlace J2000;                       // radians; astrometric for the bodies
    EquatorialPlace OfDate;                      // apparent, true equator and equinox of date
    ObservedDirection Now;                       // true frame, without refraction
    std::optional<double> Airmass;               // above the horizon only
    RiseTransitSet Times;
    std::optional<double> Distance;  // AU, the Sun, the Moon and the planets
    // The Moon: its phase (0 new, pi full, 0..2 pi) and lit fraction 0..1.
    std::optional<double> MoonPhase, MoonIlluminated;
};

// The report of `object` for the observer's place and instant (JulianDay,
// Longitude, Latitude); the start-up tables must be built. With a skyline
// the rising and setting are over it.
ObjectReport ReportObject(const ReportedObject& object, const ObserverState& observer,
                          const LocalHorizon* skyline = nullptr);

// Relative air mass at a true altitude (radians, Kasten and Young 1989);
// nothing below the horizon.
std::optional<double> AirmassAt(double altitude);

// The eight phases' Hungarian names (Windows-1250), as MoonPhaseName divides the cycle.
std::string_view HungarianMoonPhaseName(double phaseAngle);

// What find's list says of each hit: its altitude now and the next of its
// rising or setting, in the true frame (over the skyline when one is given).
struct HorizonSummary {
    double Altitude = 0.0;       // radians
    std::optional<double> Next;  // Julian day of the next rising or setting
    bool NextIsRise = false;     // which of the two it is
    bool NeverRises = false;     // down for the whole search
    bool NeverSets = false;      // up for the whole search
};

// Reuses its placer from one hit to the next: find lists many.
class HorizonSummaries {
public:
    explicit HorizonSummaries(const ObserverState& observer, const LocalHorizon* skyline = nullptr);
    ~HorizonSummaries();
    HorizonSummary Of(const FoundObject& found);

private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace kolvar
