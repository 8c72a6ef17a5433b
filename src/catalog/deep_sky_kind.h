#pragma once

#include <cstdint>

namespace kolvar {

// What kind of object a deep-sky catalogue entry is, grouped as a printed
// chart draws its symbols.
enum class DeepSkyKind : std::uint8_t {
    Galaxy,
    OpenCluster,
    GlobularCluster,
    Nebula,  // emission and reflection nebulae, star-forming regions, supernova remnants
    PlanetaryNebula,
    Other,  // star clouds, asterisms, double stars
};

// The kind of deep-sky object 0..DeepSkyCount-1; Other for any other index.
DeepSkyKind DeepSkyKindOf(int object);

}  // namespace kolvar
