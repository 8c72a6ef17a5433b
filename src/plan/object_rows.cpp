#include "plan/object_rows.h"

#include <cmath>
#include <cstdio>

#include "astro/angles.h"
#include "astro/time_scales.h"
#include "catalog/constellation.h"
#include "catalog/constellation_hungarian_names.h"
#include "identify/horizon_note.h"
#include "telescope/telescope_target.h"
#include "texts/object_captions.h"

namespace kolvar {

namespace {

constexpr double KilometresPerAu = 149597870.7;

std::string Printed(const char* format, double a, double b = 0.0) {
    char text[64];
    std::snprintf(text, sizeof text, format, a, b);
    return text;
}

std::string Place(const EquatorialPlace& p) {
    std::string text = HoursText(p.RightAscension);  // plain ASCII: the same in Windows-1250
    text += "  ";
    text += DegreesValue(p.Declination);
    return text;
}

std::string Size(double major, double minor) {
    // Under a minute of arc in seconds.
    const bool seconds = major < 1.0;
    const double scale = seconds ? 60.0 : 1.0;
    const char* unit = seconds ? "\"" : "'";
    std::string text = Printed(seconds ? "%.0f" : "%.1f", major * scale) + unit;
    if (std::fabs(major - minor) > 1e-6) {
        text += " \xD7 ";
        text += Printed(seconds ? "%.0f" : "%.1f", minor * scale) + unit;
    }
    return text;
}

std::string Distance(const ObjectReport& r) {
    if (r.Object.Index == MoonSlot) return Printed("%.0f km", *r.Distance * KilometresPerAu);
    return Printed("%.4f CSE", *r.Distance);
}

}  // namespace

std::string HorizonSummaryText(const HorizonSummary& s, double zoneHours, bool summerTime) {
    const ObjectTexts& c = ObjectCaptions();
    std::string text = Printed("%+.1f\xB0, ", s.Altitude * DegreesPerRadian);
    if (s.Next) {
        text += s.NextIsRise ? c.Rises : c.Sets;
        // Half a minute later, truncated: the nearest minute.
        const CalendarMoment m =
            CalendarFromJulianDay(*s.Next + 30.0 / 86400.0, static_cast<float>(zoneHours), summerTime);
        char clock[48];
        std::snprintf(clock, sizeof clock, " %02d.%02d. %02d:%02d", m.Month, m.Day, m.Hour, m.Minute);
        text += clock;
    } else {
        text += s.NeverRises ? c.NeverRises : s.NeverSets ? c.NeverSets : c.NotInRange;
    }
    return text;
}

std::string DegreesValue(double radians) {
    const double degrees = radians * DegreesPerRadian;
    const long long seconds = std::llround(std::fabs(degrees) * 3600.0);
    char text[40];
    std::snprintf(text, sizeof text, "%c%lld\xB0%02lld'%02lld\"", degrees < 0.0 ? '-' : '+', seconds / 3600,
                  seconds / 60 % 60, seconds % 60);
    return text;
}

std::vector<ObjectRow> ObjectRows(const ObjectReport& r, double zoneHours, bool summerTime) {
    const ObjectTexts& c = ObjectCaptions();
    std::vector<ObjectRow> rows;
    const auto add = [&rows](const ViewCaption& caption, std::string value) {
        rows.push_back({&caption, std::move(value)});
    };
    std::string names = r.Name;
    for (const std::string& other : r.OtherNames) names += ", " + other;
    add(c.Names, names);
    add(c.Kind, std::string(r.Kind));
    if (r.Constellation > 0 && r.Object.Kind != FoundKind::Constellation)
        add(c.Constellation, std::string(ConstellationOf(r.Constellation).Hungarian));
    if (r.Magnitude) add(c.Magnitude, Printed("%.1f", *r.Magnitude));
    if (r.MajorAxis) add(c.Size, Size(*r.MajorAxis, r.MinorAxis.value_or(*r.MajorAxis)));
    add(c.PlaceJ2000, Place(r.J2000));
    add(c.PlaceOfDate, Place(r.OfDate));
    add(c.Azimuth, Printed("%.2f\xB0", r.Now.Azimuth * DegreesPerRadian));
    add(c.Altitude, Printed("%+.2f\xB0", r.Now.Altitude * DegreesPerRadian));
    add(c.Airmass, r.Airmass ? Printed("%.2f", *r.Airmass) : std::string(c.BelowHorizon));

    // A missing rising or setting: never over the horizon, never under it,
    // or beyond the days searched.
    const RiseTransitSet& t = r.Times;
    const auto event = [&](const std::optional<double>& at) {
        if (at) return CivilTimeText(*at, zoneHours, summerTime);
        if (t.NeverRises) return std::string(c.NeverRises);
        if (t.NeverSets) return std::string(c.Circumpolar);
        return std::string(c.NotInRange);
    };
    add(c.Rise, event(t.Rise));
    add(c.Transit, t.Transit ? CivilTimeText(*t.Transit, zoneHours, summerTime) : std::string(c.NotInRange));
    add(c.Set, event(t.Set));
    if (r.Distance) add(c.Distance, Distance(r));
    if (r.MoonPhase && r.MoonIlluminated) {
        std::string phase(HungarianMoonPhaseName(*r.MoonPhase));
        phase += Printed(", %.0f%% ", *r.MoonIlluminated * 100.0);
        phase += c.Lit;
        add(c.MoonPhase, phase);
    }
    return rows;
}

}  // namespace kolvar
