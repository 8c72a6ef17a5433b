#include "plan/listed_target.h"

#include "astro/angles.h"
#include "sky/sky_object_table.h"

namespace kolvar {

namespace {}

ListedObject ListedObjectOf(const TelescopeTarget& target) {
    ListedObject o;
    o.Name = target.Name;
    if (target.Slot < 0 || target.Slot >= FirstStarSlot) {
        o.RightAscension = target.J2000.RightAscension * DegreesPerRadian;
        o.Declination = target.J2000.Declination * DegreesPerRadian;
    }
    return o;
}

std::optional<TelescopeTarget> TargetOfListed(const ListedObject& object) {
    if (std::optional<TelescopeTarget> named = TargetNamed(object.Name)) return named;
    if (!object.RightAscension || !object.Declination) return std::nullopt;
    TelescopeTarget t =
        TargetAtDirection(*object.RightAscension / DegreesPerRadian, *object.Declination / DegreesPerRadian);
    t.Name = object.Name;
    return t;
}

}  // namespace kolvar
