#pragma once

// What a click on a comet or minor planet names: the left label's five rows
// (its name as shown; its kind with the age of old elements; magnitude;
// distances from the Sun and the Earth) in the colour of its symbol, and the
// two pictures as a click on a catalogue object gets them. A small body has
// no runic names: the right label is its margins alone.

#include <span>
#include <string_view>
#include <vector>

#include "astro/small_body.h"
#include "astro/small_body_place.h"
#include "chart/small_body_layer.h"
#include "chart/view_options.h"
#include "identify/label_fit.h"
#include "identify/label_text.h"

namespace kolvar {

// Kind number of a comet or minor planet where objects are reported beside
// the table's kinds (identify, find).
inline constexpr int KindSmallBody = 8;

// How near to a body's symbol a click must land to name it, in pixels.
inline constexpr double SmallBodyPickRadius = 8.0;

struct SmallBodyHit {
    const SmallBody* Body = nullptr;  // none hit
    PlacedSmallBody Placed;
};

// The comet or minor planet that `view` draws nearest to the click at (x, y),
// within SmallBodyPickRadius and no farther than the nearest catalogue
// object's pixel `nearestObject`; none when the view shows no small bodies.
SmallBodyHit SmallBodyAt(const ViewOptions& view, const ChartFrame& frame, const SkyProjection& projection,
                         double julianDay, int x, int y, ChartPoint nearestObject);

// The bodies `utf8` names (search keys, as find takes names): those whose
// designation, name or whole name as shown it is first, then those where
// one of them begins with it; each once, in the bodies' order within each.
std::vector<std::size_t> SmallBodiesNamed(std::span<const SmallBody> bodies, std::string_view utf8);

LabelRows SmallBodyLabelRows(const SmallBody& body, const SmallBodyPlace& place, int size);

// The labels at `characterSize`, shrunk a point at a time until the left one
// fits the client's height and width (not below SmallestFittingFontSize).
ObjectLabels FitSmallBodyLabels(const SmallBody& body, const SmallBodyPlace& place, int characterSize,
                                const LabelArea& area);

}  // namespace kolvar
