#include "plan/night.h"

#include <algorithm>
#include <cmath>

#include "astro/angles.h"
#include "chart/solar_system_layer.h"
#include "plan/true_frame.h"
#include "sky/sky_object_table.h"

namespace kolvar {

namespace {

constexpr double SampleDays = 10.0 / 1440.0;  // the Sun and the Moon turn at most 1.5 degrees in it

double HoursOf(const std::vector<Interval>& spans) {
    double days = 0.0;
    for (const Interval& i : spans) days += i.Days();
    return days * 24.0;
}

// The altitude of the Sun's or the Moon's centre above the one at which its
// upper limb touches the horizon through refraction.
double AboveRiseLevel(const TrueFrame& frame, int slot, double t) {
    const BodyPlace b = frame.Body(slot, t);
    const double radius = slot == SunSlot ? SunRadiusAu : MoonRadiusAu;
    return frame.Observe(b.Place, t).Altitude + HorizonRefraction + std::asin(radius / b.Distance);
}

LevelCrossings CrossingsOf(const TimeFunction& f, const Night& n) {
    LevelCrossings c;
    for (const Crossing& x : FindCrossings(f, n.Start, n.End, SampleDays)) {
        if (!x.Upward && !c.Evening && !c.Morning) c.Evening = x.Time;
        if (x.Upward && !c.Morning) c.Morning = x.Time;
    }
    return c;
}

// The longest of the spans, if any.
std::optional<Interval> Longest(const std::vector<Interval>& spans) {
    if (spans.empty()) return std::nullopt;
    return *std::max_element(spans.begin(), spans.end(),
                             [](const Interval& a, const Interval& b) { return a.Days() < b.Days(); });
}

}  // namespace

double SolarCulmination(const GeodeticPlace& site, double julianDay) {
    const TrueFrame frame(site, julianDay);
    double t = julianDay;
    // The Sun's hour angle runs at a turn a day; three steps settle it to a second.
    for (int i = 0; i < 4; ++i) {
        const double h =
            ReducedAngle(frame.LocalSiderealAngle(t) - frame.Body(SunSlot, t).Place.RightAscension);
        t -= h / (2.0 * Pi);
    }
    return t;
}

Night ComputeNight(const GeodeticPlace& site, double noon) {
    Night n;
    n.Start = SolarCulmination(site, noon);
    n.End = SolarCulmination(site, n.Start + 1.0);
    const TrueFrame frame(site, 0.5 * (n.Start + n.End));

    const auto sunAltitude = [&frame](double t) {
        return frame.Observe(frame.Body(SunSlot, t).Place, t).Altitude;
    };
    // The lowest point: the Sun's lower culmination, half a turn of its hour angle.
    n.Midnight = 0.5 * (n.Start + n.End);
    for (int i = 0; i < 3; ++i) {
        const double h = ReducedAngle(frame.LocalSiderealAngle(n.Midnight) -
                                      frame.Body(SunSlot, n.Midnight).Place.RightAscension + Pi);
        n.Midnight -= h / (2.0 * Pi);
    }

    const TimeFunction sunUp = [&frame](double t) { return AboveRiseLevel(frame, SunSlot, t); };
    n.Sunset = CrossingsOf(sunUp, n);
    const auto level = [&sunAltitude](double degrees) {
        return TimeFunction(
            [&sunAltitude, degrees](double t) { return sunAltitude(t) + degrees * RadiansPerDegree; });
    };
    n.Civil = CrossingsOf(level(6.0), n);
    n.Nautical = CrossingsOf(level(12.0), n);
    n.Astronomical = CrossingsOf(level(18.0), n);

    if (!n.Sunset.Evening && !n.Sunset.Morning)
        n.Sun = sunUp(n.Midnight) >= 0.0 ? Daylight::PolarDay : Daylight::PolarNight;

    // The darkest twilight reached, and the span below its level.
    const struct {
        Darkness Kind;
        TimeFunction Below;
    } levels[] = {{Darkness::Astronomical, level(18.0)},
                  {Darkness::Nautical, level(12.0)},
                  {Darkness::Civil, level(6.0)},
                  {Darkness::Twilight, sunUp}};
    for (const auto& l : levels) {
        const std::vector<Interval> below = IntervalsBelow(l.Below, n.Start, n.End, SampleDays);
        if (below.empty()) continue;
        n.Darkest = l.Kind;
        n.Observing = Longest(below);
        break;
    }

    const std::vector<Interval> dark = IntervalsBelow(level(18.0), n.Start, n.End, SampleDays);
    n.DarkHours = HoursOf(dark);

    const TimeFunction moonUp = [&frame](double t) { return AboveRiseLevel(frame, MoonSlot, t); };
    for (const Crossing& c : FindCrossings(moonUp, n.Start, n.End, SampleDays)) {
        if (c.Upward && !n.Moonrise) n.Moonrise = c.Time;
        if (!c.Upward && !n.Moonset) n.Moonset = c.Time;
    }
    n.MoonlessDark = Intersection(dark, IntervalsBelow(moonUp, n.Start, n.End, SampleDays));
    n.MoonlessDarkHours = HoursOf(n.MoonlessDark);

    // The phase from the elongation of the Moon from the Sun as the observer sees them.
    const BodyPlace sun = frame.Body(SunSlot, n.Midnight);
    const BodyPlace moon = frame.Body(MoonSlot, n.Midnight);
    const double elongation = AngularDistance(sun.Place, moon.Place);
    // Waxing while the Moon stands east of the Sun.
    const bool waxing = ReducedAngle(moon.Place.RightAscension - sun.Place.RightAscension) > 0.0;
    n.MoonPhaseAngle = waxing ? elongation : 2.0 * Pi - elongation;
    n.MoonIlluminated = 0.5 * (1.0 - std::cos(elongation));
    return n;
}

const char* MoonPhaseName(double phaseAngle) {
    // Eight names, each for an eighth of the cycle centred on its phase.
    static const char* const Names[] = {"new",  "waxing crescent", "first quarter", "waxing gibbous",
                                        "full", "waning gibbous",  "last quarter",  "waning crescent"};
    const double turn = phaseAngle / (2.0 * Pi);
    const int eighth = static_cast<int>(std::floor((turn - std::floor(turn)) * 8.0 + 0.5)) % 8;
    return Names[eighth];
}

}  // namespace kolvar
