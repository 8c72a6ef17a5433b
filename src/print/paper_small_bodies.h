#pragma once

#include <memory>
#include <vector>

#include "astro/small_body.h"

namespace kolvar {

// The comets and minor planets a printed chart shows (print_small_bodies.h).
struct PaperSmallBodies {
    std::shared_ptr<const std::vector<SmallBody>> Bodies;  // none: nothing drawn
    double Magnitude = 10.0;                               // the faintest drawn
    bool Shown = false;                                    // the bodies themselves
    int PathBody = -1;                                     // index in Bodies of the track's body, -1 none
    double PathDays = 30.0;

    bool Any() const { return Bodies && !Bodies->empty() && (Shown || PathBody >= 0); }
};

}  // namespace kolvar
