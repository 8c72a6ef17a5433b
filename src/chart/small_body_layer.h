#pragma once

// Comets and minor planets over a picture of the sky, the chart or the
// close-up: each placed in the chart's observer frame from its two-body
// place, drawn with a symbol by kind (a ring for a minor planet, a disc
// with a short stroke away from the Sun for a comet), a red ring when its
// elements are more than a year from the instant, and a label with its name
// (and the elements' age when old).

#include <cstddef>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "astro/small_body.h"
#include "astro/small_body_place.h"
#include "canvas/canvas.h"
#include "chart/chart_frame.h"
#include "chart/sky_projection.h"

namespace kolvar {

inline constexpr Colour MinorPlanetColour{230, 190, 120};
inline constexpr Colour CometColour{120, 230, 230};
inline constexpr Colour StaleElementsColour{255, 80, 64};
inline constexpr int SmallBodyLabelSize = 8;
inline constexpr int CometTailPixels = 14;

struct PlacedSmallBody {
    std::size_t Body = 0;  // index in the bodies placed
    SmallBodyPlace Place;
    HorizontalPosition Position;   // in the observer frame, with the observer's parallax
    HorizontalPosition TailPoint;  // a degree from it away from the Sun
};

// The point a degree from the body towards its anti-solar direction (where
// a comet's tail points), right ascension and declination of date; false
// when the tail points straight at the observer or away.
bool TailDirection(const SmallBodyPlace& place, double& rightAscension, double& declination);

// The bodies at `julianDay` no fainter than `magnitudeLimit` (a body of
// unknown brightness only while its elements are within a year of the
// instant), brightest first, those of unknown brightness last; above the
// horizon or not.
std::vector<PlacedSmallBody> PlaceSmallBodies(const ChartFrame& frame, double julianDay,
                                              std::span<const SmallBody> bodies, double magnitudeLimit);

// The bodies placed for one instant and observer, kept from one redraw to
// the next while the bodies, the instant, the limit and the observer stay (a
// resize, a view switch, a redraw of the close-up), and their labels' texts
// (Windows-1250) and sizes, kept while the bodies stay.
struct SmallBodySky {
    std::vector<PlacedSmallBody> Placed;
    // By body: the label as last written, the age note it was written with,
    // and its size (Width -1 until first measured); kept while the bodies stay.
    std::vector<std::string> Labels;
    std::vector<std::string> LabelNotes;
    std::vector<TextSize> LabelSizes;
};
SmallBodySky& SmallBodySkyAt(const ChartFrame& frame, double julianDay,
                             const std::shared_ptr<const std::vector<SmallBody>>& bodies,
                             double magnitudeLimit);

// Draws the placed bodies that `projection` shows, with their labels
// (Arial), a label left out where it would overlap an earlier one.
void DrawSmallBodies(Canvas& canvas, const SkyProjection& projection, std::span<const SmallBody> bodies,
                     SmallBodySky& sky);

// The placed body whose pixel lies nearest to (x, y) within `radius` pixels,
// among those `projection` shows; nothing when none is that near.
const PlacedSmallBody* NearestSmallBody(std::span<const PlacedSmallBody> placed,
                                        const SkyProjection& projection, int x, int y, double radius);

}  // namespace kolvar
