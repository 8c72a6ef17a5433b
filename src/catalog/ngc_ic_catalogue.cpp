#include "catalog/ngc_ic_catalogue.h"

#include <iterator>

namespace kolvar {
namespace {

// Written by tools/generate_ngc_ic.py from OpenNGC (CC-BY-SA-4.0).
constexpr NgcIcRecord Objects[] = {
#include "catalog/generated/ngc_ic_objects.inc"
};

constexpr NgcIcName Names[] = {
#include "catalog/generated/ngc_ic_names.inc"
};

static_assert(sizeof(NgcIcRecord) == 40, "the table's rows stay compact");
static_assert(std::size(Objects) < 65536, "a name refers to its object by a 16-bit index");

}  // namespace

std::span<const NgcIcRecord> NgcIcCatalogue() { return Objects; }

std::span<const NgcIcName> NgcIcNames() { return Names; }

std::string MessierName(int messier) {
    if (messier == 0) return {};
    // Appended, not prepended to a temporary: GCC 12 at -O3 warns falsely
    // (-Wrestrict) about a literal + a temporary string.
    std::string name("M");
    name += std::to_string(messier);
    return name;
}

}  // namespace kolvar
