#pragma once

// What to observe tonight: for every candidate object (the planets, the
// bright catalogue's named stars, the Messier objects and the other NGC/IC
// objects) its rising, upper culmination and setting during the night, the
// best time (the highest point while it is dark, above the local horizon)
// with its altitude and azimuth, and its distance from the Moon then. An
// object that never reaches the minimum altitude in the dark, or only behind
// the local horizon, is left out.

#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "astro/angles.h"
#include "astro/apparent_place.h"
#include "astro/small_body.h"
#include "plan/local_horizon.h"
#include "plan/night.h"

namespace kolvar {

// The catalogues' groups, and beside them the comets and minor planets the
// user imported (which a window's filter of the catalogues' groups leaves out).
enum class ObjectGroup : std::uint8_t { Planet, Star, Messier, NgcIc, SmallBody };
inline constexpr int ObjectGroupCount = 4;

// What an object is: a planet, a star, or an NGC/IC kind (catalog/ngc_ic_catalogue.h).
struct ObjectKind {
    ObjectGroup Group = ObjectGroup::Star;
    std::uint8_t NgcIcKind = 0;  // NgcIcKind for the Messier and NGC/IC objects
};

struct Candidate {
    ObjectKind Kind;
    int Slot = -1;                    // slot of the object table; -1 for an NGC/IC object the chart lacks
    int NgcIc = -1;                   // index in NgcIcCatalogue(); -1 for the planets and stars
    std::string_view Name;            // the name it is shown by (Windows-1250)
    int Constellation = 0;            // 1..88 as the catalogues number them; 0 where not known
    float Magnitude = 99.0f;          // catalogue magnitude; 99 where not known (planets: of the night)
    float Size = 0.0f;                // major axis in arc minutes; 0 for a point or where not known
    CataloguePlace J2000;             // stars and deep-sky objects
    const SmallBody* Body = nullptr;  // a comet or minor planet (ObjectGroup::SmallBody)
};

// Every candidate, built once from the start-up tables (InitStaticTables must have run).
const std::vector<Candidate>& TonightCandidates();

// The comets and minor planets of `bodies` as candidates (their magnitude
// is that of the night); `names` keeps the names they are shown by
// (Windows-1250) and, like `bodies`, must outlive them. With `julianDay`
// their J2000 field holds their astrometric place then (what a finder chart
// or a telescope is pointed at).
std::vector<Candidate> SmallBodyCandidates(std::span<const SmallBody> bodies, std::deque<std::string>& names,
                                           std::optional<double> julianDay = std::nullopt);

// The candidates of one night's comets and minor planets, kept together
// with what they point into, for a list that outlives its computation.
struct SmallBodyCandidateSet {
    std::shared_ptr<const std::vector<SmallBody>> Bodies;
    std::deque<std::string> Names;
    std::vector<Candidate> Candidates;
};

// Comets and minor planets are listed up to this magnitude when the filter sets no limit.
inline constexpr double TonightSmallBodyMagnitude = 10.0;

struct TonightFilter {
    double MinAltitude = 20.0 * Pi / 180.0;  // radians, at the best time
    std::optional<double> MagnitudeLimit;    // brighter than or as bright as; unknown magnitudes fail it
    unsigned Groups = (1u << (ObjectGroupCount + 1)) - 1;  // bit per ObjectGroup, SmallBody's too
    double MinSize = 0.0;                                  // arc minutes, for objects with an extent
    std::optional<double> MaxSize;
};

struct TonightEntry {
    const Candidate* Object = nullptr;
    double Magnitude = 99.0;
    std::optional<double> Rise, Transit, Set;  // the first after the night's start (Julian days, UT)
    bool NeverRises = false;                   // over the horizon (the local one when given)
    bool NeverSets = false;
    double Best = 0.0;
    double BestAltitude = 0.0;  // radians, without refraction
    double BestAzimuth = 0.0;   // radians from north through east
    double MoonDistance = 0.0;  // radians, at the best time
    int Constellation = 0;      // 1..88, where it stands at the best time
};

// The objects worth a look in `night` at `site`, by best time. Rising and
// setting are over the local horizon when one is given (through refraction
// at its altitude), else at the standard 34' below the true horizon; an
// object behind the local horizon counts as hidden.
std::vector<TonightEntry> PlanTonight(const Night& night, const GeodeticPlace& site,
                                      const TonightFilter& filter, const LocalHorizon* horizon,
                                      std::span<const Candidate> candidates);

// Refraction at an apparent altitude (radians), for the ordinary air near
// the ground: 34.5' at the horizon, 1' at 45 degrees.
double RefractionAt(double apparentAltitude);

}  // namespace kolvar
