#include "plan/tonight_list.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <set>

#include "astro/angles.h"
#include "astro/small_body_place.h"
#include "canvas/cp1250.h"
#include "catalog/constellation_boundaries.h"
#include "catalog/deep_sky_catalogue.h"
#include "catalog/ngc_ic_catalogue.h"
#include "catalog/star_catalogue.h"
#include "catalog/star_names.h"
#include "identify/deep_names.h"
#include "identify/name_index.h"
#include "identify/object_magnitude.h"
#include "plan/true_frame.h"
#include "sky/sky_object_table.h"

namespace kolvar {

namespace {

constexpr double SiderealDay = TwoPi / SiderealRadiansPerDay;
constexpr double ProfileStepDays = 4.0 / 1440.0;  // a degree of the sky's turn
constexpr double BestStepDays = 8.0 / 1440.0;     // then refined by bisection
constexpr int MovingIterations = 4;               // a planet's place settles its events to a second in these

double PositiveAngle(double a) {
    const double r = std::fmod(a, TwoPi);
    return r < 0.0 ? r + TwoPi : r;
}

// The doubles and multiples of the bright catalogue: stars without a proper
// name (the named ones are listed already) with a catalogue neighbour within
// DoubleReach. Stars joined by such neighbours form one group (epsilon Lyrae's
// four), listed once by its brightest star.
struct Doubles {
    std::vector<int> Unnamed;  // the brightest star of each group without a named star
    std::vector<bool> Paired;  // by star: in a group
};

Doubles BrightDoubles() {
    constexpr double DoubleReach = 10.0 * RadiansPerArcminute;
    std::vector<std::array<double, 3>> unit(StarCount);
    std::vector<int> byDeclination(StarCount), group(StarCount);
    for (int i = 0; i < StarCount; ++i) {
        const StarRecord& s = StarCatalogue[static_cast<std::size_t>(i)];
        const double ra = s.RightAscension, dec = s.Declination;
        unit[static_cast<std::size_t>(i)] = {std::cos(dec) * std::cos(ra), std::cos(dec) * std::sin(ra),
                                             std::sin(dec)};
        byDeclination[static_cast<std::size_t>(i)] = i;
        group[static_cast<std::size_t>(i)] = i;
    }
    const auto root = [&group](int i) {
        while (group[static_cast<std::size_t>(i)] != i) i = group[static_cast<std::size_t>(i)];
        return i;
    };
    const auto dec = [](int i) {
        return static_cast<double>(StarCatalogue[static_cast<std::size_t>(i)].Declination);
    };
    std::sort(byDeclination.begin(), byDeclination.end(), [&](int a, int b) { return dec(a) < dec(b); });
    const double nearCos = std::cos(DoubleReach);
    std::vector<bool> paired(StarCount, false);
    for (std::size_t a = 0; a < byDeclination.size(); ++a)
        for (std::size_t b = a + 1;
             b < byDeclination.size() && dec(byDeclination[b]) - dec(byDeclination[a]) <= DoubleReach; ++b) {
            const int i = byDeclination[a], j = byDeclination[b];
            const auto& u = unit[static_cast<std::size_t>(i)];
            const auto& v = unit[static_cast<std::size_t>(j)];
            if (u[0] * v[0] + u[1] * v[1] + u[2] * v[2] < nearCos) continue;
            paired[static_cast<std::size_t>(i)] = paired[static_cast<std::size_t>(j)] = true;
            group[static_cast<std::size_t>(root(i))] = root(j);
        }
    std::map<int, int> brightest;  // group -> its brightest star
    std::set<int> namedGroups;
    for (int i = 0; i < StarCount; ++i) {
        if (!paired[static_cast<std::size_t>(i)]) continue;
        const int g = root(i);
        const StarRecord& s = StarCatalogue[static_cast<std::size_t>(i)];
        if (!ProperNameOf(s.HrNumber).empty()) namedGroups.insert(g);
        const auto at = brightest.find(g);
        if (at == brightest.end() ||
            s.MagnitudeClass < StarCatalogue[static_cast<std::size_t>(at->second)].MagnitudeClass)
            brightest[g] = i;
    }
    Doubles doubles{{}, paired};
    for (const auto& [g, star] : brightest)
        if (!namedGroups.contains(g)) doubles.Unnamed.push_back(star);
    std::sort(doubles.Unnamed.begin(), doubles.Unnamed.end());
    return doubles;
}

std::vector<Candidate> BuildCandidates() {
    const NameIndex& names = ProgramNameIndex();
    std::vector<Candidate> all;
    for (int p = 0; p < FirstStarSlot - FirstPlanetSlot; ++p) {
        Candidate c;
        c.Kind.Group = ObjectGroup::Planet;
        c.Slot = FirstPlanetSlot + p;
        c.Name = names.DisplayName(c.Slot);
        all.push_back(c);
    }
    const Doubles doubles = BrightDoubles();
    constexpr auto Double = static_cast<std::uint8_t>(NgcIcKind::MultipleStar);
    for (int i = 0; i < StarCount; ++i) {
        const StarRecord& s = StarCatalogue[static_cast<std::size_t>(i)];
        if (ProperNameOf(s.HrNumber).empty()) continue;
        Candidate c;
        c.Kind.Group = ObjectGroup::Star;
        if (doubles.Paired[static_cast<std::size_t>(i)]) c.Kind.NgcIcKind = Double;  // Mizar, Albireo
        c.Slot = FirstStarSlot + i;
        c.Name = names.DisplayName(c.Slot);
        c.Constellation = s.Constellation;
        c.Magnitude = s.MagnitudeClass;
        c.J2000 = StarCataloguePlace(s);
        all.push_back(c);
    }
    for (const int i : doubles.Unnamed) {
        const StarRecord& s = StarCatalogue[static_cast<std::size_t>(i)];
        Candidate c;
        c.Kind = {ObjectGroup::Star, Double};
        c.Slot = FirstStarSlot + i;
        c.Name = names.DisplayName(c.Slot);
        c.Constellation = s.Constellation;
        c.Magnitude = s.MagnitudeClass;
        c.J2000 = StarCataloguePlace(s);
        all.push_back(c);
    }
    std::set<int> slotsTaken;
    const auto objects = NgcIcCatalogue();
    for (std::size_t i = 0; i < objects.size(); ++i) {
        const NgcIcRecord& r = objects[i];
        Candidate c;
        c.Kind = {r.Messier ? ObjectGroup::Messier : ObjectGroup::NgcIc, r.Kind};
        c.NgcIc = static_cast<int>(i);
        c.Slot = FixedSlotOfNgcIc(c.NgcIc);
        if (c.Slot >= 0 && !slotsTaken.insert(c.Slot).second) continue;  // one line for one object
        c.Name =
            c.Slot >= 0 ? names.DisplayName(c.Slot) : names.DisplayNameOfTarget(FirstNgcIcTarget + c.NgcIc);
        c.Constellation =
            c.Slot >= FirstDeepSkySlot
                ? DeepSkyCatalogue[static_cast<std::size_t>(c.Slot - FirstDeepSkySlot)].Constellation
                : ConstellationAt(r.RightAscension, r.Declination);
        c.Magnitude = NgcIcMagnitudeOr(r, 99.0f);
        c.Size = r.MajorAxis;
        c.J2000.RightAscension = static_cast<double>(r.RightAscension);
        c.J2000.Declination = static_cast<double>(r.Declination);
        all.push_back(c);
    }
    return all;
}

// One object's path over the night and the questions asked of it. `PlaceAt`
// gives its apparent place of date at an instant; a fixed object's is one
// place for the whole night.
template <class PlaceAt>
class Path {
public:
    Path(const TrueFrame& frame, const PlaceAt& place, int iterations)
        : frame_(frame),
          place_(place),
          iterations_(iterations),
          sinLat_(std::sin(frame.Site().Latitude)),
          cosLat_(std::cos(frame.Site().Latitude)) {}

