#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "astro/small_body.h"

namespace kolvar {

// The coordinate lines a reader can lay over the sky: the altitude-azimuth
// grid, the equatorial grid of the date (hours of right ascension, every 10
// degrees of declination, labelled at the rim), the celestial equator and the
// ecliptic across the visible sky.
struct SkyLines {
    bool AltAzGrid = false;
    bool EquatorialGrid = false;
    bool Equator = false;
    bool Ecliptic = false;

    bool Any() const { return AltAzGrid || EquatorialGrid || Equator || Ecliptic; }
};

// How the chart and the close-up are drawn: the plain raster of markers, or
// the smooth style, anti-aliased through the paper chart's vector layers.
enum class ChartStyle : std::uint8_t { Plain, Smooth };

// The optional layers and views a reader can turn on over the chart and the
// close-up. All of them are off by default, and with every one off the
// pictures are exactly those of the plain redraw.
struct ViewOptions {
    bool Figures = false;         // constellation lines
    bool Names = false;           // constellation names at their label points
    bool RunicNames = false;      // ... with the runic name beneath
    bool Labels = false;          // Sun, Moon, planets, bright stars, Messier objects
    bool Directions = false;      // É, K, D, Ny at the ends of the cardinal cross
    double LabelMagnitude = 2.0;  // stars are labelled below this magnitude class
    bool Night = false;           // everything in dark reds on black
    bool Daylight = false;        // the sky tinted by the Sun's altitude
    SkyLines Lines;               // grids and great circles
    ChartStyle Style = ChartStyle::Plain;
    // The character size (Betűméret) the labels and figures follow; 0 and
    // the default size 12 draw them at their own sizes.
    int CharacterSize = 0;
    int SelectedSlot = -1;  // a slot of the objects table to ring, -1 none
    // A local skyline: its altitude (radians) over an azimuth (radians from
    // north through east), drawn as a dark silhouette over the sky; none when empty.
    std::function<double(double azimuth)> Skyline;
    // Comets and minor planets (small_body_layer.h): shown when on, those
    // brighter than their own limit; the bodies are the run's or the window's.
    bool SmallBodies = false;
    double SmallBodyMagnitude = 10.0;
    std::shared_ptr<const std::vector<SmallBody>> Bodies;
    // The track of one of them (its index in Bodies, -1 none) over the next PathDays.
    int PathBody = -1;
    double PathDays = 30.0;

    bool ShowsSmallBodies() const { return SmallBodies && Bodies && !Bodies->empty(); }
    bool ShowsPath() const {
        return Bodies && PathBody >= 0 && static_cast<std::size_t>(PathBody) < Bodies->size();
    }

    bool AddsAnything() const {
        return Figures || Names || Labels || Directions || Night || Daylight || Lines.Any() ||
               SelectedSlot >= 0 || static_cast<bool>(Skyline) || ShowsSmallBodies() || ShowsPath();
    }
};

// The label magnitude limits the window steps through.
inline constexpr double SmallestLabelMagnitude = 0.0;
inline constexpr double LargestLabelMagnitude = 7.0;
// ... and the small bodies' limits.
inline constexpr double SmallestSmallBodyMagnitude = 6.0;
inline constexpr double LargestSmallBodyMagnitude = 16.0;

}  // namespace kolvar
