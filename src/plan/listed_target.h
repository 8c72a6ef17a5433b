#pragma once

// Between a listed object and what the telescope, the chart and the
// close-up are pointed at: the Sun, the Moon and the planets move, so they
// are listed by name alone and found again each time; stars and deep-sky
// objects keep their J2000 place too, which serves when the name is not
// found (an object of another program's list, a bare direction).

#include <optional>

#include "plan/observing_list.h"
#include "telescope/telescope_target.h"

namespace kolvar {

ListedObject ListedObjectOf(const TelescopeTarget& target);

// The object by its name as find takes names, else its J2000 place; nothing
// when neither is known.
std::optional<TelescopeTarget> TargetOfListed(const ListedObject& object);

}  // namespace kolvar
