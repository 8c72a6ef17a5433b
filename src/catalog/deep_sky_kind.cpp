#include "catalog/deep_sky_kind.h"

#include <iterator>

#include "catalog/deep_sky_catalogue.h"

namespace kolvar {
namespace {

// In the order of the deep-sky catalogue.
constexpr DeepSkyKind Kinds[] = {
#include "catalog/generated/deep_sky_kinds.inc"
};
static_assert(std::size(Kinds) == DeepSkyCount, "one kind for every deep-sky object");

}  // namespace

DeepSkyKind DeepSkyKindOf(int object) {
    if (object < 0 || object >= DeepSkyCount) return DeepSkyKind::Other;
    return Kinds[static_cast<std::size_t>(object)];
}

}  // namespace kolvar
