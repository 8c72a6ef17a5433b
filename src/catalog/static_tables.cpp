#include "catalog/static_tables.h"

#include "astro/planets.h"
#include "catalog/deep_sky_catalogue.h"
#include "catalog/milky_way.h"
#include "catalog/runic_names.h"
#include "catalog/star_catalogue.h"

namespace kolvar {

void InitStaticTables() {
    InitStarCatalogue();
    InitMilkyWay();
    InitPlanetTable();
    InitRunicNames();
    InitDeepSkyCatalogue();
}

}  // namespace kolvar
