#include "astro/apparent_place.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>

namespace kolvar {

namespace {

constexpr double SecondsPerDay = 86400.0;
constexpr double AuMetres = 149597870700.0;

// The Julian day split as ERFA likes it, the large part first.
struct SplitDay {
    double Whole;
    double Fraction;
};
SplitDay Split(double julianDay) {
    const double whole = std::floor(julianDay - 0.5) + 0.5;
    return {whole, julianDay - whole};
}

// Everything ERFA needs of one instant and place: the star-independent
// parameters (eraApco), and the equation of the origins to go between the
// CIRS and the equinox of date.
struct Context {
    eraASTROM Astrom{};
    double EquationOfOrigins = 0.0;
};

Context ContextFor(double julianDayUt, const GeodeticPlace* site, const Atmosphere& air) {
    const SplitDay ut = Split(julianDayUt);
    const double tt2 = ut.Fraction + DeltaTSeconds(julianDayUt) / SecondsPerDay;
    Context c;
    if (site == nullptr) {
        eraApci13(ut.Whole, tt2, &c.Astrom, &c.EquationOfOrigins);
        return c;
    }
    double ehpv[2][3], ebpv[2][3], r[3][3], x, y;
    eraEpv00(ut.Whole, tt2, ehpv, ebpv);
    eraPnm06a(ut.Whole, tt2, r);
    eraBpn2xy(r, &x, &y);
    const double s = eraS06(ut.Whole, tt2, x, y);
    const double theta = eraEra00(ut.Whole, ut.Fraction);  // UT1 taken as the program's UT
    const double sp = eraSp00(ut.Whole, tt2);
    double refa = 0.0, refb = 0.0;
    if (air.PressureHpa > 0.0)
        eraRefco(air.PressureHpa, air.TemperatureC, air.RelativeHumidity, air.WavelengthMicrons, &refa,
                 &refb);
    eraApco(ut.Whole, tt2, ebpv, ehpv[0], x, y, s, theta, site->Longitude, site->Latitude, site->Height, 0.0,
            0.0, sp, refa, refb, &c.Astrom);
    c.EquationOfOrigins = eraEors(r, s);
    return c;
}

ObservedDirection FromZenithDistance(double azimuth, double zenithDistance) {
    return {eraAnp(azimuth), ERFA_DPI / 2 - zenithDistance};
}

}  // namespace

double DeltaTSeconds(double julianDayUt) {
    // Decimal year as the polynomials count it.
    const double y = 2000.0 + (julianDayUt - 2451544.5) / 365.2425;
    const auto longTerm = [](double year) {
        const double u = (year - 1820.0) / 100.0;
        return -20.0 + 32.0 * u * u;
    };
    if (y < -500.0 || y >= 2150.0) return longTerm(y);
    if (y < 500.0) {
        const double u = y / 100.0;
        return 10583.6 - 1014.41 * u + 33.78311 * u * u - 5.952053 * u * u * u - 0.1798452 * std::pow(u, 4) +
               0.022174192 * std::pow(u, 5) + 0.0090316521 * std::pow(u, 6);
    }
    if (y < 1600.0) {
        const double u = (y - 1000.0) / 100.0;
        return 1574.2 - 556.01 * u + 71.23472 * u * u + 0.319781 * u * u * u - 0.8503463 * std::pow(u, 4) -
               0.005050998 * std::pow(u, 5) + 0.0083572073 * std::pow(u, 6);
    }
    if (y < 1700.0) {
        const double t = y - 1600.0;
        return 120.0 - 0.9808 * t - 0.01532 * t * t + t * t * t / 7129.0;
    }
    if (y < 1800.0) {
        const double t = y - 1700.0;
        return 8.83 + 0.1603 * t - 0.0059285 * t * t + 0.00013336 * t * t * t - std::pow(t, 4) / 1174000.0;
    }
    if (y < 1860.0) {
        const double t = y - 1800.0;
        return 13.72 - 0.332447 * t + 0.0068612 * t * t + 0.0041116 * t * t * t -
               0.00037436 * std::pow(t, 4) + 0.0000121272 * std::pow(t, 5) - 0.0000001699 * std::pow(t, 6) +
               0.000000000875 * std::pow(t, 7);
    }
    if (y < 1900.0) {
        const double t = y - 1860.0;
        return 7.62 + 0.5737 * t - 0.251754 * t * t + 0.01680668 * t * t * t - 0.0004473624 * std::pow(t, 4) +
               std::pow(t, 5) / 233174.0;
    }
    if (y < 1920.0) {
        const double t = y - 1900.0;
        return -2.79 + 1.494119 * t - 0.0598939 * t * t + 0.0061966 * t * t * t - 0.000197 * std::pow(t, 4);
    }
    if (y < 1941.0) {
        const double t = y - 1920.0;
        return 21.20 + 0.84493 * t - 0.076100 * t * t + 0.0020936 * t * t * t;
    }
    if (y < 1961.0) {
        const double t = y - 1950.0;
        return 29.07 + 0.407 * t - t * t / 233.0 + t * t * t / 2547.0;
    }
    if (y < 1986.0) {
        const double t = y - 1975.0;
        return 45.45 + 1.067 * t - t * t / 260.0 - t * t * t / 718.0;
    }
    if (y < 2000.0) {
        const double t = y - 2000.0;
        return 63.86 + 0.3345 * t - 0.060374 * t * t + 0.0017275 * t * t * t + 0.000651814 * std::pow(t, 4) +
               0.00002373599 * std::pow(t, 5);
    }
    if (y < 2050.0) {
        // Measured values every five years from 2000 (IERS), then a straight
        // line to where the long-term formula below begins; the published
        // 2005-2050 polynomial overshoots the measured 2025 value by 6 s.
        constexpr double Measured[] = {63.83, 64.69, 66.07, 67.64,
                                       69.36, 69.10, 93.0};  // 2000, 2005 .. 2025, 2050
        if (y >= 2025.0) return Measured[5] + (Measured[6] - Measured[5]) * (y - 2025.0) / 25.0;
        const double k = (y - 2000.0) / 5.0;
        const int i = static_cast<int>(k);
        return Measured[i] + (Measured[i + 1] - Measured[i]) * (k - i);
    }
    return -20.0 + 32.0 * std::pow((y - 1820.0) / 100.0, 2) - 0.5628 * (2150.0 - y);
}

EquatorialPlace ApparentOfDate(const CataloguePlace& place, double julianDayUt) {
    Context c = ContextFor(julianDayUt, nullptr, NoRefraction);
    double ri = 0.0, di = 0.0;
    eraAtciq(place.RightAscension, place.Declination, place.ProperMotionRa, place.ProperMotionDec,
             place.Parallax, place.RadialVelocity, &c.Astrom, &ri, &di);
    return {eraAnp(ri - c.EquationOfOrigins), di};
}

struct ApparentPlaces::State {
    Context Fixed;
};

ApparentPlaces::ApparentPlaces(double julianDayUt)
    : state_(std::make_unique<State>(State{ContextFor(julianDayUt, nullptr, NoRefraction)})) {}

ApparentPlaces::~ApparentPlaces() = default;

EquatorialPlace ApparentPlaces::Of(const CataloguePlace& place) const {
    double ri = 0.0, di = 0.0;
    eraAtciq(place.RightAscension, place.Declination, place.ProperMotionRa, place.ProperMotionDec,
             place.Parallax, place.RadialVelocity, &state_->Fixed.Astrom, &ri, &di);
    return {eraAnp(ri - state_->Fixed.EquationOfOrigins), di};
}

double ApparentSiderealAngle(double julianDayUt) {
    const SplitDay ut = Split(julianDayUt);
    const double tt2 = ut.Fraction + DeltaTSeconds(julianDayUt) / SecondsPerDay;
    return eraAnp(eraGst06a(ut.Whole, ut.Fraction, ut.Whole, tt2));
}

EquatorialPlace AstrometricFromApparent(const EquatorialPlace& apparent, double julianDayUt) {
    Context c = ContextFor(julianDayUt, nullptr, NoRefraction);
    double rc = 0.0, dc = 0.0;
    eraAticq(eraAnp(apparent.RightAscension + c.EquationOfOrigins), apparent.Declination, &c.Astrom, &rc,
             &dc);
    return {eraAnp(rc), dc};
}

ObservedDirection ObservedFromCatalogue(const CataloguePlace& place, const GeodeticPlace& site,
                                        double julianDayUt, const Atmosphere& air) {
    Context c = ContextFor(julianDayUt, &site, air);
    double ri = 0.0, di = 0.0, aob = 0.0, zob = 0.0, hob = 0.0, dob = 0.0, rob = 0.0;
    eraAtciq(place.RightAscension, place.Declination, place.ProperMotionRa, place.ProperMotionDec,
             place.Parallax, place.RadialVelocity, &c.Astrom, &ri, &di);
    eraAtioq(ri, di, &c.Astrom, &aob, &zob, &hob, &dob, &rob);
    return FromZenithDistance(aob, zob);
}

ObservedDirection ObservedFromApparent(const EquatorialPlace& apparent, const GeodeticPlace& site,
                                       double julianDayUt, const Atmosphere& air) {
    Context c = ContextFor(julianDayUt, &site, air);
    double aob = 0.0, zob = 0.0, hob = 0.0, dob = 0.0, rob = 0.0;
    eraAtioq(eraAnp(apparent.RightAscension + c.EquationOfOrigins), apparent.Declination, &c.Astrom, &aob,
             &zob, &hob, &dob, &rob);
    return FromZenithDistance(aob, zob);
}

Vector3 TopocentricOffset(const GeodeticPlace& site, double julianDayUt) {
    double xyz[3] = {0.0, 0.0, 0.0};
    eraGd2gc(ERFA_WGS84, site.Longitude, site.Latitude, site.Height, xyz);
    // Turn the Earth-fixed vector by the Greenwich apparent sidereal time
    // into the true equator and equinox of date.
    const SplitDay ut = Split(julianDayUt);
    const double tt2 = ut.Fraction + DeltaTSeconds(julianDayUt) / SecondsPerDay;
    const double gast = eraGst06a(ut.Whole, ut.Fraction, ut.Whole, tt2);
    const double c = std::cos(gast), s = std::sin(gast);
    return {(c * xyz[0] - s * xyz[1]) / AuMetres, (s * xyz[0] + c * xyz[1]) / AuMetres, xyz[2] / AuMetres};
}

}  // namespace kolvar
