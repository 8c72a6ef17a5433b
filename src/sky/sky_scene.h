#pragma once

#include "astro/sun_moon.h"
#include "sky/observer_frame.h"
#include "sky/observer_state.h"
#include "sky/sky_object_table.h"

namespace kolvar {

// The sky of one place at one instant, with no pixels: the chart's observer
// frame (its sidereal angle that of the instant), the Sun and the Moon, every
// object of the table placed above or below the horizon, and the Moon's phase.
// It is computed once per instant; the chart, the close-up, identification,
// find, the objects table and the paper chart read it and never write it.
struct SkyScene {
    double Longitude = 0.0;  // radians, east positive: the place it was computed for
    double Latitude = 0.0;   // radians
    double JulianDay = 0.0;  // UT
    ObserverFrame Frame;
    SunMoonResult SunMoon;
    double MoonPhase = 0.0;  // the Moon phase angle (radians)
    SkyObjectTable Objects{};

    // Whether the scene is the sky of the observer's place and instant.
    bool IsFor(const ObserverState& observer) const {
        return Longitude == observer.Longitude && Latitude == observer.Latitude &&
               JulianDay == observer.JulianDay;
    }
};

// Computes and places every object of the table for the observer's place and
// instant.
SkyScene ComputeSkyScene(const ObserverState& observer);

}  // namespace kolvar
