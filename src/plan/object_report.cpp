#include "plan/object_report.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/sun_moon.h"
#include "catalog/constellation_boundaries.h"
#include "catalog/deep_sky_catalogue.h"
#include "catalog/ngc_ic_catalogue.h"
#include "catalog/star_catalogue.h"
#include "chart/solar_system_layer.h"
#include "identify/deep_names.h"
#include "identify/object_magnitude.h"
#include "identify/search_key.h"
#include "plan/skyline_rise_set.h"
#include "plan/tonight_list.h"
#include "plan/true_frame.h"
#include "sky/slot_position.h"
#include "texts/tonight_captions.h"

namespace kolvar {

namespace {

constexpr double ArcMinutesPerRadian = DegreesPerRadian * 60.0;
constexpr std::size_t MostOtherNames = 4;

int TargetOf(const ReportedObject& o) {
    switch (o.Kind) {
        case FoundKind::Slot:
            return o.Index;
        case FoundKind::NgcIc:
            return FirstNgcIcTarget + o.Index;
        case FoundKind::Constellation:
            return FirstConstellationTarget() + o.Index;
    }
    return o.Index;
}

// The display name and the others that differ from it and from each other
// in more than spelling or ending ("alpha Lyr" stands for "alpha Lyrae").
void Name(ObjectReport& r) {
    const std::vector<std::string_view> names = ProgramNameIndex().NamesOf(TargetOf(r.Object));
    if (names.empty()) return;
    r.Name = std::string(names.front());
    std::vector<std::string> keys{SearchKeyOfCp1250(names.front())};
    for (std::size_t i = 1; i < names.size() && r.OtherNames.size() < MostOtherNames; ++i) {
        std::string key = SearchKeyOfCp1250(names[i]);
        bool seen = false;
        for (const std::string& k : keys) seen = seen || key.starts_with(k) || k.starts_with(key);
        if (seen) continue;
        keys.push_back(std::move(key));
        r.OtherNames.emplace_back(names[i]);
    }
}

// The NGC/IC record of a deep-sky slot or of an NGC/IC object; none for the others.
const NgcIcRecord* NgcIcRecordOf(const ReportedObject& o) {
    if (o.Kind == FoundKind::NgcIc) return &NgcIcCatalogue()[static_cast<std::size_t>(o.Index)];
    if (o.Kind != FoundKind::Slot || o.Index < FirstDeepSkySlot) return nullptr;
    for (const Candidate& c : TonightCandidates())
        if (c.Slot == o.Index && c.NgcIc >= 0) return &NgcIcCatalogue()[static_cast<std::size_t>(c.NgcIc)];
    return nullptr;
}

std::string_view SlotKindWord(int slot) {
    if (slot == SunSlot) return "Nap";
    if (slot == MoonSlot) return "Hold";
    if (slot < FirstStarSlot) return PlanetKindWord();
    return StarKindWord();
}

// Catalogue data and the places of a star, a deep-sky object or a direction.
void DescribeFixed(ObjectReport& r, double julianDay) {
    const ReportedObject& o = r.Object;
    CataloguePlace place;
    if (const NgcIcRecord* n = NgcIcRecordOf(o)) {
        r.Kind = NgcIcKindWord(n->Kind);
        if (n->Magnitude != NoNgcIcMagnitude) r.Magnitude = NgcIcMagnitudeOr(*n, 0.0f);
        if (n->MajorAxis > 0.0f) {
            r.MajorAxis = n->MajorAxis;
            r.MinorAxis = n->MinorAxis > 0.0f ? n->MinorAxis : n->MajorAxis;
        }
        place.RightAscension = static_cast<double>(n->RightAscension);
        place.Declination = static_cast<double>(n->Declination);
    }
    if (o.Kind == FoundKind::Slot && o.Index >= FirstDeepSkySlot) {
        // The chart's own place of the object, whatever the NGC/IC table says.
        const DeepSkyRecord& d = DeepSkyCatalogue[static_cast<std::size_t>(o.Index - FirstDeepSkySlot)];
        place.RightAscension = static_cast<double>(d.RightAscension);
        place.Declination = static_cast<double>(d.Declination);
        if (r.Kind.empty()) r.Kind = NgcIcKindWord(-1);
        if (!r.Magnitude) r.Magnitude = d.MagnitudeClass;
    } else if (o.Kind == FoundKind::Slot) {
        const StarRecord& s = StarCatalogue[static_cast<std::size_t>(o.Index - FirstStarSlot)];
        place = StarCataloguePlace(s);
        r.Kind = StarKindWord();
        r.Magnitude = s.MagnitudeClass;
    } else if (o.Kind == FoundKind::Constellation) {
        const TargetDirection d = DirectionOfConstellation(o.Index);
        place.RightAscension = d.RightAscension;
        place.Declination = d.Declination;
        r.Kind = "csillagk\xE9p";
    }
    r.J2000 = {place.RightAscension, place.Declination};
    r.OfDate = ApparentOfDate(place, julianDay);
    r.Constellation = o.Kind == FoundKind::Constellation
                          ? o.Index
                          : ConstellationAt(r.J2000.RightAscension, r.J2000.Declination);
}

// The same of the Sun, the Moon or a planet, seen from the observer.
void DescribeBody(ObjectReport& r, const ObserverState& observer) {
    const int slot = r.Object.Index;
    const double jd = observer.JulianDay;
    const TrueFrame frame({observer.Longitude, observer.Latitude, 0.0}, jd);
    const BodyPlace body = frame.Body(slot, jd);
    r.Kind = SlotKindWord(slot);
    r.OfDate = body.Place;
    r.J2000 = AstrometricFromApparent(body.Place, jd);
    r.Distance = body.Distance;
    r.Constellation = ConstellationAt(r.J2000.RightAscension, r.J2000.Declination);
    r.Magnitude = ObjectMagnitudes(jd)[static_cast<std::size_t>(slot)];
    if (slot == SunSlot || slot == MoonSlot) {
        const double radius = slot == SunSlot ? SunRadiusAu : MoonRadiusAu;
        r.MajorAxis = r.MinorAxis = 2.0 * std::asin(radius / body.Distance) * ArcMinutesPerRadian;
    }
    if (slot == MoonSlot) {
        // The elongation from the Sun, waxing while the Moon is east of it.
        const BodyPlace sun = frame.Body(SunSlot, jd);
        const double elongation = AngularDistance(body.Place, sun.Place);
        const bool waxing = ReducedAngle(body.Place.RightAscension - sun.Place.RightAscension) > 0.0;
        r.MoonPhase = waxing ? elongation : 2.0 * Pi - elongation;
        r.MoonIlluminated = 0.5 * (1.0 - std::cos(elongation));
    }
}

}  // namespace

std::optional<double> AirmassAt(double altitude) {
    if (!(altitude > 0.0)) return std::nullopt;
    const double degrees = altitude * DegreesPerRadian;
    return 1.0 / (std::sin(altitude) + 0.50572 * std::pow(degrees + 6.07995, -1.6364));
}

std::string_view HungarianMoonPhaseName(double phaseAngle) {
    static constexpr std::string_view Names[] = {
        "\xFAjhold", "n\xF6v\xF5 sarl\xF3", "els\xF5 negyed",   "n\xF6v\xF5 hold",
        "telihold",  "fogy\xF3 hold",       "utols\xF3 negyed", "fogy\xF3 sarl\xF3"};
    const double turn = phaseAngle / (2.0 * Pi);
    const int eighth = static_cast<int>(std::floor((turn - std::floor(turn)) * 8.0 + 0.5)) % 8;
    return Names[eighth];
}

ObjectReport ReportObject(const ReportedObject& object, const ObserverState& observer,
                          const LocalHorizon* skyline) {
    ObjectReport r;
    r.Object = object;
    Name(r);
    const double jd = observer.JulianDay;
    const bool body = object.Kind == FoundKind::Slot && object.Index < FirstStarSlot;
    if (body)
        DescribeBody(r, observer);
    else
        DescribeFixed(r, jd);

    // Where it stands and when it rises and sets, as find reckons them.
    if (object.Kind == FoundKind::Slot) {
        SlotPlacer placer(observer.Longitude, observer.Latitude, PlacementFrame::True);
        const SkyObjectEntry e = placer.Place(object.Index, jd);
        r.Now = {WrapTwoPi(e.Azimuth), e.Altitude};
        r.Times = SlotTimesOverSkyline(placer, object.Index, jd, skyline);
    } else {
        const SkyObjectEntry e = SlotPlacer(observer.Longitude, observer.Latitude, PlacementFrame::True)
                                     .PlaceDirection(r.J2000.RightAscension, r.J2000.Declination, jd);
        r.Now = {WrapTwoPi(e.Azimuth), e.Altitude};
        r.Times = DirectionTimesOverSkyline(observer.Longitude, observer.Latitude, r.J2000.RightAscension,
                                            r.J2000.Declination, jd, skyline);
    }
    r.Airmass = AirmassAt(r.Now.Altitude);
    return r;
}

struct HorizonSummaries::State {
    ObserverState Observer;
    SlotPlacer Placer;
    const LocalHorizon* Skyline;
    State(const ObserverState& o, const LocalHorizon* skyline)
        : Observer(o), Placer(o.Longitude, o.Latitude, PlacementFrame::True), Skyline(skyline) {}
};

HorizonSummaries::HorizonSummaries(const ObserverState& observer, const LocalHorizon* skyline)
    : state_(std::make_unique<State>(observer, skyline)) {}
HorizonSummaries::~HorizonSummaries() = default;

HorizonSummary HorizonSummaries::Of(const FoundObject& found) {
    const double jd = state_->Observer.JulianDay;
    const double lon = state_->Observer.Longitude, lat = state_->Observer.Latitude;
    HorizonSummary s;
    RiseTransitSet times;
    if (found.Kind == FoundKind::Slot) {
        s.Altitude = state_->Placer.Place(found.Slot, jd).Altitude;
        times = SlotTimesOverSkyline(state_->Placer, found.Slot, jd, state_->Skyline);
    } else {
        const TargetDirection d = found.Kind == FoundKind::NgcIc ? DirectionOfNgcIc(found.Index)
                                                                 : DirectionOfConstellation(found.Index);
        s.Altitude = state_->Placer.PlaceDirection(d.RightAscension, d.Declination, jd).Altitude;
        times = DirectionTimesOverSkyline(lon, lat, d.RightAscension, d.Declination, jd, state_->Skyline);
    }
    s.NeverRises = times.NeverRises;
    s.NeverSets = times.NeverSets;
    if (times.Rise && (!times.Set || *times.Rise < *times.Set)) {
        s.Next = times.Rise;
        s.NextIsRise = true;
    } else {
        s.Next = times.Set;
    }
    return s;
}

}  // namespace kolvar
