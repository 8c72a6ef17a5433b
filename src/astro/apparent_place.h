#pragma once

// Apparent and observed places through ERFA (IAU 2006/2000A precession-nutation,
// annual and diurnal aberration, light deflection, refraction): what a mount
// takes as coordinates of date and what an almanac gives as altitude and
// azimuth. The chart keeps its own frame; these serve every number a user
// reads and every coordinate sent to a telescope. Instants are Julian days in
// Universal Time as everywhere in the program; Terrestrial Time is derived
// from them with DeltaTSeconds.

#include <memory>

namespace kolvar {

// A place on the Earth in the WGS84 (geodetic) frame.
struct GeodeticPlace {
    double Longitude = 0.0;  // radians, east positive
    double Latitude = 0.0;   // radians, north positive (geodetic)
    double Height = 0.0;     // metres above the ellipsoid
};

// A catalogue place: ICRS (J2000) right ascension and declination at the
// catalogue epoch J2000.0, with its space motion where known.
struct CataloguePlace {
    double RightAscension = 0.0;   // radians
    double Declination = 0.0;      // radians
    double ProperMotionRa = 0.0;   // radians per Julian year, d(RA)/dt (not times cos Dec)
    double ProperMotionDec = 0.0;  // radians per Julian year
    double Parallax = 0.0;         // arc seconds
    double RadialVelocity = 0.0;   // km/s, positive receding
};

// Right ascension and declination referred to some equator and equinox.
struct EquatorialPlace {
    double RightAscension = 0.0;  // radians, 0..2 pi
    double Declination = 0.0;     // radians
};

// Azimuth from north through east and altitude above the horizon.
struct ObservedDirection {
    double Azimuth = 0.0;   // radians, 0..2 pi
    double Altitude = 0.0;  // radians
};

// The air the light comes through. A pressure of 0 leaves refraction out.
struct Atmosphere {
    double PressureHpa = 0.0;
    double TemperatureC = 10.0;
    double RelativeHumidity = 0.5;  // 0..1
    double WavelengthMicrons = 0.55;
};
inline constexpr Atmosphere NoRefraction{};
inline constexpr Atmosphere StandardAtmosphere{1013.25, 10.0, 0.5, 0.55};

// TT - UT in seconds at a Julian day (UT): the Espenak-Meeus polynomials,
// -1999 to 3000, and the long-term parabola outside.
double DeltaTSeconds(double julianDayUt);

// The geocentric apparent place of date (true equator and equinox of date,
// "JNow"): proper motion to the date, light deflection, annual aberration,
// precession-nutation. This is what EQUATORIAL_EOD_COORD of a mount holds.
EquatorialPlace ApparentOfDate(const CataloguePlace& place, double julianDayUt);

// Apparent places of date of many catalogue objects at one instant: the
// part that does not depend on the object (precession-nutation, the Earth's
// position and velocity) is computed once, so each place costs little.
class ApparentPlaces {
public:
    explicit ApparentPlaces(double julianDayUt);
    ~ApparentPlaces();
    ApparentPlaces(const ApparentPlaces&) = delete;
    ApparentPlaces& operator=(const ApparentPlaces&) = delete;

    // As ApparentOfDate(place, julianDayUt).
    EquatorialPlace Of(const CataloguePlace& place) const;

private:
    struct State;
    std::unique_ptr<State> state_;
};

// Greenwich apparent sidereal time (IAU 2006/2000A) at a Julian day (UT),
// radians 0..2 pi: the hour angle of the true equinox of date.
double ApparentSiderealAngle(double julianDayUt);

// The inverse for a direction without space motion: the ICRS (J2000)
// astrometric place whose apparent place of date is `apparent`.
EquatorialPlace AstrometricFromApparent(const EquatorialPlace& apparent, double julianDayUt);

// Where an observer at `site` sees a catalogue object (topocentric, diurnal
// aberration included), with refraction by `air`.
ObservedDirection ObservedFromCatalogue(const CataloguePlace& place, const GeodeticPlace& site,
                                        double julianDayUt, const Atmosphere& air = NoRefraction);

// The same for a direction known as an apparent place of date (a body whose
// geocentric place has been computed for the date). A body near enough for
// its parallax to count must be made topocentric before (TopocentricOffset).
ObservedDirection ObservedFromApparent(const EquatorialPlace& apparent, const GeodeticPlace& site,
                                       double julianDayUt, const Atmosphere& air = NoRefraction);

// The observer's position from the Earth's centre in the true equatorial
// frame of date (x towards the true equinox), in astronomical units: subtract
// it from a body's geocentric vector of date to get the topocentric one.
struct Vector3 {
    double X = 0.0, Y = 0.0, Z = 0.0;
};
Vector3 TopocentricOffset(const GeodeticPlace& site, double julianDayUt);

}  // namespace kolvar
