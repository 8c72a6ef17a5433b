#include "plan/plan_paper.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "astro/angles.h"
#include "astro/transforms.h"
#include "catalog/constellation.h"
#include "catalog/constellation_hungarian_names.h"
#include "catalog/ngc_ic_catalogue.h"
#include "chart/solar_system_layer.h"
#include "texts/place_text.h"
#include "texts/tonight_captions.h"

namespace kolvar {

namespace {

std::string Fixed(double value, int decimals, std::string_view unit = {}) {
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    std::string s = text;
    for (char& c : s)
        if (c == '.') c = ',';
    return s + std::string(unit);
}

std::string KindOf(const Candidate& c) {
    if (c.Kind.Group == ObjectGroup::Planet) return std::string(PlanetKindWord());
    if (c.Kind.Group == ObjectGroup::Star &&
        c.Kind.NgcIcKind == static_cast<std::uint8_t>(NgcIcKind::MultipleStar))
        return std::string(DoubleStarKindWord());
    if (c.Kind.Group == ObjectGroup::Star) return std::string(StarKindWord());
    return std::string(NgcIcKindWord(c.Kind.NgcIcKind));
}

// The J2000 direction whose place of date is (ra, dec): the precession undone by steps.
std::pair<double, double> J2000Of(double ra, double dec, double julianDay) {
    double a = ra, d = dec;
    for (int k = 0; k < 4; ++k) {
        const SphericalPosition p = PrecessToDate(a, d, 1.0, julianDay);
        a -= std::remainder(p.Longitude - ra, TwoPi);
        d -= p.Latitude - dec;
    }
    return {a, d};
}

}  // namespace

double PlanFinderField(const Candidate& object) {
    if (object.Size <= 0.0f) return 3.0;
    return std::clamp(3.0 * static_cast<double>(object.Size) / 60.0, 1.0, 10.0);
}

PlanSheetRequest TonightPlanSheet(const Night& night, std::span<const TonightEntry> list,
                                  const ClockText& clock, const std::string& date, const GeodeticPlace& site,
                                  const DeepStarFile* stars) {
    const TonightTexts& t = TonightCaptions();
    const auto when = [&](const std::optional<double>& jd) { return jd ? clock(*jd) : std::string("-"); };
    const auto line = [](const ViewCaption& caption, const std::string& value) {
        return std::string(caption.Hungarian) + " " + value;
    };
    PlanSheetRequest plan;
    plan.Title = std::string(t.Title.Hungarian) + " " + date + ", " +
                 PlaceText(site.Longitude, site.Latitude, PlaceTextEncoding::Windows1250);
    std::string sun =
        line(t.Sunset, when(night.Sunset.Evening)) + "   " + line(t.Sunrise, when(night.Sunset.Morning));
    if (night.Darkest == Darkness::Astronomical)
        sun +=
            "   " + line(t.Dark, when(night.Astronomical.Evening) + " - " + when(night.Astronomical.Morning));
    plan.NightLines.push_back(sun);
    plan.NightLines.push_back(line(t.Moonrise, when(night.Moonrise)) + "   " +
                              line(t.Moonset, when(night.Moonset)) + "   " +
                              line(t.MoonLit, Fixed(night.MoonIlluminated * 100.0, 0, "%")) + "   " +
                              line(t.Moonless, Fixed(night.MoonlessDarkHours, 1, " h")));
    if (night.Sun == Daylight::PolarDay) plan.NightLines.emplace_back(t.PolarDay.Hungarian);
    if (night.Sun == Daylight::PolarNight) plan.NightLines.emplace_back(t.PolarNight.Hungarian);
    for (const ViewCaption& c : t.Columns) plan.Columns.emplace_back(c.Hungarian);
    for (const TonightEntry& e : list) {
        const Candidate& c = *e.Object;
        plan.Rows.push_back(
            {std::string(c.Name), KindOf(c),
             e.Constellation > 0 ? std::string(ConstellationOf(e.Constellation).Hungarian) : "",
             e.Magnitude < 90.0 ? Fixed(e.Magnitude, 1) : "", c.Size > 0.0f ? Fixed(c.Size, 1, "'") : "",
             when(e.Rise), when(e.Transit), when(e.Set), clock(e.Best),
             Fixed(e.BestAltitude * DegreesPerRadian, 1, "\xB0"),
             Fixed(e.MoonDistance * DegreesPerRadian, 0, "\xB0")});
        if (plan.Finders.size() >= MaxPlanFinderCharts) continue;
        FinderChartRequest f;
        if (c.Kind.Group == ObjectGroup::Planet) {
            const SphericalPosition p = GeocentricBodyPosition(c.Slot, e.Best);
            std::tie(f.RightAscension, f.Declination) = J2000Of(p.Longitude, p.Latitude, e.Best);
        } else {
            f.RightAscension = c.J2000.RightAscension;
            f.Declination = c.J2000.Declination;
        }
        f.FieldDegrees = PlanFinderField(c);
        f.YearsSince2000 = (e.Best - 2451545.0) / 365.25;
        f.Stars = stars;
        f.Name = std::string(c.Name);
        plan.Finders.push_back(std::move(f));
    }
    return plan;
}

}  // namespace kolvar