    ObservedDirection At(double t) const { return frame_.Observe(place_(t), t); }

    // The first instant from `from` at which the hour angle is
    // `hourAngle(place)`; nothing when that gives nothing.
    template <class HourAngle>
    std::optional<double> Next(double from, const HourAngle& hourAngle) const {
        double t = from;
        for (int i = 0; i < iterations_; ++i) {
            const EquatorialPlace p = place_(t);
            const std::optional<double> h = hourAngle(p);
            if (!h) return std::nullopt;
            t = from + PositiveAngle(p.RightAscension + *h - frame_.LocalSiderealAngle(from)) /
                           SiderealRadiansPerDay;
        }
        return t;
    }
    std::optional<double> NextTransit(double from) const {
        return Next(from, [](const EquatorialPlace&) { return std::optional<double>(0.0); });
    }

    // The hour angle (0..pi) at which the object stands at `altitude`: 0
    // when it culminates lower, pi when it never goes so low.
    double HourAngleAt(const EquatorialPlace& p, double altitude) const {
        const double c =
            (std::sin(altitude) - sinLat_ * std::sin(p.Declination)) / (cosLat_ * std::cos(p.Declination));
        return std::acos(std::clamp(c, -1.0, 1.0));
    }
    double Culmination(const EquatorialPlace& p) const {
        return std::asin(
            std::clamp(sinLat_ * std::sin(p.Declination) + cosLat_ * std::cos(p.Declination), -1.0, 1.0));
    }
    double LowerCulmination(const EquatorialPlace& p) const {
        return std::asin(
            std::clamp(sinLat_ * std::sin(p.Declination) - cosLat_ * std::cos(p.Declination), -1.0, 1.0));
    }

    const PlaceAt& Place() const { return place_; }

private:
    const TrueFrame& frame_;
    const PlaceAt& place_;
    int iterations_;
    double sinLat_, cosLat_;
};

struct Work {
    const Night& night;
    const TrueFrame& frame;
    const TonightFilter& filter;
    const LocalHorizon* horizon;
    double ThresholdLow = -HorizonRefraction, ThresholdHigh = -HorizonRefraction;
    // The skyline through its refraction every quarter of a degree of azimuth,
    // so that the many samples of the list read it at the cost of a lookup.
    static constexpr int ThresholdSteps = 1440;
    std::vector<double> Thresholds;

    void PrepareThresholds() {
        if (!horizon) return;
        Thresholds.resize(ThresholdSteps + 1);
        for (int i = 0; i <= ThresholdSteps; ++i) {
            const double h = horizon->AltitudeAt(TwoPi * i / ThresholdSteps);
            Thresholds[static_cast<std::size_t>(i)] = h - RefractionAt(h);
        }
        ThresholdLow = *std::min_element(Thresholds.begin(), Thresholds.end());
        ThresholdHigh = *std::max_element(Thresholds.begin(), Thresholds.end());
    }

    // The true altitude at which an object stands on the skyline of an azimuth (0..2 pi).
    double Threshold(double azimuth) const {
        if (!horizon) return -HorizonRefraction;
        const double x = std::clamp(azimuth / TwoPi, 0.0, 1.0) * ThresholdSteps;
        const auto i = std::min(static_cast<std::size_t>(x), static_cast<std::size_t>(ThresholdSteps - 1));
        const double f = x - static_cast<double>(i);
        return Thresholds[i] + (Thresholds[i + 1] - Thresholds[i]) * f;
    }
    bool Visible(const ObservedDirection& d) const {
        return d.Altitude >= filter.MinAltitude && (!horizon || d.Altitude >= Threshold(d.Azimuth));
    }
};

// Rising and setting at the standard altitude below the true horizon.
template <class PlaceAt>
void RiseAndSetAtHorizon(const Path<PlaceAt>& path, const Work& w, TonightEntry& e) {
    const EquatorialPlace p = path.Place()(w.night.Start);
    if (path.Culmination(p) < -HorizonRefraction) e.NeverRises = true;
    if (path.LowerCulmination(p) > -HorizonRefraction) e.NeverSets = true;
    if (e.NeverRises || e.NeverSets) return;
    for (const double sign : {-1.0, 1.0}) {
        const auto t = path.Next(w.night.Start, [&](const EquatorialPlace& q) -> std::optional<double> {
            const double h = path.HourAngleAt(q, -HorizonRefraction);
            if (h <= 0.0 || h >= Pi) return std::nullopt;
            return sign * h;
        });
        if (t && *t <= w.night.End) (sign < 0.0 ? e.Rise : e.Set) = t;
    }
}

// Rising and setting over the local horizon: the skyline is crossed only
// while the object's altitude is within the skyline's range, so only those
// stretches of its hour angle are sampled.
template <class PlaceAt>
void RiseAndSetOverProfile(const Path<PlaceAt>& path, const Work& w, TonightEntry& e) {
    constexpr double Margin = 0.2 * RadiansPerDegree;
    const double low = w.ThresholdLow - Margin, high = w.ThresholdHigh + Margin;
    const EquatorialPlace p = path.Place()(w.night.Start);
    const TimeFunction above = [&path, &w](double t) {
        const ObservedDirection d = path.At(t);
        return d.Altitude - w.Threshold(d.Azimuth);
    };
    std::vector<Crossing> crossings;
    if (path.Culmination(p) >= low && path.LowerCulmination(p) <= high) {
        const double hLow = path.HourAngleAt(p, low), hHigh = path.HourAngleAt(p, high);
        const double lst0 = w.frame.LocalSiderealAngle(w.night.Start);
        for (const auto& [from, to] : {std::pair{-hLow, -hHigh}, std::pair{hHigh, hLow}}) {
            const double first =
                w.night.Start + PositiveAngle(p.RightAscension + from - lst0) / SiderealRadiansPerDay;
            const double length = (to - from) / SiderealRadiansPerDay + 2.0 * ProfileStepDays;
            for (double s = first - SiderealDay - ProfileStepDays; s < w.night.End; s += SiderealDay) {
                const double a = std::max(s, w.night.Start), b = std::min(s + length, w.night.End);
                if (b <= a) continue;
                for (const Crossing& c : FindCrossings(above, a, b, ProfileStepDays)) crossings.push_back(c);
            }
        }
    }
    std::sort(crossings.begin(), crossings.end(),
              [](const Crossing& a, const Crossing& b) { return a.Time < b.Time; });
    for (const Crossing& c : crossings) {
        if (c.Upward && !e.Rise) e.Rise = c.Time;
        if (!c.Upward && !e.Set) e.Set = c.Time;
    }
    if (crossings.empty())
        (above(e.Transit.value_or(w.night.Start)) >= 0.0 ? e.NeverSets : e.NeverRises) = true;
}

// The highest point while it is dark; over the local horizon, the highest
// point out from behind it. False when the object is never seen high enough.
template <class PlaceAt>
bool FindBest(const Path<PlaceAt>& path, const Work& w, TonightEntry& e) {
    const Interval dark = *w.night.Observing;
    const std::optional<double> transit = path.NextTransit(dark.Start);
    double best = 0.0;
    if (transit && *transit <= dark.End)
        best = *transit;
    else
        best = path.At(dark.Start).Altitude >= path.At(dark.End).Altitude ? dark.Start : dark.End;
    ObservedDirection at = path.At(best);
    if (at.Altitude < w.filter.MinAltitude) return false;
    if (!w.Visible(at)) {
        // Sampled through the dark hours: the highest point seen, then the
        // edge of the skyline towards the unhindered best, by bisection.
        const int steps = std::max(2, static_cast<int>(std::ceil(dark.Days() / BestStepDays)));
        const auto sample = [&](int i) { return dark.Start + dark.Days() * i / steps; };
        int found = -1;
        double highest = -Pi;
        for (int i = 0; i <= steps; ++i) {
            const ObservedDirection d = path.At(sample(i));
            if (w.Visible(d) && d.Altitude > highest) {
                highest = d.Altitude;
                found = i;
            }
        }
        if (found < 0) return false;
        double seen = sample(found);
        const int toward = sample(found) < best ? found + 1 : found - 1;
        if (toward >= 0 && toward <= steps && !w.Visible(path.At(sample(toward)))) {
            double hidden = sample(toward);
            while (std::fabs(hidden - seen) > HalfSecondDays) {
                const double m = 0.5 * (seen + hidden);
                (w.Visible(path.At(m)) ? seen : hidden) = m;
            }
        }
        best = seen;
        at = path.At(best);
    }
    e.Best = best;
    e.BestAltitude = at.Altitude;
    e.BestAzimuth = at.Azimuth;
    const EquatorialPlace moon = w.frame.Body(MoonSlot, best).Place;
    e.MoonDistance = AngularDistance(moon, path.Place()(best));
    return true;
}

template <class PlaceAt>
std::optional<TonightEntry> Plan(const Work& w, const Candidate& c, const PlaceAt& place, int iterations,
                                 double magnitude) {
    const Path<PlaceAt> path(w.frame, place, iterations);
    TonightEntry e;
    e.Object = &c;
    e.Magnitude = magnitude;
    if (!FindBest(path, w, e)) return std::nullopt;
    e.Constellation = c.Constellation;
    if (c.Kind.Group == ObjectGroup::Planet || c.Kind.Group == ObjectGroup::SmallBody) {
        const EquatorialPlace j2000 = AstrometricFromApparent(path.Place()(e.Best), e.Best);
        e.Constellation = ConstellationAt(j2000.RightAscension, j2000.Declination);
    }
    e.Transit = path.NextTransit(w.night.Start);
    if (e.Transit && *e.Transit > w.night.End) e.Transit.reset();
    if (w.horizon)
        RiseAndSetOverProfile(path, w, e);
    else
        RiseAndSetAtHorizon(path, w, e);
    return e;
}

bool Passes(const TonightFilter& f, const Candidate& c, double magnitude) {
    if (!(f.Groups & (1u << static_cast<unsigned>(c.Kind.Group)))) return false;
    if (f.MagnitudeLimit && !(magnitude <= *f.MagnitudeLimit)) return false;
    if (c.Size > 0.0f && (c.Size < f.MinSize || (f.MaxSize && c.Size > *f.MaxSize))) return false;
    if (c.Size <= 0.0f && c.Kind.Group != ObjectGroup::Planet && c.Kind.Group != ObjectGroup::Star &&
        (f.MinSize > 0.0 || f.MaxSize))
        return false;  // an extended object of unknown size fails a size limit
    return true;
}

}  // namespace

std::vector<Candidate> SmallBodyCandidates(std::span<const SmallBody> bodies, std::deque<std::string>& names,
                                           std::optional<double> julianDay) {
    std::vector<Candidate> list;
    list.reserve(bodies.size());
    for (const SmallBody& b : bodies) {
        Candidate c;
        c.Kind.Group = ObjectGroup::SmallBody;
        names.push_back(Utf8ToCp1250(DisplayName(b)));
        c.Name = names.back();
        c.Body = &b;
        list.push_back(c);
    }
    if (julianDay) {
        const std::vector<SmallBodyPlace> places = SmallBodyPlaces(bodies, *julianDay);
        for (std::size_t k = 0; k < list.size(); ++k) {
            list[k].J2000.RightAscension = PositiveAngle(places[k].RightAscension);
            list[k].J2000.Declination = places[k].Declination;
        }
    }
    return list;
}

const std::vector<Candidate>& TonightCandidates() {
    static const std::vector<Candidate> all = BuildCandidates();
    return all;
}

double RefractionAt(double apparentAltitude) {
    const double h = std::max(apparentAltitude / RadiansPerDegree, -1.0);
    return RadiansPerDegree / 60.0 / std::tan((h + 7.31 / (h + 4.4)) * RadiansPerDegree);
}

std::vector<TonightEntry> PlanTonight(const Night& night, const GeodeticPlace& site,
                                      const TonightFilter& filter, const LocalHorizon* horizon,
                                      std::span<const Candidate> candidates) {
    std::vector<TonightEntry> list;
    if (!night.Observing) return list;
    const double middle = 0.5 * (night.Observing->Start + night.Observing->End);
    const TrueFrame frame(site, middle);
    Work w{night, frame, filter, horizon, -HorizonRefraction, -HorizonRefraction, {}};
    w.PrepareThresholds();
    const ApparentPlaces apparent(middle);
    std::optional<std::array<double, SkyObjectCount>> magnitudes;
    // The comets' and minor planets' brightness of the night, for all at once.
    std::vector<SmallBody> smallBodies;
    for (const Candidate& c : candidates)
        if (c.Kind.Group == ObjectGroup::SmallBody &&
            (filter.Groups & (1u << static_cast<unsigned>(ObjectGroup::SmallBody))))
            smallBodies.push_back(*c.Body);
    const std::vector<SmallBodyPlace> smallPlaces = SmallBodyPlaces(smallBodies, middle);
    std::size_t nextSmall = 0;
    for (const Candidate& c : candidates) {
        std::optional<TonightEntry> e;
        if (c.Kind.Group == ObjectGroup::Planet) {
            if (!magnitudes) magnitudes = ObjectMagnitudes(middle);
            const double magnitude = (*magnitudes)[static_cast<std::size_t>(c.Slot)];
            if (!Passes(filter, c, magnitude)) continue;
            const auto place = [&frame, slot = c.Slot](double t) { return frame.Body(slot, t).Place; };
            e = Plan(w, c, place, MovingIterations, magnitude);
        } else if (c.Kind.Group == ObjectGroup::SmallBody) {
            if (nextSmall >= smallPlaces.size()) continue;  // the group is filtered out
            const SmallBodyPlace& tonight = smallPlaces[nextSmall++];
            if (!tonight.Valid) continue;  // an orbit that gives no place
            const double magnitude = tonight.Magnitude;
            if (!(magnitude <= filter.MagnitudeLimit.value_or(TonightSmallBodyMagnitude))) continue;
            if (!Passes(filter, c, magnitude)) continue;
            // Its geocentric place of date: the parallax of a body a tenth of
            // an AU away is a minute of arc, below what the list tells.
            const auto place = [body = c.Body](double t) {
                const SmallBodyPlace p = SmallBodyPlaceAt(*body, t);
                return EquatorialPlace{PositiveAngle(p.OfDate.Longitude), p.OfDate.Latitude};
            };
            e = Plan(w, c, place, MovingIterations, magnitude);
        } else {
            if (!Passes(filter, c, c.Magnitude)) continue;
            const EquatorialPlace fixed = apparent.Of(c.J2000);
            const auto place = [fixed](double) { return fixed; };
            e = Plan(w, c, place, 1, c.Magnitude);
        }
        if (e) list.push_back(*e);
    }
    std::stable_sort(list.begin(), list.end(),
                     [](const TonightEntry& a, const TonightEntry& b) { return a.Best < b.Best; });
    return list;
}

}  // namespace kolvar
